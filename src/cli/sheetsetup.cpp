// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetsetup.h"

#include "core/program/sheetactions.h"

namespace vendrilo::cli {

CliStatus setUpSheet(Context& ctx)
{
    ProgramState& s = ctx.state;
    for (int r : ctx.lockedRows)
        s.sheet.setLocked(r, true);
    if (!ctx.tipsPath)
        return {};
    const Status loaded = loadTipFile(s, *ctx.tipsPath);
    if (!loaded)
        return inputFailure(QStringLiteral("--tips: cannot read %1").arg(loaded.error()),
                            loaded.errorKind());
    return {};
}

} // namespace vendrilo::cli
