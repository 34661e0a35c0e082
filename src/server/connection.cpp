// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/connection.h"

#include <QHostAddress>
#include <QTcpSocket>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

#include <utility>

namespace vendrilo::server {

namespace {

// How long an answered client may take to read the answer and hang up.
constexpr int kLingerMs = 2000;

// Ends the server's sending side only. Closing the socket outright while the client still sends
// (the rest of an oversized request) would reset the connection, and the client would lose
// the answer that explains why it was refused.
void shutdownSending(QTcpSocket* socket)
{
#ifdef _WIN32
    ::shutdown(static_cast<SOCKET>(socket->socketDescriptor()), SD_SEND);
#else
    ::shutdown(static_cast<int>(socket->socketDescriptor()), SHUT_WR);
#endif
}

} // namespace

Connection::Connection(QTcpSocket* socket, Answerer answerer, Timing timing, QObject* parent)
    : QObject(parent), m_socket(socket), m_answerer(std::move(answerer)), m_timing(timing)
{
    m_socket->setParent(this);
    // Anything beyond a head's worth waits in the system's buffers, not in this process.
    m_socket->setReadBufferSize(2 * kMaxHeadSize);
    connect(m_socket, &QTcpSocket::readyRead, this, &Connection::receive);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &Connection::sendRemainder);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &Connection::expire);
    m_deadline.start(m_timing.headTimeoutMs);
}

void Connection::answerNow(const Response& response)
{
    m_answered = true;
    send(response);
}

void Connection::receive()
{
    const QByteArray bytes = m_socket->readAll();
    if (m_answered)
        return; // the rest of a refused request, or anything after the head: not read
    m_received += bytes;
    const auto end = headEnd(m_received);
    if (end && *end <= kMaxHeadSize) {
        const auto request = parseRequest(QByteArrayView(m_received).first(*end));
        answerAfterDelay(request ? m_answerer(*request, ownAuthority())
                                 : textResponse(400, QStringLiteral("Ungültige Anfrage")));
    } else if (end || m_received.size() > kMaxHeadSize) {
        answerAfterDelay(textResponse(400, QStringLiteral("Anfrage zu groß")));
    }
}

void Connection::answerAfterDelay(const Response& response)
{
    m_answered = true;
    m_received.clear();
    m_deadline.stop();
    if (m_timing.delayMs <= 0)
        send(response);
    else
        QTimer::singleShot(m_timing.delayMs, this, [this, response] { send(response); });
}

void Connection::send(const Response& response)
{
    m_sending = true;
    m_socket->write(serialize(response));
    m_deadline.start(kLingerMs);
    m_socket->flush();
    sendRemainder();
}

void Connection::sendRemainder()
{
    if (!m_sending || m_socket->bytesToWrite() > 0)
        return;
    m_sending = false;
    shutdownSending(m_socket);
}

void Connection::expire()
{
    // A silent or slow client before its answer, or one that never hangs up after it.
    m_socket->abort();
    deleteLater();
}

QByteArray Connection::ownAuthority() const
{
    const QHostAddress address = m_socket->localAddress();
    QString host = address.toString();
    if (address.protocol() == QAbstractSocket::IPv6Protocol)
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return host.toLatin1() + ':' + QByteArray::number(m_socket->localPort());
}

} // namespace vendrilo::server
