// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/game.h"
#include "core/money/money.h"
#include "core/money/payouttable.h"

#include <array>
#include <optional>

namespace vendrilo {

// How a prize class pays one winning row.
enum class PrizeKind {
    Fixed,  // a set amount, changed now and then by the operator
    Shared, // the class's pool divided among its winners: known only once paid
};

// A fixed amount and the first draw day it was paid on.
struct FixedAmount {
    double fromDay = 0;
    Money amount;
};

struct PrizeClassRule {
    int hits = 0;
    PrizeKind kind = PrizeKind::Fixed;
    // Fixed classes: the amounts in the order they took effect; unused entries hold 0.00.
    std::array<FixedAmount, 2> amounts{};
};

// The prizes of one game: its classes for 3, 4, 5 and 6 hits.
struct GamePrizeRules {
    Game game;
    // True when the payout table holds this game's draws: a fixed class then pays the table's
    // amount for a draw it holds (the table is what was really paid).
    bool paidFromTable = false;
    std::array<PrizeClassRule, 4> classes;

    const PrizeClassRule& rule(int hits) const
    {
        return classes[static_cast<std::size_t>(hits - kLowestPrizeHits)];
    }
};

const GamePrizeRules& prizeRules(Game game);

// The amount a fixed class pays for a draw on `day` that the payout table does not hold: the
// newer of the last amount taking effect by then and the newest one the table paid by then.
Money fixedAmountInForce(Game game, int hits, double day, const PayoutTable& table);

// The prize per row for `hits` in the game's draw on `day`: 0.00 below three hits, the fixed
// amount, or a shared class's amount from the payout table. Nothing where it is not known: a
// shared class of a draw the table does not hold, or one that had no winner (the amount a first
// winner would have had is not published).
std::optional<Money> prizeFor(Game game, int hits, double day, const PayoutTable& table);

} // namespace vendrilo
