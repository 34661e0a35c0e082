// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "core/program/drawactions.h"

namespace vendrilo::cli {

namespace {

CliResult<int> show(Context& ctx, const CommandArgs&)
{
    ShownDraw& shown = ctx.state.shown;
    const auto draws = readOrCreateDraws(ctx.state);
    if (!draws)
        return inputFailure(draws.failure());
    shown.dateSearch(*draws, ctx.state.chosenDate);
    printShownDraw(shown);
    return 0;
}

const CommandRegistration registration(
    "show", {.summary = "the draw the window shows for --date: its two labels and its position"},
    show);

} // namespace

} // namespace vendrilo::cli
