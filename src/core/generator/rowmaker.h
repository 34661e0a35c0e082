// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/generator/generationrun.h"

#include <vector>

namespace vendrilo {

// The candidate passes a run may make in all.
int runBudget(const Options& options);

// The candidate loop: for each row, candidates from the pool until the row checks accept one or
// the budget shared by all rows is used up.
class RowMaker {
public:
    RowMaker(const NumberPool& pool, const LastDraws& draws, TipSheet& sheet, Options& options,
             RandomSource& random, PastWinTests& pastWins, const GenerationHooks& hooks)
        : m_pool(pool), m_draws(draws), m_sheet(sheet), m_options(options), m_random(random),
          m_pastWins(pastWins), m_hooks(hooks)
    {
    }

    // Makes every row; returns the rows the run could not or was not to make.
    std::vector<int> makeRows();
    int passes() const { return m_passes; }
    bool stopped() const { return m_stopped; }

private:
    TipRow makeRow(int row);
    bool makePass(int row, TipRow& candidate);
    bool makeRowQuickly(int row, TipRow& candidate);
    bool loosenLimits(int row);
    void drawCandidate(TipRow& candidate);

    const NumberPool& m_pool;
    const LastDraws& m_draws;
    TipSheet& m_sheet;
    Options& m_options;
    RandomSource& m_random;
    PastWinTests& m_pastWins;
    const GenerationHooks& m_hooks;
    int m_passes = 0;
    bool m_stopped = false;
    std::vector<TipRow> m_rows;
    GenerationPass m_info;
};

} // namespace vendrilo
