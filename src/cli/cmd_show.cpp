#include "cli.h"
#include "core/program/operations.h"

namespace vendrilo::cli {

namespace {

int show(Context& ctx, const QStringList&)
{
    ShownDraw& shown = ctx.state.shown;
    const auto draws = readOrCreateDraws(ctx.state);
    if (!draws)
        throw Failure{draws.error()};
    shown.dateSearch(*draws, ctx.state.chosenDate);
    print(shown.drawLine);
    print(shown.crossSumText);
    print(QStringLiteral("Position: %1").arg(shown.position));
    return 0;
}

const CommandRegistration registration("show", show);

} // namespace

} // namespace vendrilo::cli
