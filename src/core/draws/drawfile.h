// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/draws/game.h"
#include "core/io/result.h"

#include <QString>

#include <vector>

namespace vendrilo {

// Access to the draw file, a headerless sequence of 32-byte records, oldest first.
// Every operation opens the file, works and closes it again; nothing here shows anything.
namespace drawfile {

inline const QString kFileName = QStringLiteral("ZahlenPL.dat");
inline const QString kLegacyFileName = QStringLiteral("Zahlen.dat");

// A real history holds a few thousand draws (a quarter of a megabyte); a file beyond this bound
// (about two million draws) is no draw file, and reading it would only exhaust the memory.
inline constexpr qint64 kMaxFileSize = qint64(64) << 20;

// Every whole record of the file; a short tail (size not a multiple of 32) is ignored. A file
// larger than kMaxFileSize is refused with a message.
Result<std::vector<DrawRecord>> read(const QString& path);

// Appends records after the last whole record. A missing file is created.
Status append(const QString& path, const std::vector<DrawRecord>& records);

// Replaces the whole file in one step: a failure at any point leaves the old file as it was.
Status rewrite(const QString& path, const std::vector<DrawRecord>& records);

// Creates a zero-length draw file (truncating an existing one).
Status createEmpty(const QString& path);

// The folder with a trailing separator, joined with a file name.
QString pathIn(const QString& home, const QString& fileName);

enum class Preparation {
    Kept,              // a draw file exists and was not touched
    ConvertedLegacy,   // "Zahlen.dat" was converted into a new draw file
    SeededFromHistory, // the shipped history was written as a new draw file
};

struct Prepared {
    Preparation what = Preparation::Kept;
    int records = 0;
};

// Converts "Zahlen.dat" (16-byte records) into "ZahlenPL.dat" when only the former exists.
// Each record keeps its date and eight number bytes; bytes 16..31 are zero.
Result<Prepared> convertLegacy(const QString& home);

// Where the first start takes a game's draws from: the shipped history, unless a test says
// otherwise.
using HistorySource = Result<std::vector<DrawRecord>> (*)(Game);

// The start step: temporary files of interrupted writes removed; then convert a legacy file, or,
// when there is no Lotto draw file at all, write the shipped Lotto history (bonus and Superzahl
// 0); a missing Lotto Plus draw file is written from the shipped Lotto Plus history in the same
// way. An existing draw file is never touched; a history that cannot be had is reported, and
// its draw file is not written. The result tells what happened to the Lotto draw file.
Result<Prepared> prepare(const QString& home, HistorySource history = nullptr);

} // namespace drawfile

// A game's draw history shipped with the program (from the resource compiled into the core).
Result<std::vector<DrawRecord>> shippedHistory(Game game = Game::Lotto);
// Parses lines "NNNN,DD.MM.YYYY,n1,...,n6"; a malformed line fails the whole text.
Result<std::vector<DrawRecord>> parseHistoryCsv(const QByteArray& text);

// A record no real draw can have: a number or bonus number above 49, a Superzahl above 9, or a
// date that is no calendar date. Such records are shown and counted as they stand, but the user
// is told that the file is damaged.
bool isDamaged(const DrawRecord& record);
int countDamaged(const std::vector<DrawRecord>& records);
// "Die Ziehungsdatei … enthält N beschädigte Ziehungen …", the warning for a damaged file.
QString damagedFileWarning(const QString& path, int damaged);

} // namespace vendrilo
