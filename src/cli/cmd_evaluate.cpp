// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "core/program/drawactions.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

// The sheet scored against the draw the window shows for --date.
CliResult<int> evaluate(Context& ctx, const CommandArgs&)
{
    ProgramState& s = ctx.state;
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    const auto evaluation = showDrawForChosenDate(s);
    if (!evaluation)
        return inputFailure(evaluation.failure());

    for (int r = 1; r <= TipSheet::kRows; ++r) {
        const TipSheet::Row& row = s.sheet.row(r);
        print(QStringLiteral("%1\t%2\t%3\t%4")
                  .arg(r)
                  .arg(s.sheet.rowString(r), row.hitsLabel, row.crossSumLabel));
    }
    QString line = QStringLiteral("Statistik:");
    for (const auto& byHits : s.statistics)
        for (quint32 count : byHits)
            line += QLatin1Char(' ') + QString::number(count);
    print(line);
    return 0;
}

const CommandRegistration registration(
    "evaluate",
    {.summary = "the sheet scored against the draw shown for --date: rows, hits, statistics"},
    evaluate);

} // namespace

} // namespace vendrilo::cli
