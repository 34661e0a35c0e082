// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/money/money.h"
#include "core/program/programstate.h"
#include "core/wheels/wheel.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vendrilo {

// What the "Systeme" tab does with a wheel beyond making it: its price, the sheet, tip files and
// the print-out. Every one of them checks the wheel first and refuses one that fails.

// What `rows` rows cost at the row price of the "Internet-Optionen" tab; nothing when the fee
// field holds no amount.
std::optional<Money> wheelCost(std::size_t rows, const InternetOptions& internet);
// An amount as the window writes it, without the unit the caption already names: "116.280,00".
QString zlotyText(Money amount);

// Every number the sheet's fields hold, ascending, once each: the numbers a wheel can take
// from the sheet.
std::vector<int> sheetNumbers(const TipSheet& sheet);

// Writes wheel rows from index `first` on into the unlocked rows of the sheet, one each, and
// empties the unlocked rows left over after the wheel's last row. Returns the index of the row
// the next call starts with: 0 again once the last row was written. Nothing is written when the
// wheel fails its check (the returned index is then `first`).
int putWheelRowsOnSheet(TipSheet& sheet, const wheels::Wheel& wheel, int first);

// The tip files for `rows` rows saved under the name the user chose: that name itself for up
// to twelve rows, else "name-1.qkt", "name-2.qkt", ... (numbered with leading zeros to the same
// width), twelve rows each.
QStringList wheelTipFilePaths(const QString& chosenPath, int rows);
// Writes those files, each one in one step; the ticket number stays empty. Returns the paths.
Result<QStringList> saveWheelTipFiles(const QString& chosenPath, const wheels::Wheel& wheel);

// The print-out: the title, a line of tildes, an empty line, then every row numbered, e.g.
// "  1.   3   7  12  25  33  49".
QStringList wheelPrintoutLines(const QString& title, const wheels::Wheel& wheel);
// "System.txt" in the program folder (CR LF lines), for the desktop to open; its path.
Result<QString> writeWheelPrintout(const ProgramState& state, const QString& title,
                                   const wheels::Wheel& wheel);

} // namespace vendrilo
