// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"

#include <vector>

namespace vendrilo {

// The game's draw calendar as the history shows it. Polish Lotto has been drawn on Sundays, then
// Saturdays, then Wednesdays and Saturdays, and since 04.09.2007 on Tuesdays, Thursdays and
// Saturdays; rather than knowing those dates, the program reads the weekdays off the draws
// themselves.

// The weekdays (bit 1 = Monday .. bit 7 = Sunday) of the draws in the eight weeks up to `day`
// (the 56 days ending with it); 0 when fewer than two draws lie in that window.
unsigned drawWeekdaysBefore(const std::vector<DrawRecord>& draws, double day);

// The next draw day after `day`: the first later day whose weekday is among those of
// drawWeekdaysBefore(). Without such a window (an empty or old file), a Wednesday/Saturday
// game: three days after a Wednesday, four after any other day.
double nextDrawDay(const std::vector<DrawRecord>& draws, double day);

} // namespace vendrilo
