// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawdayfilter.h"
#include "core/draws/drawrecord.h"
#include "core/io/result.h"
#include "core/sheet/tipsheet.h"
#include "core/texts/messagelist.h"

#include <QStringList>

namespace vendrilo {

// The tip print-out: the filled rows of the sheet as a short text ("Tipp.txt") headed with the
// day of the draw they are meant for.

// That day: while both draw-day boxes are ticked, the next draw day after the shown draw as the
// stored draws' weekdays give it (core/draws/drawcalendar.h); with one box ticked, a week on.
double printoutDate(const std::vector<DrawRecord>& draws, double shownDrawDate,
                    const DrawDayFilter& days);

// The title, 46 tildes, an empty line, then " 1. Tipp:  3    7   12   25   33   49" for every row
// whose first field is filled. A filled row with an empty (or unreadable) field cannot be
// printed: the error names the text, as the conversion of a whole number does.
Result<QStringList> printoutLines(const TipSheet& sheet, const std::vector<DrawRecord>& draws,
                                  double shownDrawDate, const DrawDayFilter& days,
                                  const MessageList& messages);

// The lines with CR LF after each, in the system's text encoding, replacing the file in one step.
Status writePrintout(const QString& path, const QStringList& lines);

} // namespace vendrilo
