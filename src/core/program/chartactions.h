// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/charts.h"
#include "core/io/result.h"
#include "core/program/programstate.h"

#include <span>

namespace vendrilo {

// The charts over the state's statistics period.

// What the charts read: the draws, the statistics period and the draw-day filter of the state.
charts::ChartInput chartInput(const ProgramState& state, std::span<const DrawRecord> draws);
// One chart over the state's period (the tip distribution reads the sheet, not the file).
Result<charts::ChartData> chartForState(const ProgramState& state, charts::ChartKind kind);

} // namespace vendrilo
