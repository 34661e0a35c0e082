// SPDX-License-Identifier: GPL-3.0-or-later
// The cart a user's browser lands on when the server's own template is used: it shows what the
// program handed over, so that the whole way from the sheet to the browser can be tried by hand.
#include "core/io/html.h"
#include "server/answers.h"

namespace vendrilo::server {

namespace {

QByteArray rowLine(int row, const QString& text)
{
    // Six empty fields: a row the user left empty.
    const QByteArray shown =
        text == QLatin1String(",,,,,") ? QByteArrayLiteral("<i>leer</i>") : latin1Html(text);
    return "<tr><td>" + QByteArray::number(row) + ". Tipp</td><td>" + shown + "</td></tr>\n";
}

} // namespace

Response cartPage(const Request& request)
{
    QByteArray rows;
    for (int row = 1; row <= 12; ++row) {
        if (const auto text = request.value(QStringLiteral("t%1").arg(row)))
            rows += rowLine(row, *text);
    }
    QByteArray page = "<!DOCTYPE html>\n<html><head><meta charset=\"ISO-8859-1\">"
                      "<title>Warenkorb</title></head>\n<body>\n<h1>Warenkorb</h1>\n";
    if (const auto count = request.value(u"n"))
        page += "<p>Anzahl der Tipps: " + latin1Html(*count) + "</p>\n";
    if (rows.isEmpty())
        page += "<p>Keine Tipps erhalten.</p>\n";
    else
        page += "<table>\n" + rows + "</table>\n";
    page += "</body></html>\n";
    return Response{200, kHtml, page, {}};
}

} // namespace vendrilo::server
