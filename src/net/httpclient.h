// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"

#include <QNetworkAccessManager>

namespace vendrilo::net {

// The program's HTTP client: GET with Accept "text/html, */*" and User-Agent "Vendrilo",
// redirects followed, cookies kept for the client's life, the proxy given per request and a
// time-out. It waits in a local event loop, so a window stays responsive while it waits. Any
// status a server answers comes back as an answer; only a transport failure is an error.
class HttpClient : public HttpGet {
public:
    explicit HttpClient(int timeoutMs = 15000);

    Result<HttpAnswer> get(const QString& url, const HttpProxy& proxy) override;

private:
    QNetworkAccessManager m_manager;
    int m_timeoutMs;
};

} // namespace vendrilo::net
