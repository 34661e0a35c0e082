// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace vendrilo::server {

// The server speaks just enough HTTP/1.1 for its clients: GET, one request per connection,
// every answer with Content-Length and "Connection: close".

// A request head (request line, header lines, blank line) may take this many bytes.
inline constexpr qsizetype kMaxHeadSize = 8 * 1024;

struct Request {
    QByteArray method;
    // Percent-decoded, repeated slashes taken as one.
    QString path;
    // Percent-decoded, in the order given; keys are case-sensitive.
    QList<std::pair<QString, QString>> query;
    // The authority the client addressed: from an absolute-form target, else the Host header.
    QByteArray host;

    // The value of the first pair with this key.
    std::optional<QString> value(QStringView key) const;
};

struct Response {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> extraHeaders;
};

// Where the head ends in the bytes received so far: the offset just past its blank line (CR LF
// CR LF, or a bare LF LF from a hand-typed request), or nothing while it is incomplete.
std::optional<qsizetype> headEnd(const QByteArray& received);

// The request of a complete head; nothing when the head is no HTTP/1.x request.
std::optional<Request> parseRequest(QByteArrayView head);

// The status line's text for a code.
QByteArray reasonPhrase(int status);

// The bytes on the wire.
QByteArray serialize(const Response& response);

inline const QByteArray kPlainText = QByteArrayLiteral("text/plain; charset=ISO-8859-1");
inline const QByteArray kHtml = QByteArrayLiteral("text/html; charset=ISO-8859-1");

// A plain-text answer, its text in ISO-8859-1.
Response textResponse(int status, const QString& text);

} // namespace vendrilo::server
