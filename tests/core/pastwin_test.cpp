// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "core/draws/drawhistory.h"
#include "core/evaluation/pastwin.h"
#include "pastwinoracle.h"
#include "testsupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace vendrilo;
using test::day;
using test::draw;
using test::pastWinScan;
using test::pastWinScanFile;

namespace {

PastWinQuery query(double after, double upTo, int threshold, bool withBonus = true)
{
    PastWinQuery q;
    q.after = after;
    q.upTo = upTo;
    q.threshold = threshold;
    q.withBonus = withBonus;
    return q;
}

// Both answers, which must agree on every query.
PastWinResult checked(const DrawHistory& h, const Tip& tip, const PastWinQuery& q)
{
    const PastWinResult fast = pastWin(h, tip, q);
    const PastWinResult plain = pastWinScan(h.records(), tip, q);
    EXPECT_EQ(fast, plain);
    return fast;
}

// ---- windows at their edges ----

TEST(PastWinWindow, FirstDayOfThePeriodIsExcluded)
{
    const DrawHistory h({draw("01.03.2023", {1, 2, 3, 4, 5, 6}, 7),
                         draw("04.03.2023", {10, 11, 12, 13, 14, 15}, 16)});
    const Tip tip{1, 2, 3, 4, 5, 6};
    const PastWinQuery onFirstDay = PastWinQuery::wholePeriod(day("01.03.2023"), day("04.03.2023"));
    const PastWinResult r = checked(h, tip, onFirstDay);
    EXPECT_TRUE(r.noWin);
    EXPECT_EQ(r.examined, 1);

    const PastWinResult dayBefore =
        checked(h, tip, PastWinQuery::wholePeriod(day("28.02.2023"), day("04.03.2023")));
    EXPECT_FALSE(dayBefore.noWin);
    EXPECT_EQ(dayBefore.examined, 0);

    // The last day is included.
    const PastWinResult lastDay =
        checked(h, tip, PastWinQuery::wholePeriod(day("20.02.2023"), day("01.03.2023")));
    EXPECT_FALSE(lastDay.noWin);
}

TEST(PastWinWindow, RecentDrawsReachBackHalfTheCountInWeeks)
{
    // Ten draws back from a Saturday: the preceding 35 days count, the day 35 days back does not.
    const double saturday = day("25.03.2023");
    const PastWinQuery q10 = PastWinQuery::recentDraws(saturday, 10);
    EXPECT_EQ(q10.after, saturday - 35);
    EXPECT_EQ(q10.upTo, saturday);
    const DrawHistory h({draw("18.02.2023", {1, 2, 3, 4, 5, 6}),    // 35 days back
                         draw("19.02.2023", {7, 8, 9, 10, 11, 12}), // 34 days back
                         draw("26.03.2023", {1, 2, 3, 4, 5, 6})});  // after the end
    PastWinQuery q = q10;
    q.threshold = 3;
    EXPECT_TRUE(checked(h, {1, 2, 3, 40, 41, 42}, q).noWin);
    EXPECT_FALSE(checked(h, {7, 8, 9, 40, 41, 42}, q).noWin);

    // An odd count reaches back by half days: 11 draws are 38.5 days.
    EXPECT_EQ(PastWinQuery::recentDraws(saturday, 11).after, saturday - 38.5);
    PastWinQuery q11 = PastWinQuery::recentDraws(saturday, 11);
    q11.threshold = 3;
    EXPECT_FALSE(checked(h, {1, 2, 3, 40, 41, 42}, q11).noWin);
    q11 = PastWinQuery::recentDraws(saturday, 9); // 31.5 days: neither February draw
    q11.threshold = 3;
    EXPECT_EQ(checked(h, {7, 8, 9, 40, 41, 42}, q11), (PastWinResult{true, -1}));
}

TEST(PastWinWindow, DrawDayFilterSelectsWeekdays)
{
    // 01.03.2023 is a Wednesday, 04.03. a Saturday, 05.03. a Sunday, 07.03. a Tuesday.
    const DrawHistory h({draw("01.03.2023", {1, 2, 3, 4, 5, 6}),
                         draw("04.03.2023", {7, 8, 9, 10, 11, 12}),
                         draw("05.03.2023", {13, 14, 15, 16, 17, 18}),
                         draw("07.03.2023", {19, 20, 21, 22, 23, 24})});
    PastWinQuery q = query(day("01.01.2023"), day("31.03.2023"), 6);
    const Tip wednesday{1, 2, 3, 4, 5, 6}, sunday{13, 14, 15, 16, 17, 18},
        tuesday{19, 20, 21, 22, 23, 24};

    EXPECT_FALSE(checked(h, tuesday, q).noWin); // both boxes: every weekday counts
    q.filter = {true, false};
    EXPECT_TRUE(checked(h, wednesday, q).noWin);
    EXPECT_FALSE(checked(h, sunday, q).noWin);
    EXPECT_TRUE(checked(h, tuesday, q).noWin);
    EXPECT_EQ(checked(h, tuesday, q).examined, 2); // the Sunday is the last draw it looked at
    q.filter = {false, true}; // the other days: Wednesday and Tuesday
    EXPECT_FALSE(checked(h, wednesday, q).noWin);
    EXPECT_FALSE(checked(h, tuesday, q).noWin);
    EXPECT_TRUE(checked(h, sunday, q).noWin);
    EXPECT_EQ(checked(h, sunday, q).examined, 3); // the Tuesday is the last draw it looked at
    q.filter = {false, false};
    EXPECT_EQ(checked(h, wednesday, q), (PastWinResult{true, -1}));
}

// ---- thresholds and the bonus rule ----

TEST(PastWinThreshold, ADrawnTipFailsEveryThreshold)
{
    const DrawHistory h({draw("01.03.2023", {5, 17, 23, 31, 40, 44}, 9)});
    for (int g = 4; g <= 6; ++g)
        EXPECT_FALSE(checked(h, {44, 5, 31, 17, 40, 23}, query(0, 50000, g)).noWin) << g;
}

TEST(PastWinThreshold, BonusAddsOneHitOnlyWhenCounted)
{
    const DrawHistory h({draw("01.03.2023", {5, 17, 23, 31, 40, 44}, 9),
                         draw("04.03.2023", {1, 2, 3, 4, 5, 6}, 7)});
    const Tip fourPlusBonus{5, 17, 23, 31, 9, 48};
    EXPECT_FALSE(checked(h, fourPlusBonus, query(0, 50000, 5, true)).noWin);
    EXPECT_EQ(checked(h, fourPlusBonus, query(0, 50000, 5, true)).examined, 0);
    EXPECT_EQ(checked(h, fourPlusBonus, query(0, 50000, 5, false)), (PastWinResult{true, 1}));
    // The bonus alone is one hit; twice in the tip it still adds one.
    EXPECT_FALSE(checked(h, {9, 9, 48, 47, 46, 45}, query(0, 50000, 1, true)).noWin);
    EXPECT_TRUE(checked(h, {9, 9, 48, 47, 46, 45}, query(0, 50000, 2, true)).noWin);
    // A number twice in the tip counts twice.
    EXPECT_FALSE(checked(h, {5, 5, 17, 48, 47, 46}, query(0, 50000, 3, false)).noWin);
}

TEST(PastWinThreshold, ThresholdsOutsideTheHitRange)
{
    const DrawHistory h({draw("01.03.2023", {5, 17, 23, 31, 40, 44}, 9),
                         draw("04.03.2023", {1, 2, 3, 4, 5, 6}, 7)});
    EXPECT_EQ(checked(h, {20, 21, 22, 24, 25, 26}, query(0, 50000, 0)), (PastWinResult{false, 0}));
    EXPECT_EQ(checked(h, {5, 17, 23, 31, 40, 44}, query(0, 50000, 8)), (PastWinResult{true, 1}));
    EXPECT_EQ(checked(h, {5, 17, 23, 31, 40, 9}, query(0, 50000, 7)), (PastWinResult{true, 1}));
}

// ---- the fast answer against the plain scan, over the shipped history ----

struct Sample {
    std::mt19937 rng{20240611};

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    // The shipped history carries no bonus numbers; give each draw one not among its numbers.
    std::vector<DrawRecord> historyWithBonus()
    {
        auto records = *shippedHistory();
        for (DrawRecord& r : records) {
            int b;
            do
                b = uniform(1, 49);
            while (std::find(r.numbers.begin(), r.numbers.end(), b) != r.numbers.end());
            r.bonus = static_cast<std::uint8_t>(b);
        }
        return records;
    }

    // Tips near a real draw reach high thresholds; fully random ones mostly do not.
    Tip tip(const std::vector<DrawRecord>& records)
    {
        Tip t{};
        const DrawRecord& near =
            records[static_cast<std::size_t>(uniform(0, int(records.size()) - 1))];
        const int keep = uniform(0, 6);
        for (int k = 0; k < 6; ++k)
            t[static_cast<std::size_t>(k)] = k < keep ? near.numbers[static_cast<std::size_t>(k)]
                                                      : (k == keep ? near.bonus : uniform(1, 49));
        std::shuffle(t.begin(), t.end(), rng);
        return t;
    }

    PastWinQuery query(const std::vector<DrawRecord>& records)
    {
        PastWinQuery q;
        const int n = int(records.size());
        q.after = records[static_cast<std::size_t>(uniform(0, n - 1))].date - uniform(0, 1);
        q.upTo = uniform(0, 3) == 0 ? records.back().date + 10
                                    : q.after + uniform(0, 5000) + 0.5 * uniform(0, 1);
        if (uniform(0, 9) == 0)
            q = PastWinQuery::recentDraws(records[static_cast<std::size_t>(uniform(0, n - 1))].date,
                                          uniform(-2, 400));
        const int f = uniform(0, 5);
        q.filter = {f != 1, f != 2};
        q.withBonus = uniform(0, 1) == 1;
        q.threshold = uniform(2, 7);
        return q;
    }
};

void crossCheck(const std::vector<DrawRecord>& records, Sample& sample, int count)
{
    const DrawHistory h(records);
    int wins = 0;
    int examinedSome = 0;
    for (int i = 0; i < count; ++i) {
        const Tip tip = sample.tip(records);
        const PastWinQuery q = sample.query(records);
        const PastWinResult fast = pastWin(h, tip, q);
        const PastWinResult plain = pastWinScan(records, tip, q);
        ASSERT_EQ(fast, plain) << "tip " << tip[0] << ' ' << tip[1] << ' ' << tip[2] << ' '
                               << tip[3] << ' ' << tip[4] << ' ' << tip[5] << " after " << q.after
                               << " upTo " << q.upTo << " G " << q.threshold;
        wins += fast.noWin ? 0 : 1;
        examinedSome += fast.examined >= 0 ? 1 : 0;
    }
    // The sample must exercise both outcomes, or it proves little.
    EXPECT_GT(wins, count / 10);
    EXPECT_GT(count - wins, count / 10);
    EXPECT_GT(examinedSome, count / 2);
}

TEST(PastWinCrossCheck, FastAnswerEqualsThePlainScanOnTheShippedHistory)
{
    Sample sample;
    crossCheck(sample.historyWithBonus(), sample, 4000);
}

TEST(PastWinCrossCheck, UnorderedDatesAreHandled)
{
    Sample sample;
    auto records = sample.historyWithBonus();
    // A file put together out of order: blocks swapped and a few single draws moved.
    std::rotate(records.begin(), records.begin() + 2500, records.begin() + 5000);
    for (int i = 0; i < 20; ++i)
        std::swap(records[static_cast<std::size_t>(sample.uniform(0, 7000))],
                  records[static_cast<std::size_t>(sample.uniform(0, 7000))]);
    ASSERT_FALSE(DrawHistory(records).dateOrdered());
    crossCheck(records, sample, 1500);
}

TEST(PastWinCrossCheck, DamagedDrawsAreComparedOneByOne)
{
    Sample sample;
    auto records = sample.historyWithBonus();
    for (int i = 0; i < 300; ++i) {
        DrawRecord& r =
            records[static_cast<std::size_t>(sample.uniform(0, int(records.size()) - 1))];
        switch (i % 4) {
        case 0:
            r.numbers[1] = r.numbers[0];
            break; // twice
        case 1:
            r.numbers[2] = 0;
            break; // missing
        case 2:
            r.numbers[3] = static_cast<std::uint8_t>(sample.uniform(50, 255));
            break;
        case 3:
            r.bonus = 200;
            break;
        }
    }
    const DrawHistory h(records);
    ASSERT_TRUE(h.hasIrregular());
    crossCheck(records, sample, 1500);
    // A draw holding a number twice gives a tip with that number two hits.
    DrawRecord twice = draw("01.03.2023", {8, 8, 9, 10, 11, 12});
    EXPECT_FALSE(
        checked(DrawHistory({twice}), {8, 30, 31, 32, 33, 34}, query(0, 50000, 2, false)).noWin);
}

TEST(PastWinCrossCheck, FileScanReadsBlocksLikeTheMemoryScan)
{
    Sample sample;
    const auto records = sample.historyWithBonus();
    QTemporaryDir dir;
    const QString path = test::writeDrawFile(dir, records);
    const DrawHistory h(records);
    for (int i = 0; i < 200; ++i) {
        const Tip tip = sample.tip(records);
        const PastWinQuery q = sample.query(records);
        ASSERT_EQ(pastWinScanFile(path, tip, q), pastWin(h, tip, q));
    }
    // A file that cannot be read is no history without wins.
    test::DrawFilePastWins missing(dir.filePath(QStringLiteral("none.dat")), {0, 50000, {}});
    EXPECT_THROW(missing.neverWonInPeriod({1, 2, 3, 4, 5, 6}, 5, true), std::runtime_error);
}

} // namespace
