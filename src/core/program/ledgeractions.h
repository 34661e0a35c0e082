// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/ledger/ledgerstore.h"
#include "core/ledger/ticketcheck.h"
#include "core/program/programstate.h"

namespace vendrilo {

// The ticket ledger's actions on the program state, shared by the window and the command line.
// The ledger itself is a LedgerStore handed in; the core never opens a database.

// The file of the ledger in the program folder.
QString ledgerPathIn(const ProgramState& state);

// What a row costs, from the fields of the "Internet-Optionen" tab.
ledger::Prices ticketPrices(const ProgramState& state);

// The ticket "Spielen" records: the sheet's complete rows (six numbers each, ascending), for
// `draws` consecutive draws from the next Lotto draw after the shown draw (after the chosen date
// while none is shown): the next stored one, else the calendar's next draw day; with the stake
// and the sheet's ticket number. A sheet without a
// complete row, or a row holding a number twice, is refused with a message.
Result<ledger::Ticket> ticketFromSheet(const ProgramState& state,
                                       const std::vector<DrawRecord>& lotto, bool plus, int draws);

// Puts a ticket back on the sheet: its rows in their places, every other row emptied, its
// ticket number; the chosen date moves to its first draw day.
void putTicketOnSheet(ProgramState& state, const ledger::Ticket& ticket);

// The histories of both games from the program folder; a game whose file is missing has none.
Result<ledger::GameHistories> readGameHistories(const ProgramState& state);

// The prizes the checks take: the fixed classes as they stood on the day, the shared ones as
// far as the amounts paid are known.
ledger::PrizeLookup prizeRules(const ProgramState& state);

// Checks every ticket of the store against the stored draws of both games.
Result<ledger::CheckReport> checkTickets(const ProgramState& state, ledger::LedgerStore& store);

} // namespace vendrilo
