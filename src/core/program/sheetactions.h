// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/evaluation/tipsearch.h"
#include "core/io/result.h"
#include "core/program/drawactions.h"

namespace vendrilo {

// What the user does with the sheet: clear it, load a tip file into it, search the history for it.

// Empties the unlocked rows and evaluates the sheet.
SheetEvaluation clearSheet(ProgramState& state);

// Clears the unlocked rows (evaluating as clearing does), then reads a tip file into the sheet
// and the ticket number. When the file cannot be read the clearing has happened.
Status loadTipFile(ProgramState& state, const QString& path);

// Asks for the stop threshold, then searches the statistics period (both ends included) for the
// sheet's rows; the statistics of the last evaluation at a hit are kept.
Result<TipSearchResult> searchHistoryForTips(ProgramState& state, Prompts& prompts,
                                             TipSearchObserver* observer = nullptr);

} // namespace vendrilo
