// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/combinatorics.h"
#include "core/wheels/coveringsearch.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vendrilo::wheels {

// A small fast random source for the search (xorshift64*): the search makes millions of draws
// and needs them reproducible from one seed.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint64_t next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 0x2545F4914F6CDD1Dull;
    }
    // 0..range-1
    std::uint32_t below(std::uint32_t range)
    {
        return static_cast<std::uint32_t>(((next() >> 32) * range) >> 32);
    }
    // A random position of a non-empty set.
    int positionOf(Mask set);

private:
    std::uint64_t m_state;
};

// The rows a search works on and, for every set of `of` positions, how many rows meet it in
// `hits` places. The sets no row meets sit in a list for picking one at random; each set
// carries a weight that grows while it stays uncovered, so that the search turns to the sets
// it keeps failing.
class CoveringState {
public:
    CoveringState(const SearchProblem& problem, std::uint64_t seed);

    // Takes these rows (dropping any that are not six positions below n).
    void load(const std::vector<Mask>& rows);
    // Adds rows, each the best of a few candidates built around an uncovered set, until
    // everything is covered or `keepGoing` (asked after every row) says no. False then.
    bool completeGreedily(const std::function<bool()>& keepGoing);
    // Removes the row that alone covers the fewest sets.
    void dropWeakestRow();
    // One step of the search: a random uncovered set is picked, and of the moves that let a
    // row meet it in one more place (a row sharing hits - 1 positions with it gives up a
    // position outside the set for one inside), the one that loses the least weight is made.
    // A position just taken into a row stays there for a few steps (the tabu), so the search
    // does not undo what it just did. Then every set still uncovered gains weight.
    void step();

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const std::vector<Mask>& rows() const { return m_rows; }
    std::uint64_t uncoveredCount() const { return m_uncovered.size(); }

private:
    struct Move {
        int row = -1;
        int out = -1; // the position leaving the row
        int in = -1;  // the position joining it
    };
    Move bestMoveFor(Mask target);
    Move randomMove();
    template <typename F> void forEachSetMet(Mask row, F&& f) const;
    template <typename F> void forEachChange(Mask row, int out, int in, F&& f);
    std::int64_t weightChange(const Move& move);
    void apply(const Move& move);
    void addRow(Mask row);
    void removeRow(int index);
    void meet(std::uint64_t set);
    void leave(std::uint64_t set);
    void raiseWeights();
    Mask setAt(std::uint64_t rank) const;

    SearchProblem m_problem;
    Mask m_all;
    SearchRandom m_random;
    std::vector<Mask> m_rows;
    std::vector<std::uint16_t> m_met;       // rows meeting each set, by its rank
    std::vector<std::uint32_t> m_weight;    // each set's weight, by its rank
    std::vector<std::uint32_t> m_uncovered; // ranks of the sets no row meets
    std::vector<std::int32_t> m_listIndex;  // each set's place in m_uncovered, or -1
    std::vector<std::uint64_t> m_tabuUntil; // per row and position: kept in the row until then
    std::uint64_t m_step = 0;
    std::vector<Mask> m_rests; // scratch: the sets of positions outside a row
    std::vector<Move> m_moves; // scratch: the moves a step weighs
};

} // namespace vendrilo::wheels
