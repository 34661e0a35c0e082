// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vendrilo {

// A proxy for the next request; an empty host means none.
struct HttpProxy {
    QString host;
    quint16 port = 80;
};

// What a server answered: any status, with its body. A body larger than kMaxAnswerBytes is not
// read at all (`tooLarge`), so that a wrong or hostile server cannot fill the memory.
struct HttpAnswer {
    int status = 0;
    QString statusText;
    QByteArray body;
    bool tooLarge = false;
};

inline constexpr qint64 kMaxAnswerBytes = qint64(1) << 20;

// The one thing the program asks of the network: a GET with the program's headers (Accept
// "text/html, */*", User-Agent "Vendrilo"), redirects followed, cookies kept, a time-out. The
// core knows only this interface; the network layer implements it and tests script it. An error
// is a transport failure (no connection, time-out, bad proxy): no server answered.
class HttpGet {
public:
    virtual ~HttpGet() = default;
    virtual Result<HttpAnswer> get(const QString& url, const HttpProxy& proxy) = 0;
};

// The server's base address joined with a path, with exactly one "/" between them.
QString joinUrl(const QString& base, const QString& path);
// True for an absolute http:// or https:// address with a host: the only kind the program
// requests or hands to the desktop to open.
bool isWebAddress(const QString& text);
// The proxy port as typed: a whole number 0..65535; nothing for anything else.
std::optional<quint16> parseProxyPort(const QString& text);

} // namespace vendrilo
