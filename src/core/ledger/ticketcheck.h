// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/ledger/ledgerstore.h"

#include <functional>
#include <optional>
#include <vector>

namespace vendrilo::ledger {

// The stored draws of both games, as their draw files hold them.
struct GameHistories {
    std::vector<DrawRecord> lotto;
    std::vector<DrawRecord> plus;
};

// The prize of one row with `hits` (3..6) in the draw of `day` in `game`, in grosze; nothing
// when the class is shared among its winners and the amount paid in that draw is not known.
using PrizeLookup = std::function<std::optional<Money>(Game game, double day, int hits)>;

// The days of a ticket's draws that the Lotto history holds so far: the first `draws` draw days
// on or after its first draw day. A coupon runs for the draws that take place, so a draw moved
// by a holiday still counts as the next one.
std::vector<double> ticketDrawDays(const Ticket& ticket, const std::vector<DrawRecord>& lotto);

// How many of the row's numbers are among the six drawn (the bonus number plays no part).
int countHits(const std::array<int, 6>& row, const DrawRecord& draw);

// A winning row found by a check run.
struct Win {
    CheckKey key;
    double day = 0;
    int position = 0;
    int hits = 0;
    std::optional<Money> prize;
};

// What a check run does.
struct CheckPlan {
    CheckChanges changes;
    std::vector<Win> newWins; // wins of draws checked for the first time or again
    int checked = 0;          // draws checked for the first time
    int rechecked = 0;        // draws checked again because the stored draw changed
};

// Compares every ticket with the draws now stored. A draw is checked once: a stored check
// stands as long as its draw reads the same; a changed draw is checked again (amounts the user
// typed for it are dropped), a draw no longer stored takes its check with it. A prize that was
// open and is known now is filled in without counting as a new win.
CheckPlan planChecks(const std::vector<Ticket>& tickets, const std::vector<DrawCheck>& stored,
                     const GameHistories& histories, const PrizeLookup& prizes);

// The outcome of checking the whole ledger.
struct CheckReport {
    std::vector<Win> newWins;
    int checked = 0;
    int rechecked = 0;
};

// Reads the tickets and checks of the store, plans the run and writes its changes in one
// transaction.
Result<CheckReport> checkLedger(LedgerStore& store, const GameHistories& histories,
                                const PrizeLookup& prizes);

} // namespace vendrilo::ledger
