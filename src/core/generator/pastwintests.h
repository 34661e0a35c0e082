#pragma once

#include "core/draws/drawhistory.h"
#include "core/evaluation/pastwin.h"
#include "core/generator/rowchecks.h"

#include <QString>

namespace vendrilo {

// The row check's past-win tests for one run: the period from the first day of the statistics
// (excluded) to the chosen draw day, the draw-day filter fixed when the run began.
struct PastWinPeriod {
    double aktDatum = 0; // DateTimePicker2
    double dfb = 0;      // DateTimePicker1
    DrawDayFilter filter;

    PastWinQuery secheroderfuenfer(int threshold, bool bonusCounts) const;
    PastWinQuery dreierodervierer(int Gewinner, int Ziehzahl, bool bonusCounts) const;
};

// Answered from the history's number masks.
class HistoryPastWins : public PastWinTests {
public:
    HistoryPastWins(const DrawHistory& history, const PastWinPeriod& period)
        : m_history(history), m_period(period)
    {
    }

    bool Secheroderfuenfer(const TipRow& tip, int threshold, bool bonusCounts) override;
    bool dreierodervierer(const TipRow& tip, int Gewinner, int Ziehzahl, bool bonusCounts) override;

private:
    const DrawHistory& m_history;
    PastWinPeriod m_period;
};

// Answered by reading the draw file anew for every test, in blocks of 1000 records, and
// comparing number by number: the plain way, kept as the yardstick for the fast one.
class DrawFilePastWins : public PastWinTests {
public:
    DrawFilePastWins(QString drawPath, const PastWinPeriod& period)
        : m_path(std::move(drawPath)), m_period(period)
    {
    }

    bool Secheroderfuenfer(const TipRow& tip, int threshold, bool bonusCounts) override;
    bool dreierodervierer(const TipRow& tip, int Gewinner, int Ziehzahl, bool bonusCounts) override;

private:
    QString m_path;
    PastWinPeriod m_period;
};

} // namespace vendrilo
