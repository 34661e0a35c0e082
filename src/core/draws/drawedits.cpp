// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawedits.h"

#include "core/draws/dates.h"
#include "core/texts/textlist.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace vendrilo {

namespace {

// A stored date may carry a time of day; a draw's day is its whole part.
double dayOf(double date)
{
    return std::floor(date);
}

std::array<std::uint8_t, 6> sorted(std::array<std::uint8_t, 6> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

std::optional<DrawRecord> entryTemplate(const std::vector<DrawRecord>& records, double day)
{
    for (const DrawRecord& r : records)
        if (dayOf(r.date) == dayOf(day))
            return r;
    if (records.empty())
        return std::nullopt;
    return records.back();
}

double wednesdayCutOff()
{
    return *parseDate(QStringLiteral("04.06.1986"));
}

std::vector<DrawRecord> withEnteredDraw(const std::vector<DrawRecord>& records, DrawRecord entered)
{
    entered.numbers = sorted(entered.numbers);
    entered.date = dayOf(entered.date);
    // A day after every stored draw is simply added; comparing with the newest stored day (not
    // the day the window last searched for) keeps the file in date order whatever was shown.
    double newest = -1e9;
    for (const DrawRecord& r : records)
        newest = std::max(newest, dayOf(r.date));
    std::vector<DrawRecord> out;
    if (records.empty() || entered.date > newest) {
        out = records;
        out.push_back(entered);
        return out;
    }
    const double cutOff = wednesdayCutOff();
    bool written = false;
    for (const DrawRecord& r : records) {
        if (r.date < cutOff && weekday(r.date) == 3)
            continue; // no Wednesday draws before June 1986
        if (!written && dayOf(r.date) >= entered.date) {
            out.push_back(entered);
            written = true;
        }
        if (dayOf(r.date) != entered.date)
            out.push_back(r);
    }
    if (!written)
        out.push_back(entered);
    return out;
}

std::vector<DrawRecord> withoutDrawsOf(const std::vector<DrawRecord>& records, double day)
{
    std::vector<DrawRecord> out;
    std::copy_if(records.begin(), records.end(), std::back_inserter(out),
                 [day](const DrawRecord& r) { return r.date != day; });
    return out;
}

namespace {

struct ParsedLine {
    bool isDrawLine = false;              // a number, a date and numbers after it
    std::optional<ImportProblem> problem; // why the draw is refused; nothing when it is a draw
    QString detail;
    DrawRecord record;
};

ParsedLine parseResultLine(const QString& line)
{
    // "0001,27.01.1957,08,12,31,39,43,45" or "1. 27.01.1957 8,12,31,39,43,45"
    static const QRegularExpression shape(
        QStringLiteral(R"(^\s*\d+\s*[.,]\s*(\d{1,2})\.(\d{1,2})\.(\d{4})\s*[,\s]\s*(\S.*?)\s*$)"));
    static const QRegularExpression separators(QStringLiteral(R"([,\s]+)"));
    ParsedLine p;
    const auto m = shape.match(line);
    if (!m.hasMatch()) {
        p.problem = ImportProblem::NotADrawLine;
        return p;
    }
    p.isDrawLine = true;
    const QDate date(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    const QStringList numbers = m.captured(4).split(separators, Qt::SkipEmptyParts);
    if (!date.isValid()) {
        p.problem = ImportProblem::NoCalendarDate;
        p.detail = QStringList{m.captured(1), m.captured(2), m.captured(3)}.join(QLatin1Char('.'));
    } else if (numbers.size() != 6) {
        p.problem = ImportProblem::NumberCount;
        p.detail = QString::number(numbers.size());
    }
    if (p.problem)
        return p;
    p.record.date = dayFromDate(date);
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const int n = numbers[i].toInt(&ok);
        if (!ok || n < 1 || n > 49) {
            p.problem = ImportProblem::NotANumber;
            p.detail = numbers[i];
            return p;
        }
        if (std::find(p.record.numbers.begin(), p.record.numbers.begin() + i, n) !=
            p.record.numbers.begin() + i) {
            p.problem = ImportProblem::NumberTwice;
            p.detail = QString::number(n);
            return p;
        }
        p.record.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
    }
    p.record.numbers = sorted(p.record.numbers);
    return p;
}

// The new records in date order among the stored ones: each before the first record of a later
// day, after those of its own day.
std::vector<DrawRecord> merged(const std::vector<DrawRecord>& records,
                               std::vector<DrawRecord> added)
{
    std::stable_sort(added.begin(), added.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    std::vector<DrawRecord> out;
    out.reserve(records.size() + added.size());
    auto next = added.begin();
    for (const DrawRecord& r : records) {
        while (next != added.end() && next->date < dayOf(r.date))
            out.push_back(*next++);
        out.push_back(r);
    }
    out.insert(out.end(), next, added.end());
    return out;
}

} // namespace

DrawImport importDraws(const std::vector<DrawRecord>& records, const QList<QByteArray>& lines)
{
    DrawImport result;
    std::map<double, std::vector<std::array<std::uint8_t, 6>>> stored, added;
    for (const DrawRecord& r : records)
        stored[dayOf(r.date)].push_back(sorted(r.numbers));
    std::vector<DrawRecord> newRecords;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = QString::fromLatin1(lines[i]);
        if (text.trimmed().isEmpty())
            continue;
        const ParsedLine p = parseResultLine(text);
        result.foundAnyDraw |= p.isDrawLine;
        std::optional<ImportProblem> problem = p.problem;
        if (!problem) {
            const auto& same =
                stored.count(p.record.date) ? stored[p.record.date] : added[p.record.date];
            const bool known = std::find(same.begin(), same.end(), p.record.numbers) != same.end();
            if (known) {
                ++result.present;
            } else if (stored.count(p.record.date)) {
                problem = ImportProblem::DiffersFromStored;
            } else {
                added[p.record.date].push_back(p.record.numbers);
                newRecords.push_back(p.record);
                ++result.added;
            }
        }
        if (problem)
            result.refused.push_back({static_cast<int>(i + 1), *problem, p.detail});
    }
    result.records = merged(records, std::move(newRecords));
    return result;
}

QString refusalReason(const RefusedLine& refused)
{
    static constexpr std::pair<ImportProblem, Text> kReasons[] = {
        {ImportProblem::NotADrawLine, Text::ImportNotADrawLine},
        {ImportProblem::NoCalendarDate, Text::ImportNoCalendarDate},
        {ImportProblem::NumberCount, Text::ImportNumberCount},
        {ImportProblem::NotANumber, Text::ImportNotANumber},
        {ImportProblem::NumberTwice, Text::ImportNumberTwice},
        {ImportProblem::DiffersFromStored, Text::ImportDiffersFromStored},
    };
    for (const auto& [problem, reason] : kReasons)
        if (problem == refused.problem)
            return fillIn(text(reason), {refused.detail});
    return {};
}

} // namespace vendrilo
