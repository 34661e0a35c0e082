// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/game.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

namespace vendrilo::ledger {

// Amounts in grosze (1 zł = 100 grosze): whole numbers, so that every sum is exact.
using Money = qint64;

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
    Money stake = 0;
    QString ticketNumber; // as the sheet carried it
    QString note;         // the user's own words
    std::vector<TicketRow> rows;

    // The games the ticket plays: Lotto, and Lotto Plus when chosen.
    std::vector<Game> games() const;

    bool operator==(const Ticket&) const = default;
};

// What a row costs per draw.
struct Prices {
    Money row = 300;           // a Lotto row
    Money plusSurcharge = 100; // added per row when Plus is played
};

// rows × (row price, + the Plus surcharge) × draws
Money stakeOf(int rows, int draws, bool plus, const Prices& prices);

// "1234.50": two decimals, a point, no thousands separator (the command line's amounts).
QString formatAmount(Money amount);
// "1.234,50 zł": as the window shows money.
QString formatZloty(Money amount);
// An amount as a user types it or a settings field holds it: "3,00 zł", "3.00", "3", "1.234,50",
// "1 000 000"; nothing for any other text, a negative amount or more than two decimals.
std::optional<Money> parseAmount(const QString& text);

} // namespace vendrilo::ledger
