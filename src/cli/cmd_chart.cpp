#include "cli.h"
#include "core/charts/charts.h"
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

// The sheet the tip distribution counts: the --tips file, or an empty sheet.
charts::TipFields sheetFields(Context& ctx)
{
    setUpSheet(ctx);
    charts::TipFields fields;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        fields[static_cast<std::size_t>(r - 1)] = ctx.state.sheet.fields(r);
    return fields;
}

int chart(Context& ctx, const CommandArgs& args)
{
    const QString& name = args.positional.at(0);
    const auto kind = charts::chartKindFromName(name);
    if (!kind)
        throw Failure{QStringLiteral("chart: unknown chart \"%1\" (one of %2)").arg(name, names())};

    std::vector<DrawRecord> records;
    if (*kind != charts::ChartKind::Tips) {
        auto read = drawfile::readAll(ctx.drawPath);
        if (!read.ok())
            throw Failure{*read.error};
        records = std::move(read.records);
    }
    const ProgramState& s = ctx.state;
    charts::ChartInput in{records, s.picker2.date(), s.picker1.date(), s.drawDayFilter(),
                          s.messages};
    const charts::TipFields fields =
        *kind == charts::ChartKind::Tips ? sheetFields(ctx) : charts::TipFields{};
    const charts::ChartData data = charts::computeChart(*kind, in, fields);

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
