// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/game.h"
#include "core/money/money.h"
#include "core/money/payouttable.h"
#include "core/money/prizerules.h"

#include <array>
#include <optional>

namespace vendrilo {

// What one class contributes to a row's expected prize: its fixed amount, or for a shared class
// what was paid per winning row in the draws of the twelve months before that had winners.
struct ClassExpectation {
    int hits = 0;
    PrizeKind kind = PrizeKind::Fixed;
    Money fixed;            // fixed classes
    PayoutTable::Paid paid; // shared classes: the sum and the number of draws averaged
    bool known() const { return kind == PrizeKind::Fixed || paid.draws > 0; }
};

// The expected prize of a row in one game's draw. Every row has the same, whatever its numbers:
// each class is reached by the same number of the possible draws.
struct RowExpectation {
    Game game = Game::Lotto;
    std::array<ClassExpectation, 4> classes{};

    // True when every class has an amount.
    bool complete() const;
    // The expected prize of `rows` rows, rounded half up to whole grosze; a class without an
    // amount adds nothing.
    Money forRows(int rows) const;
};

// The expected prize of a row on `day`: fixed prizes as they stand on that day, shared classes
// at the mean paid in the draws of the twelve months up to that day in which they had winners.
RowExpectation expectedPrizePerRow(Game game, double day, const PayoutTable& table);

// The same date a year before `day` (29 February going to 28 February): the twelve months up to
// `day` are the days after it.
double yearBefore(double day);

} // namespace vendrilo
