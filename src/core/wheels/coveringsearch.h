// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/combinatorics.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vendrilo::wheels {

// Which rows the search looks for: rows on the positions 0..n-1 such that every set of `of`
// positions meets some row in at least `hits` positions (a covering design when hits == of).
struct SearchProblem {
    int n = 0;
    int hits = 0;
    int of = 0;
};

// How far a search has come, handed to its progress callback about every 50 ms.
struct SearchProgress {
    int bestRows = 0;            // rows of the smallest covering found so far, 0 before the first
    int rows = 0;                // rows of the set the search works on
    std::uint64_t uncovered = 0; // sets of `of` positions the working rows leave uncovered
    std::uint64_t moves = 0;     // moves tried so far
};

struct SearchOptions {
    // Rows to begin with; when they do not cover everything, rows are added greedily first.
    std::vector<Mask> start;
    // The search ends as soon as it holds a covering of this many rows (0: never).
    int goalRows = 0;
    std::uint64_t seed = 1;
    // False ends the search; it then returns the best covering found.
    std::function<bool(const SearchProgress&)> progress;
};

// The smallest covering the search finds: simulated annealing over a fixed number of rows,
// the cost being the number of uncovered sets. A move swaps one position of one row for
// another, mostly aimed at a random uncovered set (a row sharing hits - 1 positions with it
// takes one more of them). Whenever the cost reaches 0 the covering is kept and the row that
// alone covers the fewest sets is dropped, and the annealing goes on with one row less.
// The search holds a counter per set of `of` positions; callers keep binomial(n, of) small
// enough for memory (see kMaxSearchSets). The result is not checked here: callers check it.
std::vector<Mask> searchCovering(const SearchProblem& problem, const SearchOptions& options);

// The largest number of sets of `of` positions a search keeps counters for.
constexpr std::uint64_t kMaxSearchSets = 4'000'000;

} // namespace vendrilo::wheels
