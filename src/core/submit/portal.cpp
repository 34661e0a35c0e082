// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/submit/portal.h"

#include "core/io/atomicfile.h"
#include "core/io/textlines.h"

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
        return Error{QStringLiteral("Keine Antwort vom Portal-Dienst: ") + answer.error()};
    if (answer->tooLarge)
        return Error{QStringLiteral("Die Antwort des Portal-Dienstes ist größer als 1 MB.")};
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
        return Error{QStringLiteral("Die Adresse des Portal-Dienstes ist länger als %1 Zeichen "
                                    "und wird nicht geöffnet.")
                         .arg(kMaxTemplateLength)};
    address = fillPortalTemplate(address, sheet);
    if (!isWebAddress(address))
        return Error{QStringLiteral("Der Portal-Dienst hat keine Web-Adresse geliefert, sie wird "
                                    "nicht geöffnet: %1")
                         .arg(address.left(200))};
    return PortalHandOver{address, {}};
}

} // namespace vendrilo
