// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"

#include <QList>
#include <QNetworkCookieJar>
#include <QUrl>

#include <utility>

namespace vendrilo::net {

// The program's HTTP client: GET with Accept "text/html, */*", Accept-Encoding "identity" and
// User-Agent "Vendrilo", redirects followed (to http or https only, never from https to http),
// cookies kept for the client's life, the proxy given per request. It speaks HTTP/1.1 itself
// (net/httpexchange.h), so that every bound holds, and waits in a local event loop, so a window
// stays responsive while it waits. Any status a server answers comes back as an answer; a transport
// failure is an error, and so is an answer that did not arrive whole: the connection closed or
// stalled before its last byte, or the whole exchange took longer than the time-out. A body of
// more than kMaxAnswerBytes received is not kept (`tooLarge`), chunked or not.
class HttpClient : public HttpGet {
public:
    explicit HttpClient(int timeoutMs = timeoutFromEnvironment(15000));

    Result<HttpAnswer> get(const QString& url, const HttpProxy& proxy) override;

    // A header sent with every request (a results service's key).
    void addHeader(QByteArray name, QByteArray value)
    {
        m_extraHeaders.append({std::move(name), std::move(value)});
    }

    // The time-out: `fallbackMs`, or a shorter one from VENDRILO_HTTP_TIMEOUT_MS, with which the
    // tests of slow servers finish in a second instead of fifteen.
    static int timeoutFromEnvironment(int fallbackMs);

private:
    QByteArray requestHead(const QUrl& url, bool throughProxy) const;

    QNetworkCookieJar m_cookies;
    int m_timeoutMs;
    QList<std::pair<QByteArray, QByteArray>> m_extraHeaders;
};

} // namespace vendrilo::net
