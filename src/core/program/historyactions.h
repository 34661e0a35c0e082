// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawedits.h"
#include "core/io/prompts.h"
#include "core/io/result.h"
#include "core/program/programstate.h"
#include "core/sheet/sheetevaluation.h"

namespace vendrilo {

// The draw history kept by hand, and the print-out. Every change to the draw file replaces it in
// one atomic step: a failure or a kill at any moment leaves the old file or the new one, whole.
// A missing draw file is reported and nothing is written.

// The draw the entry dialog starts from: the draw on screen; else the one of the chosen day,
// else the newest.
Result<DrawRecord> drawEntryTemplate(const ProgramState& state);

// Stores a draw typed in (its numbers sorted), then shows the draw for the day after the newest
// draw stored before and scores the sheet against it: a new newest draw is then shown itself.
Result<SheetEvaluation> enterDraw(ProgramState& state, const DrawRecord& entered);

// Deletes every record of the shown draw's day after asking (a deleted draw cannot be brought
// back), then shows the draw for the chosen date. Nothing when the answer is no.
Result<std::optional<SheetEvaluation>> deleteShownDraw(ProgramState& state, Prompts& prompts);

// Merges published results from a file into the draw file and shows the newest draw. A file
// that holds no draw line at all is reported as an error and changes nothing.
Result<DrawImport> importDrawsFrom(ProgramState& state, const QString& path);

// "Tipp.txt" in the program folder; its path when written.
Result<QString> writePrintoutFile(const ProgramState& state);

} // namespace vendrilo
