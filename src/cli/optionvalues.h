// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of the global options, read or refused with a Failure that names the option.

#include "core/draws/game.h"

#include <QString>

#include <vector>

namespace vendrilo::cli {

double parseDateOption(const QString& option, const QString& value);
std::vector<int> parseRows(const QString& value); // --lock 1,5: rows 1..12
quint32 parseSeed(const QString& value);          // any 32-bit integer, signed or not
Game parseGame(const QString& option, const QString& value);

} // namespace vendrilo::cli
