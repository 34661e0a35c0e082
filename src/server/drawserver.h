// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "server/answers.h"
#include "core/io/result.h"

#include <QObject>
#include <QTcpServer>

#include <map>

namespace vendrilo::server {

// The listening socket and its clients. Everything runs in one thread on Qt's event loop: an
// answer takes microseconds, and waiting (a delay, a slow client) is a timer, so one client
// never holds up another. One address holds at most kMaxClientsPerAddress connections; beyond
// that it is answered 503 at once, so that a flood from one machine leaves room for all others.
class DrawServer : public QObject {
    Q_OBJECT
public:
    DrawServer(const ServerOptions& options, DrawSource& draws, DrawSource* plusDraws = nullptr,
               QObject* parent = nullptr);

    Status listen();
    // "http://ADDRESS:PORT" once listening, with the port the system chose for port 0.
    QString url() const;

private:
    void acceptClients();

    const ServerOptions& m_options;
    Answers m_answers;
    QTcpServer m_listener;
    int m_clients = 0;
    std::map<QString, int> m_clientsByAddress; // connections being served, by peer address
};

} // namespace vendrilo::server
