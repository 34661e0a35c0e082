// SPDX-License-Identifier: GPL-3.0-or-later
// The client's reading of an HTTP answer, fed in pieces of every size: what a server frames
// (a length, chunks, the end of the connection) comes out as that body, whole; what breaks the
// framing or goes beyond the bounds comes out as no body.
#include "net/httpexchange.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace vendrilo;
using namespace vendrilo::net;

namespace {

enum class Framing { Length, Chunked, UntilClose };

// An answer built from its parts the way a server writes it: the independent side of the check.
QByteArray frame(int status, const QByteArray& body, Framing framing, QRandomGenerator& random)
{
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(status) + " Whatever\r\nX-A: b\r\n";
    if (random.bounded(4) == 0)
        answer = "HTTP/1.1 100 Continue\r\n\r\n" + answer; // an interim answer first
    if (framing == Framing::Length)
        return answer + "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    if (framing == Framing::UntilClose)
        return answer + "\r\n" + body;
    answer += "Transfer-Encoding: chunked\r\n\r\n";
    for (qsizetype at = 0; at < body.size();) {
        const qsizetype size = std::min<qsizetype>(body.size() - at, random.bounded(1, 5000));
        answer += QByteArray::number(size, 16) + (random.bounded(3) ? "" : ";ext=1") + "\r\n" +
                  body.mid(at, size) + "\r\n";
        at += size;
    }
    return answer + "0\r\nTrailer: x\r\n\r\n";
}

// Feeds the bytes in random pieces, then the end of the connection.
AnswerParser parse(const QByteArray& bytes, QRandomGenerator& random)
{
    AnswerParser parser;
    for (qsizetype at = 0; at < bytes.size() && !parser.finished();) {
        const qsizetype piece = std::min<qsizetype>(bytes.size() - at, random.bounded(1, 70000));
        parser.feed(QByteArrayView(bytes).sliced(at, piece));
        at += piece;
    }
    parser.closed();
    return parser;
}

} // namespace

TEST(AnswerParser, EveryFramingInEveryCutGivesTheBodyWhole)
{
    QRandomGenerator random(7394);
    for (int round = 0; round < 600; ++round) {
        const Framing framing = Framing(random.bounded(3));
        // Mostly small bodies, some near and beyond the bound.
        const qsizetype size = random.bounded(10) == 0
                                   ? kMaxAnswerBytes - 2000 + random.bounded(4000)
                                   : random.bounded(0, 20000);
        QByteArray body((size + 3) / 4 * 4, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32*>(body.data()), body.size() / 4);
        body.truncate(size);
        const int status = random.bounded(2) ? 200 : 500;
        AnswerParser parser = parse(frame(status, body, framing, random), random);
        const ExchangeOutcome& got = parser.outcome();
        ASSERT_EQ(parser.state(), AnswerParser::State::Done) << "round " << round;
        EXPECT_EQ(got.status, status);
        EXPECT_EQ(got.header("x-a"), "b");
        if (size > kMaxAnswerBytes) {
            EXPECT_TRUE(got.tooLarge) << "round " << round;
            EXPECT_TRUE(got.body.isEmpty());
        } else {
            EXPECT_FALSE(got.tooLarge);
            ASSERT_EQ(got.body, body) << "round " << round << ", framing " << int(framing);
        }
    }
}

TEST(AnswerParser, BrokenAndEndlessAnswersGiveNoBody)
{
    QRandomGenerator random(1);
    const struct {
        const char* what;
        QByteArray bytes;
        bool tooLarge;
    } cases[] = {
        {"closed in the body", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n12345", false},
        {"closed in the head", "HTTP/1.1 200 OK\r\nContent-Le", false},
        {"closed in a chunk", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab",
         false},
        {"no chunk end", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabXY", false},
        {"a chunk size of no number", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
         false},
        {"a length of no number", "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\n", false},
        {"no HTTP", "SSH-2.0-OpenSSH\r\n\r\n", false},
        {"a head of 70 KB", "HTTP/1.1 200 OK\r\nX: " + QByteArray(70000, 'a'), false},
        {"a chunk announced beyond the bound",
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n7fffffffffffffff\r\nabc", true},
        {"a length beyond the bound", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999\r\n\r\n",
         true},
        {"a body beyond the bound until close",
         "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(kMaxAnswerBytes + 1, 'x'), true},
    };
    for (const auto& c : cases) {
        AnswerParser parser = parse(c.bytes, random);
        const ExchangeOutcome& got = parser.outcome();
        EXPECT_EQ(got.tooLarge, c.tooLarge) << c.what;
        EXPECT_TRUE(got.body.isEmpty()) << c.what;
        if (!c.tooLarge)
            EXPECT_EQ(parser.state(), AnswerParser::State::Failed) << c.what;
    }
}
