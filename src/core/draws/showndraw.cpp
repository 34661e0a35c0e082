#include "core/draws/showndraw.h"

#include "core/draws/drawfile.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vendrilo {

void ShownDraw::show(const DrawRecord& record, int gapAfterDate)
{
    Datum1 = record.date;
    for (int i = 0; i < 8; ++i)
        Zahl[static_cast<std::size_t>(i + 1)] = record.numberByte(i);

    QString line = formatLabelDate(Datum1) + QString(gapAfterDate, QLatin1Char(' '));
    for (int i = 1; i <= 6; ++i)
        line += QStringLiteral("  ") + QString::number(Zahl[static_cast<std::size_t>(i)]);
    label29 = line;
    label13 = QStringLiteral("QS: ") + QString::number(crossSum());
    label35 = label29;
}

int ShownDraw::crossSum() const
{
    int sum = 0;
    for (int i = 1; i <= 6; ++i)
        sum += Zahl[static_cast<std::size_t>(i)];
    return sum;
}

void ShownDraw::step(const std::vector<DrawRecord>& records, int delta, double statisticsStart,
                     DatePicker& picker1)
{
    aktDatum = statisticsStart;
    Position += delta;
    // Stepping back stops at index 1: the first record is reached only when it is the only one.
    if (delta < 0 && Position < 1)
        Position = 1;

    // Walk to Position, stopping at the last record when the file ends first.
    const int count = static_cast<int>(records.size());
    DrawRecord shown; // an empty file shows the all-zero record
    if (count > 0) {
        const int k = std::clamp(Position, 0, count - 1);
        Position = k;
        shown = records[static_cast<std::size_t>(k)];
    } else {
        Position = 0;
    }
    show(shown);
    picker1.setDate(Datum1);
}

std::optional<QString> ShownDraw::stepPrevious(const QString& drawPath, double statisticsStart,
                                               DatePicker& picker1)
{
    auto read = drawfile::readAll(drawPath);
    if (!read.ok())
        return read.error;
    step(read.records, -1, statisticsStart, picker1);
    return std::nullopt;
}

std::optional<QString> ShownDraw::stepNext(const QString& drawPath, double statisticsStart,
                                           DatePicker& picker1)
{
    auto read = drawfile::readAll(drawPath);
    if (!read.ok())
        return read.error;
    step(read.records, +1, statisticsStart, picker1);
    return std::nullopt;
}

ShownDraw::SearchOutcome ShownDraw::dateSearch(const std::vector<DrawRecord>& records,
                                               DatePicker& picker1)
{
    aktDatum = std::round(picker1.date());
    SearchOutcome outcome = SearchOutcome::EmptyFile;
    if (records.empty()) {
        Position = 0;
    } else {
        // The first record on or after the day; its line carries one extra blank when it is
        // the file's first record and more records follow.
        auto it = std::find_if(records.begin(), records.end(),
                               [&](const DrawRecord& r) { return r.date >= aktDatum; });
        const bool pastTheEnd = it == records.end();
        if (pastTheEnd)
            it = std::prev(records.end());
        Position = static_cast<int>(it - records.begin());
        const bool lastRecord = Position == static_cast<int>(records.size()) - 1;
        if (lastRecord) {
            // Reaching the file's end shows its last record again when that has a date, so a
            // one-record file ends with the ordinary two blanks.
            if (it->date > 0) {
                show(*it, 2);
                outcome = SearchOutcome::Shown;
            } else if (!pastTheEnd) {
                show(*it, Position == 0 ? 3 : 2);
                outcome = SearchOutcome::Shown;
            }
        } else {
            show(*it, Position == 0 ? 3 : 2);
            outcome = SearchOutcome::Shown;
        }
    }
    picker1.setDate(Datum1);
    label35 = label29;
    return outcome;
}

ShownDraw::SearchResult ShownDraw::dateSearch(const QString& drawPath, DatePicker& picker1)
{
    SearchResult result;
    if (!QFileInfo::exists(drawPath)) {
        result.outcome = SearchOutcome::MissingFile;
        if (auto error = drawfile::createEmpty(drawPath))
            result.error = *error;
        return result;
    }
    auto read = drawfile::readAll(drawPath);
    if (!read.ok()) {
        result.outcome = SearchOutcome::Unreadable;
        result.error = *read.error;
        return result;
    }
    result.outcome = dateSearch(read.records, picker1);
    return result;
}

} // namespace vendrilo
