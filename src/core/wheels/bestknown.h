// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QString>

#include <map>
#include <tuple>

namespace vendrilo::wheels {

// The best known size and the best known lower bound of the covering C(v,6,t): the fewest rows
// of six numbers out of v such that every t of the v lie in some row — a "t if t" wheel.
struct KnownCovering {
    int bestKnown = 0;
    int lowerBound = 0;
};

// By (v, t).
using KnownCoverings = std::map<std::pair<int, int>, KnownCovering>;

// The table of known sizes for rows of six, as the shipped "ljcr-k6.csv" holds it: a header
// "v,k,t,best_known,lower_bound", then one line per design with k = 6.
Result<KnownCoverings> parseKnownCoverings(const QString& csv);

} // namespace vendrilo::wheels
