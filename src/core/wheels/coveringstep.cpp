// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/coveringstate.h"

#include <algorithm>

namespace vendrilo::wheels {

namespace {
// A step weighs its moves' changes set by set; where one move changes many sets (a guarantee
// below its draw size on many numbers), a step weighs a random part of its moves, so that one
// step stays near this many sets.
constexpr std::uint64_t kSetsPerStep = 200'000;
// Steps a position stays in the row it just joined: this many plus 0..4 at random.
constexpr int kTabuSteps = 3;
// Weights are halved when one reaches this, so that they never overflow and old failures fade.
constexpr std::uint32_t kWeightCeiling = 1u << 24;
} // namespace

CoveringState::Move CoveringState::bestMoveFor(Mask target)
{
    std::vector<Move>& moves = m_moves;
    moves.clear();
    for (int index = 0; index < rowCount(); ++index) {
        const Mask row = m_rows[static_cast<std::size_t>(index)];
        if (popcount(row & target) != m_problem.hits - 1)
            continue;
        for (Mask outs = row & ~target; outs; outs &= outs - 1) {
            const int out = std::countr_zero(outs);
            if (m_tabuUntil[static_cast<std::size_t>(index) * 64 + out] > m_step)
                continue;
            for (Mask ins = target & ~row; ins; ins &= ins - 1)
                moves.push_back({index, out, std::countr_zero(ins)});
        }
    }
    const std::uint64_t setsPerMove = binomial(kRowSize - 1, m_problem.hits - 1) *
                                      binomial(m_problem.n - 7, m_problem.of - m_problem.hits);
    const std::size_t weighed =
        std::min<std::size_t>(moves.size(), std::max<std::uint64_t>(4, kSetsPerStep / setsPerMove));
    Move best;
    std::int64_t bestChange = 0;
    int ties = 0;
    for (std::size_t i = 0; i < weighed; ++i) {
        // A random part of the moves when not all are weighed: a partial shuffle.
        std::swap(moves[i],
                  moves[i + m_random.below(static_cast<std::uint32_t>(moves.size() - i))]);
        const std::int64_t change = weightChange(moves[i]);
        if (best.row < 0 || change < bestChange) {
            best = moves[i];
            bestChange = change;
            ties = 1;
        } else if (change == bestChange &&
                   m_random.below(static_cast<std::uint32_t>(++ties)) == 0) {
            best = moves[i];
        }
    }
    return best;
}

void CoveringState::raiseWeights()
{
    bool halve = false;
    for (const std::uint32_t set : m_uncovered)
        halve |= ++m_weight[set] >= kWeightCeiling;
    if (halve)
        for (std::uint32_t& weight : m_weight)
            weight = (weight + 1) / 2;
}

void CoveringState::step()
{
    if (m_rows.empty() || m_uncovered.empty())
        return;
    ++m_step;
    const Mask target =
        setAt(m_uncovered[m_random.below(static_cast<std::uint32_t>(m_uncovered.size()))]);
    Move move = bestMoveFor(target);
    if (move.row < 0)
        move = randomMove();
    apply(move);
    m_tabuUntil[static_cast<std::size_t>(move.row) * 64 + static_cast<std::size_t>(move.in)] =
        m_step + kTabuSteps + m_random.below(5);
    raiseWeights();
}

} // namespace vendrilo::wheels
