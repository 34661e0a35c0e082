// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/rowchecks.h"
#include "core/generator/rowfilter.h"
#include "testsupport.h"

#include <bit>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace vendrilo;

namespace {

// Past-win tests with scripted answers that note how they were asked.
struct ScriptedPastWins : PastWinTests {
    bool recent = true, older = true, whole = true;
    struct Call {
        char test;
        int threshold, draws;
        bool bonus;
    };
    std::vector<Call> calls;

    bool neverWonInPeriod(const TipRow&, int threshold, bool bonus) override
    {
        calls.push_back({'W', threshold, 0, bonus});
        return whole;
    }
    bool neverWonRecently(const TipRow&, int threshold, int drawCount, bool bonus) override
    {
        calls.push_back({'R', threshold, drawCount, bonus});
        return drawCount == 10 ? recent : older;
    }
};

TipRow row(std::initializer_list<int> numbers)
{
    TipRow r{};
    std::size_t i = 0;
    for (int n : numbers)
        r[i++] = static_cast<std::uint8_t>(n);
    return r;
}

DrawBytes drawOf(std::initializer_list<int> numbers)
{
    DrawBytes d{};
    std::size_t i = 0;
    for (int n : numbers)
        d[i++] = static_cast<std::uint8_t>(n);
    return d;
}

struct Check {
    Options options;
    LastDraws draws;
    std::vector<TipRow> rows;
    ScriptedPastWins pastWins;

    Check()
    {
        // Draws far from the candidates below, so that only the check under test decides.
        draws.A = drawOf({43, 44, 45, 46, 47, 48, 49, 0});
        draws.B = drawOf({43, 44, 45, 46, 47, 48, 49, 0});
        draws.C = drawOf({43, 44, 45, 46, 47, 48, 49, 0});
    }
    void set(Option option, int value) { options.set(option, value); }

    RowCheckStep operator()(TipRow candidate)
    {
        int QS = 0;
        for (auto n : candidate)
            QS += n;
        const TipRow before = candidate;
        const RowCheckStep step = checkRow(candidate, QS, rows, draws, options, pastWins);
        // Refused candidates are wiped, accepted ones stay as they were.
        EXPECT_EQ(candidate, step == RowCheckStep::Accepted ? before : TipRow{});
        return step;
    }
};

const TipRow kPlain = row({3, 9, 16, 22, 30, 38}); // QS 118, no pairs, mixed parity

} // namespace

TEST(RowChecks, OverlapJudgesClosestAndFarthestRowUnlessEachRowCounts)
{
    Check check;
    check.rows = {row({3, 9, 16, 22, 40, 41}), row({3, 9, 33, 34, 36, 42})};
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted); // 4 and 2 shared: minOv 2 <= 3
    check.set(Option::OverlapPerRow, 1);
    EXPECT_EQ(check(kPlain), RowCheckStep::Overlap);

    check.set(Option::OverlapPerRow, 0);
    check.rows = {row({3, 9, 16, 22, 40, 41})};
    EXPECT_EQ(check(kPlain), RowCheckStep::Overlap); // 4 shared with every earlier row
    check.set(Option::LimitMaxOverlap, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);

    // Minimum: fewer than MinOverlap shared with every row refuses.
    check.set(Option::MinOverlap, 3);
    check.rows = {row({3, 9, 40, 41, 42, 44}), row({1, 2, 4, 5, 6, 7})};
    EXPECT_EQ(check(kPlain), RowCheckStep::Overlap);
    check.rows.push_back(row({3, 9, 16, 40, 41, 42}));
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    check.set(Option::LimitMinOverlap, 0);
    check.rows.pop_back();
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
}

TEST(RowChecks, TheFirstRowSkipsTheOverlapCheck)
{
    Check check;
    check.set(Option::MinOverlap, 5);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    // A zero row shares nothing, so the minimum now refuses.
    check.rows = {TipRow{}};
    EXPECT_EQ(check(kPlain), RowCheckStep::Overlap);
}

TEST(RowChecks, ConsecutiveNumbers)
{
    Check check;
    EXPECT_EQ(check(row({12, 13, 14, 30, 35, 40})), RowCheckStep::RunOfThree);
    EXPECT_EQ(check(row({3, 5, 30, 38, 39, 40})), RowCheckStep::RunOfThree);
    EXPECT_EQ(check(row({12, 13, 20, 21, 35, 40})), RowCheckStep::Accepted);
    check.set(Option::NoRunOfThree, 0);
    EXPECT_EQ(check(row({12, 13, 14, 30, 35, 40})), RowCheckStep::Accepted);
    check.set(Option::ForcePair, 1);
    EXPECT_EQ(check(kPlain), RowCheckStep::ForcedPair);
    EXPECT_EQ(check(row({3, 9, 16, 22, 38, 39})), RowCheckStep::Accepted);
}

TEST(RowChecks, CrossSumLimitsAreInclusive)
{
    Check check;
    EXPECT_EQ(check(row({1, 2, 4, 5, 7, 31})), RowCheckStep::Accepted); // 50
    EXPECT_EQ(check(row({1, 2, 4, 5, 7, 30})), RowCheckStep::CrossSum); // 49
    check.draws = {}; // these rows use the draws' usual numbers
    EXPECT_EQ(check(row({36, 40, 41, 43, 44, 46})), RowCheckStep::Accepted); // 250
    EXPECT_EQ(check(row({37, 40, 41, 43, 44, 46})), RowCheckStep::CrossSum); // 251
}

TEST(RowChecks, LastDrawLimitCountsTheBonusWithCheckBox35)
{
    Check check;
    check.draws.A = drawOf({3, 9, 11, 12, 13, 14, 16, 22});
    // Limit 0 is left to the pool: the check never refuses.
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    check.set(Option::MaxFromLastDraw, 1);
    EXPECT_EQ(check(kPlain), RowCheckStep::LastDraw); // 3 and 9, the bonus 16
    check.draws.A = drawOf({3, 40, 11, 12, 13, 14, 16, 22});
    EXPECT_EQ(check(kPlain), RowCheckStep::LastDraw); // 3 and the bonus 16
    check.set(Option::BonusCountsAsHit, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted); // the Superzahl 22 never counts
    check.set(Option::BonusCountsAsHit, 1);
    check.set(Option::LimitLastDraw, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);

    // B and C with their own limits.
    check.draws.B = drawOf({3, 9, 40, 41, 42, 44, 45, 0});
    EXPECT_EQ(check(kPlain), RowCheckStep::SecondToLastDraw); // 2 > 1
    check.set(Option::MaxFromSecondLastDraw, 2);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    check.draws.C = drawOf({3, 9, 16, 41, 42, 44, 45, 0});
    EXPECT_EQ(check(kPlain), RowCheckStep::ThirdToLastDraw); // 3 > 2
    check.set(Option::MaxFromThirdLastDraw, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
}

TEST(RowChecks, EvenAndOddMinimums)
{
    Check check;
    check.set(Option::EvenMinimumCheck, 1);
    check.set(Option::OddMinimumCheck, 1);
    check.set(Option::EvenMinimum, 4);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted); // 4 even, 2 odd
    check.set(Option::OddMinimum, 3);
    EXPECT_EQ(check(kPlain), RowCheckStep::OddMinimum);
    check.set(Option::OddMinimum, 4);
    for (const TipRow& r : {kPlain, row({1, 3, 5, 8, 20, 41}), row({2, 4, 9, 11, 30, 33})})
        EXPECT_NE(check(r), RowCheckStep::Accepted); // 4 and 4 of six: never
    check.set(Option::OddMinimum, 0);
    EXPECT_EQ(check(row({1, 3, 5, 8, 20, 41})), RowCheckStep::EvenMinimum);
}

TEST(RowChecks, DatabaseChecksInTheirOrderWithTheirLimits)
{
    Check check;
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    ASSERT_EQ(check.pastWins.calls.size(), 3u);
    EXPECT_EQ(check.pastWins.calls[0].test, 'R');
    EXPECT_EQ(check.pastWins.calls[0].threshold, 3);
    EXPECT_EQ(check.pastWins.calls[0].draws, 10);
    EXPECT_EQ(check.pastWins.calls[1].threshold, 4);
    EXPECT_EQ(check.pastWins.calls[1].draws, 100);
    EXPECT_EQ(check.pastWins.calls[2].test, 'W');
    EXPECT_EQ(check.pastWins.calls[2].threshold, 5);
    EXPECT_TRUE(check.pastWins.calls[2].bonus);

    check.pastWins.calls.clear();
    check.pastWins.recent = false;
    EXPECT_EQ(check(kPlain), RowCheckStep::RecentHits);
    EXPECT_EQ(check.pastWins.calls.size(), 1u);
    check.pastWins.recent = true;
    check.pastWins.older = false;
    EXPECT_EQ(check(kPlain), RowCheckStep::OlderHits);
    check.set(Option::OlderHitsCheck, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);

    check.set(Option::WholePeriodCheck, 0);
    check.set(Option::BonusCountsAsHit, 0);
    check.pastWins.calls.clear();
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    ASSERT_EQ(check.pastWins.calls.size(), 1u);
    EXPECT_FALSE(check.pastWins.calls[0].bonus);
}

TEST(RowChecks, WholeDatabaseWipeStandsWhateverThePrimesSay)
{
    Check check;
    check.pastWins.whole = false;
    check.set(Option::PrimeMinimumCheck, 1);
    check.set(Option::PrimeMinimum, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::WholeDatabase);
    check.pastWins.whole = true;
    check.set(Option::PrimeMinimum, 2); // 3 is the only prime of the plain row
    EXPECT_EQ(check(kPlain), RowCheckStep::PrimeMinimum);
    check.set(Option::PrimeMinimum, 1);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    EXPECT_EQ(check(row({2, 3, 5, 7, 11, 13 + 30})), RowCheckStep::Accepted);
    check.set(Option::PrimeMinimum, 6);
    EXPECT_EQ(check(row({2, 3, 5, 7, 11, 43})), RowCheckStep::Accepted);
    EXPECT_EQ(check(row({2, 3, 5, 7, 11, 42})), RowCheckStep::PrimeMinimum);
}

TEST(RowChecks, WithoutCheckBox28NoDatabaseOrPrimeCheckRuns)
{
    Check check;
    check.pastWins.recent = check.pastWins.older = check.pastWins.whole = false;
    check.set(Option::PrimeMinimumCheck, 1);
    check.set(Option::PrimeMinimum, 6);
    check.set(Option::DatabaseChecks, 0);
    EXPECT_EQ(check(kPlain), RowCheckStep::Accepted);
    EXPECT_TRUE(check.pastWins.calls.empty());
}

namespace {

// Past-win answers that hang on every argument, so that a question asked with a wrong threshold,
// window or bonus flag, or about another tip, gets another answer.
struct HashedPastWins : PastWinTests {
    static bool answer(const TipRow& tip, int threshold, int drawCount, bool bonus)
    {
        std::uint32_t h = 2166136261u;
        for (const int x : {tip[0], tip[1], tip[2], tip[3], tip[4], tip[5]})
            h = (h ^ static_cast<std::uint32_t>(x)) * 16777619u;
        for (const int x : {threshold, drawCount, bonus ? 1 : 0})
            h = (h ^ static_cast<std::uint32_t>(x)) * 16777619u;
        return h % 5 != 0;
    }
    bool neverWonInPeriod(const TipRow& tip, int threshold, bool bonus) override
    {
        return answer(tip, threshold, -1, bonus);
    }
    bool neverWonRecently(const TipRow& tip, int threshold, int drawCount, bool bonus) override
    {
        return answer(tip, threshold, drawCount, bonus);
    }
};

} // namespace

// The compiled checks of the candidate loop give checkRow's verdict over random option sets,
// rows and draws (numbers twice, zeros and numbers beyond 63 among them) and candidates of
// numbers from 1 to 63.
TEST(RowFilter, AcceptsWhatCheckRowAccepts)
{
    std::mt19937 rng(4711);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto entry = [&] { return static_cast<std::uint8_t>(below(5) == 0 ? below(70) : below(50)); };
    HashedPastWins pastWins;
    int accepted = 0, refused = 0;
    for (int set = 0; set < 300; ++set) {
        Options options;
        vendrilo::test::setRandomOptions(options, below, 2);
        LastDraws draws;
        for (DrawBytes* d : {&draws.A, &draws.B, &draws.C})
            for (std::uint8_t& n : *d)
                n = entry();
        std::vector<TipRow> rows(static_cast<std::size_t>(below(6)));
        for (TipRow& r : rows)
            for (std::uint8_t& n : r)
                n = entry();
        const RowFilter filter(rows, draws, options, pastWins);
        for (int c = 0; c < 200; ++c) {
            std::uint64_t bits = 0;
            while (std::popcount(bits) < 6)
                bits |= std::uint64_t(1) << (1 + below(below(4) == 0 ? 63 : 49));
            TipRow candidate{};
            std::uint64_t tallies = 0;
            int crossSum = 0;
            std::size_t p = 0;
            for (int n = 1; n < 64; ++n)
                if (bits >> n & 1) {
                    candidate[p++] = static_cast<std::uint8_t>(n);
                    tallies += filter.tally(static_cast<std::uint8_t>(n));
                    crossSum += n;
                }
            const bool checked = checkRow(candidate, crossSum, rows, draws, options, pastWins) ==
                                 RowCheckStep::Accepted;
            ASSERT_EQ(filter.accepts(bits, tallies), checked)
                << "set " << set << " candidate " << c;
            ++(checked ? accepted : refused);
        }
    }
    EXPECT_GT(accepted, 2000);
    EXPECT_GT(refused, 2000);
}
