// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/chartactions.h"

#include "core/program/drawactions.h"

namespace vendrilo {

charts::ChartInput chartInput(const ProgramState& state, std::span<const DrawRecord> draws)
{
    return {draws, state.statisticsStart.date(), state.chosenDate.date(),
            state.options.drawDayFilter(), state.messages};
}

Result<charts::ChartData> chartForState(const ProgramState& state, charts::ChartKind kind)
{
    if (kind == charts::ChartKind::Tips)
        return charts::computeChart(kind, chartInput(state, {}), state.sheet);
    const auto draws = readDraws(state);
    if (!draws)
        return draws.failure();
    return charts::computeChart(kind, chartInput(state, *draws), state.sheet);
}

} // namespace vendrilo
