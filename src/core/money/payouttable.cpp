// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/payouttable.h"

#include "core/draws/dates.h"
#include "core/texts/textlist.h"

#include <QRegularExpression>

#include <cmath>

namespace vendrilo {

namespace {

// Draw number, date, class, winners, amount with two decimals (below a billion zł).
const QRegularExpression& payoutLinePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,6}),([0-9]{2}\\.[0-9]{2}\\.[0-9]{4}),([3-6]),([0-9]{1,12}),"
                       "([0-9]{1,9}\\.[0-9]{2})$"));
    return pattern;
}

std::optional<PayoutLine> parsePayoutLine(const QString& text)
{
    const auto match = payoutLinePattern().match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto day = parseDate(match.captured(2));
    const auto prize = parseAmount(match.captured(5));
    if (!day || !prize)
        return std::nullopt;
    return PayoutLine{match.captured(1).toInt(), *day, match.captured(3).toInt(),
                      match.captured(4).toLongLong(), *prize};
}

} // namespace

QByteArray formatPayoutLine(const PayoutLine& line)
{
    return QStringLiteral("%1,%2,%3,%4,%5\n")
        .arg(line.drawNumber)
        .arg(formatDate(line.day))
        .arg(line.hits)
        .arg(line.winners)
        .arg(formatAmount(line.prize))
        .toLatin1();
}

PayoutTable::PayoutTable(std::vector<PayoutLine> lines) : m_lines(std::move(lines))
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        m_index.emplace(keyOf(m_lines[i].day, m_lines[i].hits), i);
}

PayoutTable::Key PayoutTable::keyOf(double day, int hits)
{
    return {static_cast<qint64>(std::floor(day)), hits};
}

Result<PayoutTable> PayoutTable::parse(const QByteArray& text)
{
    std::vector<PayoutLine> lines;
    std::map<Key, int> seen; // line number of each draw day and class
    int lineNumber = 0;
    for (QByteArray raw : text.split('\n')) {
        ++lineNumber;
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (raw.isEmpty())
            continue;
        const auto line = parsePayoutLine(QString::fromLatin1(raw));
        if (!line)
            return Error{fillIn(vendrilo::text(Text::PayoutLineDamaged),
                                {QString::number(lineNumber), QString::fromLatin1(raw.left(80))}),
                         ErrorKind::Damaged};
        const auto [at, fresh] = seen.emplace(keyOf(line->day, line->hits), lineNumber);
        if (!fresh)
            return Error{fillIn(vendrilo::text(Text::PayoutLineTwice),
                                {QString::number(lineNumber), QString::number(line->hits),
                                 formatDate(line->day), QString::number(at->second)}),
                         ErrorKind::Damaged};
        lines.push_back(*line);
    }
    return PayoutTable(std::move(lines));
}

std::optional<PayoutLine> PayoutTable::find(double day, int hits) const
{
    const auto it = m_index.find(keyOf(day, hits));
    if (it == m_index.end())
        return std::nullopt;
    return m_lines[it->second];
}

bool PayoutTable::holdsDraw(double day) const
{
    const auto it = m_index.lower_bound(keyOf(day, 0));
    return it != m_index.end() && it->first.first == keyOf(day, 0).first;
}

std::optional<double> PayoutTable::newestDay() const
{
    if (m_index.empty())
        return std::nullopt;
    return static_cast<double>(m_index.rbegin()->first.first);
}

std::optional<PayoutLine> PayoutTable::newestPaidOnOrBefore(double day, int hits) const
{
    // Entries are sorted by day, then class: walk back from the first entry after `day`.
    auto it = m_index.upper_bound(keyOf(day, kHighestPrizeHits + 1));
    while (it != m_index.begin()) {
        --it;
        const PayoutLine& line = m_lines[it->second];
        if (line.hits == hits && line.winners > 0)
            return line;
    }
    return std::nullopt;
}

PayoutTable::Paid PayoutTable::paidBetween(int hits, double after, double upTo) const
{
    Paid paid;
    for (auto it = m_index.upper_bound(keyOf(after, kHighestPrizeHits + 1));
         it != m_index.end() && it->first.first <= keyOf(upTo, 0).first; ++it) {
        const PayoutLine& line = m_lines[it->second];
        if (line.hits == hits && line.winners > 0) {
            paid.sum += line.prize;
            ++paid.draws;
        }
    }
    return paid;
}

} // namespace vendrilo
