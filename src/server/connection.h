// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/http.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QTcpSocket;

namespace vendrilo::server {

// One client's connection: it reads the request head, answers once and closes. A client that
// sends too much, too little or too slowly costs the server one timer, never its attention.
class Connection : public QObject {
    Q_OBJECT
public:
    // The answer to a request, given the "host:port" the connection came in on.
    using Answerer = std::function<Response(const Request&, const QByteArray& ownAuthority)>;
    struct Timing {
        int delayMs = 0;
        int headTimeoutMs = 10000;
    };

    // Takes the socket over; the connection deletes itself once the socket is closed.
    Connection(QTcpSocket* socket, Answerer answerer, Timing timing, QObject* parent = nullptr);

    // Answers at once, without reading anything (the server has no room for another client).
    void answerNow(const Response& response);

private:
    void receive();
    void answerAfterDelay(const Response& response);
    void send(const Response& response);
    void sendRemainder();
    void expire();
    QByteArray ownAuthority() const;

    QTcpSocket* m_socket;
    Answerer m_answerer;
    Timing m_timing;
    QByteArray m_received;
    QTimer m_deadline;
    bool m_answered = false;
    bool m_sending = false;
};

} // namespace vendrilo::server
