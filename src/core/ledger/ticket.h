// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/game.h"
#include "core/money/money.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

namespace vendrilo::ledger {

// A coupon runs for at most ten consecutive draws.
inline constexpr int kMaxDraws = 10;

// One row of a ticket: six different numbers, ascending, and the sheet row it was played from.
struct TicketRow {
    int position = 0; // 1..12
    std::array<int, 6> numbers{};

    bool operator==(const TicketRow&) const = default;
};

// A played ticket: the sheet's complete rows for a run of consecutive Lotto draws, with or
// without Lotto Plus.
struct Ticket {
    qint64 id = 0;        // "K": given by the ledger when the ticket is recorded
    double firstDraw = 0; // the day of its first draw
    int draws = 1;        // consecutive draws from the first, 1..kMaxDraws
    bool plus = false;    // every row also takes part in the Lotto Plus draw of the evening
    Money stake;
    QString ticketNumber; // as the sheet carried it
    QString note;         // the user's own words
    std::vector<TicketRow> rows;

    // The games the ticket plays: Lotto, and Lotto Plus when chosen.
    std::vector<Game> games() const;

    bool operator==(const Ticket&) const = default;
};

// An amount as a user types it from a ticket or a prize notice: "120,50", "3.500,00 zł",
// "1 000 000", "1,234.50", "24"; nothing for any other text, a negative amount or more than two
// decimals. (The fee fields take the plainer parseAmount.)
std::optional<Money> parseTypedAmount(const QString& text);

} // namespace vendrilo::ledger
