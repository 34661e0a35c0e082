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

// The ticket "Spielen" records: the sheet's complete rows (six numbers each, ascending), for
// `draws` consecutive draws from the next Lotto draw after the shown draw (after the chosen date
// while none is shown): the next stored one, else the calendar's next draw day; with the stake
// from the prices of the "Internet-Optionen" tab and the sheet's ticket number. A sheet without a
// complete row, a row holding a number twice, or a price that is no amount is refused with a
// message.
Result<ledger::Ticket> ticketFromSheet(const ProgramState& state,
                                       const std::vector<DrawRecord>& lotto, bool plus, int draws);

// Puts a ticket back on the sheet: its rows in their places, every other row emptied, its
// ticket number, played with Plus or not as it was; the chosen date moves to its first draw day.
void putTicketOnSheet(ProgramState& state, const ledger::Ticket& ticket);

// The histories of both games (the Lotto Plus one empty while its file is missing).
Result<ledger::GameHistories> readGameHistories(const ProgramState& state);

// The prizes the checks take, by the prize rules of each game and the payout table of the
// program folder: the fixed classes as they stood on the day, the shared ones as far as the
// amounts paid are known.
Result<ledger::PrizeLookup> ledgerPrizes(const ProgramState& state);

// Checks every ticket of the store against the stored draws of both games.
Result<ledger::CheckReport> checkTickets(const ProgramState& state, ledger::LedgerStore& store);

} // namespace vendrilo
