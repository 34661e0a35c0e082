// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/sheetodds.h"

#include "core/money/odds.h"

namespace vendrilo {

SheetOdds sheetOdds(const std::vector<std::array<int, 6>>& rows, bool withPlus, double day,
                    const TicketPrices& prices, const PayoutTable& payouts,
                    const std::function<bool()>& goOn)
{
    SheetOdds odds;
    odds.rows = static_cast<int>(rows.size());
    const std::vector<RowMask> distinct = distinctRows(rows);
    odds.distinctRows = static_cast<int>(distinct.size());
    odds.winningDraws = drawsWithAWinningRow(distinct, goOn);
    odds.stake = stakeOf(odds.rows, withPlus, prices);
    odds.lotto = expectedPrizePerRow(Game::Lotto, day, payouts);
    odds.expected = odds.lotto.forRows(odds.rows);
    odds.expectedComplete = odds.lotto.complete();
    if (withPlus) {
        odds.plus = expectedPrizePerRow(Game::Plus, day, payouts);
        odds.expected += odds.plus->forRows(odds.rows);
        odds.expectedComplete = odds.expectedComplete && odds.plus->complete();
    }
    return odds;
}

std::vector<std::array<int, 6>> playableNumbers(const TipSheet& sheet)
{
    std::vector<std::array<int, 6>> numbers;
    for (const PlayableRow& row : playableRows(sheet))
        numbers.push_back(row.numbers);
    return numbers;
}

} // namespace vendrilo
