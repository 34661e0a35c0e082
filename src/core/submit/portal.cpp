// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/submit/portal.h"

#include "core/io/atomicfile.h"
#include "core/io/textlines.h"
#include "core/texts/textlist.h"

namespace vendrilo {

QString portalTemplateUrl(const QString& server, int rowCount)
{
    return joinUrl(server, QStringLiteral("/lotto/lotto.asp?Spiel=PELVANO&Wo=Lottoland&Tipps=")) +
           QString::number(rowCount);
}

QString fallbackPortalTemplate(const QString& server)
{
    return joinUrl(server, QStringLiteral("/lotto/warenkorb2.asp?"));
}

int usedRows(const TipSheet& sheet)
{
    for (int r = TipSheet::kRows; r >= 1; --r)
        if (sheet.rowString(r) != QLatin1String(",,,,,"))
            return r;
    return 0;
}

QString fillPortalTemplate(QString address, const TipSheet& sheet)
{
    auto replaceFirst = [&](const QString& placeholder, const QString& value) {
        const qsizetype at = address.indexOf(placeholder);
        if (at >= 0)
            address.replace(at, placeholder.size(), value);
    };
    for (int r = 1; r <= TipSheet::kRows; ++r)
        replaceFirst(QStringLiteral("[KASTEN%1]").arg(r), sheet.rowString(r));
    const QString used = QString::number(usedRows(sheet));
    replaceFirst(QStringLiteral("[ANZAHL]"), used);
    replaceFirst(QStringLiteral("[Anzahl]"), used);
    return address;
}

namespace {

// The message page as the program writes text: 8-bit, every line ended by CR LF.
QByteArray messagePageBytes(const QByteArray& body)
{
    QByteArray page;
    for (const QByteArray& line : splitLines(body, LineLimits{0, kMaxAnswerBytes, kMaxAnswerBytes}))
        page += line + "\r\n";
    return page;
}

} // namespace

Result<PortalHandOver> handOverToPortal(const PortalRequest& request, const TipSheet& sheet,
                                        HttpGet& http)
{
    const auto answer =
        http.get(portalTemplateUrl(request.server, request.rowCount), request.proxy);
    if (!answer)
        return Error{fillIn(text(Text::PortalNoAnswer), {answer.error()})};
    if (answer->tooLarge)
        return Error{text(Text::PortalAnswerTooLarge)};
    QString address = QString::fromLatin1(answer->body).trimmed();
    if (answer->status >= 400) {
        if (answer->body.contains("Mitteilung")) {
            if (const Status written =
                    writeFileAtomically(request.messagePage, messagePageBytes(answer->body));
                !written)
                return Error{written.error()};
            return PortalHandOver{{}, request.messagePage};
        }
        address = fallbackPortalTemplate(request.server);
    }
    if (address.size() > kMaxTemplateLength)
        return Error{
            fillIn(text(Text::PortalAddressTooLong), {QString::number(kMaxTemplateLength)})};
    address = fillPortalTemplate(address, sheet);
    if (!isWebAddress(address))
        return Error{fillIn(text(Text::PortalNoWebAddress), {address.left(200)})};
    return PortalHandOver{address, {}};
}

} // namespace vendrilo
