// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vendrilo::test {

// The plain check of a wheel, written apart from the program's: every way of choosing `of` of
// the numbers is tried against every row by counting common numbers, without bit masks,
// ranks or pruning. Rows hold numbers of `numbers`.
struct OracleVerdict {
    std::uint64_t draws = 0;     // the sets of `of` numbers tried
    std::uint64_t uncovered = 0; // those no row meets in `hits` places
    std::vector<int> firstUncovered;
};
OracleVerdict oracleCheck(const std::vector<int>& numbers,
                          const std::vector<std::array<int, 6>>& rows, int hits, int of);

// How many rows meet `draw` in `hits` places or more.
int oracleRowsMeeting(const std::vector<std::array<int, 6>>& rows, const std::vector<int>& draw,
                      int hits);

} // namespace vendrilo::test
