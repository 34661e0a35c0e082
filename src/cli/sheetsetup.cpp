#include "sheetsetup.h"

#include "core/tipfiles/tipfile.h"

namespace vendrilo::cli {

void setUpSheet(Context& ctx)
{
    ProgramState& s = ctx.state;
    for (int r : ctx.lockedRows)
        s.sheet.setLocked(r, true);
    if (!ctx.tipsPath)
        return;
    const TextladenResult loaded = Textladen(s, *ctx.tipsPath);
    if (loaded.error)
        throw Failure{
            QStringLiteral("--tips: cannot read \"%1\": %2").arg(*ctx.tipsPath, *loaded.error)};
}

} // namespace vendrilo::cli
