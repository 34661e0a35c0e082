// SPDX-License-Identifier: GPL-3.0-or-later
// The payouts the program's update adds to its payout table after the draws.
#include "server/payoutanswer.h"

#include "core/draws/dates.h"
#include "core/money/payouttable.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace vendrilo::server {

namespace {

// A payout file stays far below this; more is no payout file.
constexpr qint64 kMaxPayoutFile = qint64(8) << 20;

std::optional<double> sinceDay(const std::optional<QString>& text)
{
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    if (!text || !eightDigits.match(*text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(*text, QStringLiteral("yyyyMMdd"));
    return date.isValid() ? std::optional<double>(dayFromDate(date)) : std::nullopt;
}

} // namespace

Response payoutAnswer(const Request& request, const QString& payoutsPath)
{
    if (request.value(u"Programm") != QLatin1String("PELVANO"))
        return textResponse(400, QStringLiteral("Programm fehlt oder ist nicht PELVANO"));
    const auto since = sinceDay(request.value(u"Seit"));
    if (!since)
        return textResponse(400, QStringLiteral("Seit fehlt oder ist kein Tag der Form yyyymmdd"));
    QFile file(payoutsPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPayoutFile)
        return textResponse(500, QStringLiteral("Die Quotendatei ist nicht lesbar"));
    const auto table = PayoutTable::parse(file.read(kMaxPayoutFile));
    if (!table)
        return textResponse(500, QStringLiteral("Die Quotendatei ist beschädigt"));
    QByteArray lines;
    for (const PayoutLine& line : table->lines())
        if (std::floor(line.day) >= *since)
            lines += formatPayoutLine(line);
    return Response{200, kPlainText, lines, {}};
}

} // namespace vendrilo::server
