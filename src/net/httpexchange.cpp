// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/httpexchange.h"

#include "core/texts/textlist.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#if QT_CONFIG(ssl)
#include <QSslSocket>
#endif

#include <memory>

namespace vendrilo::net {

namespace {

constexpr qsizetype kMaxHeadBytes = 64 * 1024;
constexpr qsizetype kMaxChunkLine = 1024;
constexpr qint64 kSocketBufferBytes = 64 * 1024;

std::optional<qint64> decimal(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

QByteArray ExchangeOutcome::header(const QByteArray& lowerName) const
{
    for (const auto& [name, value] : headers)
        if (name == lowerName)
            return value;
    return {};
}

void AnswerParser::fail(const QString& why)
{
    m_outcome.error = why;
    m_outcome.body.clear(); // a part of an answer is no answer
    m_state = State::Failed;
}

void AnswerParser::addBody(QByteArrayView bytes)
{
    if (m_outcome.body.size() + bytes.size() > kMaxAnswerBytes) {
        m_outcome.tooLarge = true;
        m_outcome.body.clear();
        m_state = State::Done;
        return;
    }
    m_outcome.body.append(bytes);
}

bool AnswerParser::takeHead()
{
    QList<QByteArray> lines = m_pending.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    const QByteArray& statusLine = lines.value(0);
    const QList<QByteArray> parts = statusLine.split(' ');
    const auto code = parts.size() >= 2 && parts[0].startsWith("HTTP/1.") && parts[1].size() == 3
                          ? decimal(parts[1])
                          : std::nullopt;
    if (!code || *code < 100) {
        fail(text(Text::NetNoHttpAnswer));
        return false;
    }
    m_outcome = {};
    m_outcome.status = static_cast<int>(*code);
    m_outcome.reason = statusLine.mid(parts[0].size() + 5);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            m_outcome.headers.append(
                {lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed()});
    }
    m_pending.clear();
    const int status = m_outcome.status;
    if (status < 200)
        return true; // an interim answer ("100 Continue"): the real one follows
    const QByteArray length = m_outcome.header("content-length");
    if (status == 204 || status == 304) {
        m_state = State::Done;
    } else if (m_outcome.header("transfer-encoding").toLower().contains("chunked")) {
        m_state = State::ChunkSize;
    } else if (!length.isEmpty()) {
        const auto bytes = decimal(length);
        if (!bytes) {
            fail(fillIn(text(Text::NetBadLength), {QString::fromLatin1(length)}));
            return false;
        }
        m_remaining = *bytes;
        m_outcome.tooLarge = *bytes > kMaxAnswerBytes;
        m_state = *bytes == 0 || m_outcome.tooLarge ? State::Done : State::Body;
    } else {
        m_state = State::UntilClose;
    }
    return true;
}

bool AnswerParser::takeChunkSize(QByteArrayView line)
{
    const qsizetype extension = line.indexOf(';');
    const QByteArray hex =
        line.first(extension < 0 ? line.size() : extension).toByteArray().trimmed();
    bool ok = hex.size() <= 16 && !hex.isEmpty();
    const qulonglong size = ok ? hex.toULongLong(&ok, 16) : 0;
    if (!ok) {
        fail(text(Text::NetBadChunk));
        return false;
    }
    if (size == 0) {
        m_state = State::Trailer;
    } else if (size > qulonglong(kMaxAnswerBytes - m_outcome.body.size())) {
        // Announced beyond the bound: nothing of it is read.
        m_outcome.tooLarge = true;
        m_outcome.body.clear();
        m_state = State::Done;
    } else {
        m_remaining = static_cast<qint64>(size);
        m_state = State::ChunkData;
    }
    return true;
}

AnswerParser::State AnswerParser::feed(QByteArrayView bytes)
{
    QByteArray data = m_pending + bytes.toByteArray();
    m_pending.clear();
    qsizetype at = 0;
    while (at < data.size() && m_state != State::Done && m_state != State::Failed) {
        const QByteArrayView rest = QByteArrayView(data).sliced(at);
        if (m_state == State::Head) {
            // CR LF CR LF ends the head; a bare LF LF too, as some hand-made servers send it.
            const qsizetype crlf = rest.indexOf("\r\n\r\n");
            const qsizetype lf = rest.indexOf("\n\n");
            const qsizetype end = crlf >= 0 && (lf < 0 || crlf < lf) ? crlf + 4
                                  : lf >= 0                          ? lf + 2
                                                                     : -1;
            if (end < 0 || end > kMaxHeadBytes) {
                m_pending = rest.toByteArray();
                if (m_pending.size() > kMaxHeadBytes)
                    fail(text(Text::NetHeadTooLong));
                return m_state;
            }
            m_pending = rest.first(end).toByteArray();
            at += end;
            takeHead();
        } else if (m_state == State::Body || m_state == State::ChunkData) {
            const qsizetype n = static_cast<qsizetype>(std::min<qint64>(m_remaining, rest.size()));
            addBody(rest.first(n));
            at += n;
            m_remaining -= n;
            if (m_remaining == 0 && m_state != State::Done)
                m_state = m_state == State::Body ? State::Done : State::ChunkEnd;
        } else if (m_state == State::UntilClose) {
            addBody(rest);
            at = data.size();
        } else {
            // A line: a chunk's size, the line end after its data, or a trailer line.
            const qsizetype newline = rest.indexOf('\n');
            if (newline < 0) {
                m_pending = rest.toByteArray();
                if (m_pending.size() > kMaxChunkLine)
                    fail(text(Text::NetBadChunk));
                return m_state;
            }
            QByteArrayView line = rest.first(newline);
            if (line.endsWith('\r'))
                line.chop(1);
            at += newline + 1;
            if (m_state == State::ChunkSize)
                takeChunkSize(line);
            else if (m_state == State::ChunkEnd && line.isEmpty())
                m_state = State::ChunkSize;
            else if (m_state == State::ChunkEnd)
                fail(text(Text::NetBadChunk));
            else if (line.isEmpty())
                m_state = State::Done; // the end of the trailer
        }
    }
    return m_state;
}

AnswerParser::State AnswerParser::closed()
{
    if (m_state == State::UntilClose)
        m_state = State::Done;
    else if (m_state != State::Done && m_state != State::Failed)
        fail(text(Text::NetClosedEarly));
    return m_state;
}

namespace {

std::unique_ptr<QTcpSocket> socketFor(const QUrl& url)
{
#if QT_CONFIG(ssl)
    if (url.scheme() == QLatin1String("https"))
        return std::make_unique<QSslSocket>();
#else
    Q_UNUSED(url);
#endif
    return std::make_unique<QTcpSocket>();
}

void connectSocket(QTcpSocket& socket, const QUrl& url, const HttpProxy& proxy)
{
    const bool secure = url.scheme() == QLatin1String("https");
    const quint16 port = static_cast<quint16>(url.port(secure ? 443 : 80));
    if (!proxy.host.isEmpty() && secure)
        socket.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, proxy.port));
    else
        socket.setProxy(QNetworkProxy::NoProxy);
#if QT_CONFIG(ssl)
    if (secure) {
        static_cast<QSslSocket&>(socket).connectToHostEncrypted(url.host(), port);
        return;
    }
#endif
    if (!proxy.host.isEmpty())
        socket.connectToHost(proxy.host, proxy.port);
    else
        socket.connectToHost(url.host(), port);
}

// The outcome once the exchange is over: a whole answer, or why there is none.
ExchangeOutcome concluded(AnswerParser& parser, bool timedOut, const std::optional<QString>& error)
{
    const bool whole = parser.state() == AnswerParser::State::Done;
    ExchangeOutcome outcome = std::move(parser.outcome());
    if (outcome.tooLarge || whole)
        return outcome;
    if (timedOut)
        outcome.timedOut = true;
    else if (error)
        outcome.error = error;
    else if (!outcome.error)
        outcome.error = text(Text::NetClosedEarly);
    return outcome;
}

} // namespace

ExchangeOutcome exchange(const QUrl& url, const HttpProxy& proxy, const QByteArray& requestHead,
                         QDeadlineTimer deadline)
{
    const std::unique_ptr<QTcpSocket> socket = socketFor(url);
#if !QT_CONFIG(ssl)
    if (url.scheme() == QLatin1String("https"))
        return {text(Text::NetNoTls)};
#endif
    // The system keeps the rest: a server faster than the program is held back by the network.
    socket->setReadBufferSize(kSocketBufferBytes);
    AnswerParser parser;
    QEventLoop loop;
    std::optional<QString> error;
    const auto readAvailable = [&] {
        while (socket->bytesAvailable() > 0 && !parser.finished())
            parser.feed(socket->read(kSocketBufferBytes));
        if (parser.finished())
            loop.quit();
    };
    QObject::connect(socket.get(), &QTcpSocket::readyRead, &loop, readAvailable);
#if QT_CONFIG(ssl)
    if (auto* tls = qobject_cast<QSslSocket*>(socket.get()))
        QObject::connect(tls, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
    else
#endif
        QObject::connect(socket.get(), &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(socket.get(), &QTcpSocket::errorOccurred, &loop,
                     [&](QAbstractSocket::SocketError code) {
                         readAvailable();
                         if (code == QAbstractSocket::RemoteHostClosedError)
                             parser.closed();
                         else if (!error)
                             error = socket->errorString();
                         loop.quit();
                     });
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    timer.start(static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
    connectSocket(*socket, url, proxy);
    loop.exec(); // until connected (or encrypted), failed or out of time
    if (!timedOut && !error && socket->state() == QAbstractSocket::ConnectedState) {
        socket->write(requestHead);
        readAvailable();
        if (!parser.finished())
            loop.exec();
    }
    socket->abort();
    return concluded(parser, timedOut, error);
}

} // namespace vendrilo::net
