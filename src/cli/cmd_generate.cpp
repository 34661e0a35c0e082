// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli.h"
#include "core/generator/weightlist.h"
#include "core/program/generationactions.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

// A full run of "Tipps berechnen" on the sheet of --tips/--lock, with the options, dates and
// seed of the global options. No weighting list is shown (the run goes on as after its "OK");
// with --weights the run takes the pool of that list, as after "&Rechnen" on it.
CliResult<int> generate(Context& ctx, const CommandArgs& args)
{
    ProgramState& s = ctx.state;
    GenerationHooks hooks;
    WeightList weights;
    if (const auto file = args.option(QStringLiteral("--weights"))) {
        if (const Status loaded = loadWeightList(weights, *file); !loaded) {
            printError(loaded.error());
            return 2;
        }
        s.options.set(Option::ShowWeightingList, 1);
        hooks.editPool = [&weights](NumberPool& pool) {
            pool = weights.pool();
            return true;
        };
    }
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    const auto run = generateTips(s, hooks);
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

const CommandRegistration
    registration("generate",
                 {.summary = "a full generation run on the sheet: twelve rows, status text, passes",
                  .options = {{"--weights", "FILE.qkw",
                               "draw from the weighting list in FILE, as its "
                               "\"&Rechnen\" does"}}},
                 generate);

} // namespace

} // namespace vendrilo::cli
