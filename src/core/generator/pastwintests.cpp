// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/pastwintests.h"

namespace vendrilo {

Tip tipOf(const TipRow& row)
{
    return {row[0], row[1], row[2], row[3], row[4], row[5]};
}

PastWinQuery PastWinPeriod::wholePeriod(int threshold, bool bonusCounts) const
{
    PastWinQuery q = PastWinQuery::wholePeriod(start, end);
    q.filter = filter;
    q.withBonus = bonusCounts;
    q.threshold = threshold;
    return q;
}

PastWinQuery PastWinPeriod::recentDraws(int threshold, int drawCount, bool bonusCounts) const
{
    PastWinQuery q = PastWinQuery::recentDraws(end, drawCount);
    q.filter = filter;
    q.withBonus = bonusCounts;
    q.threshold = threshold;
    return q;
}

bool HistoryPastWins::neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts)
{
    return pastWin(m_history, tipOf(tip), m_period.wholePeriod(threshold, bonusCounts)).noWin;
}

bool HistoryPastWins::neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                                       bool bonusCounts)
{
    return pastWin(m_history, tipOf(tip), m_period.recentDraws(threshold, drawCount, bonusCounts))
        .noWin;
}

} // namespace vendrilo
