// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/wheels/combinatorics.h"

#include <vector>

namespace vendrilo::wheels {

// Wheels built by algebra rather than found by search. Rows are on positions 0..n-1.

// Every six of n positions: the full wheel (binomial(n, 6) rows).
std::vector<Mask> allSixes(int n);

// The Steiner system S(3,6,22): 77 rows on 22 positions in which every three positions lie in
// exactly one row — the smallest "3 if 3" wheel on 22 numbers there can be. Taken from the
// extended binary Golay code: its words of weight 8 that hold the last two of its 24 places,
// without those two.
std::vector<Mask> steinerSystem22();

// The inversive plane of order 5, a Steiner system S(3,6,26): 130 rows on 26 positions, every
// three in exactly one. Positions are the 25 elements of GF(25) and infinity; the rows are the
// images of GF(5) with infinity under the maps z -> (az + b) / (cz + d).
std::vector<Mask> inversivePlane26();

// The rows moved onto the first `fewer` positions: a position at or beyond `fewer` is replaced
// by the lowest position the row does not hold yet. Every set of positions below `fewer` that a
// row held before it still holds, so a covering stays a covering; repeated rows are dropped.
std::vector<Mask> onFewerPositions(const std::vector<Mask>& rows, int fewer);

} // namespace vendrilo::wheels
