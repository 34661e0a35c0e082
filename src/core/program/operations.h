#pragma once

#include "core/charts/charts.h"
#include "core/evaluation/tipsearch.h"
#include "core/generator/generationrun.h"
#include "core/io/result.h"
#include "core/program/programstate.h"

#include <vector>

namespace vendrilo {

// The user's actions on the program state, shared by the window and the command line. Each
// reads the draw file itself (every action opens it, works and closes it) and reports a file it
// cannot use through its result; the window shows the message, the command line prints it.

// The draw file as it stands.
Result<std::vector<DrawRecord>> readDraws(const ProgramState& state);
// The same, but a missing draw file is created empty and reported as "read the draws first".
Result<std::vector<DrawRecord>> readOrCreateDraws(const ProgramState& state);

// Sorts, scores and colours the sheet against the shown draw and keeps the statistics.
SheetEvaluation evaluateShownDraw(ProgramState& state);
// Empties the unlocked rows and evaluates the sheet.
SheetEvaluation clearSheet(ProgramState& state);

// The draw for the chosen date (the first on or after it, else the last), then the evaluation.
Result<SheetEvaluation> showDrawForChosenDate(ProgramState& state);
// One draw back or forth in the file, then the evaluation; the chosen date follows the draw.
Result<SheetEvaluation> showPreviousDraw(ProgramState& state);
Result<SheetEvaluation> showNextDraw(ProgramState& state);

// Clears the unlocked rows (evaluating as clearing does), then reads a tip file into the sheet
// and the ticket number. When the file cannot be read the clearing has happened.
Status loadTipFile(ProgramState& state, const QString& path);

// What the charts read: the draws, the statistics period and the draw-day filter of the state.
charts::ChartInput chartInput(const ProgramState& state, std::span<const DrawRecord> draws);
// One chart over the state's period (the tip distribution reads the sheet, not the file).
Result<charts::ChartData> computeChart(const ProgramState& state, charts::ChartKind kind);

// Asks for the stop threshold, then searches the statistics period (both ends included) for the
// sheet's rows; the statistics of the last evaluation at a hit are kept.
Result<TipSearchResult> searchHistoryForTips(ProgramState& state, Prompts& prompts,
                                             TipSearchObserver* observer = nullptr);

// A generation run on the state's sheet, options and random source; afterwards the draw for the
// chosen date is shown and the sheet evaluated against it.
Result<GenerationResult> runGeneration(ProgramState& state, const GenerationHooks& hooks = {});
// The same on draws already in memory (an analysis runs many generations on one history).
GenerationResult runGeneration(ProgramState& state, const DrawHistory& history,
                               const GenerationHooks& hooks = {});

} // namespace vendrilo
