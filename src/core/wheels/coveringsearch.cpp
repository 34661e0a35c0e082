// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/coveringsearch.h"

#include "core/wheels/coveringstate.h"

#include <QElapsedTimer>

namespace vendrilo::wheels {

namespace {

class Search {
public:
    Search(const SearchProblem& problem, const SearchOptions& options)
        : m_options(options), m_state(problem, options.seed)
    {
    }

    std::vector<Mask> run();

private:
    bool report();
    bool goalReached() const
    {
        return m_options.goalRows > 0 && !m_best.empty() &&
               static_cast<int>(m_best.size()) <= m_options.goalRows;
    }

    const SearchOptions& m_options;
    CoveringState m_state;
    std::vector<Mask> m_best;
    std::uint64_t m_moves = 0;
    QElapsedTimer m_sinceReport;
    bool m_asked = false;
};

bool Search::report()
{
    // The first call always asks, so that a caller that stops at once stops before any
    // covering; after that at most one report every 50 ms.
    if (!m_options.progress || (m_asked && m_sinceReport.elapsed() < 50))
        return true;
    m_asked = true;
    m_sinceReport.restart();
    SearchProgress progress;
    progress.bestRows = static_cast<int>(m_best.size());
    progress.rows = m_state.rowCount();
    progress.uncovered = m_state.uncoveredCount();
    progress.moves = m_moves;
    return m_options.progress(progress);
}

std::vector<Mask> Search::run()
{
    m_sinceReport.start();
    m_state.load(m_options.start);
    if (!m_state.completeGreedily([this] { return report(); }))
        return {};
    while (true) {
        if (m_state.uncoveredCount() == 0) {
            // A covering: keep it when it is the smallest yet, then go on with one row less.
            if (m_best.empty() || m_state.rowCount() < static_cast<int>(m_best.size()))
                m_best = m_state.rows();
            if (goalReached() || m_state.rowCount() <= 1)
                break;
            m_state.dropWeakestRow();
        }
        m_state.step();
        ++m_moves;
        if ((m_moves & 63) == 0 && !report())
            break;
    }
    return m_best;
}

} // namespace

std::vector<Mask> searchCovering(const SearchProblem& problem, const SearchOptions& options)
{
    if (problem.n < kRowSize || problem.n > 63 || problem.hits < 1 || problem.hits > problem.of ||
        problem.of > kRowSize || binomial(problem.n, problem.of) > kMaxSearchSets)
        return {};
    Search search(problem, options);
    return search.run();
}

} // namespace vendrilo::wheels
