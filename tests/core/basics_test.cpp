// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/draws/drawdayfilter.h"
#include "core/generator/randomsource.h"
#include "core/options/optiontable.h"
#include "core/program/programstate.h"
#include "core/texts/messagelist.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace vendrilo;

// Every weekday of a week, and a date that is no calendar day, against each setting of the boxes.
TEST(DrawDayFilter, WeekendAndTheOtherDays)
{
    const double monday = *parseDate("03.09.2007");
    const double noDay = std::numeric_limits<double>::quiet_NaN();
    const struct {
        DrawDayFilter filter;
        const char* expected; // Monday .. Sunday, then the date that is no calendar day
    } cases[] = {
        {{true, true}, "11111111"},
        {{true, false}, "00000110"},
        {{false, true}, "11111000"},
    };
    for (const auto& c : cases) {
        QString got;
        for (int d = 0; d < 7; ++d)
            got += c.filter.accepts(monday + d) ? '1' : '0';
        got += c.filter.accepts(noDay) ? '1' : '0';
        EXPECT_EQ(got, QString::fromLatin1(c.expected)) << c.filter.weekend << c.filter.otherDays;
    }
    DrawDayFilter none{false, false};
    none.normalize();
    EXPECT_TRUE(none.weekend && none.otherDays);
}

TEST(Dates, DayNumbersFormatsAndPickerMinimum)
{
    EXPECT_EQ(formatDate(0), "30.12.1899");
    EXPECT_EQ(*parseDate("19.11.1994"), kPickerMinDate);
    EXPECT_EQ(*parseDate("1.2.2003"), *parseDate("01.02.2003"));
    EXPECT_FALSE(parseDate("31.04.2003"));
    EXPECT_FALSE(parseDate("2003-04-01"));
    EXPECT_EQ(weekday(*parseDate("20.08.2026")), 4);

    DatePicker p(kPickerMinDate + 10);
    EXPECT_FALSE(p.setDate(kPickerMinDate - 1));
    EXPECT_FALSE(p.setDate(0));
    EXPECT_EQ(p.date(), kPickerMinDate + 10);
    EXPECT_TRUE(p.setDate(kPickerMinDate));
    EXPECT_EQ(p.date(), kPickerMinDate);
}

TEST(Dates, DaysThatAreNoCalendarDateAreInvalidNotUndefined)
{
    // What a damaged draw file may hold where a date belongs.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double day : {nan, inf, -inf, 1e18, -1e18, 2958466.0, -693594.0}) {
        EXPECT_FALSE(isCalendarDay(day)) << day;
        EXPECT_FALSE(dateFromDay(day).isValid()) << day;
        EXPECT_EQ(formatDate(day), "??.??.????") << day;
        EXPECT_EQ(formatLabelDate(day), "?? ??.??.??") << day;
        EXPECT_EQ(weekday(day), 0) << day;
    }
    EXPECT_EQ(formatDate(2958465.0), "31.12.9999");
    EXPECT_EQ(formatDate(-693593.0), "01.01.0001");
    DatePicker p(kPickerMinDate, std::numeric_limits<double>::lowest());
    EXPECT_FALSE(p.setDate(nan));
    EXPECT_FALSE(p.setDate(1e18));
    EXPECT_EQ(p.date(), kPickerMinDate);
    // The draw-day filter passes such a record only when it passes every weekday.
    EXPECT_FALSE((DrawDayFilter{true, false}.accepts(nan)));
    EXPECT_TRUE((DrawDayFilter{true, true}.accepts(nan)));
}

TEST(StatisticsStart, RecentOrFutureStartGoesBackToTheMinimum)
{
    const double t = *parseDate("08.12.2026");
    EXPECT_EQ(resetRecentStatisticsStart(t - 1, t), kPickerMinDate);
    EXPECT_EQ(resetRecentStatisticsStart(t + 30, t), kPickerMinDate);
    EXPECT_EQ(resetRecentStatisticsStart(t - 6, t), kPickerMinDate);
    EXPECT_EQ(resetRecentStatisticsStart(t - 7, t), t - 7);
    EXPECT_EQ(resetRecentStatisticsStart(t - 21, t), t - 21);
}

TEST(RandomSource, KnownSequences)
{
    // seed 0 -> 1 -> 134775814 -> ...; the value is the high half of seed * range.
    RandomSource r(0);
    EXPECT_EQ(r.next(100), 0u);
    EXPECT_EQ(r.seed(), 1u);
    EXPECT_EQ(r.next(100), 3u); // 134775814 * 100 >> 32
    EXPECT_EQ(r.seed(), 134775814u);
    EXPECT_EQ(r.next(0), 0u);

    // The step wraps modulo 2^32.
    RandomSource w(0xFFFFFFFFu);
    w.next(49);
    EXPECT_EQ(w.seed(), static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1ull));

    // The same seed repeats the sequence; a range of 49 stays in range.
    RandomSource a(4711), b(4711);
    for (int i = 0; i < 1000; ++i) {
        const auto v = a.next(49);
        ASSERT_EQ(v, b.next(49));
        ASSERT_LT(v, 49u);
    }
}

TEST(MessageList, SixtyTwoLinesWithTheirTrailingBlanks)
{
    MessageList m;
    ASSERT_EQ(m.count(), 62);
    for (int n : {12, 17, 32})
        EXPECT_TRUE(m.line(n).endsWith(' ')) << "line " << n;
    for (int n = 0; n < 62; ++n) {
        if (n == 12 || n == 17 || n == 32)
            continue;
        EXPECT_FALSE(m.line(n).isEmpty()) << n;
        EXPECT_FALSE(m.line(n).endsWith(' ')) << "line " << n;
    }
    EXPECT_EQ(m.text(Msg::ComputingThe) + m.text(Msg::PairForming), "Berechnung der Paarbildung");
    EXPECT_EQ(m.text(Msg::Stop), "Stoppen");
    EXPECT_EQ(m.line(25), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    EXPECT_EQ(m.line(26), "Tipps wurden neu berechnet");
    EXPECT_EQ(m.line(51), "Alle Tipps löschen?");
    EXPECT_TRUE(m.line(55).endsWith("starten Sie als Administrator"));
    EXPECT_TRUE(m.line(62).isEmpty());
    EXPECT_TRUE(m.line(-1).isEmpty());

    // A shorter language file leaves the missing lines empty.
    m.replaceAll({"Number distribution", "Draws"});
    EXPECT_EQ(m.line(1), "Draws");
    EXPECT_TRUE(m.line(26).isEmpty());
    m.restoreDefaults();
    EXPECT_EQ(m.line(0), "Zahlenverteilung");
}

TEST(Options, AssignmentsAreCheckedAndClamped)
{
    Options o;
    EXPECT_EQ(o.value(Option::RunBudgetThousands), 50);
    EXPECT_TRUE(o.assign("UpDown7=40000").ok());
    EXPECT_EQ(o.value(Option::RunBudgetThousands), 30000);
    EXPECT_TRUE(o.assign("UpDown7=-5").ok());
    EXPECT_EQ(o.value(Option::RunBudgetThousands), 1);
    for (const char* refused : {"UpDown7=abc", "NoSuchBox=1", "CheckBox16=2", "CheckBox16"})
        EXPECT_EQ(o.assign(refused).errorKind(), ErrorKind::BadInput) << refused;
    EXPECT_TRUE(o.assign("CheckBox16=0").ok());
    EXPECT_FALSE(o.checked(Option::WeekendDraws));
    EXPECT_FALSE(o.drawDayFilter().weekend);
    EXPECT_TRUE(o.drawDayFilter().otherDays);
}

TEST(Dates, WeekdayArithmeticAgreesWithTheCalendar)
{
    for (double day = -800; day < 80000; day += 37.0)
        ASSERT_EQ(weekday(day), dateFromDay(day).dayOfWeek()) << day;
    EXPECT_EQ(weekday(0), 6);
}
