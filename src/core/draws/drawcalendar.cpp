// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawcalendar.h"

#include "core/draws/dates.h"

#include <algorithm>

namespace vendrilo {

namespace {
constexpr double kWindowDays = 56;
} // namespace

unsigned drawWeekdaysBefore(const std::vector<DrawRecord>& draws, double day)
{
    // The file is in date order; the window is at most a few dozen records long.
    const auto end = std::upper_bound(draws.begin(), draws.end(), day,
                                      [](double d, const DrawRecord& r) { return d < r.date; });
    unsigned weekdays = 0;
    int count = 0;
    for (auto it = end; it != draws.begin();) {
        --it;
        if (!(it->date > day - kWindowDays))
            break;
        if (const int w = weekday(it->date); w > 0) {
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
