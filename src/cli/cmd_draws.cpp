// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "core/draws/drawfile.h"

namespace vendrilo::cli {

QByteArray drawsLine(const DrawRecord& record)
{
    QByteArray line = formatDate(record.date).toLatin1();
    for (int i = 0; i < 8; ++i) {
        line += ',';
        line += QByteArray::number(record.numberByte(i));
    }
    return line + '\n';
}

namespace {

CliResult<int> draws(Context& ctx, const CommandArgs&)
{
    const auto records = drawfile::read(ctx.drawPath);
    if (!records)
        return inputFailure(records.failure());
    QByteArray out;
    out.reserve(static_cast<qsizetype>(records->size() * 40));
    for (const auto& r : *records)
        out += drawsLine(r);
    write(out);
    return 0;
}

const CommandRegistration
    registration("draws",
                 {.summary = "every record of the draw file: date, six numbers, bonus, Superzahl"},
                 draws);

} // namespace

} // namespace vendrilo::cli
