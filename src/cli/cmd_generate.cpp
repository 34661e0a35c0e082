#include "cli.h"
#include "core/program/generationactions.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

// A full run of "Tipps berechnen" on the sheet of --tips/--lock, with the options, dates and
// seed of the global options; no weighting list is shown (the run goes on as after its "OK").
int generate(Context& ctx, const CommandArgs&)
{
    ProgramState& s = ctx.state;
    setUpSheet(ctx);
    const auto run = runGeneration(s);
    if (!run) {
        printError(run.error());
        return 3;
    }
    const GenerationResult& result = *run;
    if (result.outcome != GenerationOutcome::Finished) {
        // The run could not start or ended before its first row: the window's message only.
        printError(result.message);
        return 3;
    }
    for (int r = 1; r <= TipSheet::kRows; ++r)
        print(s.sheet.rowString(r));
    print(result.status);
    print(QStringLiteral("passes: %1").arg(result.passes));
    return 0;
}

const CommandRegistration registration(
    "generate", {.summary = "a full generation run on the sheet: twelve rows, status text, passes"},
    generate);

} // namespace

} // namespace vendrilo::cli
