// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/showndraw.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace vendrilo {

// How one row fares against a draw.
struct RowScore {
    // Per field 1..8 (entry 0 unused): 0 no match, 1 a drawn number, 2 the bonus number.
    // Entries 7 and 8 are only ever cleared.
    std::array<quint8, 9> fieldMatch{};
    int hits = 0;          // fields equal to one of the six drawn numbers
    bool hasBonus = false; // the row holds the bonus number
};

// Compares the six field texts of a row with the draw. A number standing twice in the row
// counts twice. The bonus number never adds to the hits. A text that is no integer ends the
// comparison where it is met, keeping what was counted so far, so an empty row scores 0. A value
// below 1 ("0" is what callers pass for unused fields) never matches, not even a bonus number
// of 0, which the draw file holds where the bonus is unknown.
RowScore scoreRow(const std::array<QString, 6>& fields, const DrawNumbers& draw);

// The same for a row already held as numbers.
RowScore scoreRow(const std::array<int, 6>& numbers, const DrawNumbers& draw);

// Rows of a sheet evaluation counted by class: [hits 0..6][0 without, 1 with bonus number].
using HitStatistics = std::array<std::array<quint32, 2>, 7>;

} // namespace vendrilo
