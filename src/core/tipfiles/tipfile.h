#pragma once

#include "core/evaluation/komplettcheck.h"
#include "core/generator/tipsheet.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace vendrilo {

struct ProgramState;

// A tip file holds the sheet's twelve row strings and the ticket number `LosNr`, one per line,
// 8-bit text, every line ended by CR LF.
inline const QString kTipFileExtension = QStringLiteral("qkt");
inline const QString kTipFileFilter = QStringLiteral("Tippdatei|*.qkt");

// The whole file as it is written: rows 1..12 (whatever the locks or the active row count),
// then `LosNr`.
QByteArray tipFileBytes(const TipSheet& sheet, const QString& LosNr);

// Writes the file in one step: an existing file is replaced only once the new content is
// complete, so a failed write never leaves a half-written tip file. The system's text on failure.
std::optional<QString> saveTipFile(const QString& path, const TipSheet& sheet,
                                   const QString& LosNr);

// The name the save dialog proposes, "yyyymmdd.qkt", for the next draw after the shown one:
// the Wednesday after a Sunday, the Saturday after a Wednesday, the Wednesday after a Saturday,
// and today for a draw on any other weekday.
QString proposedTipFileName(double shownDate, double todayDay);

// Lines of a text as the reader sees them: CR LF, LF or CR end a line; a last line without an
// ending counts, nothing after the last ending does.
QStringList textLines(const QByteArray& bytes);

// Puts tip-file lines into the sheet: line r into row r (locked or not), as far as there are
// lines, and line 13 into `LosNr` verbatim. Positions 1..5 take the text before each ","
// (nothing when no "," is left), position 6 the rest up to a ":"; every text passes the entry
// normalisation, so anything but a number 1..49 leaves the field empty.
void applyTipLines(const QStringList& lines, TipSheet& sheet, QString& LosNr);

// Loading a tip file into the sheet: clears the unlocked rows first (evaluating the sheet as
// clearing does), then reads the file. When the file cannot be read the system's text comes
// back; the clearing has happened then.
struct TextladenResult {
    std::optional<QString> error;
    SheetEvaluation clearing; // the evaluation that the clearing ran
};
TextladenResult Textladen(ProgramState& state, const QString& Dateiname);

} // namespace vendrilo
