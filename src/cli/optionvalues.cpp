// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionvalues.h"

#include "cli.h"
#include "core/draws/dates.h"

#include <limits>

namespace vendrilo::cli {

CliResult<double> parseDateOption(const QString& option, const QString& value)
{
    const auto day = parseDate(value);
    if (!day)
        return inputFailure(QStringLiteral("%1: not a date DD.MM.YYYY: \"%2\"").arg(option, value));
    return *day;
}

CliResult<std::vector<int>> parseRows(const QString& value)
{
    std::vector<int> rows;
    for (const QString& part : value.split(QLatin1Char(','))) {
        bool ok = false;
        const int r = part.trimmed().toInt(&ok);
        if (!ok || r < 1 || r > 12)
            return inputFailure(QStringLiteral("--lock: rows are 1..12, got \"%1\"").arg(value));
        rows.push_back(r);
    }
    return rows;
}

CliResult<quint32> parseSeed(const QString& value)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < INT32_MIN || n > UINT32_MAX)
        return inputFailure(QStringLiteral("--seed: not a 32-bit integer: \"%1\"").arg(value));
    return static_cast<quint32>(n);
}

CliResult<Game> parseGame(const QString& option, const QString& value)
{
    if (const auto game = gameByName(value))
        return *game;
    return inputFailure(QStringLiteral("%1: lotto or plus, not \"%2\"").arg(option, value));
}

} // namespace vendrilo::cli
