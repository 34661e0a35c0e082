// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawhistory.h"
#include "core/evaluation/pastwintable.h"
#include "pastwinoracle.h"
#include "testsupport.h"

#include <gtest/gtest.h>
#include <random>

using namespace vendrilo;
using test::pastWinScan;

namespace {

using TipBytes = std::array<std::uint8_t, 6>;

// A history of `count` draws from 01.01.2000 on, two or three days apart, with six different
// numbers each; `odd` adds the draws the masks cannot describe alone: repeated or out-of-range
// numbers, bonus numbers equal to a drawn one, days out of order.
std::vector<DrawRecord> randomHistory(std::mt19937& rng, int count, bool withBonus, bool odd)
{
    std::uniform_int_distribution<int> number(1, 49), percent(0, 99);
    std::vector<DrawRecord> records;
    double date = 36526; // 01.01.2000
    for (int i = 0; i < count; ++i) {
        date += percent(rng) < 50 ? 3 : 4;
        DrawRecord r;
        r.date = odd && percent(rng) < 3 ? date - 20 : date;
        std::uint64_t seen = 0;
        for (auto& n : r.numbers) {
            int x = number(rng);
            while (seen >> x & 1)
                x = number(rng);
            seen |= std::uint64_t(1) << x;
            n = static_cast<std::uint8_t>(x);
        }
        if (withBonus) {
            int x = number(rng);
            while (seen >> x & 1)
                x = number(rng);
            r.bonus = static_cast<std::uint8_t>(x);
        }
        if (odd && percent(rng) < 3) {
            const int fault = percent(rng) % 3;
            if (fault == 0)
                r.numbers[5] = r.numbers[0];
            else if (fault == 1)
                r.numbers[5] = 60;
            else
                r.bonus = r.numbers[2];
        }
        records.push_back(r);
    }
    return records;
}

TipBytes randomTip(std::mt19937& rng)
{
    std::vector<std::uint8_t> all(49);
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<std::uint8_t>(i + 1);
    std::shuffle(all.begin(), all.end(), rng);
    TipBytes tip{};
    std::copy_n(all.begin(), 6, tip.begin());
    std::sort(tip.begin(), tip.end());
    return tip;
}

} // namespace

// Every question a table answers gets the answer of the plain scan, for the tip given as numbers
// and as bits, over random histories, windows, filters, thresholds and tips; a table is refused
// only where the history holds a draw it cannot describe.
TEST(PastWinTable, AnswersAsThePlainScanOverRandomHistoriesAndWindows)
{
    std::mt19937 rng(20261208);
    const struct {
        bool withBonus, odd;
    } kinds[] = {{false, false}, {true, false}, {true, true}, {false, true}};
    int answered = 0, refused = 0;
    for (const auto& kind : kinds)
        for (int h = 0; h < 6; ++h) {
            const DrawHistory history(randomHistory(rng, 300 + 50 * h, kind.withBonus, kind.odd));
            const double first = history.records().front().date;
            std::uniform_int_distribution<int> offset(0, 1200), span(4, 600), threshold(0, 7);
            for (int q = 0; q < 40; ++q) {
                PastWinQuery query;
                query.after = first + offset(rng);
                query.upTo = query.after + span(rng);
                query.threshold = threshold(rng);
                query.withBonus = q % 2 == 0;
                query.filter = {q % 3 != 1, q % 3 != 2};
                const auto table = PastWinTable::build(history, query);
                if (query.threshold < 1 || query.threshold > 3) {
                    EXPECT_FALSE(table);
                    continue;
                }
                if (!table) {
                    EXPECT_TRUE(kind.odd);
                    ++refused;
                    continue;
                }
                ++answered;
                for (int t = 0; t < 50; ++t) {
                    const TipBytes tip = randomTip(rng);
                    const Tip asInts{tip[0], tip[1], tip[2], tip[3], tip[4], tip[5]};
                    const bool noWin = pastWinScan(history.records(), asInts, query).noWin;
                    ASSERT_EQ(table->neverWon(tip), noWin)
                        << "threshold " << query.threshold << " query " << q;
                    std::uint64_t bits = 0;
                    for (const std::uint8_t n : tip)
                        bits |= std::uint64_t(1) << n;
                    ASSERT_EQ(table->neverWonBits(bits), noWin)
                        << "bits, threshold " << query.threshold << " query " << q;
                    // The first group alone may tell a win, never a tip that did not win.
                    if (table->firstGroupWon(bits)) {
                        ASSERT_FALSE(noWin) << "first group, query " << q;
                    }
                }
            }
        }
    EXPECT_GT(answered, 200);
    EXPECT_GT(refused, 0);
}

TEST(PastWinTable, OnlyTipsOfSixAscendingNumbersFromOneTo63AreTableTips)
{
    const struct {
        TipBytes tip;
        bool ascending;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6}, true},   {{5, 9, 17, 33, 48, 63}, true}, {{0, 2, 3, 4, 5, 6}, false},
        {{1, 2, 3, 4, 5, 64}, false}, {{1, 2, 2, 4, 5, 6}, false},    {{6, 5, 4, 3, 2, 1}, false},
        {{1, 2, 3, 4, 6, 5}, false},  {{0, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PastWinTable::isAscendingTip(c.tip), c.ascending);
}
