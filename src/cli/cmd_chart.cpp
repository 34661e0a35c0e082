#include "cli.h"
#include "core/program/operations.h"
#include "sheetsetup.h"

#include <cstdio>

namespace vendrilo::cli {

namespace {

QString names()
{
    QStringList list;
    for (int k = 0; k < charts::kChartKindCount; ++k)
        list << charts::chartName(static_cast<charts::ChartKind>(k));
    return list.join(QStringLiteral(", "));
}

int chart(Context& ctx, const QStringList& args)
{
    if (args.size() != 1)
        throw Failure{QStringLiteral("chart: name one chart: %1").arg(names())};
    const auto kind = charts::chartKindFromName(args.at(0));
    if (!kind)
        throw Failure{
            QStringLiteral("chart: unknown chart \"%1\" (one of %2)").arg(args.at(0), names())};

    // The tip distribution counts the sheet: the --tips file, or an empty sheet.
    if (*kind == charts::ChartKind::Tips)
        setUpSheet(ctx);
    const auto chart = computeChart(ctx.state, *kind);
    if (!chart)
        throw Failure{chart.error()};
    const charts::ChartData& data = *chart;

    QByteArray out = data.heading().toUtf8() + '\n';
    out += data.valueAxis.automatic ? "axis: auto " : "axis: ";
    out += QByteArray::number(data.valueAxis.minimum) + ' ' +
           QByteArray::number(data.valueAxis.maximum) + '\n';
    for (const charts::ChartPoint& p : data.points) {
        out += QByteArray::number(p.x) + ' ' + QByteArray::number(p.y) + " #" +
               QByteArray::number(p.colour, 16).rightJustified(6, '0').toUpper() + '\n';
    }
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return 0;
}

const CommandRegistration registration("chart", chart);

} // namespace

} // namespace vendrilo::cli
