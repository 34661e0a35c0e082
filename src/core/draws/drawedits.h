// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/io/result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace vendrilo {

// Changes to the draw history by hand: a draw typed in, the draws of a day deleted, published
// results merged in. Each returns the new history; the caller writes it in one atomic step.

// The draw the entry dialog starts from: the record of that day if one exists (the first in file
// order), else the last record. Nothing for an empty history.
std::optional<DrawRecord> entryTemplate(const std::vector<DrawRecord>& records, double day);

// Wednesday draws before this day are no real draws of this lottery; a rewrite drops them.
double wednesdayCutOff(); // 04.06.1986

// The history with an entered draw (its six numbers sorted). A draw dated after every stored
// one is added at the end. Otherwise the file is rewritten: the entered draw stands before the
// first record on or after its day, every stored record of its day is replaced, and Wednesday
// draws before 04.06.1986 are dropped.
std::vector<DrawRecord> withEnteredDraw(const std::vector<DrawRecord>& records, DrawRecord entered);

// The history without every record of that day.
std::vector<DrawRecord> withoutDrawsOf(const std::vector<DrawRecord>& records, double day);

// A real draw: six different numbers from 1 to 49.
bool isPlausibleDraw(const std::array<std::uint8_t, 6>& numbers);

// One evening has at most two draws of a game (the double draws of the 1960s to 1990s); a day
// with more is no day of real draws.
inline constexpr int kMaxDrawsPerDay = 2;

// The days on which a draw of the game can lie: from its first draw up to today. A date outside
// would be an error of the source, and a date in the future would stop every later update.
struct DrawDays {
    double first = -1e9;
    double last = 1e9;
    bool contains(double day) const { return day >= first && day <= last; }
};

// Why a line of published results is refused.
enum class ImportProblem {
    NotADrawLine,      // no number, date and numbers after it
    NoCalendarDate,    // detail: the date as written
    NumberCount,       // detail: how many numbers the line holds
    NotANumber,        // detail: the field that is no number from 1 to 49
    NumberTwice,       // detail: the number
    DiffersFromStored, // another draw of a day the history holds
    AfterToday,        // detail: the date
    BeforeFirstDraw,   // detail: the date
    ThirdDrawOfADay,   // detail: the date
    LineTooLong,       // detail: the longest a line may be
};
struct RefusedLine {
    int line = 0; // from 1
    ImportProblem problem = ImportProblem::NotADrawLine;
    QString detail;
    bool operator==(const RefusedLine&) const = default;
};
// The reason in the language of the texts.
QString refusalReason(const RefusedLine& refused);
// The reason in English whatever the language of the texts, as the command-line tool and the
// draw service's log give it; `firstDrawDay` is the game's first draw.
QString refusalReasonInEnglish(const RefusedLine& refused, double firstDrawDay);

// Published results merged in.
struct DrawImport {
    std::vector<DrawRecord> records;      // the new history, in date order
    std::vector<DrawRecord> addedRecords; // the draws added, in date order
    int added = 0;
    int present = 0;                  // equal to a stored draw of that day
    std::vector<RefusedLine> refused; // the first refused lines, in line order
    int refusedCount = 0;             // every refused line, also those beyond the list
    bool foundAnyDraw = false;        // false: the text held no draw line at all
};
// No results line is anywhere near this long.
inline constexpr qsizetype kLongestResultLine = 4096;
// A text of millions of bad lines keeps no more reasons than this; the count goes on.
inline constexpr int kMaxRefusedReasons = 10000;

// Merges result lines one at a time, so that a long file is never held in memory. Lines are
// "N,DD.MM.YYYY,a,b,c,d,e,f" (the shipped layout) or "N. DD.MM.YYYY a,b,c,d,e,f" (blanks and
// tabs may separate); each is read in one pass, in time linear in its length. Every line must
// hold a date within `days` and six different numbers 1..49. A draw equal to a stored draw of
// its day is present; the draws of a day not yet stored are added (at most two a day); another
// draw of a stored day is refused.
class DrawImporter {
public:
    DrawImporter(const std::vector<DrawRecord>& records, DrawDays days);
    ~DrawImporter();
    DrawImporter(const DrawImporter&) = delete;
    DrawImporter& operator=(const DrawImporter&) = delete;

    // Line `lineNumber` (counted from 1) of the text. A line longer than kLongestResultLine is
    // refused: read it with a line limit above that, so that a cut line never passes for a draw.
    void addLine(qsizetype lineNumber, QByteArrayView line);
    // A line refused for `problem`.
    void refuse(qsizetype lineNumber, ImportProblem problem, const QString& detail = {});
    // The merged history and the counts.
    DrawImport finish();

private:
    struct Days;
    const std::vector<DrawRecord>& m_records;
    DrawDays m_days;
    std::unique_ptr<Days> m_seen;
    std::vector<DrawRecord> m_added;
    DrawImport m_result;
};

// All lines of a text at once, as DrawImporter takes them.
DrawImport importDraws(const std::vector<DrawRecord>& records, const QList<QByteArray>& lines,
                       DrawDays days = {});
// The same for a whole text in memory, split into lines as a results file is.
DrawImport importDrawText(const std::vector<DrawRecord>& records, const QByteArray& text,
                          DrawDays days);

} // namespace vendrilo
