#include "cli.h"

namespace vendrilo::cli {

namespace {

int show(Context& ctx, const CommandArgs&)
{
    ShownDraw& shown = ctx.state.shown;
    const auto result = shown.dateSearch(ctx.drawPath, ctx.state.picker1);
    if (result.outcome == ShownDraw::SearchOutcome::Unreadable)
        throw Failure{result.error};
    print(shown.label29);
    print(shown.label13);
    print(QStringLiteral("Position: %1").arg(shown.Position));
    return 0;
}

const CommandRegistration registration(
    "show", {.summary = "the draw the window shows for --date: its two labels and its position"},
    show);

} // namespace

} // namespace vendrilo::cli
