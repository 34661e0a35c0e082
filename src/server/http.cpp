// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a request head and writing an answer. Clients are the program, browsers and test
// scripts; anything that is not a plain HTTP/1.x request line with sane header lines is refused
// as a whole rather than guessed at.
#include "server/http.h"

#include <QRegularExpression>

#include <algorithm>

namespace vendrilo::server {

namespace {

// Query strings come from forms and address bars, where "+" stands for a blank.
QString decode(QByteArray bytes, bool plusIsSpace)
{
    if (plusIsSpace)
        bytes.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(bytes));
}

QList<std::pair<QString, QString>> parseQuery(const QByteArray& query)
{
    QList<std::pair<QString, QString>> pairs;
    for (const QByteArray& piece : query.split('&')) {
        if (piece.isEmpty())
            continue;
        const auto equals = piece.indexOf('=');
        if (equals < 0)
            pairs.append({decode(piece, true), QString()});
        else
            pairs.append({decode(piece.left(equals), true), decode(piece.mid(equals + 1), true)});
    }
    return pairs;
}

// The request target split into the authority it names (absolute form, as a proxy client sends
// it), the path and the query.
struct Target {
    QByteArray host;
    QByteArray path;
    QByteArray query;
};

std::optional<Target> splitTarget(QByteArray target)
{
    Target split;
    if (target.toLower().startsWith("http://")) {
        target.remove(0, 7);
        const auto slash = target.indexOf('/');
        const auto question = target.indexOf('?');
        qsizetype end = target.size();
        for (const auto at : {slash, question}) {
            if (at >= 0)
                end = std::min(end, at);
        }
        split.host = target.left(end);
        target.remove(0, end);
        if (split.host.isEmpty())
            return std::nullopt;
        if (!target.startsWith('/'))
            target.prepend('/');
    } else if (!target.startsWith('/')) {
        return std::nullopt;
    }
    if (const auto hash = target.indexOf('#'); hash >= 0)
        target.truncate(hash);
    const auto question = target.indexOf('?');
    split.path = question < 0 ? target : target.left(question);
    split.query = question < 0 ? QByteArray() : target.mid(question + 1);
    return split;
}

// A server address typed with a trailing slash gives "//lotto/...": the same page.
QString normalPath(const QByteArray& raw)
{
    static const QRegularExpression slashes(QStringLiteral("/{2,}"));
    return decode(raw, false).replace(slashes, QStringLiteral("/"));
}

bool isHttp1(const QByteArray& version)
{
    return version.size() == 8 && version.startsWith("HTTP/1.") && version[7] >= '0' &&
           version[7] <= '9';
}

// Header lines are "Name: value"; the only one this server needs is Host.
bool readHeaders(const QList<QByteArray>& lines, Request& request)
{
    QByteArray host;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty())
            continue;
        const auto colon = line.indexOf(':');
        // A name with blanks or an indented continuation line is a known smuggling trick.
        if (colon <= 0 || line.left(colon).contains(' ') || line.left(colon).contains('\t'))
            return false;
        if (line.left(colon).compare("host", Qt::CaseInsensitive) == 0 && host.isEmpty())
            host = line.mid(colon + 1).trimmed();
    }
    if (request.host.isEmpty())
        request.host = host;
    return true;
}

} // namespace

std::optional<QString> Request::value(QStringView key) const
{
    for (const auto& [k, v] : query) {
        if (k == key)
            return v;
    }
    return std::nullopt;
}

std::optional<qsizetype> headEnd(const QByteArray& received)
{
    const auto crlf = received.indexOf("\r\n\r\n");
    const auto lf = received.indexOf("\n\n");
    if (crlf < 0 && lf < 0)
        return std::nullopt;
    if (lf < 0 || (crlf >= 0 && crlf < lf))
        return crlf + 4;
    return lf + 2;
}

std::optional<Request> parseRequest(QByteArrayView head)
{
    QList<QByteArray> lines = head.toByteArray().split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    const QList<QByteArray> parts = lines.value(0).split(' ');
    if (parts.size() != 3 || parts[0].isEmpty() || !isHttp1(parts[2]))
        return std::nullopt;
    const auto target = splitTarget(parts[1]);
    if (!target)
        return std::nullopt;
    Request request;
    request.method = parts[0];
    request.path = normalPath(target->path);
    request.query = parseQuery(target->query);
    request.host = target->host;
    if (!readHeaders(lines, request))
        return std::nullopt;
    return request;
}

QByteArray reasonPhrase(int status)
{
    static constexpr std::pair<int, const char*> kPhrases[] = {
        {200, "OK"},
        {201, "Created"},
        {202, "Accepted"},
        {204, "No Content"},
        {301, "Moved Permanently"},
        {302, "Found"},
        {303, "See Other"},
        {304, "Not Modified"},
        {307, "Temporary Redirect"},
        {308, "Permanent Redirect"},
        {400, "Bad Request"},
        {401, "Unauthorized"},
        {403, "Forbidden"},
        {404, "Not Found"},
        {405, "Method Not Allowed"},
        {408, "Request Timeout"},
        {410, "Gone"},
        {429, "Too Many Requests"},
        {500, "Internal Server Error"},
        {501, "Not Implemented"},
        {502, "Bad Gateway"},
        {503, "Service Unavailable"},
        {504, "Gateway Timeout"},
    };
    for (const auto& [code, phrase] : kPhrases) {
        if (code == status)
            return phrase;
    }
    return status < 300   ? "OK"
           : status < 400 ? "Redirection"
           : status < 500 ? "Client Error"
                          : "Server Error";
}

QByteArray serialize(const Response& response)
{
    // These statuses carry no body by definition; a client would read one as the next answer.
    const bool bodiless = response.status == 204 || response.status == 304;
    const QByteArray body = bodiless ? QByteArray() : response.body;
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                       reasonPhrase(response.status) + "\r\n";
    if (!bodiless)
        bytes += "Content-Type: " + response.contentType + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    for (const auto& [name, value] : response.extraHeaders)
        bytes += name + ": " + value + "\r\n";
    bytes += "Connection: close\r\n\r\n";
    return bytes + body;
}

Response textResponse(int status, const QString& text)
{
    return Response{status, kPlainText, text.toLatin1(), {}};
}

} // namespace vendrilo::server
