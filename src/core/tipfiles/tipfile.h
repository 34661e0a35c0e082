// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/io/result.h"
#include "core/sheet/tipsheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vendrilo {

// A tip file holds the sheet's twelve row strings and the ticket number, one per line, 8-bit
// text, every line ended by CR LF.
inline const QString kTipFileExtension = QStringLiteral("qkt");

// The whole file as it is written: rows 1..12 (whatever the locks or the active row count),
// then the ticket number.
QByteArray tipFileBytes(const TipSheet& sheet, const QString& ticketNumber);

// Writes the file in one step: an existing file is replaced only once the new content is
// complete, so a failed write never leaves a half-written tip file.
Status saveTipFile(const QString& path, const TipSheet& sheet, const QString& ticketNumber);

// The name the save dialog proposes, "yyyymmdd.qkt": the next draw day after the chosen date, as
// the stored draws' weekdays give it (core/draws/drawcalendar.h).
QString proposedTipFileName(const std::vector<DrawRecord>& draws, double chosenDate);

// Puts tip-file lines into the sheet: line r into row r (locked or not), as far as there are
// lines, and line 13 into the ticket number verbatim. Positions 1..5 take the text before each
// "," (nothing when no "," is left), position 6 the rest up to a ":"; every text passes the
// entry normalisation, so anything but a number 1..49 leaves the field empty.
void applyTipLines(const QStringList& lines, TipSheet& sheet, QString& ticketNumber);

// Reads a tip file into the sheet. Only the first thirteen lines count, and the file is read no
// further than them (a large file chosen by mistake, even one without any line end, is read once
// at most, never held whole). The sheet is untouched when the file cannot be read.
Status readTipFile(const QString& path, TipSheet& sheet, QString& ticketNumber);

} // namespace vendrilo
