// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/money.h"

#include <QLocale>
#include <QRegularExpression>

#include <cstdlib>

namespace vendrilo {

namespace {

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString formatAmount(Money amount)
{
    const qint64 magnitude = amount.grosze < 0 ? -amount.grosze : amount.grosze;
    return (amount.grosze < 0 ? QStringLiteral("-") : QString()) +
           QString::number(magnitude / 100) + QLatin1Char('.') + twoDigits(magnitude % 100);
}

QString formatZloty(Money amount)
{
    const QLocale locale;
    const qint64 magnitude = amount.grosze < 0 ? -amount.grosze : amount.grosze;
    return (amount.grosze < 0 ? locale.negativeSign() : QString()) +
           locale.toString(magnitude / 100) + locale.decimalPoint() + twoDigits(magnitude % 100) +
           QStringLiteral(" zł");
}

std::optional<Money> parseAmount(const QString& text)
{
    // Nine digits at most: below a billion zł.
    static const QRegularExpression amount(QStringLiteral("^([0-9]{1,9})(?:[.,]([0-9]{1,2}))?$"));
    const auto match = amount.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 whole = match.captured(1).toLongLong();
    QString fraction = match.captured(2);
    if (fraction.size() == 1)
        fraction += QLatin1Char('0');
    return Money{whole * 100 + fraction.toLongLong()};
}

std::optional<QString> formatPercent(Money part, Money of)
{
    if (of.grosze == 0)
        return std::nullopt;
    // Hundredths of a percent, part * 10000 / of, rounded half away from zero.
    const bool negative = (part.grosze < 0) != (of.grosze < 0);
    const qint64 scaled = std::abs(part.grosze) * 10000;
    const qint64 whole = std::abs(of.grosze);
    const qint64 hundredths = (2 * scaled + whole) / (2 * whole);
    return formatAmount(Money{negative ? -hundredths : hundredths});
}

} // namespace vendrilo
