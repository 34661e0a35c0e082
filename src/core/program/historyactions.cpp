// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/historyactions.h"

#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "core/draws/game.h"
#include "core/io/textlines.h"
#include "core/program/drawactions.h"
#include "core/texts/textlist.h"
#include "core/tipfiles/printout.h"

#include <QFileInfo>

#include <algorithm>

namespace vendrilo {

namespace {

// The draw file as it stands; a missing one is said plainly and nothing is created.
Result<std::vector<DrawRecord>> existingDraws(const ProgramState& state)
{
    if (!QFileInfo::exists(state.drawPath()))
        return Error{
            fillIn(text(Text::DrawFileMissing), {state.drawPath(), text(Text::ReadDrawsFirst)}),
            ErrorKind::NotFound};
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
        return records.failure();
    // The draw on screen, also one stepped to before the pickers' first day.
    const auto shownAt = static_cast<std::size_t>(std::max(0, state.shown.position));
    if (shownAt < records->size() && (*records)[shownAt].date == state.shown.date)
        return (*records)[shownAt];
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
        return Error{fillIn(text(Text::EntryAfterToday), {formatDate(day)}), ErrorKind::BadInput};
    if (day < days.first)
        return Error{fillIn(text(Text::EntryBeforeFirstDraw),
                            {formatDate(day), QLatin1String(gameInfo(state.game).title),
                             formatDate(days.first)}),
                     ErrorKind::BadInput};
    const auto records = existingDraws(state);
    if (!records)
        return records.failure();
    if (const Status written =
            drawfile::rewrite(state.drawPath(), withEnteredDraw(*records, entered));
        !written)
        return written.failure();
    return showDrawFor(state, dayAfterNewest(*records));
}

Result<std::optional<SheetEvaluation>> deleteShownDraw(ProgramState& state, Prompts& prompts)
{
    const auto records = existingDraws(state);
    if (!records)
        return records.failure();
    const double day = state.shown.date;
    QStringList numbers;
    for (int i = 1; i <= 6; ++i)
        numbers << QString::number(state.shown.numbers[static_cast<std::size_t>(i)]);
    if (!prompts.askYesNo(text(Text::DeleteDrawTitle),
                          fillIn(text(Text::DeleteDrawQuestion),
                                 {formatDate(day), numbers.join(QLatin1Char(' '))})))
        return std::optional<SheetEvaluation>();
    if (const Status written = drawfile::rewrite(state.drawPath(), withoutDrawsOf(*records, day));
        !written)
        return written.failure();
    auto shown = showDrawForChosenDate(state);
    if (!shown)
        return shown.failure();
    return std::optional<SheetEvaluation>(*shown);
}

Result<DrawImport> importDrawsFrom(ProgramState& state, const QString& path, double today)
{
    const auto records = existingDraws(state);
    if (!records)
        return records.failure();
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
        return read.failure();
    DrawImport result = importer.finish();
    if (!result.foundAnyDraw)
        return Error{fillIn(text(Text::ImportFoundNoDraws), {path}), ErrorKind::Damaged};
    if (result.added > 0)
        if (const Status written = drawfile::rewrite(state.drawPath(), result.records); !written)
            return written.failure();
    if (auto shown = showDrawFor(state, dayAfterNewest(result.records)); !shown)
        return shown.failure();
    return result;
}

Result<QString> writePrintoutFile(const ProgramState& state)
{
    // The day the print-out is for follows the stored draws' weekdays; without a readable file
    // the calendar falls back to its two-draws-a-week rule.
    const auto draws = readDraws(state);
    const auto lines =
        printoutLines(state.sheet, draws ? *draws : std::vector<DrawRecord>{}, state.shown.date,
                      state.options.drawDayFilter(), state.messages);
    if (!lines)
        return lines.failure();
    const QString path = state.programFolder + QStringLiteral("Tipp.txt");
    if (const Status written = writePrintout(path, *lines); !written)
        return written.failure();
    return path;
}

} // namespace vendrilo
