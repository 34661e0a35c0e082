// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/libraryfile.h"

#include <QStringList>

#include <algorithm>

namespace vendrilo::wheels {

namespace {

// "n=20 rows=14" -> 20 and 14.
bool parseHeader(QStringView line, int& n, int& rows)
{
    const auto fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 2 || !fields[0].startsWith(u"n=") || !fields[1].startsWith(u"rows="))
        return false;
    bool nOk = false;
    bool rowsOk = false;
    n = fields[0].mid(2).toInt(&nOk);
    rows = fields[1].mid(5).toInt(&rowsOk);
    return nOk && rowsOk && n >= kRowSize && n <= 63 && rows >= 0;
}

// "1 2 3 4 5 6" on the numbers 1..n -> the row on the positions 0..n-1.
std::optional<Mask> parseRow(QStringView line, int n)
{
    const auto fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != kRowSize)
        return std::nullopt;
    Mask row = 0;
    for (const QStringView field : fields) {
        bool ok = false;
        const int number = field.toInt(&ok);
        if (!ok || number < 1 || number > n)
            return std::nullopt;
        row |= bit(number - 1);
    }
    if (popcount(row) != kRowSize)
        return std::nullopt;
    return row;
}

// The rows that follow a header, from the line at `next`; moves `next` past them.
std::optional<std::vector<Mask>> parseRows(const QList<QStringView>& lines, qsizetype& next, int n,
                                           int count)
{
    std::vector<Mask> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (; next < lines.size() && static_cast<int>(rows.size()) < count; ++next) {
        const auto row = parseRow(lines[next], n);
        if (!row)
            return std::nullopt;
        rows.push_back(*row);
    }
    if (static_cast<int>(rows.size()) != count)
        return std::nullopt;
    return rows;
}

// Rows in the order of their numbers read left to right, as a reader scans a list.
bool readsBefore(Mask a, Mask b)
{
    while (a != b) {
        const int lowA = std::countr_zero(a);
        const int lowB = std::countr_zero(b);
        if (lowA != lowB)
            return lowA < lowB;
        a &= a - 1;
        b &= b - 1;
    }
    return false;
}

QString rowText(Mask row)
{
    QStringList numbers;
    for (; row; row &= row - 1)
        numbers << QString::number(std::countr_zero(row) + 1);
    return numbers.join(u' ');
}

} // namespace

Result<LibraryEntries> parseLibraryFile(const QString& text)
{
    LibraryEntries entries;
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    qsizetype next = 0;
    while (next < lines.size()) {
        const QStringView line = lines[next].trimmed();
        const qsizetype lineNumber = ++next;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        int n = 0;
        int count = 0;
        if (!parseHeader(line, n, count))
            return Error{QStringLiteral("line %1: no section header").arg(lineNumber),
                         ErrorKind::Damaged};
        if (entries.count(n) != 0)
            return Error{
                QStringLiteral("line %1: a second section for n=%2").arg(lineNumber).arg(n),
                ErrorKind::Damaged};
        auto rows = parseRows(lines, next, n, count);
        if (!rows)
            return Error{QStringLiteral("section n=%1: a damaged row or too few rows").arg(n),
                         ErrorKind::Damaged};
        entries[n] = std::move(*rows);
    }
    return entries;
}

QString formatLibraryFile(const Guarantee& guarantee, const LibraryEntries& entries)
{
    QString text =
        QStringLiteral("# Vendrilo wheels \"%1\" on the numbers 1..n\n").arg(guarantee.text());
    for (const auto& [n, rows] : entries) {
        text += QStringLiteral("n=%1 rows=%2\n").arg(n).arg(rows.size());
        std::vector<Mask> sorted = rows;
        std::sort(sorted.begin(), sorted.end(), readsBefore);
        for (const Mask row : sorted)
            text += rowText(row) + u'\n';
    }
    return text;
}

std::optional<std::vector<Mask>> librarySection(const QString& text, int n)
{
    const QString header = QStringLiteral("n=%1 rows=").arg(n);
    qsizetype at = text.startsWith(header) ? 0 : text.indexOf(u'\n' + header);
    if (at < 0)
        return std::nullopt;
    if (at > 0)
        ++at;
    const qsizetype lineEnd = text.indexOf(u'\n', at);
    int headerN = 0;
    int count = 0;
    if (lineEnd < 0 || !parseHeader(QStringView(text).mid(at, lineEnd - at), headerN, count))
        return std::nullopt;
    // Only as many lines as the section holds are split off.
    qsizetype end = lineEnd;
    for (int i = 0; i < count && end >= 0; ++i)
        end = text.indexOf(u'\n', end + 1);
    if (end < 0)
        end = text.size();
    const QList<QStringView> lines =
        QStringView(text).mid(lineEnd + 1, end - lineEnd - 1).split(u'\n');
    qsizetype next = 0;
    return count == 0 ? std::optional<std::vector<Mask>>(std::vector<Mask>{})
                      : parseRows(lines, next, n, count);
}

} // namespace vendrilo::wheels
