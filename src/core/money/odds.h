// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace vendrilo {

// Every draw of six numbers out of 49 is equally likely; there are C(49, 6) of them.
inline constexpr qint64 kPossibleDraws = 13983816;

// How many of the possible draws give one row exactly `hits` hits (0..6): C(6, hits) * C(43, 6 -
// hits).
qint64 drawsGivingHits(int hits);
// How many give it three hits or more: any prize.
qint64 drawsGivingAPrize();

// "1 in X" as a number: X = kPossibleDraws / draws, with two decimals after a point, rounded half
// up ("56.66"); "-" when no draw gives it.
QString oddsText(qint64 draws);

// A row as a set of numbers: bit n for the number n (1..49).
using RowMask = quint64;
RowMask rowMask(const std::array<int, 6>& numbers);

// The distinct rows among `rows`, as masks, in their first order.
std::vector<RowMask> distinctRows(const std::vector<std::array<int, 6>>& rows);

// How many of the possible draws give at least one of the rows three hits or more, counted
// exactly over every draw (rows overlap, so the chances do not add up). `goOn` is asked now and
// then; when it says false the count stops and gives nothing. At most 64 rows (a sheet has
// twelve); more give nothing.
std::optional<qint64> drawsWithAWinningRow(const std::vector<RowMask>& rows,
                                           const std::function<bool()>& goOn = {});

} // namespace vendrilo
