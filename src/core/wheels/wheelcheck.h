// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/combinatorics.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vendrilo::wheels {

// The exhaustive check of a wheel on the positions 0..n-1: does every set of `of` positions
// (every way `of` winning numbers can fall among the chosen ones) meet some row in at least
// `hits` positions?
//
// A set S meets a row in `hits` places exactly when some `hits`-subset of S lies in that row.
// The check therefore marks every `hits`-subset of every row in a bit table (indexed by its
// co-lexicographic rank) and walks the `of`-subsets in a depth-first search over ascending
// positions: as soon as the positions chosen so far hold a marked subset, every extension is
// met as well and the whole branch is skipped. The work is bounded by the subsets visited,
// not by the number of rows.
class CoverageCheck {
public:
    // 1 <= hits <= of <= 6, 6 <= n <= 64; rows must be well formed (see rowsWellFormed).
    CoverageCheck(int n, std::span<const Mask> rows, int hits, int of);

    // The first set of `of` positions that no row meets in `hits` places, in co-lexicographic
    // order; nothing when the wheel keeps its promise.
    std::optional<Mask> firstUncovered() const;
    // How many sets of `of` positions no row meets in `hits` places.
    std::uint64_t uncoveredCount() const;

private:
    struct Level;
    template <bool CountAll>
    bool visit(int depth, int start, Mask chosen, const Level& level, std::uint64_t& count,
               Mask& found) const;
    bool marked(std::uint64_t rank) const { return (m_marked[rank >> 6] >> (rank & 63)) & 1; }

    int m_n;
    int m_hits;
    int m_of;
    std::vector<std::uint64_t> m_marked; // one bit per `hits`-subset that lies in some row
};

// Every row holds six distinct positions below n.
bool rowsWellFormed(int n, std::span<const Mask> rows);

// The positions of the smallest set of `of` positions that the rows leave uncovered, or
// nothing. Rows that are not well formed never pass: they are reported as failing with an
// empty set.
std::optional<Mask> findUncovered(int n, std::span<const Mask> rows, int hits, int of);

} // namespace vendrilo::wheels
