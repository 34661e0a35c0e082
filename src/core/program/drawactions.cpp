// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/drawactions.h"

#include "core/draws/drawfile.h"
#include "core/texts/textlist.h"

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
    QString message = text(Text::ReadDrawsFirst);
    if (const Status created = drawfile::createEmpty(path); !created)
        message += QLatin1Char('\n') + created.error();
    return Error{message, ErrorKind::NotFound};
}

SheetEvaluation evaluateShownDraw(ProgramState& state)
{
    SheetEvaluation evaluation = evaluateSheet(state.sheet, state.shown.numbers);
    state.statistics = evaluation.statistics;
    return evaluation;
}

Result<SheetEvaluation> showDrawForChosenDate(ProgramState& state)
{
    const auto draws = readOrCreateDraws(state);
    if (!draws)
        return draws.failure();
    return showDrawForChosenDate(state, *draws);
}

SheetEvaluation showDrawForChosenDate(ProgramState& state, const std::vector<DrawRecord>& draws)
{
    state.shown.dateSearch(draws, state.chosenDate);
    return evaluateShownDraw(state);
}

namespace {

Result<SheetEvaluation> stepDraws(ProgramState& state, int delta)
{
    const auto draws = readDraws(state);
    if (!draws)
        return draws.failure();
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

} // namespace vendrilo
