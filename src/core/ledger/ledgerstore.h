// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/ledger/ticket.h"

#include <optional>
#include <vector>

namespace vendrilo::ledger {

// Which draw of a ticket, in which game: the ticket's `draw`-th draw (1..draws).
struct CheckKey {
    qint64 ticket = 0;
    int draw = 0;
    Game game = Game::Lotto;

    auto operator<=>(const CheckKey&) const = default;
};

// A ticket checked against one draw of one game. `basis` holds the drawn numbers the check was
// made against: when the stored draw changes, the check is made again.
struct DrawCheck {
    struct Row {
        int position = 0; // the ticket row's sheet position
        int hits = 0;
        std::optional<Money> prize;   // from the prize rules; nothing: a shared class not known
        std::optional<Money> entered; // typed by the user from the ticket, for an open prize

        // What the row won as far as known: the amount typed in, else the prize.
        std::optional<Money> amount() const { return entered ? entered : prize; }
        bool wins() const { return hits >= 3; }
        bool operator==(const Row&) const = default;
    };

    CheckKey key;
    double day = 0;
    QString basis;
    std::vector<Row> rows; // in the ticket's row order

    bool operator==(const DrawCheck&) const = default;
};

// What one check run changes: checks written (new or replacing one of the same key) and checks
// dropped (their draw is no longer stored). The store writes them in one transaction.
struct CheckChanges {
    std::vector<DrawCheck> written;
    std::vector<CheckKey> dropped;

    bool empty() const { return written.empty() && dropped.empty(); }
};

// The place tickets and their checks are kept. Every call that changes something is one
// transaction: after a failure or a kill the store holds the state before or after it, whole.
class LedgerStore {
public:
    virtual ~LedgerStore() = default;

    // Records a ticket (its id is ignored) and returns the id it was given.
    virtual Result<qint64> addTicket(const Ticket& ticket) = 0;
    // Every ticket, by id.
    virtual Result<std::vector<Ticket>> tickets() = 0;
    // Every check, by key.
    virtual Result<std::vector<DrawCheck>> checks() = 0;
    virtual Status setNote(qint64 ticket, const QString& note) = 0;
    // The ticket with its checks.
    virtual Status removeTicket(qint64 ticket) = 0;
    virtual Status saveChecks(const CheckChanges& changes) = 0;
    // The amount of one row's open prize as the user read it off the ticket; nothing clears it.
    virtual Status setEnteredPrize(const CheckKey& key, int position,
                                   std::optional<Money> amount) = 0;
};

} // namespace vendrilo::ledger
