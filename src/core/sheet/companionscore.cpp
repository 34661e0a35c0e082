// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sheet/companionscore.h"

#include "core/sheet/rowscore.h"

#include <algorithm>
#include <cmath>

namespace vendrilo {

CompanionScore scoreCompanionDraw(const TipSheet& sheet, double day, Game companion,
                                  const std::vector<DrawRecord>& companionDraws)
{
    CompanionScore score;
    score.game = companion;
    // Both games keep whole days; the draw of a day is found whatever the file's order.
    const auto sameDay = [day](const DrawRecord& r) {
        return std::floor(r.date) == std::floor(day);
    };
    const auto draw = std::find_if(companionDraws.begin(), companionDraws.end(), sameDay);
    if (draw == companionDraws.end())
        return score;
    score.drawFound = true;
    const DrawNumbers numbers = drawNumbersOf(*draw);
    for (int r = 1; r <= TipSheet::kRows; ++r)
        if (sheet.numbers(r))
            score.hits[static_cast<std::size_t>(r - 1)] = scoreRow(sheet.fields(r), numbers).hits;
    return score;
}

} // namespace vendrilo
