// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawdayfilter.h"

#include "core/draws/dates.h"

namespace vendrilo {

bool DrawDayFilter::accepts(double drawDate) const
{
    if (saturday && wednesday)
        return true;
    const int day = weekday(drawDate);
    if (saturday && (day == 6 || day == 7))
        return true;
    return wednesday && day == 3;
}

} // namespace vendrilo
