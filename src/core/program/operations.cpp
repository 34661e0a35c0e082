#include "core/program/operations.h"

#include "core/draws/drawfile.h"
#include "core/tipfiles/tipfile.h"

#include <QFileInfo>

namespace vendrilo {

Result<std::vector<DrawRecord>> readDraws(const ProgramState& state)
{
    return drawfile::read(state.drawPath());
}

Result<std::vector<DrawRecord>> readOrCreateDraws(const ProgramState& state)
{
    const QString path = state.drawPath();
    if (QFileInfo::exists(path))
        return drawfile::read(path);
    QString message = drawfile::kMissingFileMessage;
    if (const Status created = drawfile::createEmpty(path); !created)
        message += QLatin1Char('\n') + created.error();
    return Error{message};
}

SheetEvaluation evaluateShownDraw(ProgramState& state)
{
    SheetEvaluation evaluation = evaluateSheet(state.sheet, state.shown.numbers);
    state.statistics = evaluation.statistics;
    return evaluation;
}

SheetEvaluation clearSheet(ProgramState& state)
{
    state.sheet.clearUnlocked();
    return evaluateShownDraw(state);
}

Result<SheetEvaluation> showDrawForChosenDate(ProgramState& state)
{
    const auto draws = readOrCreateDraws(state);
    if (!draws)
        return Error{draws.error()};
    state.shown.dateSearch(*draws, state.chosenDate);
    return evaluateShownDraw(state);
}

namespace {

Result<SheetEvaluation> stepDraws(ProgramState& state, int delta)
{
    const auto draws = readDraws(state);
    if (!draws)
        return Error{draws.error()};
    state.shown.step(*draws, delta, state.chosenDate);
    return evaluateShownDraw(state);
}

} // namespace

Result<SheetEvaluation> showPreviousDraw(ProgramState& state)
{
    return stepDraws(state, -1);
}

Result<SheetEvaluation> showNextDraw(ProgramState& state)
{
    return stepDraws(state, +1);
}

Status loadTipFile(ProgramState& state, const QString& path)
{
    clearSheet(state);
    return readTipFile(path, state.sheet, state.ticketNumber);
}

charts::ChartInput chartInput(const ProgramState& state, std::span<const DrawRecord> draws)
{
    return {draws, state.statisticsStart.date(), state.chosenDate.date(),
            state.options.drawDayFilter(), state.messages};
}

Result<charts::ChartData> computeChart(const ProgramState& state, charts::ChartKind kind)
{
    if (kind == charts::ChartKind::Tips)
        return charts::computeChart(kind, chartInput(state, {}), state.sheet);
    const auto draws = readDraws(state);
    if (!draws)
        return Error{draws.error()};
    return charts::computeChart(kind, chartInput(state, *draws), state.sheet);
}

Result<TipSearchResult> searchHistoryForTips(ProgramState& state, Prompts& prompts,
                                             TipSearchObserver* observer)
{
    const auto threshold = askStopThreshold(state.messages, prompts);
    if (!threshold)
        return TipSearchResult{};
    const auto draws = readDraws(state);
    if (!draws)
        return Error{draws.error()};
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

Result<GenerationResult> runGeneration(ProgramState& state, const GenerationHooks& hooks)
{
    auto draws = readOrCreateDraws(state);
    if (!draws)
        return Error{draws.error()};
    return runGeneration(state, DrawHistory(std::move(draws).value()), hooks);
}

GenerationResult runGeneration(ProgramState& state, const DrawHistory& history,
                               const GenerationHooks& hooks)
{
    const GenerationInput input{history, state.chosenDate, state.statisticsStart.date(),
                                state.shown, state.messages};
    GenerationResult result = runGeneration(input, state.sheet, state.options, state.random, hooks);
    if (result.outcome != GenerationOutcome::LockedRowBad) {
        state.shown = result.shown;
        state.chosenDate = result.chosenDate;
        state.statistics = result.evaluation.statistics;
    }
    return result;
}

} // namespace vendrilo
