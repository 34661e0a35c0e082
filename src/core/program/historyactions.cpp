// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/historyactions.h"

#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "core/draws/game.h"
#include "core/io/textlines.h"
#include "core/program/drawactions.h"
#include "core/tipfiles/printout.h"

#include <QFileInfo>

#include <algorithm>

namespace vendrilo {

namespace {

// The draw file as it stands; a missing one is said plainly and nothing is created.
Result<std::vector<DrawRecord>> existingDraws(const ProgramState& state)
{
    if (!QFileInfo::exists(state.drawPath()))
        return Error{QStringLiteral("Die Ziehungsdatei %1 fehlt; es wurde nichts geändert. %2")
                         .arg(state.drawPath(), drawfile::kMissingFileMessage)};
    return readDraws(state);
}

double dayAfterNewest(const std::vector<DrawRecord>& records)
{
    double newest = 0;
    for (const DrawRecord& r : records)
        newest = std::max(newest, std::floor(r.date));
    return newest + 1;
}

// The date search for a day, the sheet scored against the draw it shows.
Result<SheetEvaluation> showDrawFor(ProgramState& state, double day)
{
    state.chosenDate.setDate(day);
    return showDrawForChosenDate(state);
}

} // namespace

Result<DrawRecord> drawEntryTemplate(const ProgramState& state)
{
    const auto records = existingDraws(state);
    if (!records)
        return Error{records.error()};
    if (const auto t = entryTemplate(*records, state.chosenDate.date()))
        return *t;
    DrawRecord empty; // an empty file: the dialog starts on the chosen day
    empty.date = state.chosenDate.date();
    return empty;
}

DrawDays drawDaysOf(const ProgramState& state, double today)
{
    return {gameInfo(state.game).firstDrawDay, today};
}

Result<SheetEvaluation> enterDraw(ProgramState& state, const DrawRecord& entered, double today)
{
    const DrawDays days = drawDaysOf(state, today);
    const double day = std::floor(entered.date);
    if (day > days.last)
        return Error{QStringLiteral("Der %1 liegt nach dem heutigen Tag; eine Ziehung dieses Tages "
                                    "kann es noch nicht geben. Es wurde nichts gespeichert.")
                         .arg(formatDate(day))};
    if (day < days.first)
        return Error{QStringLiteral("Der %1 liegt vor der ersten Ziehung von %2 am %3. Es wurde "
                                    "nichts gespeichert.")
                         .arg(formatDate(day), QLatin1String(gameInfo(state.game).title),
                              formatDate(days.first))};
    const auto records = existingDraws(state);
    if (!records)
        return Error{records.error()};
    if (const Status written =
            drawfile::rewrite(state.drawPath(), withEnteredDraw(*records, entered));
        !written)
        return Error{written.error()};
    return showDrawFor(state, dayAfterNewest(*records));
}

Result<std::optional<SheetEvaluation>> deleteShownDraw(ProgramState& state, Prompts& prompts)
{
    const auto records = existingDraws(state);
    if (!records)
        return Error{records.error()};
    const double day = state.shown.date;
    QStringList numbers;
    for (int i = 1; i <= 6; ++i)
        numbers << QString::number(state.shown.numbers[static_cast<std::size_t>(i)]);
    if (!prompts.askYesNo(QStringLiteral("Ziehung löschen?"),
                          QStringLiteral("Soll die Ziehung vom %1 (%2) gelöscht werden? Eine "
                                         "gelöschte Ziehung lässt sich nicht wiederherstellen.")
                              .arg(formatDate(day), numbers.join(QLatin1Char(' ')))))
        return std::optional<SheetEvaluation>();
    if (const Status written = drawfile::rewrite(state.drawPath(), withoutDrawsOf(*records, day));
        !written)
        return Error{written.error()};
    auto shown = showDrawForChosenDate(state);
    if (!shown)
        return Error{shown.error()};
    return std::optional<SheetEvaluation>(*shown);
}

Result<DrawImport> importDrawsFrom(ProgramState& state, const QString& path, double today)
{
    const auto records = existingDraws(state);
    if (!records)
        return Error{records.error()};
    // Read line by line: a long or wrong file never sits in memory whole. A line beyond the
    // longest a results line can sensibly have is refused rather than cut and read.
    DrawImporter importer(*records, drawDaysOf(state, today));
    LineLimits limits;
    limits.maxLineLength = kLongestResultLine + 1;
    limits.maxBytesScanned = kMaxImportFileSize;
    limits.maxFileBytes = kMaxImportFileSize;
    qsizetype lineNumber = 0;
    const Status read = forEachLine(path, limits, [&](const QByteArray& line) {
        importer.addLine(++lineNumber, line);
        return true;
    });
    if (!read)
        return Error{read.error()};
    DrawImport result = importer.finish();
    if (!result.foundAnyDraw)
        return Error{QStringLiteral("%1 enthält keine Ziehungen (erwartet: Zeilen wie "
                                    "\"1,27.01.1957,8,12,31,39,43,45\" oder \"1. 27.01.1957 "
                                    "8,12,31,39,43,45\"); es wurde nichts geändert.")
                         .arg(path)};
    if (result.added > 0)
        if (const Status written = drawfile::rewrite(state.drawPath(), result.records); !written)
            return Error{written.error()};
    if (auto shown = showDrawFor(state, dayAfterNewest(result.records)); !shown)
        return Error{shown.error()};
    return result;
}

Result<QString> writePrintoutFile(const ProgramState& state)
{
    const auto lines =
        printoutLines(state.sheet, state.shown.date, state.options.drawDayFilter(), state.messages);
    if (!lines)
        return Error{lines.error()};
    const QString path = state.programFolder + QStringLiteral("Tipp.txt");
    if (const Status written = writePrintout(path, *lines); !written)
        return Error{written.error()};
    return path;
}

} // namespace vendrilo
