// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/io/result.h"

#include <QString>
#include <QStringList>

#include <array>
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

// Why a line of published results is refused.
enum class ImportProblem {
    NotADrawLine,     // no number, date and numbers after it
    NoCalendarDate,   // detail: the date as written
    NumberCount,      // detail: how many numbers the line holds
    NotANumber,       // detail: the field that is no number from 1 to 49
    NumberTwice,      // detail: the number
    DiffersFromStored // another draw of a day the history holds
};
struct RefusedLine {
    int line = 0; // from 1
    ImportProblem problem = ImportProblem::NotADrawLine;
    QString detail;
    bool operator==(const RefusedLine&) const = default;
};
// The reason in the language of the texts.
QString refusalReason(const RefusedLine& refused);

// Published results merged in.
struct DrawImport {
    std::vector<DrawRecord> records; // the new history, in date order
    int added = 0;
    int present = 0;                  // equal to a stored draw of that day
    std::vector<RefusedLine> refused; // in line order
    bool foundAnyDraw = false;        // false: the text held no draw line at all
};
// Reads lines "N,DD.MM.YYYY,a,b,c,d,e,f" (the shipped layout) or "N. DD.MM.YYYY a,b,c,d,e,f"
// (blanks and tabs may separate). Every line must hold a real date and six different numbers
// 1..49. A draw equal to a stored draw of its day is present; the draws of a day not yet
// stored are added (a day may bring two); another draw of a stored day is refused.
DrawImport importDraws(const std::vector<DrawRecord>& records, const QList<QByteArray>& lines);

} // namespace vendrilo
