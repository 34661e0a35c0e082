// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/submit/portal.h"

#include "core/io/atomicfile.h"
#include "core/io/html.h"
#include "core/io/textlines.h"
#include "core/texts/textlist.h"

#include <cstring>
#include <utility>

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

// What a reader sees of an HTML text: the tags left out, the contents of scripts and styles
// too, a few entities read. One pass, in time linear in the length.
QString visibleText(const QString& html)
{
    QString text;
    qsizetype i = 0;
    while (i < html.size()) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            const qsizetype close = html.indexOf(QLatin1Char('>'), i);
            if (close < 0)
                break;
            const QString tag = html.mid(i + 1, close - i - 1).trimmed().toLower();
            i = close + 1;
            for (const char* hidden : {"script", "style"}) {
                if (tag == QLatin1String(hidden) || tag.startsWith(QLatin1String(hidden) + u' ')) {
                    const qsizetype end = html.indexOf(QStringLiteral("</") + QLatin1String(hidden),
                                                       i, Qt::CaseInsensitive);
                    i = end < 0 ? html.size() : end;
                }
            }
            continue;
        }
        if (c == QLatin1Char('&')) {
            static const std::pair<const char*, char16_t> entities[] = {
                {"&amp;", u'&'},  {"&lt;", u'<'},   {"&gt;", u'>'},   {"&quot;", u'"'},
                {"&nbsp;", u' '}, {"&auml;", u'ä'}, {"&ouml;", u'ö'}, {"&uuml;", u'ü'},
                {"&Auml;", u'Ä'}, {"&Ouml;", u'Ö'}, {"&Uuml;", u'Ü'}, {"&szlig;", u'ß'}};
            bool read = false;
            for (const auto& [name, sign] : entities)
                if (html.mid(i, qsizetype(std::strlen(name))) == QLatin1String(name)) {
                    text += QChar(sign);
                    i += qsizetype(std::strlen(name));
                    read = true;
                    break;
                }
            if (read)
                continue;
        }
        text += c;
        ++i;
    }
    return text;
}

// The service's message in a page of the program's own: the text escaped, nothing of the
// service's markup, so that no script of it runs and no address of it is followed (a frame of
// file:///etc/passwd would show the file). 8-bit, every line ended by CR LF.
QByteArray messagePageBytes(const QByteArray& body)
{
    QByteArray page = "<!DOCTYPE html>\r\n<html><head><meta charset=\"ISO-8859-1\">\r\n"
                      "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'\">"
                      "\r\n<title>Mitteilung</title></head>\r\n<body>\r\n<h1>" +
                      latin1Html(text(Text::PortalMessageHeading)) + "</h1>\r\n<pre>\r\n";
    const QString message = visibleText(QString::fromLatin1(body));
    for (const QByteArray& line :
         splitLines(message.toLatin1(), LineLimits{0, kMaxAnswerBytes, kMaxAnswerBytes}))
        page += latin1Html(QString::fromLatin1(line)) + "\r\n";
    return page + "</pre>\r\n</body></html>\r\n";
}

} // namespace

Result<PortalHandOver> handOverToPortal(const PortalRequest& request, const TipSheet& sheet,
                                        HttpGet& http)
{
    const auto answer =
        http.get(portalTemplateUrl(request.server, request.rowCount), request.proxy);
    if (!answer && answer.errorKind() == ErrorKind::NotFound) // no network module: no request
        return answer.failure();
    if (!answer)
        return Error{fillIn(text(Text::PortalNoAnswer), {answer.error()}), ErrorKind::Unavailable};
    if (answer->tooLarge)
        return Error{text(Text::PortalAnswerTooLarge), ErrorKind::Unavailable};
    QString address = QString::fromLatin1(answer->body).trimmed();
    if (answer->status >= 400) {
        if (answer->body.contains("Mitteilung")) {
            if (const Status written =
                    writeFileAtomically(request.messagePage, messagePageBytes(answer->body));
                !written)
                return written.failure();
            return PortalHandOver{{}, request.messagePage};
        }
        address = fallbackPortalTemplate(request.server);
    }
    if (address.size() > kMaxTemplateLength)
        return Error{
            fillIn(text(Text::PortalAddressTooLong), {QString::number(kMaxTemplateLength)}),
            ErrorKind::BadInput};
    address = fillPortalTemplate(address, sheet);
    if (!isWebAddress(address))
        return Error{fillIn(text(Text::PortalNoWebAddress), {address.left(200)}),
                     ErrorKind::BadInput};
    return PortalHandOver{address, {}};
}

} // namespace vendrilo
