// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "core/program/chartactions.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

QString names(const QString& separator = QStringLiteral(", "))
{
    QStringList list;
    for (int k = 0; k < charts::kChartKindCount; ++k)
        list << charts::chartName(static_cast<charts::ChartKind>(k));
    return list.join(separator);
}

CliResult<int> chart(Context& ctx, const CommandArgs& args)
{
    const QString& name = args.positional.at(0);
    const auto kind = charts::chartKindFromName(name);
    if (!kind)
        return inputFailure(
            QStringLiteral("chart: unknown chart \"%1\" (one of %2)").arg(name, names()));

    // The tip distribution counts the sheet: the --tips file, or an empty sheet.
    if (*kind == charts::ChartKind::Tips)
        if (const CliStatus sheet = setUpSheet(ctx); !sheet)
            return sheet.failure();
    const auto chart = chartForState(ctx.state, *kind);
    if (!chart)
        return inputFailure(chart.failure());
    const charts::ChartData& data = *chart;

    QByteArray out = data.heading().toUtf8() + '\n';
    out += data.valueAxis.automatic ? "axis: auto " : "axis: ";
    out += QByteArray::number(data.valueAxis.minimum) + ' ' +
           QByteArray::number(data.valueAxis.maximum) + '\n';
    for (const charts::ChartPoint& p : data.points) {
        out += QByteArray::number(p.x) + ' ' + QByteArray::number(p.y) + " #" +
               QByteArray::number(p.colour, 16).rightJustified(6, '0').toUpper() + '\n';
    }
    write(out);
    return 0;
}

const CommandRegistration
    registration("chart",
                 {.arguments = "NAME",
                  .summary = "the heading, value axis and bars of the chart NAME, one of",
                  .details = names(QStringLiteral(" ")),
                  .minArguments = 1,
                  .maxArguments = 1},
                 chart);

} // namespace

} // namespace vendrilo::cli
