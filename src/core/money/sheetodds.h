// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money/expectedprize.h"
#include "core/money/sheetmoney.h"

#include <functional>
#include <optional>
#include <vector>

namespace vendrilo {

// What a sheet may win in one draw: the chance that any of its rows wins, counted exactly, and
// the expected prize against the stake.
struct SheetOdds {
    int rows = 0;                       // playable rows (each one paid for)
    int distinctRows = 0;               // of which different
    std::optional<qint64> winningDraws; // of kPossibleDraws; nothing when the count was stopped
    std::optional<Money> stake;
    RowExpectation lotto; // per row
    std::optional<RowExpectation> plus;
    Money expected;               // of every row, in Lotto and, when played with it, in Lotto Plus
    bool expectedComplete = true; // false when a shared class had no amount to average
};

// The odds of the rows on `day`'s prizes (see expectedPrizePerRow). `goOn` can stop the count.
SheetOdds sheetOdds(const std::vector<std::array<int, 6>>& rows, bool withPlus, double day,
                    const TicketPrices& prices, const PayoutTable& payouts,
                    const std::function<bool()>& goOn = {});

// The numbers of the sheet's playable rows.
std::vector<std::array<int, 6>> playableNumbers(const TipSheet& sheet);

} // namespace vendrilo
