// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ledger/ledgerstore.h"

#include <QString>

#include <memory>

namespace vendrilo::ledger {

// The ledger kept in one SQLite file: tickets, their rows, and the checks with a result per
// row. Every change is one transaction on a database in WAL mode with full syncs, so a kill or a
// power cut leaves the ledger as it was before the change or after it.
class SqliteLedger : public LedgerStore {
public:
    // `connection` is an open connection of Qt SQL's QSQLITE driver; the ledger closes and
    // removes it when it goes.
    SqliteLedger(QString connection, QString path);
    ~SqliteLedger() override;
    SqliteLedger(const SqliteLedger&) = delete;
    SqliteLedger& operator=(const SqliteLedger&) = delete;

    const QString& path() const { return m_path; }

    Result<qint64> addTicket(const Ticket& ticket) override;
    Result<std::vector<Ticket>> tickets() override;
    Result<std::vector<DrawCheck>> checks() override;
    Status setNote(qint64 ticket, const QString& note) override;
    Status removeTicket(qint64 ticket) override;
    Status saveChecks(const CheckChanges& changes) override;
    Status setEnteredPrize(const CheckKey& key, int position, std::optional<Money> amount) override;

private:
    // Runs `work` between BEGIN IMMEDIATE and COMMIT; a failure rolls everything back.
    Status inTransaction(const std::function<Status()>& work);
    Error failure(const QString& reason) const;

    QString m_connection;
    QString m_path;
};

// What opening a ledger file brings: the ledger, and a notice for the user when the file found
// there could not be used and was kept aside.
struct OpenedLedger {
    std::unique_ptr<SqliteLedger> ledger;
    QString notice;
};

// Opens the ledger at `path`, creating it when there is none. A file that is no ledger of this
// program, or a damaged one, is never overwritten: it is renamed (".bak", ".bak.2", …, with its
// write-ahead log beside it) and a new ledger starts, with a notice. A ledger in an older layout
// is brought to the current one in one transaction, keeping every ticket; one written by a newer
// version is refused and left alone.
Result<OpenedLedger> openLedger(const QString& path);

} // namespace vendrilo::ledger
