// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/httpclient.h"

#include "net/httpexchange.h"

#include "core/texts/textlist.h"

#include <QNetworkCookie>

namespace vendrilo::net {

namespace {

// Redirects a client follows before it gives up, as browsers do.
constexpr int kMaxRedirects = 10;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isWebScheme(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

// A compressed answer is not read: the program asks for identity, and a body it cannot measure
// before it unpacks it could be any size.
bool isCompressed(const ExchangeOutcome& outcome)
{
    const QByteArray encoding = outcome.header("content-encoding").toLower();
    return !encoding.isEmpty() && encoding != "identity";
}

} // namespace

HttpClient::HttpClient(int timeoutMs) : m_timeoutMs(timeoutMs) {}

int HttpClient::timeoutFromEnvironment(int fallbackMs)
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("VENDRILO_HTTP_TIMEOUT_MS", &ok);
    return ok && ms >= 100 && ms <= fallbackMs ? ms : fallbackMs;
}

QByteArray HttpClient::requestHead(const QUrl& url, bool throughProxy) const
{
    const bool secure = url.scheme().toLower() == QLatin1String("https");
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    // Plain http through a proxy names the whole address; https goes through a tunnel.
    if (throughProxy && !secure)
        target = url.adjusted(QUrl::RemoveFragment | QUrl::RemoveUserInfo).toEncoded();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() >= 0)
        host += ':' + QByteArray::number(url.port());
    QByteArray head = "GET " + target + " HTTP/1.1\r\nHost: " + host +
                      "\r\nAccept: text/html, */*\r\nAccept-Encoding: identity\r\n"
                      "User-Agent: Vendrilo\r\nConnection: close\r\n";
    QByteArrayList cookies;
    for (const QNetworkCookie& cookie : m_cookies.cookiesForUrl(url))
        cookies << cookie.toRawForm(QNetworkCookie::NameAndValueOnly);
    if (!cookies.isEmpty())
        head += "Cookie: " + cookies.join("; ") + "\r\n";
    for (const auto& [name, value] : m_extraHeaders)
        head += name + ": " + value + "\r\n";
    return head + "\r\n";
}

Result<HttpAnswer> HttpClient::get(const QString& address, const HttpProxy& proxy)
{
    // The whole exchange, redirects included, from the connection to the last byte has this
    // long: a server that sends a byte now and then keeps a mere silence time-out waiting.
    const QDeadlineTimer deadline(m_timeoutMs);
    QUrl url(address);
    for (int hop = 0;; ++hop) {
        if (!isWebScheme(url))
            return Error{fillIn(text(Text::NetNoWebAddress), {address}), ErrorKind::BadInput};
        const ExchangeOutcome outcome =
            exchange(url, proxy, requestHead(url, !proxy.host.isEmpty()), deadline);
        for (const auto& [name, value] : outcome.headers)
            if (name == "set-cookie")
                m_cookies.setCookiesFromUrl(QNetworkCookie::parseCookies(value), url);
        if (outcome.tooLarge)
            return HttpAnswer{outcome.status, QString::fromLatin1(outcome.reason), {}, true};
        if (outcome.timedOut)
            return Error{fillIn(text(Text::NetIncomplete), {QString::number(m_timeoutMs / 1000.0)}),
                         ErrorKind::Unavailable};
        if (outcome.error)
            return Error{*outcome.error, ErrorKind::Unavailable};
        if (isCompressed(outcome))
            return Error{fillIn(text(Text::NetCompressed),
                                {QString::fromLatin1(outcome.header("content-encoding"))}),
                         ErrorKind::Unavailable};
        const QByteArray location = outcome.header("location");
        if (!isRedirect(outcome.status) || location.isEmpty())
            return HttpAnswer{outcome.status, QString::fromLatin1(outcome.reason), outcome.body};
        const QUrl next = url.resolved(QUrl::fromEncoded(location));
        // Only to a web address, and never from an encrypted one to a plain one: a server must
        // not send the program to a local file or a script.
        if (hop >= kMaxRedirects || !isWebScheme(next) ||
            (url.scheme().toLower() == QLatin1String("https") &&
             next.scheme().toLower() != QLatin1String("https")))
            return Error{
                fillIn(text(Text::NetRedirectRefused), {QString::fromLatin1(location.left(200))}),
                ErrorKind::Unavailable};
        url = next;
    }
}

} // namespace vendrilo::net
