// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawhistory.h"
#include "core/evaluation/pastwin.h"
#include "core/evaluation/pastwintable.h"
#include "core/generator/rowchecks.h"

#include <memory>
#include <vector>

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

// Answered from the history's number masks; windows asked for again and again with a threshold
// of 1 to 3 hits from a table of the window built on the first question.
class HistoryPastWins : public PastWinTests {
public:
    HistoryPastWins(const DrawHistory& history, const PastWinPeriod& period)
        : m_history(history), m_period(period)
    {
    }

    bool neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts) override;
    bool neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                          bool bonusCounts) override;
    std::shared_ptr<const PastWinTable> periodTable(int threshold, bool bonusCounts) override;
    std::shared_ptr<const PastWinTable> recentTable(int threshold, int drawCount,
                                                    bool bonusCounts) override;

private:
    // A question as the row check asks it; the period is the run's.
    struct Question {
        bool wholePeriod;
        int threshold, drawCount;
        bool bonusCounts;
        bool operator==(const Question&) const = default;
    };
    bool neverWon(const TipRow& tip, const Question& question);
    PastWinQuery queryOf(const Question& question) const;
    const std::shared_ptr<const PastWinTable>& tableFor(const Question& question);

    const DrawHistory& m_history;
    PastWinPeriod m_period;
    struct TableSlot {
        Question question;
        // None where the table cannot answer. Shared: the candidate loop holds on to the tables
        // it looks up in.
        std::shared_ptr<const PastWinTable> table;
    };
    // A run asks a few questions only (the options may change while it goes on); the last one
    // asked comes first.
    std::vector<TableSlot> m_tables;
};

Tip tipOf(const TipRow& row);

} // namespace vendrilo
