// SPDX-License-Identifier: GPL-3.0-or-later
// The exact odds against two counts of their own: every one of the 13,983,816 draws visited in
// turn, and, for small sheets, inclusion and exclusion over the regions the rows cut the numbers
// into.
#include "core/money/odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <set>

using namespace vendrilo;

namespace {

using Row = std::array<int, 6>;

// ---- first count: every draw ----

struct EveryDrawCount {
    std::array<qint64, 7> histogram{}; // of the first sheet's first row, by hits
    std::vector<qint64> winningDraws;  // per sheet: draws giving some row three hits or more
};

// Visits every draw once and counts for all sheets together.
EveryDrawCount countOverEveryDraw(const std::vector<std::vector<RowMask>>& sheets)
{
    EveryDrawCount c;
    c.winningDraws.assign(sheets.size(), 0);
    const RowMask single = sheets.front().front();
    for (int a = 1; a <= 44; ++a)
        for (int b = a + 1; b <= 45; ++b)
            for (int d = b + 1; d <= 46; ++d)
                for (int e = d + 1; e <= 47; ++e)
                    for (int f = e + 1; f <= 48; ++f)
                        for (int g = f + 1; g <= 49; ++g) {
                            const quint64 draw = (1ull << a) | (1ull << b) | (1ull << d) |
                                                 (1ull << e) | (1ull << f) | (1ull << g);
                            ++c.histogram[static_cast<std::size_t>(std::popcount(draw & single))];
                            for (std::size_t s = 0; s < sheets.size(); ++s)
                                for (const RowMask row : sheets[s])
                                    if (std::popcount(draw & row) >= 3) {
                                        ++c.winningDraws[s];
                                        break;
                                    }
                        }
    return c;
}

// ---- second count: inclusion and exclusion ----

qint64 choose(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    qint64 c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// Draws in which every one of `rows` has three hits or more. The numbers fall into regions by
// the rows that hold them; a draw is counted by how many numbers it takes from each region.
qint64 drawsWhereEveryRowWins(const std::vector<std::set<int>>& rows)
{
    std::map<unsigned, int> regionSize; // rows holding the number, as bits -> numbers
    for (int n = 1; n <= 49; ++n) {
        unsigned holders = 0;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r].count(n))
                holders |= 1u << r;
        ++regionSize[holders];
    }
    const std::vector<std::pair<unsigned, int>> regions(regionSize.begin(), regionSize.end());
    std::vector<int> hits(rows.size(), 0);
    std::function<qint64(std::size_t, int)> spread = [&](std::size_t region, int left) -> qint64 {
        if (region == regions.size()) {
            if (left != 0)
                return 0;
            for (const int h : hits)
                if (h < 3)
                    return 0;
            return 1;
        }
        qint64 total = 0;
        const auto [holders, size] = regions[region];
        for (int take = 0; take <= std::min(left, size); ++take) {
            for (std::size_t r = 0; r < rows.size(); ++r)
                hits[r] += (holders >> r & 1) ? take : 0;
            total += choose(size, take) * spread(region + 1, left - take);
            for (std::size_t r = 0; r < rows.size(); ++r)
                hits[r] -= (holders >> r & 1) ? take : 0;
        }
        return total;
    };
    return spread(0, 6);
}

qint64 byInclusionAndExclusion(const std::vector<Row>& rows)
{
    qint64 total = 0;
    for (unsigned subset = 1; subset < (1u << rows.size()); ++subset) {
        std::vector<std::set<int>> chosen;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (subset >> r & 1)
                chosen.emplace_back(rows[r].begin(), rows[r].end());
        total += (chosen.size() % 2 ? 1 : -1) * drawsWhereEveryRowWins(chosen);
    }
    return total;
}

std::vector<RowMask> masksOf(const std::vector<Row>& rows)
{
    std::vector<RowMask> masks;
    for (const Row& row : rows)
        masks.push_back(rowMask(row));
    return masks;
}

// Six different numbers drawn from `pool`.
Row randomRow(std::mt19937& random, std::vector<int> pool)
{
    std::shuffle(pool.begin(), pool.end(), random);
    Row row{};
    std::copy_n(pool.begin(), 6, row.begin());
    return row;
}

std::vector<int> numbersUpTo(int last)
{
    std::vector<int> pool(static_cast<std::size_t>(last));
    std::iota(pool.begin(), pool.end(), 1);
    return pool;
}

} // namespace

TEST(Odds, OneRowAndTwelveRowSheetsAgreeWithEveryDraw)
{
    std::mt19937 random(2207);
    std::vector<std::vector<Row>> sheets;
    sheets.push_back({{3, 14, 22, 30, 41, 48}});
    std::vector<Row> spread; // twelve rows over all numbers
    for (int r = 0; r < 12; ++r)
        spread.push_back(randomRow(random, numbersUpTo(49)));
    sheets.push_back(spread);
    std::vector<Row> crowded; // twelve rows from fifteen numbers: heavy overlaps
    for (int r = 0; r < 12; ++r)
        crowded.push_back(randomRow(random, numbersUpTo(15)));
    sheets.push_back(crowded);

    std::vector<std::vector<RowMask>> masks;
    for (const auto& rows : sheets)
        masks.push_back(masksOf(rows));
    const EveryDrawCount every = countOverEveryDraw(masks);

    qint64 all = 0;
    for (int hits = 0; hits <= 6; ++hits) {
        EXPECT_EQ(drawsGivingHits(hits), every.histogram[static_cast<std::size_t>(hits)]) << hits;
        all += drawsGivingHits(hits);
    }
    EXPECT_EQ(all, kPossibleDraws);
    EXPECT_EQ(drawsGivingAPrize(), every.winningDraws[0]);
    for (std::size_t s = 0; s < sheets.size(); ++s)
        EXPECT_EQ(drawsWithAWinningRow(masks[s]), every.winningDraws[s]) << "sheet " << s;
}

TEST(Odds, SmallSheetsAgreeWithInclusionAndExclusion)
{
    const std::vector<std::vector<Row>> fixed{
        {},
        {{1, 2, 3, 4, 5, 6}},
        {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},    // the same row twice
        {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, // disjoint
        {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}},    // five in common
        {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 40, 41, 42}}, // three in common
        {{1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 9}, {7, 8, 9, 1, 2, 3}},
        {{44, 45, 46, 47, 48, 49}, {1, 2, 47, 48, 49, 3}, {10, 20, 30, 40, 48, 49}},
    };
    for (const auto& rows : fixed)
        EXPECT_EQ(drawsWithAWinningRow(distinctRows(rows)), byInclusionAndExclusion(rows))
            << rows.size() << " rows";

    std::mt19937 random(49);
    for (int c = 0; c < 100; ++c) {
        const int pool = std::uniform_int_distribution<int>(8, 49)(random);
        std::vector<Row> rows;
        for (int r = std::uniform_int_distribution<int>(1, 4)(random); r > 0; --r)
            rows.push_back(randomRow(random, numbersUpTo(pool)));
        EXPECT_EQ(drawsWithAWinningRow(masksOf(rows)), byInclusionAndExclusion(rows))
            << "case " << c;
    }
}

TEST(Odds, TheCountStopsWhenAskedTo)
{
    int asked = 0;
    const auto stopped =
        drawsWithAWinningRow({rowMask({1, 2, 3, 4, 5, 6})}, [&asked] { return ++asked < 3; });
    EXPECT_FALSE(stopped.has_value());
    EXPECT_EQ(asked, 3);
}
