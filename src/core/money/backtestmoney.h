// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money/sheetmoney.h"
#include "core/texts/messagelist.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace vendrilo {

// The money side of the parameter back-test: what every pass's sheet cost, what its rows won in
// the draws whose payouts are known, and the return over those draws. This is what a player
// would have paid and got back playing the computed sheets.
struct BacktestMoney {
    // What the passes are priced and paid by; set before the first pass.
    TicketPrices prices;
    PayoutTable payouts;
    std::optional<QString> problem; // the payout table could not be read: no winnings known

    struct Pass {
        double day = 0; // the draw the pass was scored against
        int rows = 0;   // playable rows of its sheet
        std::optional<Money> stake;
        std::optional<Money> won; // nothing where the draw's payouts are not known
    };
    std::vector<Pass> passes;
    Money stake;      // of every pass (passes without a known stake add nothing)
    Money knownStake; // of the passes whose winnings are known
    Money knownWon;
    int knownDraws = 0;

    // Counts a pass: the sheet as it was scored against the draw.
    void addPass(const TipSheet& sheet, const GameDraw& draw);
};

// The lines after the back-test's report: a heading, one line per pass
// ("DD.MM.YYYY<TAB>rows<TAB>stake<TAB>won", "-" for what is not known), then the stake of every
// pass, the winnings in the draws with known payouts against their stake, and the return; the
// problem with the payout table, when there was one, last.
QStringList backtestMoneyLines(const BacktestMoney& money, const MessageList& messages);

} // namespace vendrilo
