// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawdayfilter.h"
#include "core/draws/drawhistory.h"
#include "core/draws/drawrecord.h"

#include <array>

namespace vendrilo {

using Tip = std::array<int, 6>;

// Would a tip have won in a period? The draws examined are those with after < date <= upTo
// that pass the draw-day filter, in file order; a draw reaches the threshold when the tip's
// hits, plus one when `withBonus` and the tip holds the draw's bonus number, are at least
// `threshold`.
struct PastWinQuery {
    double after = 0;
    double upTo = 0;
    DrawDayFilter filter;
    bool withBonus = true;
    int threshold = 5;

    // The whole statistics period: the first day itself is excluded.
    static PastWinQuery wholePeriod(double start, double end);
    // The last `drawCount` draws up to `end`, counted as two draws a week in days:
    // end - (drawCount / 2) * 7 < date <= end (11 draws reach back 38.5 days).
    static PastWinQuery recentDraws(double end, int drawCount);
};

struct PastWinResult {
    bool noWin = true; // no draw examined reached the threshold
    // The draw the test stopped at (the first one reaching the threshold), else the last one it
    // examined; -1 when the window held no draw.
    int examined = -1;

    bool operator==(const PastWinResult&) const = default;
};

// The in-memory answer from the history's number masks, a word of 64 draws at a time.
PastWinResult pastWin(const DrawHistory& history, const Tip& tip, const PastWinQuery& query);

} // namespace vendrilo
