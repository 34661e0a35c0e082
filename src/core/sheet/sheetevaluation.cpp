// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sheet/sheetevaluation.h"

#include <algorithm>

namespace vendrilo {

QString hitsLabelText(int hits, bool hasBonus)
{
    QString text = QString::number(hits);
    if (hasBonus)
        text += QStringLiteral(" + B");
    return text;
}

SheetEvaluation evaluateSheet(TipSheet& sheet, const DrawNumbers& draw)
{
    SheetEvaluation result;
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

        const RowScore score = scoreRow(sheet.fields(r), draw);
        for (std::size_t k = 0; k < row.colours.size(); ++k) {
            const quint8 match = score.fieldMatch[k + 1];
            row.colours[k] = match == 1   ? FieldColour::Lime
                             : match == 2 ? FieldColour::Yellow
                                          : FieldColour::Window;
        }
        row.hitsLabel = hitsLabelText(score.hits, score.hasBonus);
        row.hitsRed = score.hits >= 3;

        const auto g = static_cast<std::size_t>(std::clamp(score.hits, 0, 6));
        ++result.statistics[g][score.hasBonus ? 1 : 0];
        if (score.hits >= 3)
            result.playSound = true;
        result.maximum = std::max(result.maximum, score.hits);

        auto& verdict = result.rows[static_cast<std::size_t>(r - 1)];
        verdict.scored = true;
        verdict.hits = score.hits;
        verdict.hasBonus = score.hasBonus;
    }
    return result;
}

} // namespace vendrilo
