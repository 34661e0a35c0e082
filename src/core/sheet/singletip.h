// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <vector>

namespace vendrilo {

// The single-tip form edits one row of the sheet on the 7 x 7 grid of numbers.
using RowFields = std::array<QString, 6>;

// The numbers the form shows ticked for a row: each field's number from the first on, up to the
// first field that is empty or holds no number 1..49.
std::vector<int> numbersToMark(const RowFields& fields);

// The row after OK: the ticked numbers, ascending, into the fields from the first; ticked
// numbers beyond the sixth are left out, and fields after the last ticked number keep their
// text.
RowFields fieldsFromTicked(const RowFields& fields, const std::vector<int>& tickedAscending);

} // namespace vendrilo
