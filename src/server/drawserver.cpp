// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/drawserver.h"

#include "server/connection.h"

#include <QTcpSocket>

namespace vendrilo::server {

namespace {

// Far below the usual limit of open files: beyond it a connection is closed at once, without an
// answer, rather than leaving the server unable to accept anyone.
constexpr int kMaxClients = 512;
// A household or a club asks a few days at a time, one after another; no honest client needs
// more connections at once from one address.
constexpr int kMaxClientsPerAddress = 16;

// The client's address as one key, whether it came in over IPv4 or as an IPv4-mapped IPv6 one.
QString addressKey(const QTcpSocket& socket)
{
    QHostAddress address = socket.peerAddress();
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    return mapped ? QHostAddress(v4).toString() : address.toString();
}

} // namespace

DrawServer::DrawServer(const ServerOptions& options, DrawSource& draws, DrawSource* plusDraws,
                       QObject* parent)
    : QObject(parent), m_options(options), m_answers(options, draws, plusDraws)
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
        if (m_clients >= kMaxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const QString address = addressKey(*socket);
        auto* connection =
            new Connection(socket, answerer, {m_options.delayMs, m_options.headTimeoutMs}, this);
        ++m_clients;
        connect(connection, &QObject::destroyed, this, [this] { --m_clients; });
        int& fromAddress = m_clientsByAddress[address];
        if (fromAddress >= kMaxClientsPerAddress) {
            connection->answerNow(
                textResponse(503, QStringLiteral("Zu viele Verbindungen von dieser Adresse")));
            continue;
        }
        ++fromAddress;
        connect(connection, &QObject::destroyed, this, [this, address] {
            if (--m_clientsByAddress[address] <= 0)
                m_clientsByAddress.erase(address);
        });
    }
}

} // namespace vendrilo::server
