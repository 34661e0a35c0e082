// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/sheetmoney.h"

#include "core/money/prizerules.h"
#include "core/sheet/rowscore.h"

namespace vendrilo {

std::vector<PlayableRow> playableRows(const TipSheet& sheet)
{
    std::vector<PlayableRow> rows;
    for (int r = 1; r <= TipSheet::kRows; ++r)
        if (const auto numbers = sheet.numbers(r))
            rows.push_back({r, *numbers});
    return rows;
}

std::optional<Money> stakeOf(int rows, bool withPlus, const TicketPrices& prices)
{
    if (!prices.row || (withPlus && !prices.plusSurcharge))
        return std::nullopt;
    const Money perRow = *prices.row + (withPlus ? *prices.plusSurcharge : Money{});
    return perRow * rows;
}

SheetPrizes sheetPrizes(const TipSheet& sheet, const GameDraw& lotto, bool withPlus,
                        const std::optional<GameDraw>& plus, const TicketPrices& prices,
                        const PayoutTable& payouts)
{
    SheetPrizes result;
    result.withPlus = withPlus;
    result.plusDrawKnown = withPlus && plus.has_value();
    const auto add = [&result](const std::optional<Money>& prize) {
        if (prize)
            result.won += *prize;
        else
            result.wonComplete = false;
    };
    for (const PlayableRow& p : playableRows(sheet)) {
        RowPrize row;
        row.row = p.row;
        row.hits = scoreRow(p.numbers, lotto.numbers).hits;
        row.prize = prizeFor(Game::Lotto, row.hits, lotto.day, payouts);
        add(row.prize);
        if (result.plusDrawKnown) {
            row.plusHits = scoreRow(p.numbers, plus->numbers).hits;
            row.plusPrize = prizeFor(Game::Plus, *row.plusHits, plus->day, payouts);
            add(row.plusPrize);
        }
        result.rows.push_back(row);
    }
    result.stake = stakeOf(static_cast<int>(result.rows.size()), withPlus, prices);
    return result;
}

} // namespace vendrilo
