// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetsetup.h"

#include "core/program/sheetactions.h"

namespace vendrilo::cli {

void setUpSheet(Context& ctx)
{
    ProgramState& s = ctx.state;
    for (int r : ctx.lockedRows)
        s.sheet.setLocked(r, true);
    if (!ctx.tipsPath)
        return;
    const Status loaded = loadTipFile(s, *ctx.tipsPath);
    if (!loaded)
        throw Failure{QStringLiteral("--tips: cannot read %1").arg(loaded.error())};
}

} // namespace vendrilo::cli
