#include "core/generator/pastwintests.h"

namespace vendrilo {

namespace {

Tip asTip(const TipRow& row)
{
    return {row[0], row[1], row[2], row[3], row[4], row[5]};
}

} // namespace

PastWinQuery PastWinPeriod::secheroderfuenfer(int threshold, bool bonusCounts) const
{
    PastWinQuery q = periodQuery(aktDatum, dfb);
    q.filter = filter;
    q.withBonus = bonusCounts;
    q.threshold = threshold;
    return q;
}

PastWinQuery PastWinPeriod::dreierodervierer(int Gewinner, int Ziehzahl, bool bonusCounts) const
{
    PastWinQuery q = recentDrawsQuery(dfb, Ziehzahl);
    q.filter = filter;
    q.withBonus = bonusCounts;
    q.threshold = Gewinner;
    return q;
}

bool HistoryPastWins::Secheroderfuenfer(const TipRow& tip, int threshold, bool bonusCounts)
{
    return pastWin(m_history, asTip(tip), m_period.secheroderfuenfer(threshold, bonusCounts)).noWin;
}

bool HistoryPastWins::dreierodervierer(const TipRow& tip, int Gewinner, int Ziehzahl,
                                       bool bonusCounts)
{
    return pastWin(m_history, asTip(tip),
                   m_period.dreierodervierer(Gewinner, Ziehzahl, bonusCounts))
        .noWin;
}

bool DrawFilePastWins::Secheroderfuenfer(const TipRow& tip, int threshold, bool bonusCounts)
{
    const auto r =
        pastWinScanFile(m_path, asTip(tip), m_period.secheroderfuenfer(threshold, bonusCounts));
    return !r || r->noWin;
}

bool DrawFilePastWins::dreierodervierer(const TipRow& tip, int Gewinner, int Ziehzahl,
                                        bool bonusCounts)
{
    const auto r = pastWinScanFile(m_path, asTip(tip),
                                   m_period.dreierodervierer(Gewinner, Ziehzahl, bonusCounts));
    return !r || r->noWin;
}

} // namespace vendrilo
