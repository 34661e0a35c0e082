// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of the global options, read or refused with a Failure that names the option.

#include "cli.h"
#include "core/draws/game.h"

#include <QString>

#include <vector>

namespace vendrilo::cli {

CliResult<double> parseDateOption(const QString& option, const QString& value);
CliResult<std::vector<int>> parseRows(const QString& value); // --lock 1,5: rows 1..12
CliResult<quint32> parseSeed(const QString& value);          // any 32-bit integer, signed or not
CliResult<Game> parseGame(const QString& option, const QString& value);

} // namespace vendrilo::cli
