// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/charts/charts.h"
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "testsupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace vendrilo;
using test::day;
using namespace vendrilo::charts;
using vendrilo::test::draw;

namespace {

ChartInput input(const std::vector<DrawRecord>& draws, const char* from, const char* to,
                 DrawDayFilter filter = {})
{
    return ChartInput{draws, day(from), day(to), filter, MessageList()};
}

// Weekdays of early 2020: Wed 01.01, Thu 02.01, Sat 04.01, Sun 05.01, Tue 07.01, Wed 08.01.
// Built on first use: the date conversion must not run before the core's own statics exist.
const std::vector<DrawRecord>& week()
{
    static const std::vector<DrawRecord> draws = {
        draw("01.01.2020", {1, 2, 3, 4, 5, 6}, 7),
        draw("02.01.2020", {10, 11, 20, 21, 22, 49}, 2),
        draw("04.01.2020", {3, 4, 5, 17, 30, 31}, 6),
        draw("05.01.2020", {44, 45, 46, 47, 48, 49}, 1),
        draw("07.01.2020", {2, 3, 5, 7, 11, 13}, 40),
    };
    return draws;
}

} // namespace

TEST(Rounding, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundRatioHalfEven(333, 2), 166); // 166.5
    EXPECT_EQ(roundRatioHalfEven(67, 2), 34);   // 33.5
    EXPECT_EQ(roundRatioHalfEven(2, 3), 1);
    EXPECT_EQ(roundRatioHalfEven(-7, 2), -4);
    // A tie that a double cannot see: (2^53 + 1) / 2 is exactly half-way.
    EXPECT_EQ(roundRatioHalfEven((std::int64_t{1} << 53) + 1, 2), std::int64_t{1} << 52);
    EXPECT_EQ(roundRatioHalfEven(17, 0), 0);
}

TEST(NumberDistribution, CountsBothPeriodEndsAndTheBonusNumber)
{
    const std::vector<DrawRecord> draws = {
        draw("03.01.2020", {1, 2, 3, 4, 5, 6}, 9),
        draw("04.01.2020", {1, 2, 3, 4, 5, 7}, 9), // first day
        draw("07.01.2020", {10, 20, 30, 40, 41, 49}, 1),
        draw("09.01.2020", {1, 11, 12, 13, 14, 15}, 0), // last day, bonus unknown
        draw("10.01.2020", {1, 2, 3, 4, 5, 6}, 7),
    };
    const ChartData c = numberDistribution(input(draws, "04.01.2020", "09.01.2020"));
    ASSERT_EQ(c.barCount(), 49);
    EXPECT_EQ(c.drawCount, 3);
    EXPECT_EQ(c.bar(1), 3);  // twice drawn, once as bonus number
    EXPECT_EQ(c.bar(9), 1);  // bonus number only
    EXPECT_EQ(c.bar(6), 0);  // only outside the period
    EXPECT_EQ(c.bar(15), 1); // last day
    EXPECT_EQ(c.valueAxis, (ValueAxis{false, 0, 3}));
    // Cross sums 22, 190, 66 without the bonus numbers: 278 / 3 = 92.67.
    EXPECT_EQ(c.categoryAxisTitle,
              QStringLiteral("Zahlenverteilung     Ziehungen: 3    Quersumme: 93"));
    EXPECT_TRUE(c.title.isEmpty());
    EXPECT_EQ(c.heading(), c.categoryAxisTitle);
    EXPECT_FALSE(c.showsDiagramTab);
    for (int k = 1; k <= 49; ++k)
        EXPECT_EQ(c.points[k - 1].x, k);
}

TEST(NumberDistribution, ATimeOfDayOnThePickersDoesNotMoveTheWindow)
{
    const std::vector<DrawRecord> draws = {draw("04.01.2020", {1, 2, 3, 4, 5, 6}, 7),
                                           draw("09.01.2020", {1, 2, 3, 4, 5, 6}, 7)};
    ChartInput in = input(draws, "04.01.2020", "09.01.2020");
    in.periodStart += 0.75;
    in.periodEnd += 0.25;
    EXPECT_EQ(numberDistribution(in).drawCount, 2);
    EXPECT_EQ(pairs(in).drawCount, 1);
}

TEST(NumberDistribution, MeanCrossSumRoundsTiesToEven)
{
    const auto meanOf = [](std::initializer_list<std::initializer_list<int>> rows) {
        std::vector<DrawRecord> draws;
        for (const auto& row : rows)
            draws.push_back(draw("04.01.2020", row));
        const QString title =
            numberDistribution(input(draws, "01.01.2020", "31.01.2020")).categoryAxisTitle;
        return title.mid(title.lastIndexOf(QLatin1Char(' ')) + 1);
    };
    const std::initializer_list<int> s21 = {1, 2, 3, 4, 5, 6};
    const std::initializer_list<int> s279 = {44, 45, 46, 47, 48, 49};
    // 21 + 21 + 21 + 67 = 130 over 4 draws: 32.5 shows 32.
    EXPECT_EQ(meanOf({s21, s21, s21, {1, 2, 3, 4, 8, 49}}), QStringLiteral("32"));
    // 134 / 4 = 33.5 shows 34.
    EXPECT_EQ(meanOf({s21, s21, s21, {1, 2, 3, 4, 12, 49}}), QStringLiteral("34"));
    // 666 / 4 = 166.5 shows 166.
    EXPECT_EQ(meanOf({s279, s279, s21, {1, 2, 3, 4, 28, 49}}), QStringLiteral("166"));
    // 22 + 21 = 43 / 2 = 21.5 shows 22 in the cross-sum chart as well.
    const std::vector<DrawRecord> two = {draw("05.01.2020", {1, 2, 3, 4, 5, 6}),
                                         draw("07.01.2020", {1, 2, 3, 4, 5, 7})};
    EXPECT_TRUE(crossSumDistribution(input(two, "04.01.2020", "31.01.2020"))
                    .categoryAxisTitle.endsWith(QStringLiteral("Quersumme: 22")));
}

TEST(NumberDistribution, DrawDayFilterSelectsWeekendOrOtherDays)
{
    const ChartData weekend =
        numberDistribution(input(week(), "01.01.2020", "31.01.2020", {true, false}));
    EXPECT_EQ(weekend.drawCount, 2); // Saturday and Sunday
    EXPECT_EQ(weekend.bar(1), 1);    // Sunday's bonus number
    EXPECT_EQ(weekend.bar(2), 0);    // Wednesday, Thursday, Tuesday left out
    const ChartData otherDays =
        numberDistribution(input(week(), "01.01.2020", "31.01.2020", {false, true}));
    EXPECT_EQ(otherDays.drawCount, 3); // Wednesday, Thursday and Tuesday
    EXPECT_EQ(otherDays.bar(7), 2);    // Wednesday's bonus number, one of Tuesday's six
    EXPECT_EQ(otherDays.bar(44), 0);   // Sunday left out
    EXPECT_EQ(numberDistribution(input(week(), "01.01.2020", "31.01.2020")).drawCount, 5);
}

TEST(NumberDistribution, PrimesAreRedAndTheOtherNumbersGreen)
{
    const ChartData c = numberDistribution(input(week(), "01.01.2020", "31.01.2020"));
    const std::set<int> primes = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    for (const ChartPoint& p : c.points) {
        bool prime = p.x > 1;
        for (int d = 2; d * d <= p.x; ++d)
            prime = prime && p.x % d != 0;
        EXPECT_EQ(prime, primes.count(p.x) == 1);
        EXPECT_EQ(p.colour, prime ? kRed : kGreen) << p.x;
    }
    EXPECT_EQ(c.points[1].colour, 0xFF0000u);
    EXPECT_EQ(c.points[0].colour, 0x008000u);
    EXPECT_EQ(countPrimes(std::array<std::uint8_t, 6>{2, 3, 5, 7, 11, 13}), 6);
    EXPECT_EQ(countPrimes(std::array<std::uint8_t, 6>{1, 4, 9, 49, 25, 47}), 1);
}

TEST(NumberDistribution, EmptyPeriodStillDrawsFortyNineZeroBars)
{
    const ChartData c = numberDistribution(input(week(), "01.02.2020", "28.02.2020"));
    ASSERT_EQ(c.barCount(), 49);
    EXPECT_EQ(c.values(), std::vector<int>(49, 0));
    EXPECT_EQ(c.valueAxis, (ValueAxis{false, 0, 0}));
    EXPECT_EQ(c.categoryAxisTitle,
              QStringLiteral("Zahlenverteilung     Ziehungen: 0    Quersumme: 0"));
    // An end before the start is an empty period too.
    EXPECT_EQ(numberDistribution(input(week(), "31.01.2020", "01.01.2019")).drawCount, 0);
}

TEST(CrossSums, FirstDayExcludedNoDayFilterAndZeroBarsForGaps)
{
    const std::vector<DrawRecord> draws = {
        draw("04.01.2020", {1, 2, 3, 4, 5, 6}, 49), // first day: excluded
        draw("05.01.2020", {1, 2, 3, 4, 5, 7}, 49), // 22, the bonus number adds nothing
        draw("08.01.2020", {1, 2, 3, 4, 5, 10}),    // 25, a Wednesday
        draw("11.01.2020", {1, 2, 3, 4, 6, 9}),     // 25
    };
    // The weekend filter is not applied to this chart.
    const ChartData c =
        crossSumDistribution(input(draws, "04.01.2020", "31.01.2020", {true, false}));
    ASSERT_EQ(c.barCount(), 4);
    EXPECT_EQ(c.points.front(), (ChartPoint{22, 1, kGreen}));
    EXPECT_EQ(c.bar(2), 0);
    EXPECT_EQ(c.bar(3), 0);
    EXPECT_EQ(c.points.back(), (ChartPoint{25, 2, kGreen}));
    EXPECT_EQ(c.valueAxis, (ValueAxis{true, 0, 2}));
    // 72 / 3 = 24.
    EXPECT_EQ(c.categoryAxisTitle,
              QStringLiteral("Quersummenverteilung     Ziehungen: 3    Quersumme: 24"));
}

TEST(CrossSums, EmptyPeriodHasNoBarAndMeanZero)
{
    const ChartData c = crossSumDistribution(input(week(), "07.01.2020", "31.01.2020"));
    EXPECT_EQ(c.barCount(), 0);
    EXPECT_EQ(c.valueAxis, (ValueAxis{true, 0, 0}));
    EXPECT_EQ(c.categoryAxisTitle,
              QStringLiteral("Quersummenverteilung     Ziehungen: 0    Quersumme: 0"));
}

TEST(TipDistribution, CountsUpToTheFirstFieldWithoutANumber)
{
    // Fields as typed: the sheet normalises entries, so a test of stray text fills them raw.
    TipSheet sheet;
    auto fill = [&](int row, std::array<const char*, 6> texts) {
        for (int p = 1; p <= 6; ++p)
            sheet.row(row).fields[static_cast<std::size_t>(p - 1)] = texts[p - 1];
    };
    fill(1, {"3", "3", "17", "2", "49", "1"});
    fill(3, {"5", "6", "7", "8", "9", "10"});
    ChartData c = tipDistribution(sheet, MessageList());
    ASSERT_EQ(c.barCount(), 49);
    EXPECT_EQ(c.bar(3), 2);
    EXPECT_EQ(c.bar(5), 0); // row 3 stands after the empty row 2
    EXPECT_EQ(c.valueAxis, (ValueAxis{false, 0, 2}));
    EXPECT_EQ(c.categoryAxisTitle, QStringLiteral("Zahlenverteilung des Tippes"));
    EXPECT_EQ(c.points[1].colour, kRed);
    EXPECT_TRUE(c.showsDiagramTab);

    // A half-filled row stops the count in its middle.
    fill(2, {"5", "x", "6", "", "", ""});
    c = tipDistribution(sheet, MessageList());
    EXPECT_EQ(c.bar(5), 1);
    EXPECT_EQ(c.bar(6), 0);

    // A full sheet counts all 72 fields.
    for (int r = 1; r <= TipSheet::kRows; ++r)
        fill(r, {"1", "2", "3", "4", "5", "6"});
    c = tipDistribution(sheet, MessageList());
    EXPECT_EQ(c.valueAxis, (ValueAxis{false, 0, 12}));
    EXPECT_EQ(c.bar(6), 12);
}

TEST(Runs, CountRunsAmongTheSixDrawnNumbersOnly)
{
    // 3 4 5 17 30 31 with bonus 6: pairs at 3, 4, 30, the triple at 3; 5-6 and 4-5-6 are
    // completed only by the bonus number.
    const std::vector<DrawRecord> one = {draw("04.01.2020", {3, 4, 5, 17, 30, 31}, 6)};
    const ChartInput in = input(one, "03.01.2020", "04.01.2020");
    const ChartData p = pairs(in);
    ASSERT_EQ(p.barCount(), 48);
    for (int k = 1; k <= 48; ++k)
        EXPECT_EQ(p.bar(k), (k == 3 || k == 4 || k == 30) ? 1 : 0) << k;
    EXPECT_EQ(p.categoryAxisTitle, QStringLiteral("Ziehungen: 1     Paare gefunden : 3"));
    EXPECT_EQ(p.valueAxis, (ValueAxis{false, 0, 1}));

    const ChartData t = triples(in);
    ASSERT_EQ(t.barCount(), 47);
    EXPECT_EQ(t.values(), [] {
        std::vector<int> v(47, 0);
        v[2] = 1;
        return v;
    }());
    EXPECT_EQ(t.categoryAxisTitle, QStringLiteral("Ziehungen: 1     Dreier gefunden : 1"));

    const ChartData q = quads(in);
    ASSERT_EQ(q.barCount(), 49);
    EXPECT_EQ(q.drawCount, 1);
    EXPECT_EQ(q.categoryAxisTitle, QStringLiteral("Ziehungen: 1     Vierer gefunden : 0"));
    EXPECT_EQ(q.valueAxis, (ValueAxis{true, 0, 0}));
}

TEST(Runs, HighRunsAndTheAlwaysEmptyQuadBars)
{
    // 44..49: five pairs (44..48), four triples (44..47), three quads (44..46).
    const std::vector<DrawRecord> top = {draw("05.01.2020", {44, 45, 46, 47, 48, 49})};
    const ChartInput in = input(top, "01.01.2020", "31.01.2020");
    EXPECT_EQ(pairs(in).bar(48), 1);
    EXPECT_EQ(triples(in).bar(47), 1);
    const ChartData q = quads(in);
    EXPECT_EQ(q.bar(46), 1);
    EXPECT_EQ(q.bar(47), 0);
    EXPECT_EQ(q.bar(48), 0);
    EXPECT_EQ(q.bar(49), 0);
    EXPECT_EQ(q.categoryAxisTitle, QStringLiteral("Ziehungen: 1     Vierer gefunden : 3"));
    EXPECT_EQ(q.valueAxis, (ValueAxis{true, 0, 1}));
    for (const ChartPoint& p : q.points)
        EXPECT_EQ(p.colour, kGreen);
}

TEST(Runs, WindowAndDayFilter)
{
    // First day 04.01 excluded; quads ignore the weekend filter, pairs and triples apply it.
    const std::vector<DrawRecord> draws = {
        draw("04.01.2020", {1, 2, 3, 4, 20, 30}),
        draw("07.01.2020", {1, 2, 3, 4, 21, 31}), // Tuesday
        draw("11.01.2020", {1, 2, 3, 4, 22, 32}), // Saturday
    };
    const ChartInput in = input(draws, "04.01.2020", "11.01.2020", {true, false});
    EXPECT_EQ(pairs(in).bar(1), 1);
    EXPECT_EQ(pairs(in).drawCount, 1);
    EXPECT_EQ(triples(in).bar(2), 1);
    EXPECT_EQ(quads(in).bar(1), 2);
    EXPECT_EQ(quads(in).drawCount, 2);

    const ChartData empty = pairs(input(draws, "11.01.2020", "31.01.2020"));
    EXPECT_EQ(empty.valueAxis, (ValueAxis{false, 0, 0}));
    EXPECT_EQ(empty.categoryAxisTitle, QStringLiteral("Ziehungen: 0     Paare gefunden : 0"));
}

TEST(Overdue, CountersStartAtOneAndCountTheBonusNumber)
{
    const std::vector<DrawRecord> draws = {
        draw("04.01.2020", {1, 2, 3, 4, 5, 6}, 7), // first day, excluded
        draw("07.01.2020", {1, 2, 3, 4, 5, 6}, 7), draw("09.01.2020", {10, 11, 12, 13, 14, 15}, 1),
        draw("11.01.2020", {20, 21, 22, 23, 24, 25}, 49), // 49 only as bonus, last draw
    };
    const ChartData c = overdueNumbers(input(draws, "04.01.2020", "31.01.2020"));
    ASSERT_EQ(c.barCount(), 49);
    EXPECT_EQ(c.bar(49), 1);
    EXPECT_EQ(c.bar(20), 1);
    EXPECT_EQ(c.bar(1), 2);  // bonus number of the draw before the last
    EXPECT_EQ(c.bar(2), 3);  // drawn two draws before the last
    EXPECT_EQ(c.bar(30), 4); // never drawn: 1 + 3 draws
    EXPECT_EQ(c.valueAxis, (ValueAxis{false, 1, 4}));
    EXPECT_EQ(c.points[46].colour, kRed);
    EXPECT_EQ(c.title, MessageList().text(Msg::OverdueTitle));
    EXPECT_TRUE(c.categoryAxisTitle.isEmpty());
    EXPECT_EQ(c.heading(), c.title);

    const ChartData empty = overdueNumbers(input(draws, "12.01.2020", "31.01.2020"));
    for (int v : empty.values())
        EXPECT_EQ(v, 1);
    EXPECT_EQ(empty.valueAxis, (ValueAxis{false, 1, 1}));
}

TEST(Overdue, SuperzahlFromAugust1995)
{
    const std::vector<DrawRecord> draws = {
        draw("29.07.1995", {1, 2, 3, 4, 5, 6}, 7, 5), // before the Superzahl existed
        draw("02.08.1995", {1, 2, 3, 4, 5, 6}, 7, 3),
        draw("05.08.1995", {1, 2, 3, 4, 5, 6}, 7, 9),
        draw("09.08.1995", {1, 2, 3, 4, 5, 6}, 7, 3),
    };
    const ChartData c = overdueSuperzahl(input(draws, "01.01.1995", "31.12.1995"));
    ASSERT_EQ(c.barCount(), 10);
    EXPECT_EQ(c.points.front().x, 0);
    EXPECT_EQ(c.bar(3 + 1), 1);
    EXPECT_EQ(c.bar(9 + 1), 2);
    EXPECT_EQ(c.bar(5 + 1), 3); // its July draw lies before the period
    EXPECT_EQ(c.valueAxis, (ValueAxis{false, 1, 3}));
    EXPECT_EQ(c.title, QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"));
    // 01.08.1995 itself is the excluded first day; a later start still applies.
    const ChartData late = overdueSuperzahl(input(draws, "02.08.1995", "31.12.1995"));
    EXPECT_EQ(late.drawCount, 2);
    const ChartData empty = overdueSuperzahl(input(draws, "01.01.1990", "31.07.1995"));
    EXPECT_EQ(empty.valueAxis, (ValueAxis{false, 0, 0}));
}

TEST(Properties, CountPrimeOddAndEvenNumbersPerDraw)
{
    const std::vector<DrawRecord> one = {draw("07.01.2020", {2, 3, 5, 7, 11, 13}, 4)};
    const ChartInput in = input(one, "06.01.2020", "07.01.2020");
    const auto only = [](int c) {
        std::vector<int> v(7, 0);
        v[static_cast<std::size_t>(c)] = 1;
        return v;
    };
    EXPECT_EQ(primesPerDraw(in).values(), only(6));
    EXPECT_EQ(oddPerDraw(in).values(), only(5));
    EXPECT_EQ(evenPerDraw(in).values(), only(1));
    EXPECT_EQ(
        primesPerDraw(in).categoryAxisTitle,
        QStringLiteral("Anzahl der Primzahlen pro Tipp bei 1 Ziehungen. 100% waren Primzahlen."));
    EXPECT_EQ(oddPerDraw(in).categoryAxisTitle,
              QStringLiteral(
                  "Anzahl der ungeraden Zahlen pro Tipp bei 1 Ziehungen.  83% waren Ungerade."));
    EXPECT_EQ(
        evenPerDraw(in).categoryAxisTitle,
        QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei 1 Ziehungen.  17% waren Gerade."));
    EXPECT_EQ(evenPerDraw(in).valueAxis, (ValueAxis{false, 0, 1}));

    // The first day is excluded.
    EXPECT_EQ(primesPerDraw(input(one, "07.01.2020", "31.01.2020")).drawCount, 0);
}

TEST(Properties, PercentageTiesGoToEvenAndAnEmptyPeriodShowsZero)
{
    const auto oddTitle = [](std::initializer_list<std::initializer_list<int>> rows) {
        std::vector<DrawRecord> draws;
        for (const auto& row : rows)
            draws.push_back(draw("07.01.2020", row));
        return oddPerDraw(input(draws, "01.01.2020", "08.01.2020")).categoryAxisTitle;
    };
    // 3 odd numbers of 24: 12.5 % shows 12.
    EXPECT_TRUE(
        oddTitle(
            {{1, 2, 4, 6, 8, 10}, {1, 2, 4, 6, 8, 10}, {1, 2, 4, 6, 8, 10}, {2, 4, 6, 8, 10, 12}})
            .contains(QStringLiteral(".  12% waren")));
    // 9 odd numbers of 24: 37.5 % shows 38.
    EXPECT_TRUE(
        oddTitle({{1, 3, 5, 2, 4, 6}, {1, 3, 2, 4, 6, 8}, {1, 3, 2, 4, 6, 8}, {1, 3, 2, 4, 6, 8}})
            .contains(QStringLiteral(".  38% waren")));

    const ChartData empty = evenPerDraw(input(week(), "10.01.2020", "31.01.2020"));
    EXPECT_EQ(empty.values(), std::vector<int>(7, 0));
    EXPECT_EQ(empty.valueAxis, (ValueAxis{false, 0, 0}));
    EXPECT_EQ(
        empty.categoryAxisTitle,
        QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei 0 Ziehungen.  0% waren Gerade."));
}

namespace {

struct Period {
    const char* from;
    const char* to;
    DrawDayFilter filter;
};

const Period kPeriods[] = {
    {"19.11.1994", "31.12.2030", {true, true}},
    {"07.10.2015", "31.12.2019", {true, false}},
    {"01.01.2000", "30.06.2001", {false, true}},
    {"01.03.2010", "01.03.2012", {true, true}},
};

// The draws a filtered chart without its first day looks at, by plain date comparison.
std::vector<DrawRecord> examined(const std::vector<DrawRecord>& all, const Period& p)
{
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : all) {
        const bool inside = r.date > day(p.from) && r.date <= day(p.to) && p.filter.accepts(r.date);
        if (inside)
            out.push_back(r);
    }
    return out;
}

bool holdsRun(const DrawRecord& r, int start, int length)
{
    const std::set<int> drawn(r.numbers.begin(), r.numbers.end());
    for (int n = start; n < start + length; ++n)
        if (!drawn.count(n))
            return false;
    return true;
}

} // namespace

TEST(ShippedHistory, RunChartsAgreeWithADirectCount)
{
    const std::vector<DrawRecord> all = *shippedHistory();
    ASSERT_GT(all.size(), 7000u);
    for (const Period& p : kPeriods) {
        SCOPED_TRACE(p.from);
        const ChartInput in{all, day(p.from), day(p.to), p.filter, MessageList()};

        const auto afterStart = examined(all, p);
        const ChartData pairChart = pairs(in);
        const ChartData tripleChart = triples(in);
        for (int k = 1; k <= 48; ++k) {
            int two = 0;
            int three = 0;
            for (const DrawRecord& r : afterStart) {
                two += holdsRun(r, k, 2);
                three += holdsRun(r, k, 3);
            }
            EXPECT_EQ(pairChart.bar(k), two) << k;
            if (k <= 47) {
                EXPECT_EQ(tripleChart.bar(k), three) << k;
            }
        }
    }
}

TEST(ShippedHistory, OddAndEvenChartsMirrorEachOther)
{
    const std::vector<DrawRecord> all = *shippedHistory();
    const auto percentage = [](const ChartData& c) {
        const QString t = c.categoryAxisTitle;
        const int end = t.indexOf(QLatin1Char('%'));
        const int begin = t.lastIndexOf(QLatin1Char(' '), end) + 1;
        return t.mid(begin, end - begin).toInt();
    };
    for (const Period& p : kPeriods) {
        SCOPED_TRACE(p.from);
        const ChartInput in{all, day(p.from), day(p.to), p.filter, MessageList()};
        const ChartData odd = oddPerDraw(in);
        const ChartData even = evenPerDraw(in);
        ASSERT_EQ(odd.barCount(), 7);
        ASSERT_EQ(even.barCount(), 7);
        EXPECT_GT(odd.drawCount, 0);
        for (int c = 0; c <= 6; ++c)
            EXPECT_EQ(odd.bar(c + 1), even.bar(7 - c)) << c;
        EXPECT_EQ(odd.valueAxis, even.valueAxis);
        const int sum = percentage(odd) + percentage(even);
        EXPECT_TRUE(sum >= 99 && sum <= 101) << sum;
        int draws = 0;
        for (int v : primesPerDraw(in).values())
            draws += v;
        EXPECT_EQ(draws, odd.drawCount);
    }
}

TEST(Texts, TitlesAreComposedFromTheMessageList)
{
    MessageList english;
    QStringList lines = MessageList::defaults();
    lines[0] = QStringLiteral("Number distribution");
    lines[1] = QStringLiteral("draws");
    lines[2] = QStringLiteral("cross sum");
    lines[9] = QStringLiteral("pairs");
    lines[10] = QStringLiteral("found");
    lines[28] = QStringLiteral("Which number is overdue?");
    lines[44] = QStringLiteral("Primes per tip in");
    lines[45] = QStringLiteral("were primes");
    english.replaceAll(lines);
    ChartInput in = input(week(), "01.01.2020", "31.01.2020");
    in.messages = english;
    EXPECT_EQ(numberDistribution(in).categoryAxisTitle,
              QStringLiteral("Number distribution     draws: 5    cross sum: 113"));
    EXPECT_EQ(pairs(in).categoryAxisTitle, QStringLiteral("draws: 4     pairs found : 12"));
    EXPECT_EQ(overdueNumbers(in).title, QStringLiteral("Which number is overdue?"));
    EXPECT_EQ(primesPerDraw(in).categoryAxisTitle,
              QStringLiteral("Primes per tip in 4 draws. 50% were primes."));
}
