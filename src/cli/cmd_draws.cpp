#include "cli.h"

namespace vendrilo::cli {

namespace {

int draws(Context& ctx, const QStringList&)
{
    auto read = drawfile::readAll(ctx.drawPath);
    if (!read.ok())
        throw Failure{*read.error};
    QByteArray out;
    out.reserve(static_cast<qsizetype>(read.records.size() * 40));
    for (const auto& r : read.records) {
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
