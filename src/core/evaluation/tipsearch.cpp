#include "core/evaluation/tipsearch.h"

#include "core/app/programstate.h"
#include "core/app/prompts.h"
#include "core/draws/drawfile.h"

namespace vendrilo {

TipSearchResult SpeedButton4Click(ProgramState& state, Prompts& prompts,
                                  TipSearchObserver* observer)
{
    TipSearchResult result;
    const MessageList& m = state.messages;
    const auto threshold =
        parseInteger(prompts.inputText(m.line(4), m.line(5), QStringLiteral("6")));
    if (!threshold)
        return result;
    result.started = true;

    const auto read = drawfile::readAll(state.drawPath());
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    state.shown.aktDatum = state.picker2.date();
    state.dfb = state.picker1.date();
    const DrawDayFilter filter = state.drawDayFilter();
    if (observer)
        observer->searchStarted();

    for (const DrawRecord& record : read.records) {
        const double d = record.date;
        if (!(state.shown.aktDatum <= d && d <= state.dfb) || !filter.accepts(d))
            continue;
        ++result.examined;
        // The search shows each draw without touching Position or the date picker.
        state.shown.show(record);
        if (observer)
            observer->drawExamined(state.shown);

        for (int r = 1; r <= TipSheet::kRows; ++r) {
            const RowCheck check = Zettelcheck(state.sheet.fields(r), state.shown.Zahl);
            TipSheet::Row& row = state.sheet.row(r);
            row.hitsLabel = hitsLabelText(check.Gewinn, check.Zusatz);
            row.hitsRed = check.Gewinn >= 3;
            if (observer)
                observer->rowChecked(r, row);
            if (check.Gewinn < *threshold)
                continue;

            ++result.hits;
            const SheetEvaluation evaluation = Komplettcheck(state);
            if (observer)
                observer->sheetEvaluated(evaluation);
            const QString text = m.line(6) + formatDate(d) + QStringLiteral("   ") + m.line(7);
            if (!prompts.askYesNo(m.line(8), text)) {
                result.stopped = true;
                return result;
            }
        }
    }
    return result;
}

} // namespace vendrilo
