// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ledger/ticket.h"

#include <QRegularExpression>

namespace vendrilo::ledger {

std::vector<Game> Ticket::games() const
{
    if (plus)
        return {Game::Lotto, Game::Plus};
    return {Game::Lotto};
}

namespace {

// "1.234" and "1,234,567": separators between groups of three digits.
bool groupsOfThree(const QString& digits, QChar separator)
{
    const QStringList groups = digits.split(separator);
    for (qsizetype i = 1; i < groups.size(); ++i)
        if (groups.at(i).size() != 3)
            return false;
    return !groups.first().isEmpty() && groups.first().size() <= 3;
}

} // namespace

std::optional<Money> parseTypedAmount(const QString& text)
{
    QString t = text.trimmed();
    static const QRegularExpression currency(QStringLiteral("\\s*(zł|zl|PLN)$"),
                                             QRegularExpression::CaseInsensitiveOption);
    t.remove(currency);
    t.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}]")));
    static const QRegularExpression shape(QStringLiteral("^[0-9][0-9.,]*$"));
    if (!shape.match(t).hasMatch())
        return std::nullopt;
    // The decimal separator is the last ',' or '.' followed by one or two digits; every other
    // separator only groups thousands.
    QString whole = t;
    QString cents;
    const qsizetype last =
        std::max(t.lastIndexOf(QLatin1Char(',')), t.lastIndexOf(QLatin1Char('.')));
    if (last >= 0 && t.size() - last - 1 <= 2) {
        whole = t.left(last);
        if (whole.contains(t.at(last)))
            return std::nullopt; // "12.34.56": the same mark cannot group and divide
        cents = t.mid(last + 1).leftJustified(2, QLatin1Char('0'));
        if (t.size() - last - 1 == 0)
            return std::nullopt;
    }
    for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')})
        if (whole.contains(separator)) {
            if (!groupsOfThree(whole, separator))
                return std::nullopt;
            whole.remove(separator);
        }
    if (whole.contains(QLatin1Char('.')) || whole.contains(QLatin1Char(',')) || whole.size() > 12)
        return std::nullopt;
    bool ok = false;
    const qint64 zloty = whole.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return Money{zloty * 100 + (cents.isEmpty() ? 0 : cents.toInt())};
}

} // namespace vendrilo::ledger
