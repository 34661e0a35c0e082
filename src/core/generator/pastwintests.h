// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawhistory.h"
#include "core/evaluation/pastwin.h"
#include "core/generator/rowchecks.h"

namespace vendrilo {

// The row check's past-win tests for one run: the period from the statistics start (excluded)
// to the chosen draw day, the draw-day filter fixed when the run began.
struct PastWinPeriod {
    double start = 0;
    double end = 0;
    DrawDayFilter filter;

    PastWinQuery wholePeriod(int threshold, bool bonusCounts) const;
    PastWinQuery recentDraws(int threshold, int drawCount, bool bonusCounts) const;
};

// Answered from the history's number masks.
class HistoryPastWins : public PastWinTests {
public:
    HistoryPastWins(const DrawHistory& history, const PastWinPeriod& period)
        : m_history(history), m_period(period)
    {
    }

    bool neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts) override;
    bool neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                          bool bonusCounts) override;

private:
    const DrawHistory& m_history;
    PastWinPeriod m_period;
};

Tip tipOf(const TipRow& row);

} // namespace vendrilo
