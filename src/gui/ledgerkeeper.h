// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ledger/ledgersummary.h"
#include "core/ledger/ticketcheck.h"

#include <QObject>

#include <memory>
#include <optional>

namespace vendrilo::ledger {
class SqliteLedger;
}

namespace vendrilo::gui {

class Session;

// The window's side of the ticket ledger: the file in the program folder, opened on first use,
// and the user's actions on it. The sheet's "Spielen" and the "Konto" tab call it; new draws
// (update, entry, import, start-up) have it check the tickets, with a note in the status bar
// and the hit sound for a win.
class LedgerKeeper : public QObject {
    Q_OBJECT
public:
    LedgerKeeper(Session& session, QObject* parent);
    ~LedgerKeeper() override;

    // The sheet's complete rows as a ticket for `draws` draws from the next draw day; checked
    // at once, in case its draws are stored already.
    void playSheet(bool plus, int draws);
    // Checks every ticket against the draws stored now.
    void checkTicketsForNewDraws();

    // Every ticket with what it won so far, ordered by first draw; empty when the ledger cannot
    // be used.
    std::vector<ledger::TicketLine> lines();
    std::vector<ledger::DrawCheck> checksOf(qint64 ticket);

    // Puts the ticket on the sheet and shows its first draw there.
    void openTicket(qint64 ticket);
    void annotateTicket(qint64 ticket);
    // After a question whose default answer is no.
    void deleteTicket(qint64 ticket);
    // Asks for the amount of each open prize of the ticket, as printed on it.
    void enterOpenPrizes(qint64 ticket);
    void exportCsv(const QString& path);

    Session& session() { return m_session; }
    void showMessage(const QString& text);
    // Where the export proposes to write: "Vendrilo-Konto.csv" in the program folder.
    QString exportProposal() const;

Q_SIGNALS:
    // Tickets or checks changed: the "Konto" tab shows them again.
    void ledgerChanged();
    // A ticket went onto the sheet: the play controls take its draws and its game.
    void ticketOpened(int draws, bool plus);

private:
    // The ledger, opened when first needed; nullptr (after telling the user once) when it
    // cannot be used. Only playing a ticket makes a new ledger file: without one there is
    // nothing to show or check.
    ledger::SqliteLedger* store(bool create = false);
    // Shows the message of a failed result; true when there was one.
    template <typename R> bool reportFailure(const R& result);
    void announceWins(const std::vector<ledger::Win>& wins, int checked, int rechecked);
    std::optional<ledger::Ticket> ticketById(qint64 ticket);

    Session& m_session;
    std::unique_ptr<ledger::SqliteLedger> m_store;
    QString m_openedFor; // the path the store was opened for
    bool m_failureShown = false;
};

} // namespace vendrilo::gui
