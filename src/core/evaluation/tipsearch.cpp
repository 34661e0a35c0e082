// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/evaluation/tipsearch.h"

#include "core/draws/dates.h"
#include "core/texts/integers.h"

namespace vendrilo {

std::optional<int> askStopThreshold(const MessageList& messages, Prompts& prompts)
{
    return askInteger(prompts, messages.text(Msg::StopAtHitsTitle), messages.text(Msg::TipTest),
                      QStringLiteral("6"))
        .number;
}

TipSearchResult searchHistoryForTips(const TipSearchInput& in, TipSheet& sheet, ShownDraw& shown,
                                     Prompts& prompts, TipSearchObserver* observer)
{
    TipSearchResult result;
    result.started = true;
    const MessageList& m = in.messages;
    if (observer)
        observer->searchStarted();

    for (const DrawRecord& record : in.draws) {
        const double d = record.date;
        if (!(in.periodStart <= d && d <= in.periodEnd) || !in.filter.accepts(d))
            continue;
        ++result.examined;
        shown.show(record);
        if (observer)
            observer->drawExamined(shown);

        for (int r = 1; r <= TipSheet::kRows; ++r) {
            const RowScore score = scoreRow(sheet.fields(r), shown.numbers);
            TipSheet::Row& row = sheet.row(r);
            row.hitsLabel = hitsLabelText(score.hits, score.hasBonus);
            row.hitsRed = score.hits >= 3;
            if (observer)
                observer->rowChecked(r, row);
            if (score.hits < in.threshold)
                continue;

            ++result.hits;
            result.lastEvaluation = evaluateSheet(sheet, shown.numbers);
            if (observer)
                observer->sheetEvaluated(*result.lastEvaluation);
            const QString text =
                m.text(Msg::HitFoundOn) + formatDate(d) + QStringLiteral("   ") + m.text(Msg::GoOn);
            if (!prompts.askYesNo(m.text(Msg::DrawFound), text)) {
                result.stopped = true;
                return result;
            }
        }
    }
    return result;
}

} // namespace vendrilo
