#pragma once

#include "core/draws/drawrecord.h"

#include <QString>

#include <optional>
#include <vector>

namespace vendrilo {

// Access to the draw file, a headerless sequence of 32-byte records, oldest first.
// Every operation opens the file, works and closes it again. Errors come back as the
// system's text; nothing here shows anything.
namespace drawfile {

inline const QString kFileName = QStringLiteral("ZahlenPL.dat");
inline const QString kLegacyFileName = QStringLiteral("Zahlen.dat");

struct ReadResult {
    std::vector<DrawRecord> records;
    std::optional<QString> error; // set when the file could not be opened or read
    bool ok() const { return !error.has_value(); }
};

// Every whole record of the file; a short tail (size not a multiple of 32) is ignored.
ReadResult readAll(const QString& path);

// Appends records after the last whole record. A missing file is created.
std::optional<QString> append(const QString& path, const std::vector<DrawRecord>& records);

// Replaces the whole file in one step: the records go to a temporary file in the same folder,
// which then takes the draw file's place by a rename. A failure at any point leaves the old
// file as it was.
std::optional<QString> rewrite(const QString& path, const std::vector<DrawRecord>& records);

// Creates a zero-length draw file (truncating an existing one).
std::optional<QString> createEmpty(const QString& path);

// The folder with a trailing separator, joined with a file name.
QString pathIn(const QString& home, const QString& fileName);

enum class Preparation {
    Kept,              // a draw file exists and was not touched
    ConvertedLegacy,   // "Zahlen.dat" was converted into a new draw file
    SeededFromHistory, // the shipped history was written as a new draw file
    Failed,            // no draw file could be written; see the error
};

struct PrepareResult {
    Preparation what = Preparation::Kept;
    int records = 0;
    std::optional<QString> error;
};

// Converts "Zahlen.dat" (16-byte records) into "ZahlenPL.dat" when only the former exists.
// Each record keeps its date and eight number bytes; bytes 16..31 are zero.
PrepareResult convertLegacy(const QString& home);

// The first-start step: convert a legacy file, or, when there is no draw file at all, write
// the shipped draw history (bonus and Superzahl 0). An existing draw file is never touched.
PrepareResult prepare(const QString& home);

} // namespace drawfile

// The draw history shipped with the program (from the resource compiled into the core).
std::vector<DrawRecord> shippedHistory();
// Parses lines "NNNN,DD.MM.YYYY,n1,...,n6"; a malformed line fails the whole text.
std::optional<std::vector<DrawRecord>> parseHistoryCsv(const QByteArray& text,
                                                       QString* error = nullptr);

} // namespace vendrilo
