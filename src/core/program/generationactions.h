// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawhistory.h"
#include "core/generator/generationrun.h"
#include "core/io/result.h"
#include "core/program/programstate.h"

namespace vendrilo {

// A generation run on the state's sheet, options and random source; afterwards the draw for the
// chosen date is shown and the sheet evaluated against it.
Result<GenerationResult> generateTips(ProgramState& state, const GenerationHooks& hooks = {});
// The same on draws already in memory (an analysis runs many generations on one history).
GenerationResult generateTips(ProgramState& state, const DrawHistory& history,
                              const GenerationHooks& hooks = {});

} // namespace vendrilo
