// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/showndraw.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace vendrilo {

DrawNumbers drawNumbersOf(const DrawRecord& record)
{
    DrawNumbers numbers{};
    for (int i = 0; i < 8; ++i)
        numbers[static_cast<std::size_t>(i + 1)] = record.numberByte(i);
    return numbers;
}

void ShownDraw::show(const DrawRecord& record, int gapAfterDate)
{
    date = record.date;
    numbers = drawNumbersOf(record);
    m_gapAfterDate = gapAfterDate;
    drawLine = composeDrawLine();
    crossSumText = QStringLiteral("QS: ") + QString::number(crossSum());
}

void ShownDraw::writeDrawLineAgain()
{
    if (!drawLine.isEmpty())
        drawLine = composeDrawLine();
}

QString ShownDraw::composeDrawLine() const
{
    QString line = formatLabelDate(date) + QString(m_gapAfterDate, QLatin1Char(' '));
    for (int i = 1; i <= 6; ++i)
        line += QStringLiteral("  ") + QString::number(numbers[static_cast<std::size_t>(i)]);
    return line;
}

int ShownDraw::crossSum() const
{
    int sum = 0;
    for (int i = 1; i <= 6; ++i)
        sum += numbers[static_cast<std::size_t>(i)];
    return sum;
}

void ShownDraw::step(const std::vector<DrawRecord>& records, int delta, DatePicker& chosenDate)
{
    position += delta;
    if (delta < 0 && position < 1)
        position = 1;

    const int count = static_cast<int>(records.size());
    DrawRecord shown; // an empty file shows the all-zero record
    if (count > 0) {
        position = std::clamp(position, 0, count - 1);
        shown = records[static_cast<std::size_t>(position)];
    } else {
        position = 0;
    }
    show(shown);
    chosenDate.setDate(date);
}

ShownDraw::SearchOutcome ShownDraw::dateSearch(const std::vector<DrawRecord>& records,
                                               DatePicker& chosenDate)
{
    const double day = std::round(chosenDate.date());
    SearchOutcome outcome = SearchOutcome::EmptyFile;
    if (records.empty()) {
        position = 0;
    } else {
        // The first record on or after the day; its line carries one extra blank when it is
        // the file's first record and more records follow.
        auto it = std::find_if(records.begin(), records.end(),
                               [&](const DrawRecord& r) { return r.date >= day; });
        const bool pastTheEnd = it == records.end();
        if (pastTheEnd)
            it = std::prev(records.end());
        position = static_cast<int>(it - records.begin());
        const bool lastRecord = position == static_cast<int>(records.size()) - 1;
        if (lastRecord) {
            // Reaching the file's end shows its last record again when that has a date, so a
            // one-record file ends with the ordinary two blanks.
            if (it->date > 0) {
                show(*it, 2);
                outcome = SearchOutcome::Shown;
            } else if (!pastTheEnd) {
                show(*it, position == 0 ? 3 : 2);
                outcome = SearchOutcome::Shown;
            }
        } else {
            show(*it, position == 0 ? 3 : 2);
            outcome = SearchOutcome::Shown;
        }
    }
    chosenDate.setDate(date);
    return outcome;
}

} // namespace vendrilo
