// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawserver.h"

#include "connection.h"

#include <QTcpSocket>

namespace vendrilo::server {

namespace {

// Far below the usual limit of open files: a flood of clients is turned away with 503 rather
// than leaving the server unable to accept anyone.
constexpr int kMaxClients = 256;

} // namespace

DrawServer::DrawServer(const ServerOptions& options, DrawSource& draws, QObject* parent)
    : QObject(parent), m_options(options), m_answers(options, draws)
{
    // Many clients may knock at once (a club's members after a draw).
    m_listener.setListenBacklogSize(128);
    connect(&m_listener, &QTcpServer::newConnection, this, &DrawServer::acceptClients);
}

Status DrawServer::listen()
{
    if (!m_listener.listen(m_options.address, m_options.port))
        return Error{QStringLiteral("cannot listen on %1 port %2: %3")
                         .arg(m_options.address.toString())
                         .arg(m_options.port)
                         .arg(m_listener.errorString())};
    return {};
}

QString DrawServer::url() const
{
    QString host = m_listener.serverAddress().toString();
    if (m_listener.serverAddress().protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return QStringLiteral("http://%1:%2").arg(host).arg(m_listener.serverPort());
}

void DrawServer::acceptClients()
{
    const Connection::Answerer answerer = [this](const Request& request,
                                                 const QByteArray& ownAuthority) {
        return m_answers.answer(request, ownAuthority);
    };
    while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
        auto* connection =
            new Connection(socket, answerer, {m_options.delayMs, m_options.headTimeoutMs}, this);
        ++m_clients;
        connect(connection, &QObject::destroyed, this, [this] { --m_clients; });
        if (m_clients > kMaxClients)
            connection->answerNow(textResponse(503, QStringLiteral("Zu viele Verbindungen")));
    }
}

} // namespace vendrilo::server
