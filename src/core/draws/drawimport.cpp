// SPDX-License-Identifier: GPL-3.0-or-later
// Published results merged into the history: the import of a results file, the update from a
// results list and the draw service's sources all take their draws through here.
#include "core/draws/dates.h"
#include "core/draws/drawedits.h"
#include "core/io/textlines.h"
#include "core/texts/textlist.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace vendrilo {

namespace {

using Numbers = std::array<std::uint8_t, 6>;

Numbers sorted(Numbers numbers)
{
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The blanks of a results line: what "\s" means in a pattern, ASCII only.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A cursor over one line. Each step looks at every byte once, so a line of any shape is read in
// time linear in its length; a pattern with nested repetition needed minutes for a crafted file.
class LineReader {
public:
    explicit LineReader(QByteArrayView line) : m_line(line) {}

    bool atEnd() const { return m_at >= m_line.size(); }
    char peek() const { return atEnd() ? '\0' : m_line[m_at]; }
    qsizetype position() const { return m_at; }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(peek()))
            ++m_at;
    }
    bool take(char c)
    {
        if (atEnd() || peek() != c)
            return false;
        ++m_at;
        return true;
    }
    // A run of digits of a length from `least` to `most`; the run must end there.
    std::optional<int> number(int least, int most)
    {
        const qsizetype start = m_at;
        int value = 0;
        while (!atEnd() && isDigit(peek())) {
            if (m_at - start < 9)
                value = value * 10 + (peek() - '0');
            ++m_at;
        }
        const qsizetype length = m_at - start;
        if (length < least || (most > 0 && length > most))
            return std::nullopt;
        return value;
    }

private:
    QByteArrayView m_line;
    qsizetype m_at = 0;
};

// After the date: blanks with at most one comma among them, at least one sign in all, and then
// something that is not a blank.
bool numbersFollow(QByteArrayView line, qsizetype at)
{
    qsizetype next = at;
    while (next < line.size() && isBlank(line[next]))
        ++next;
    if (next > at)
        return next < line.size();
    if (at >= line.size() || line[at] != ',')
        return false;
    for (next = at + 1; next < line.size() && isBlank(line[next]);)
        ++next;
    return next < line.size();
}

QList<QByteArrayView> numberTexts(QByteArrayView rest)
{
    QList<QByteArrayView> texts;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= rest.size(); ++i) {
        const bool separator = i == rest.size() || rest[i] == ',' || isBlank(rest[i]);
        if (separator && start >= 0) {
            texts.append(rest.sliced(start, i - start));
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
    return texts;
}

struct ParsedLine {
    bool isDrawLine = false;              // a number, a date and numbers after it
    std::optional<ImportProblem> problem; // why the draw is refused; nothing when it is a draw
    QString detail;
    DrawRecord record;
};

// "0001,27.01.1957,08,12,31,39,43,45" or "1. 27.01.1957 8,12,31,39,43,45"
ParsedLine parseResultLine(QByteArrayView line)
{
    ParsedLine p;
    LineReader in(line);
    in.skipBlanks();
    bool shape = in.number(1, 0).has_value();
    in.skipBlanks();
    shape = shape && (in.take('.') || in.take(','));
    in.skipBlanks();
    const qsizetype dateStart = in.position();
    const auto day = shape ? in.number(1, 2) : std::nullopt;
    const auto month = day && in.take('.') ? in.number(1, 2) : std::nullopt;
    const auto year = month && in.take('.') ? in.number(4, 4) : std::nullopt;
    const QByteArrayView dateText = line.sliced(dateStart, in.position() - dateStart);
    if (!year || !numbersFollow(line, in.position())) {
        p.problem = ImportProblem::NotADrawLine;
        return p;
    }
    p.isDrawLine = true;
    const QDate date(*year, *month, *day);
    const QList<QByteArrayView> numbers = numberTexts(line.sliced(in.position()));
    if (!date.isValid()) {
        p.problem = ImportProblem::NoCalendarDate;
        p.detail = QString::fromLatin1(dateText);
        return p;
    }
    if (numbers.size() != 6) {
        p.problem = ImportProblem::NumberCount;
        p.detail = QString::number(numbers.size());
        return p;
    }
    p.record.date = dayFromDate(date);
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const int n = numbers[i].toByteArray().toInt(&ok);
        if (!ok || n < 1 || n > 49) {
            p.problem = ImportProblem::NotANumber;
            p.detail = QString::fromLatin1(numbers[i]);
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
        while (next != added.end() && next->date < std::floor(r.date))
            out.push_back(*next++);
        out.push_back(r);
    }
    out.insert(out.end(), next, added.end());
    return out;
}

} // namespace

bool isPlausibleDraw(const std::array<std::uint8_t, 6>& numbers)
{
    const Numbers s = sorted(numbers);
    return s.front() >= 1 && s.back() <= 49 && std::adjacent_find(s.begin(), s.end()) == s.end();
}

// The draws of each day, stored before and added by this import.
struct DrawImporter::Days {
    std::map<double, std::vector<Numbers>> stored;
    std::map<double, std::vector<Numbers>> added;
};

DrawImporter::DrawImporter(const std::vector<DrawRecord>& records, DrawDays days)
    : m_records(records), m_days(days), m_seen(std::make_unique<Days>())
{
    for (const DrawRecord& r : records)
        m_seen->stored[std::floor(r.date)].push_back(sorted(r.numbers));
}

DrawImporter::~DrawImporter() = default;

void DrawImporter::addLine(qsizetype lineNumber, QByteArrayView line)
{
    // An empty line, or one of spaces only (also the Latin-1 ones), is no line at all.
    if (std::all_of(line.begin(), line.end(),
                    [](char c) { return QChar::fromLatin1(c).isSpace(); }))
        return;
    if (line.size() > kLongestResultLine) {
        refuse(lineNumber, ImportProblem::LineTooLong, QString::number(kLongestResultLine));
        return;
    }
    const ParsedLine p = parseResultLine(line);
    m_result.foundAnyDraw |= p.isDrawLine;
    if (p.problem) {
        refuse(lineNumber, *p.problem, p.detail);
        return;
    }
    const double day = p.record.date;
    if (!m_days.contains(day)) {
        refuse(lineNumber,
               day > m_days.last ? ImportProblem::AfterToday : ImportProblem::BeforeFirstDraw,
               formatDate(day));
        return;
    }
    const bool storedDay = m_seen->stored.count(day) > 0;
    auto& same = storedDay ? m_seen->stored[day] : m_seen->added[day];
    if (std::find(same.begin(), same.end(), p.record.numbers) != same.end()) {
        ++m_result.present;
    } else if (storedDay) {
        refuse(lineNumber, ImportProblem::DiffersFromStored);
    } else if (same.size() >= std::size_t(kMaxDrawsPerDay)) {
        refuse(lineNumber, ImportProblem::ThirdDrawOfADay, formatDate(day));
    } else {
        same.push_back(p.record.numbers);
        m_added.push_back(p.record);
        ++m_result.added;
    }
}

void DrawImporter::refuse(qsizetype lineNumber, ImportProblem problem, const QString& detail)
{
    if (++m_result.refusedCount <= kMaxRefusedReasons)
        m_result.refused.push_back({static_cast<int>(lineNumber), problem, detail});
}

DrawImport DrawImporter::finish()
{
    std::stable_sort(m_added.begin(), m_added.end(),
                     [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    m_result.addedRecords = m_added;
    m_result.records = merged(m_records, std::move(m_added));
    m_added.clear();
    return std::move(m_result);
}

DrawImport importDraws(const std::vector<DrawRecord>& records, const QList<QByteArray>& lines,
                       DrawDays days)
{
    DrawImporter importer(records, days);
    for (qsizetype i = 0; i < lines.size(); ++i)
        importer.addLine(i + 1, lines[i]);
    return importer.finish();
}

DrawImport importDrawText(const std::vector<DrawRecord>& records, const QByteArray& text,
                          DrawDays days)
{
    LineLimits limits;
    limits.maxLineLength = kLongestResultLine + 1;
    DrawImporter importer(records, days);
    LineSplitter splitter(limits, [&, number = qsizetype(0)](const QByteArray& line) mutable {
        importer.addLine(++number, line);
        return true;
    });
    splitter.feed(text.constData(), text.size());
    splitter.finish();
    return importer.finish();
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
        {ImportProblem::AfterToday, Text::ImportAfterToday},
        {ImportProblem::BeforeFirstDraw, Text::ImportBeforeFirstDraw},
        {ImportProblem::ThirdDrawOfADay, Text::ImportThirdDrawOfADay},
        {ImportProblem::LineTooLong, Text::ImportLineTooLong},
    };
    for (const auto& [problem, reason] : kReasons)
        if (problem == refused.problem)
            return fillIn(text(reason), {refused.detail});
    return {};
}

QString refusalReasonInEnglish(const RefusedLine& refused, double firstDrawDay)
{
    switch (refused.problem) {
    case ImportProblem::NotADrawLine:
        return QStringLiteral("not a draw line (number, DD.MM.YYYY, six numbers)");
    case ImportProblem::NoCalendarDate:
        return QStringLiteral("%1 is no calendar date").arg(refused.detail);
    case ImportProblem::NumberCount:
        return QStringLiteral("%1 numbers instead of six").arg(refused.detail);
    case ImportProblem::NotANumber:
        return QStringLiteral("\"%1\" is not a number from 1 to 49").arg(refused.detail);
    case ImportProblem::NumberTwice:
        return QStringLiteral("%1 stands twice").arg(refused.detail);
    case ImportProblem::DiffersFromStored:
        return QStringLiteral("differs from the stored draw of that day");
    case ImportProblem::AfterToday:
        return QStringLiteral("%1 lies after today").arg(refused.detail);
    case ImportProblem::BeforeFirstDraw:
        return QStringLiteral("%1 lies before the game's first draw (%2)")
            .arg(refused.detail, formatDate(firstDrawDay));
    case ImportProblem::ThirdDrawOfADay:
        return QStringLiteral("a day has at most %1 draws").arg(kMaxDrawsPerDay);
    case ImportProblem::LineTooLong:
        return QStringLiteral("longer than %1 characters").arg(refused.detail);
    }
    return {};
}

} // namespace vendrilo
