// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol of the program's online update and portal hand-over, answered from a draw file.
#include "server/answers.h"

#include "server/payoutanswer.h"

#include "core/draws/dates.h"
#include "core/io/httpget.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace vendrilo::server {

namespace {

const QString kProgram = QStringLiteral("PELVANO");
const QString kPortal = QStringLiteral("Lottoland");

// "yyyymmdd" of a real calendar day, as the update asks for it.
std::optional<double> requestedDay(const QString& text)
{
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    if (!eightDigits.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return std::nullopt;
    return dayFromDate(date);
}

// The newest day that has a draw; records whose date is no calendar day count for nothing.
std::optional<double> newestDay(const std::vector<DrawRecord>& records)
{
    std::optional<double> newest;
    for (const DrawRecord& record : records) {
        if (isCalendarDay(record.date))
            newest = std::max(newest.value_or(record.date), std::floor(record.date));
    }
    return newest;
}

std::optional<int> tipCount(const std::optional<QString>& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,2}$"));
    if (!text || !digits.match(*text).hasMatch())
        return std::nullopt;
    const int count = text->toInt();
    if (count < 1 || count > 12)
        return std::nullopt;
    return count;
}

} // namespace

Answers::Answers(const ServerOptions& options, DrawSource& draws, DrawSource* plusDraws)
    : m_options(options), m_draws(draws), m_plusDraws(plusDraws)
{
}

Response Answers::answer(const Request& request, const QByteArray& ownAuthority)
{
    if (request.method != "GET") {
        Response refused = textResponse(405, QStringLiteral("Nur GET"));
        refused.extraHeaders.append(std::pair{QByteArray("Allow"), QByteArray("GET")});
        return refused;
    }
    if (request.path == u"/lotto/PELVANO.asp")
        return dayAnswer(request);
    if (request.path == u"/lotto/lotto.asp")
        return portalAnswer(request, ownAuthority);
    if (request.path == u"/lotto/warenkorb2.asp")
        return cartPage(request);
    // Without a payout file the server answers as one that does not know the request.
    if (request.path == kPayoutPath && !m_options.payoutsPath.isEmpty())
        return payoutAnswer(request, m_options.payoutsPath);
    return textResponse(404, QStringLiteral("Seite nicht gefunden"));
}

Response Answers::dayAnswer(const Request& request)
{
    if (request.value(u"Programm") != kProgram)
        return textResponse(400, QStringLiteral("Programm fehlt oder ist nicht PELVANO"));
    // "P" before the day asks for Lotto Plus: an older server finds no day in it.
    QString datum = request.value(u"Datum").value_or(QString());
    const bool plus = datum.startsWith(QLatin1Char('P'));
    if (plus)
        datum.remove(0, 1);
    const auto day = requestedDay(datum);
    if (!day)
        return textResponse(400, QStringLiteral("Datum fehlt oder ist kein Tag der Form yyyymmdd"));
    if (plus && !m_plusDraws)
        return textResponse(404, QStringLiteral("Lotto Plus wird hier nicht angeboten"));
    if (const auto fixed = m_options.days.find(static_cast<qint64>(*day));
        !plus && fixed != m_options.days.end()) {
        const int status = fixed->second.status.value_or(200);
        return Response{status, kPlainText, fixed->second.body.value_or(reasonPhrase(status)), {}};
    }
    const std::vector<DrawRecord>& records = plus ? m_plusDraws->current() : m_draws.current();
    const auto newest = newestDay(records);
    // The client tells this answer from an empty day by its status: the day may still come.
    if (!newest || *day > *newest)
        return textResponse(500, QStringLiteral("noch nicht da"));
    return Response{200, kPlainText, dayLines(records, *day), {}};
}

Response Answers::portalAnswer(const Request& request, const QByteArray& ownAuthority) const
{
    if (request.value(u"Spiel") != kProgram || request.value(u"Wo") != kPortal ||
        !tipCount(request.value(u"Tipps")))
        return textResponse(400,
                            QStringLiteral("Erwartet: Spiel=PELVANO&Wo=Lottoland&Tipps=1..12"));
    const int status = m_options.portalStatus.value_or(200);
    if (m_options.portalBody)
        return Response{status, kHtml, *m_options.portalBody, {}};
    if (status != 200)
        return Response{status, kHtml, reasonPhrase(status), {}};
    const QString base = m_options.publicUrl.isEmpty()
                             ? QStringLiteral("http://") + QString::fromLatin1(ownAuthority)
                             : m_options.publicUrl;
    const QString text = m_options.portalTemplate.isEmpty()
                             ? defaultPortalTemplate(base, *tipCount(request.value(u"Tipps")))
                             : m_options.portalTemplate;
    return Response{200, kHtml, text.toLatin1(), {}};
}

QByteArray dayLines(const std::vector<DrawRecord>& records, double day)
{
    const QByteArray date = formatDate(day).toLatin1();
    QByteArray lines;
    for (const DrawRecord& record : records) {
        if (!isCalendarDay(record.date) || std::floor(record.date) != day)
            continue;
        lines += date;
        for (const std::uint8_t number : record.numbers)
            lines += ',' + QByteArray::number(number);
        lines += ";;;\r\n";
    }
    return lines;
}

QString defaultPortalTemplate(const QString& base, int tips)
{
    QString text = joinUrl(base, QStringLiteral("/lotto/warenkorb2.asp?"));
    for (int row = 1; row <= 12; ++row)
        text += QStringLiteral("t%1=[KASTEN%1]&").arg(row);
    // The rows asked for travel along, so that a cart page (and a test) can show them.
    return text + QStringLiteral("n=[ANZAHL]&m=[Anzahl]&tipps=%1").arg(tips);
}

} // namespace vendrilo::server
