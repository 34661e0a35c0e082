// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/draws/drawcalendar.h"
#include "core/draws/drawfile.h"
#include "testsupport.h"

#include <QDate>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace vendrilo;
using vendrilo::test::day;

namespace {

// One draw on every day of [first, last] whose weekday (1 Monday .. 7 Sunday) is in `weekdays`.
std::vector<DrawRecord> calendarFile(const char* first, const char* last, std::set<int> weekdays)
{
    std::vector<DrawRecord> draws;
    for (QDate d = dateFromDay(day(first)); d <= dateFromDay(day(last)); d = d.addDays(1))
        if (weekdays.count(d.dayOfWeek())) {
            DrawRecord r;
            r.date = dayFromDate(d);
            r.numbers = {1, 2, 3, 4, 5, 6};
            draws.push_back(r);
        }
    return draws;
}

// The first day after `from` whose weekday is in `weekdays`, counted on the calendar.
QDate firstLaterDay(QDate from, const std::set<int>& weekdays)
{
    QDate d = from.addDays(1);
    while (!weekdays.count(d.dayOfWeek()))
        d = d.addDays(1);
    return d;
}

// What the old two-draws-a-week rule gave: three days after a Wednesday, four after any other.
QDate oldRule(QDate from)
{
    return from.addDays(from.dayOfWeek() == 3 ? 3 : 4);
}

// A second reading of the rule, from its words: the weekdays of the draws dated in the 56 days
// that end with `from` (at least two such draws), and the first later day on one of them.
QDate modelNextDrawDay(const std::vector<DrawRecord>& draws, QDate from)
{
    std::set<int> weekdays;
    int inWindow = 0;
    for (const DrawRecord& r : draws) {
        const QDate d = dateFromDay(r.date);
        if (d.isValid() && d <= from && d.daysTo(from) < 56) {
            weekdays.insert(d.dayOfWeek());
            ++inWindow;
        }
    }
    return inWindow < 2 ? oldRule(from) : firstLaterDay(from, weekdays);
}

} // namespace

// Every day of a whole year, on a Wednesday/Saturday file and on a Tuesday/Thursday/Saturday
// file: the next day of the file's own weekdays; after a draw of a Wednesday/Saturday file the
// very day the old rule gave.
TEST(DrawCalendar, AWholeYearOfEachCalendar)
{
    const struct {
        const char* name;
        std::set<int> weekdays;
        const char* from;
        const char* year;
    } calendars[] = {
        {"Wednesday/Saturday", {3, 6}, "01.10.2005", "01.01.2006"},
        {"Tuesday/Thursday/Saturday", {2, 4, 6}, "01.10.2024", "01.01.2025"},
    };
    for (const auto& c : calendars) {
        const auto draws = calendarFile(c.from, "31.12.2026", c.weekdays);
        const QDate first = dateFromDay(day(c.year));
        int drawDays = 0;
        for (QDate d = first; d < first.addYears(1); d = d.addDays(1)) {
            const QDate next = dateFromDay(nextDrawDay(draws, dayFromDate(d)));
            ASSERT_EQ(next, firstLaterDay(d, c.weekdays))
                << c.name << " after " << qPrintable(d.toString());
            if (c.weekdays == std::set<int>{3, 6} && c.weekdays.count(d.dayOfWeek())) {
                EXPECT_EQ(next, oldRule(d)) << qPrintable(d.toString());
                ++drawDays;
            }
        }
        EXPECT_TRUE(c.weekdays.size() == 3 || drawDays == 104) << drawDays;
    }
}

// Random days across the whole shipped history and a copy of it out of date order, against the
// model above.
TEST(DrawCalendar, AgreesWithTheModelOnRandomDays)
{
    auto draws = *shippedHistory();
    std::mt19937 random(20260820);
    auto shuffled = draws;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    std::uniform_real_distribution<double> anyDay(day("01.01.1957"), day("31.12.2026"));
    for (int i = 0; i < 3000; ++i) {
        const double d = std::floor(anyDay(random));
        const QDate expected = modelNextDrawDay(draws, dateFromDay(d));
        ASSERT_EQ(dateFromDay(nextDrawDay(draws, d)), expected) << qPrintable(formatDate(d));
        ASSERT_EQ(dateFromDay(nextDrawDay(shuffled, d)), expected) << qPrintable(formatDate(d));
    }
}
