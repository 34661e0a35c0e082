// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawdayfilter.h"

#include "core/draws/dates.h"

namespace vendrilo {

bool DrawDayFilter::accepts(double drawDate) const
{
    if (weekend && otherDays)
        return true;
    const int day = weekday(drawDate); // 0 for a date that is no calendar day: neither
    if (day == 6 || day == 7)
        return weekend;
    return otherDays && day >= 1;
}

} // namespace vendrilo
