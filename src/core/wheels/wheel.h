// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/combinatorics.h"
#include "core/wheels/guarantee.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vendrilo::wheels {

constexpr int kLowestNumber = 1;
constexpr int kHighestNumber = 49;
constexpr int kMinChosen = 7;
constexpr int kMaxChosen = 49;
// No wheel the program makes, shows or prints has more rows (a full wheel on 20 numbers has
// 38,760).
constexpr std::uint64_t kMaxWheelRows = 50'000;

using WheelRow = std::array<int, kRowSize>; // six numbers, ascending

// A wheel on the user's numbers: rows of six of the chosen numbers and the promise they keep.
struct Wheel {
    std::vector<int> numbers; // the chosen numbers, ascending
    Guarantee guarantee;
    std::vector<WheelRow> rows;
};

// The chosen numbers in ascending order when they are 7 to 49 distinct numbers 1..49.
std::optional<std::vector<int>> chosenNumbers(std::vector<int> numbers);

// A random order of the positions 0..n-1 from a seed, so that two players with the same
// numbers need not play the same rows; seed 0 keeps the positions in order.
std::vector<int> positionOrder(int n, std::uint64_t seed);

// Rows on the positions 0..n-1 as rows of the chosen numbers: position p stands for
// numbers[order[p]] (numbers[p] when the order is empty).
Wheel wheelOnNumbers(const std::vector<int>& numbers, const std::vector<Mask>& rows,
                     const Guarantee& guarantee, const std::vector<int>& order = {});

// The rows as positions among the chosen numbers; nothing when a row is not six distinct
// chosen numbers.
std::optional<std::vector<Mask>> rowsAsPositions(const Wheel& wheel);

// The verdict of the exhaustive check.
struct WheelVerdict {
    bool passed = false;
    // When it failed: a draw of `of` chosen numbers that no row meets in `hits` places
    // (empty when the rows themselves are not rows of the chosen numbers, or a full wheel has
    // rows twice).
    std::vector<int> missed;
};

// Checks every way `of` winning numbers can fall among the chosen ones; a full wheel must in
// addition hold each six exactly once. Nothing the program shows, saves or prints skips this.
WheelVerdict checkWheel(const Wheel& wheel);

// "1,2,3,4,5,6"
QString rowText(const WheelRow& row);

} // namespace vendrilo::wheels
