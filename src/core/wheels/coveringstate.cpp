// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/coveringstate.h"

#include <algorithm>

namespace vendrilo::wheels {

namespace {
// Candidates weighed for each row the greedy start adds.
constexpr int kGreedyCandidates = 8;
} // namespace

int SearchRandom::positionOf(Mask set)
{
    int skip = static_cast<int>(below(static_cast<std::uint32_t>(popcount(set))));
    for (; skip > 0; --skip)
        set &= set - 1;
    return std::countr_zero(set);
}

CoveringState::CoveringState(const SearchProblem& problem, std::uint64_t seed)
    : m_problem(problem), m_all(firstPositions(problem.n)), m_random(seed),
      m_met(binomial(problem.n, problem.of), 0), m_weight(m_met.size(), 1),
      m_listIndex(m_met.size(), -1)
{
    m_uncovered.reserve(m_met.size());
    for (std::uint32_t rank = 0; rank < m_met.size(); ++rank) {
        m_listIndex[rank] = static_cast<std::int32_t>(rank);
        m_uncovered.push_back(rank);
    }
}

void CoveringState::meet(std::uint64_t set)
{
    if (m_met[set]++ != 0)
        return;
    const std::int32_t index = m_listIndex[set];
    const std::uint32_t moved = m_uncovered.back();
    m_uncovered[static_cast<std::size_t>(index)] = moved;
    m_listIndex[moved] = index;
    m_uncovered.pop_back();
    m_listIndex[set] = -1;
}

void CoveringState::leave(std::uint64_t set)
{
    if (--m_met[set] != 0)
        return;
    m_listIndex[set] = static_cast<std::int32_t>(m_uncovered.size());
    m_uncovered.push_back(static_cast<std::uint32_t>(set));
}

// The set of `of` positions with this co-lexicographic rank.
Mask CoveringState::setAt(std::uint64_t rank) const
{
    Mask set = 0;
    int e = m_problem.n - 1;
    for (int i = m_problem.of; i >= 1; --i) {
        while (binomial(e, i) > rank)
            --e;
        set |= bit(e);
        rank -= binomial(e, i);
        --e;
    }
    return set;
}

// Calls f(rank) for every set of `of` positions that the row meets in `hits` places or more.
template <typename F> void CoveringState::forEachSetMet(Mask row, F&& f) const
{
    const Mask outside = m_all & ~row;
    for (int inRow = m_problem.hits; inRow <= std::min(kRowSize, m_problem.of); ++inRow)
        forEachSubset(row, inRow, [&](Mask part) {
            forEachSubset(outside, m_problem.of - inRow,
                          [&](Mask rest) { f(colexRank(part | rest)); });
        });
}

// Swapping `out` for `in` changes exactly the sets that hold hits - 1 other positions of the
// row, one of `out` and `in`, and the rest outside the row and `in`: the set with `out` loses
// the row, the same set with `in` gains it. Calls f(rank lost, rank gained) for each pair.
template <typename F> void CoveringState::forEachChange(Mask row, int out, int in, F&& f)
{
    m_rests.clear();
    forEachSubset(m_all & ~row & ~bit(in), m_problem.of - m_problem.hits,
                  [this](Mask rest) { m_rests.push_back(rest); });
    forEachSubset(row & ~bit(out), m_problem.hits - 1, [&](Mask part) {
        for (const Mask rest : m_rests)
            f(colexRank(part | rest | bit(out)), colexRank(part | rest | bit(in)));
    });
}

// The weight of the sets a move uncovers less the weight of those it covers.
std::int64_t CoveringState::weightChange(const Move& move)
{
    std::int64_t change = 0;
    forEachChange(m_rows[static_cast<std::size_t>(move.row)], move.out, move.in,
                  [&](std::uint64_t lost, std::uint64_t gained) {
                      change += (m_met[lost] == 1 ? std::int64_t{m_weight[lost]} : 0) -
                                (m_met[gained] == 0 ? std::int64_t{m_weight[gained]} : 0);
                  });
    return change;
}

void CoveringState::apply(const Move& move)
{
    Mask& row = m_rows[static_cast<std::size_t>(move.row)];
    forEachChange(row, move.out, move.in, [&](std::uint64_t lost, std::uint64_t gained) {
        leave(lost);
        meet(gained);
    });
    row = (row & ~bit(move.out)) | bit(move.in);
}

void CoveringState::addRow(Mask row)
{
    m_rows.push_back(row);
    m_tabuUntil.resize(m_rows.size() * 64, 0);
    forEachSetMet(row, [this](std::uint64_t set) { meet(set); });
}

void CoveringState::removeRow(int index)
{
    const auto at = static_cast<std::size_t>(index);
    forEachSetMet(m_rows[at], [this](std::uint64_t set) { leave(set); });
    m_rows[at] = m_rows.back();
    m_rows.pop_back();
    std::copy_n(m_tabuUntil.end() - 64, 64, m_tabuUntil.begin() + static_cast<long>(at * 64));
    m_tabuUntil.resize(m_rows.size() * 64);
}

void CoveringState::load(const std::vector<Mask>& rows)
{
    for (const Mask row : rows)
        if (popcount(row) == kRowSize && (row & ~m_all) == 0)
            addRow(row);
}

bool CoveringState::completeGreedily(const std::function<bool()>& keepGoing)
{
    while (!m_uncovered.empty()) {
        Mask best = 0;
        int bestGain = -1;
        for (int candidate = 0; candidate < kGreedyCandidates; ++candidate) {
            const Mask target =
                setAt(m_uncovered[m_random.below(static_cast<std::uint32_t>(m_uncovered.size()))]);
            Mask row = 0;
            while (popcount(row) < m_problem.hits)
                row |= bit(m_random.positionOf(target & ~row));
            while (popcount(row) < kRowSize)
                row |= bit(m_random.positionOf(m_all & ~row));
            int gain = 0;
            forEachSetMet(row, [&](std::uint64_t set) { gain += m_met[set] == 0; });
            if (gain > bestGain) {
                bestGain = gain;
                best = row;
            }
        }
        addRow(best);
        // Asked after a row, so that every report shows at least one.
        if (!m_uncovered.empty() && !keepGoing())
            return false;
    }
    return true;
}

void CoveringState::dropWeakestRow()
{
    int weakest = 0;
    int fewest = -1;
    int ties = 0;
    for (int index = 0; index < rowCount(); ++index) {
        int alone = 0;
        forEachSetMet(m_rows[static_cast<std::size_t>(index)],
                      [&](std::uint64_t set) { alone += m_met[set] == 1; });
        if (fewest < 0 || alone < fewest) {
            fewest = alone;
            weakest = index;
            ties = 1;
        } else if (alone == fewest && m_random.below(static_cast<std::uint32_t>(++ties)) == 0) {
            weakest = index;
        }
    }
    removeRow(weakest);
}

CoveringState::Move CoveringState::randomMove()
{
    Move move;
    move.row = static_cast<int>(m_random.below(static_cast<std::uint32_t>(rowCount())));
    const Mask row = m_rows[static_cast<std::size_t>(move.row)];
    move.out = m_random.positionOf(row);
    move.in = m_random.positionOf(m_all & ~row);
    return move;
}

} // namespace vendrilo::wheels
