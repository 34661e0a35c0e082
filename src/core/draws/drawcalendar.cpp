// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawcalendar.h"

#include "core/draws/dates.h"

namespace vendrilo {

namespace {
constexpr double kWindowDays = 56;
} // namespace

unsigned drawWeekdaysBefore(const std::vector<DrawRecord>& draws, double day)
{
    // A plain scan rather than a binary search: a file the user mended by hand need not be in
    // date order, and a few thousand comparisons cost nothing beside reading the file.
    unsigned weekdays = 0;
    int count = 0;
    for (const DrawRecord& r : draws) {
        if (!(r.date > day - kWindowDays && r.date <= day))
            continue;
        if (const int w = weekday(r.date); w > 0) {
            weekdays |= 1u << w;
            ++count;
        }
    }
    return count >= 2 ? weekdays : 0;
}

double nextDrawDay(const std::vector<DrawRecord>& draws, double day)
{
    const unsigned weekdays = drawWeekdaysBefore(draws, day);
    if (weekdays == 0 || !isCalendarDay(day))
        return day + (weekday(day) == 3 ? 3 : 4);
    for (int step = 1; step <= 7; ++step)
        if (weekdays & (1u << weekday(day + step)))
            return day + step;
    return day + 7; // not reached: some weekday of the window comes within a week
}

} // namespace vendrilo
