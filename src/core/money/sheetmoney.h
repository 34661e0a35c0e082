// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/showndraw.h"
#include "core/money/money.h"
#include "core/money/payouttable.h"
#include "core/sheet/tipsheet.h"

#include <optional>
#include <vector>

namespace vendrilo {

// What a row costs: the Lotto row price and the Lotto Plus surcharge per row, as the fee fields
// give them; nothing for a field that holds no amount.
struct TicketPrices {
    std::optional<Money> row;
    std::optional<Money> plusSurcharge;
};

// The rows of the sheet that can be played: those whose six fields all hold a number, with
// their row numbers 1..12.
struct PlayableRow {
    int row = 0;
    std::array<int, 6> numbers{};
};
std::vector<PlayableRow> playableRows(const TipSheet& sheet);

// The stake of `rows` rows, with the surcharge per row when played with Lotto Plus; nothing
// when a price it needs is not known.
std::optional<Money> stakeOf(int rows, bool withPlus, const TicketPrices& prices);

// A draw of one game on its day.
struct GameDraw {
    double day = 0;
    DrawNumbers numbers{};
};

// One row's result in money: hits and prize in the Lotto draw, and in the Lotto Plus draw of
// the same evening when the sheet is played with Plus and that draw is known.
struct RowPrize {
    int row = 0;
    int hits = 0;
    std::optional<Money> prize; // nothing: a shared class whose amount is not known
    std::optional<int> plusHits;
    std::optional<Money> plusPrize;
};

struct SheetPrizes {
    std::vector<RowPrize> rows;
    bool withPlus = false;
    bool plusDrawKnown = false;
    std::optional<Money> stake;
    Money won;               // the sum of the prizes known
    bool wonComplete = true; // false when some prize was not known
};

// The sheet's playable rows against the Lotto draw and, when played with Plus, the Plus draw
// of the same day (`plus` empty when none is stored).
SheetPrizes sheetPrizes(const TipSheet& sheet, const GameDraw& lotto, bool withPlus,
                        const std::optional<GameDraw>& plus, const TicketPrices& prices,
                        const PayoutTable& payouts);

} // namespace vendrilo
