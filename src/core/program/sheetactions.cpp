// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/sheetactions.h"

#include "core/tipfiles/tipfile.h"

namespace vendrilo {

SheetEvaluation clearSheet(ProgramState& state)
{
    state.sheet.clearUnlocked();
    return evaluateShownDraw(state);
}

Status loadTipFile(ProgramState& state, const QString& path)
{
    clearSheet(state);
    return readTipFile(path, state.sheet, state.ticketNumber);
}

Result<TipSearchResult> searchHistoryForTips(ProgramState& state, Prompts& prompts,
                                             TipSearchObserver* observer)
{
    const auto threshold = askStopThreshold(state.messages, prompts);
    if (!threshold)
        return TipSearchResult{};
    const auto draws = readDraws(state);
    if (!draws)
        return draws.failure();
    const TipSearchInput input{*draws,
                               state.statisticsStart.date(),
                               state.chosenDate.date(),
                               state.options.drawDayFilter(),
                               *threshold,
                               state.messages};
    TipSearchResult result =
        searchHistoryForTips(input, state.sheet, state.shown, prompts, observer);
    if (result.lastEvaluation)
        state.statistics = result.lastEvaluation->statistics;
    return result;
}

} // namespace vendrilo
