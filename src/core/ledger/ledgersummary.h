// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ledger/ledgerstore.h"

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace vendrilo::ledger {

// Winning rows counted by game and hits (entries 3..6 used).
using WinCounts = std::array<std::array<int, 7>, kGameCount>;

// A ticket with what its checks brought so far.
struct TicketLine {
    Ticket ticket;
    Money won;              // the known amounts of its winning rows
    bool prizeOpen = false; // a winning row whose amount is not known yet
    int openDraws = 0;      // draws not yet checked in every game the ticket plays
    WinCounts wins{};
    Money balance; // won − stake of this ticket and every one before it in the list
};

// One line per ticket, ordered by first draw day, then by id, with the running balance.
std::vector<TicketLine> ticketLines(const std::vector<Ticket>& tickets,
                                    const std::vector<DrawCheck>& checks);

// The sums over the tickets whose first draw lies in a period.
struct Totals {
    int tickets = 0;
    Money stake;
    Money won;
    bool prizeOpen = false;
    int openDraws = 0;
    WinCounts wins{};

    Money balance() const { return Money{won.grosze - stake.grosze}; }
    // What came back of the stake, in per cent; nothing without any stake.
    std::optional<double> returnPercent() const;
};

// Sums the lines whose first draw day lies in [from, to].
Totals totalsOf(const std::vector<TicketLine>& lines, double from, double to);

// The lines as a CSV table for a spreadsheet: a header, then one line per ticket. Comma
// separated, amounts with a decimal point, texts quoted where they need it.
QStringList csvLines(const std::vector<TicketLine>& lines);

} // namespace vendrilo::ledger
