// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/httpclient.h"

#include <QEventLoop>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace vendrilo::net {

namespace {

// Reads the body as it comes and gives up on one larger than the program will ever hold.
class BodyReader {
public:
    explicit BodyReader(QNetworkReply* reply) : m_reply(reply) {}

    void read()
    {
        if (m_tooLarge)
            return;
        const qint64 announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (announced > kMaxAnswerBytes ||
            m_body.size() + m_reply->bytesAvailable() > kMaxAnswerBytes) {
            m_tooLarge = true;
            m_body.clear();
            m_reply->abort();
            return;
        }
        m_body += m_reply->readAll();
    }
    bool tooLarge() const { return m_tooLarge; }
    const QByteArray& body() const { return m_body; }

private:
    QNetworkReply* m_reply;
    QByteArray m_body;
    bool m_tooLarge = false;
};

} // namespace

HttpClient::HttpClient(int timeoutMs) : m_timeoutMs(timeoutMs)
{
    m_manager.setCookieJar(new QNetworkCookieJar(&m_manager));
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

Result<HttpAnswer> HttpClient::get(const QString& url, const HttpProxy& proxy)
{
    m_manager.setProxy(proxy.host.isEmpty()
                           ? QNetworkProxy(QNetworkProxy::NoProxy)
                           : QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, proxy.port));
    QNetworkRequest request{QUrl(url)};
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Vendrilo"));
    request.setTransferTimeout(m_timeoutMs);

    QNetworkReply* reply = m_manager.get(request);
    BodyReader reader(reply);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] { reader.read(); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] { reader.read(); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    reader.read();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    HttpAnswer answer;
    answer.tooLarge = reader.tooLarge();
    if (!status.isValid() && !answer.tooLarge) {
        // No server answered: the connection, the name, the proxy or the time-out failed.
        const QString reason =
            reply->error() == QNetworkReply::OperationCanceledError
                ? QStringLiteral("keine Antwort nach %1 s").arg(m_timeoutMs / 1000)
                : reply->errorString();
        reply->deleteLater();
        return Error{reason};
    }
    answer.status = status.toInt();
    answer.statusText = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    answer.body = reader.body();
    reply->deleteLater();
    return answer;
}

} // namespace vendrilo::net
