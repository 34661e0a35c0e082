// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/generationactions.h"

#include "core/program/drawactions.h"

namespace vendrilo {

Result<GenerationResult> generateTips(ProgramState& state, const GenerationHooks& hooks)
{
    auto draws = readOrCreateDraws(state);
    if (!draws)
        return draws.failure();
    return generateTips(state, DrawHistory(std::move(draws).value()), hooks);
}

GenerationResult generateTips(ProgramState& state, const DrawHistory& history,
                              const GenerationHooks& hooks)
{
    const GenerationInput input{history, state.chosenDate, state.statisticsStart.date(),
                                state.shown, state.messages};
    GenerationResult result = runGeneration(input, state.sheet, state.options, state.random, hooks);
    if (result.outcome != GenerationOutcome::LockedRowBad &&
        result.outcome != GenerationOutcome::ImpossibleOptions) {
        state.shown = result.shown;
        state.chosenDate = result.chosenDate;
        state.statistics = result.evaluation.statistics;
    }
    return result;
}

} // namespace vendrilo
