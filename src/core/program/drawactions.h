// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/program/programstate.h"
#include "core/sheet/sheetevaluation.h"

#include <vector>

namespace vendrilo {

// The user's actions on the program state, shared by the window and the command line. Each
// reads the draw file itself (every action opens it, works and closes it) and reports a file it
// cannot use through its result; the window shows the message, the command line prints it.

// Sorts, scores and colours the sheet against the shown draw and keeps the statistics.
SheetEvaluation evaluateShownDraw(ProgramState& state);

// The draw file as it stands.
Result<std::vector<DrawRecord>> readDraws(const ProgramState& state);
// The same, but a missing draw file is created empty and reported as "read the draws first".
Result<std::vector<DrawRecord>> readOrCreateDraws(const ProgramState& state);

// The draw for the chosen date (the first on or after it, else the last), then the evaluation.
Result<SheetEvaluation> showDrawForChosenDate(ProgramState& state);
// The same with the draw file's records, read already.
SheetEvaluation showDrawForChosenDate(ProgramState& state, const std::vector<DrawRecord>& draws);
// One draw back or forth in the file, then the evaluation; the chosen date follows the draw.
Result<SheetEvaluation> showPreviousDraw(ProgramState& state);
Result<SheetEvaluation> showNextDraw(ProgramState& state);

} // namespace vendrilo
