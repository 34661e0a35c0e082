// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vendrilo::ledger {

// The texts the ledger writes itself (messages, questions, the status-bar notes, the table's
// column heads), in the nine languages of the language menu. Captions and hints of the ledger's
// controls come from the language files as every control's do.
enum class LedgerText {
    NoCompleteRow,
    NumberTwice,  // %1 row
    TicketPlayed, // %1 ticket, %2 rows, %3 draws, %4 first draw day, %5 stake
    WinsFound,    // %1 winning rows, %2 amount
    Open,         // a prize not known yet: "offen"
    Rechecked,    // %1 draws
    Checked,      // %1 draws
    DeleteCaption,
    DeleteQuestion, // %1 ticket
    NoteCaption,
    NotePrompt, // %1 ticket
    PrizeCaption,
    PrizePrompt, // %1 row, %2 day, %3 game, %4 hits
    NoOpenPrize, // %1 ticket
    NotAnAmount, // %1 text
    Exported,    // %1 tickets, %2 file
    ChooseTicket,
    Columns,    // the table's column heads, separated by "|"
    Totals,     // %1 tickets, %2 stake, %3 won, %4 balance, %5 return
    WinClasses, // %1 Lotto classes, %2 Plus classes
    ChartTitle,
    CsvFilter,
    KeptAside,    // %1 file, %2 where it went
    NewerLedger,  // %1 file
    LedgerFailed, // %1 file, %2 reason
    Count
};

// The text in language `language` (0 German .. 8 Polish, as the language menu numbers them);
// German for any other number.
QString ledgerText(LedgerText text, int language);

} // namespace vendrilo::ledger
