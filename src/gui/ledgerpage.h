// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ledger/ledgersummary.h"

#include <QWidget>

class QDateEdit;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace vendrilo::gui {

class BalanceChart;
class LedgerKeeper;

// The "Konto" tab: the tickets played with stake, winnings and the balance so far; the actions
// on the chosen ticket; the totals of a period; the running balance as a chart; the export.
class LedgerPage : public QWidget {
    Q_OBJECT
public:
    LedgerPage(LedgerKeeper& keeper, QWidget* parent);

    QTableWidget* table() const { return m_table; }
    // The ledger read again and shown.
    void showLedger();
    // The texts the program writes itself, again in the language now chosen.
    void showTexts();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildActions();
    QWidget* buildPeriod();
    void showTable();
    void showTotals();
    void showChart();
    void chooseExportFile();
    // The ticket of the table's current row; nothing (after telling the user) without one.
    std::optional<qint64> chosenTicket();

    LedgerKeeper& m_keeper;
    std::vector<ledger::TicketLine> m_lines;
    QTableWidget* m_table = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    bool m_periodChosen = false; // the user set the period: a refresh keeps it
    QLabel* m_totals = nullptr;
    QLabel* m_classes = nullptr;
    BalanceChart* m_chart = nullptr;  // null without the charts' module
    QLabel* m_chartMissing = nullptr; // in its place then
    QString m_chartMissingWhy;
};

class Session;

// Joins the ledger to the sheet: "Spielen" under the sheet on `sheetPage` (just above its
// banner) and a check of the tickets whenever the session says the draws changed. The keeper
// belongs to `sheetPage`.
LedgerKeeper* installLedgerKeeper(Session& session, QWidget* sheetPage);
// The "Konto" page on the keeper's ledger.
LedgerPage* makeLedgerPage(Session& session, LedgerKeeper& keeper, QWidget* parent);

} // namespace vendrilo::gui
