#include "cli.h"
#include "core/draws/drawfile.h"

namespace vendrilo::cli {

namespace {

int draws(Context& ctx, const QStringList&)
{
    const auto records = drawfile::read(ctx.drawPath);
    if (!records)
        throw Failure{records.error()};
    QByteArray out;
    out.reserve(static_cast<qsizetype>(records->size() * 40));
    for (const auto& r : *records) {
        out += formatDate(r.date).toLatin1();
        for (int i = 0; i < 8; ++i) {
            out += ',';
            out += QByteArray::number(r.numberByte(i));
        }
        out += '\n';
    }
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return 0;
}

const CommandRegistration registration("draws", draws);

} // namespace

} // namespace vendrilo::cli
