#include "core/evaluation/komplettcheck.h"

#include "core/app/programstate.h"

#include <algorithm>

namespace vendrilo {

QString hitsLabelText(int Gewinn, bool Zusatz)
{
    QString text = QString::number(Gewinn);
    if (Zusatz)
        text += QStringLiteral(" + B");
    return text;
}

SheetEvaluation Komplettcheck(TipSheet& sheet, const DrawNumbers& Zahl, bool sortieren)
{
    SheetEvaluation result;
    if (!sortieren)
        return result;
    result.evaluated = true;

    for (int r = 1; r <= TipSheet::kRows; ++r) {
        TipSheet::Row& row = sheet.row(r);
        auto numbers = sheet.numbers(r);
        if (!numbers) {
            row.colours.fill(FieldColour::Window);
            row.hitsLabel.clear();
            row.crossSumLabel.clear();
            row.hitsRed = false;
            continue;
        }
        int sum = 0;
        for (int n : *numbers)
            sum += n;
        row.crossSumLabel = QString::number(sum);

        std::sort(numbers->begin(), numbers->end());
        sheet.setRow(r, *numbers);

        const RowCheck check = Zettelcheck(sheet.fields(r), Zahl);
        for (std::size_t k = 0; k < row.colours.size(); ++k) {
            const quint8 t = check.Treffer[k + 1];
            row.colours[k] = t == 1   ? FieldColour::Lime
                             : t == 2 ? FieldColour::Yellow
                                      : FieldColour::Window;
        }
        row.hitsLabel = hitsLabelText(check.Gewinn, check.Zusatz);
        row.hitsRed = check.Gewinn >= 3;

        const auto g = static_cast<std::size_t>(std::clamp(check.Gewinn, 0, 6));
        ++result.Statistik[g][check.Zusatz ? 1 : 0];
        if (check.Gewinn >= 3)
            result.playSound = true;
        result.maximum = std::max(result.maximum, check.Gewinn);

        auto& verdict = result.rows[static_cast<std::size_t>(r - 1)];
        verdict.scored = true;
        verdict.Gewinn = check.Gewinn;
        verdict.Zusatz = check.Zusatz;
    }
    return result;
}

SheetEvaluation Komplettcheck(ProgramState& state)
{
    SheetEvaluation result = Komplettcheck(state.sheet, state.shown.Zahl, state.sortieren);
    state.Statistik = result.Statistik;
    return result;
}

SheetEvaluation SpeedButton11Click(ProgramState& state)
{
    state.sheet.clearUnlocked();
    const bool remembered = state.sortieren;
    state.sortieren = true;
    SheetEvaluation result = Komplettcheck(state);
    state.sortieren = remembered;
    return result;
}

DateSearchEvaluation SpeedButton5Click(ProgramState& state)
{
    DateSearchEvaluation result;
    result.search = state.shown.dateSearch(state.drawPath(), state.picker1);
    if (result.search.outcome == ShownDraw::SearchOutcome::Shown ||
        result.search.outcome == ShownDraw::SearchOutcome::EmptyFile)
        result.evaluation = Komplettcheck(state);
    return result;
}

} // namespace vendrilo
