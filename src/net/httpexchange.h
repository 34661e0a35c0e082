// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QUrl>

#include <optional>
#include <utility>

namespace vendrilo::net {

// One GET on one connection, read by the program itself so that every bound holds whatever the
// server does: the connection takes at most 64 KB from the system at a time (a fast server is
// slowed down by the network, not buffered), the head at most 64 KB, the body at most
// kMaxAnswerBytes whether it comes with a length, in chunks or until the connection closes, and
// the whole exchange ends at the deadline.
struct ExchangeOutcome {
    std::optional<QString> error; // no whole answer: why
    bool timedOut = false;        // the deadline came before the whole answer
    int status = 0;
    QByteArray reason;
    QList<std::pair<QByteArray, QByteArray>> headers; // names in lower case
    QByteArray body;
    bool tooLarge = false; // the body went beyond kMaxAnswerBytes and was dropped

    QByteArray header(const QByteArray& lowerName) const;
};

// `requestHead` is the whole request head to send. Without a proxy the connection goes to the
// address's host; with one, plain http goes to the proxy (the head then names the absolute
// address) and https through it by CONNECT.
ExchangeOutcome exchange(const QUrl& url, const HttpProxy& proxy, const QByteArray& requestHead,
                         QDeadlineTimer deadline);

// Reads an answer from bytes as they arrive; the exchange feeds it.
class AnswerParser {
public:
    enum class State {
        Head,
        Body,
        ChunkSize,
        ChunkData,
        ChunkEnd,
        Trailer,
        UntilClose,
        Done,
        Failed
    };

    // Takes the next bytes; returns the state afterwards.
    State feed(QByteArrayView bytes);
    // The connection closed: the end of a body that runs until then, else a broken answer.
    State closed();
    State state() const { return m_state; }
    bool finished() const { return m_state == State::Done || m_state == State::Failed; }
    ExchangeOutcome& outcome() { return m_outcome; }

private:
    bool takeHead();
    bool takeChunkSize(QByteArrayView line);
    void addBody(QByteArrayView bytes);
    void fail(const QString& why);

    State m_state = State::Head;
    QByteArray m_pending; // bytes of a head or a chunk line not complete yet
    qint64 m_remaining = 0;
    ExchangeOutcome m_outcome;
};

} // namespace vendrilo::net
