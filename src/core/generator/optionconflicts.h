// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/options/optiontable.h"

#include <QString>

#include <optional>

namespace vendrilo {

// Limits that no row of six different numbers 1..49 can meet together: a cross-sum range that
// is empty, even and odd minima above six numbers, more primes than the evens leave room for.
// A run with such options could only empty the sheet; it is refused before the sheet is
// touched, with the options named. Nothing when the options leave some row possible.
std::optional<QString> impossibleOptions(const Options& options);

} // namespace vendrilo
