// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/draws/onlineupdate.h"
#include "core/program/onlineactions.h"
#include "core/submit/portal.h"
#include "testsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <map>

using namespace vendrilo;
using test::day;
using test::draw;

namespace {

// A server that answers from a script and notes every request with the proxy it came through.
struct ScriptedServer : HttpGet {
    std::map<QString, HttpAnswer> answers; // by the yyyymmdd of the request
    std::optional<QString> failFrom;       // from this day on no server answers
    Error failure{QStringLiteral("Connection refused"), ErrorKind::Unavailable}; // then
    QStringList requests;
    QList<HttpProxy> proxies;

    Result<HttpAnswer> get(const QString& url, const HttpProxy& proxy) override
    {
        requests << url;
        proxies << proxy;
        const QString key = url.right(8);
        if (failFrom && key >= *failFrom)
            return failure;
        const auto it = answers.find(key);
        return it == answers.end() ? HttpAnswer{200, QStringLiteral("OK"), {}} : it->second;
    }
};

struct Recorder : UpdateObserver {
    QStringList texts;
    int days = 0;
    int stopAfterDays = -1;
    QString port = QStringLiteral("80");
    QString host;
    QString proxyHost() override { return host; }
    QString proxyPort() override { return port; }
    void status(int panel, const QString& text) override
    {
        texts << QString::number(panel) + QLatin1Char(' ') + text;
    }
    bool goOn() override { return ++days != stopAfterDays; }
};

struct Update : testing::Test {
    QTemporaryDir dir;
    QString path;
    ScriptedServer server;
    Recorder observer;
    DatePicker chosen{day("01.01.2000"), 0};
    ShownDraw shown;

    void SetUp() override
    {
        DrawRecord tail = draw("03.10.2023", {1, 2, 3, 4, 5, 6}, 7, 8);
        tail.spiel77 = {1, 2, 3, 4, 5, 6, 7};
        tail.super6 = {6, 5, 4, 3, 2, 1};
        path = test::writeDrawFile(dir, {draw("30.09.2023", {9, 10, 11, 12, 13, 14}), tail});
    }
    UpdateResult run(const char* today, Game game = Game::Lotto)
    {
        const UpdateRequest request{path, game, QStringLiteral("http://127.0.0.1:1/"), day(today)};
        return runOnlineUpdate(request, chosen, shown, server, observer);
    }
    std::vector<DrawRecord> records() { return *drawfile::read(path); }
};

} // namespace

TEST(UpdateLine, FieldsAsTheUpdateReadsThem)
{
    DrawRecord tail = draw("01.01.2020", {1, 2, 3, 4, 5, 6}, 7, 8);
    tail.spiel77[0] = 9;
    const double d = day("04.10.2023");
    const UpdateLine ok = parseUpdateLine("x,3,11,19,27,35,43;;;", d, tail);
    ASSERT_TRUE(ok.record);
    EXPECT_EQ(ok.record->date, d); // the requested day, not the first field
    EXPECT_EQ(ok.record->numbers, (std::array<std::uint8_t, 6>{3, 11, 19, 27, 35, 43}));
    EXPECT_EQ(ok.record->bonus, 0);
    EXPECT_EQ(ok.record->superzahl, 0);
    EXPECT_EQ(ok.record->spiel77[0], 9) << "the tail bytes come from the last stored record";
    // What is left unread when a line brings no real draw: the message the user sees.
    const struct {
        const char* line;
        const char* unread;
    } failing[] = {
        {"3,11,19,27,35,43", "43"}, // without the leading field N5 has no comma after it
        {"Wartung bis 12 Uhr", "Wartung bis 12 Uhr"},
        {"x,1,2,3,4,5,6", "6"},
        {"x,1,2,,4,5,6;", ",4,5,6;"},
        {"d,305,1,2,3,4,5;;;", "305,1,2,3,4,5;;;"}, // its low byte would pass for 49
        {"d,1,2,3,4,5,-1;;;", "-1;;;"},
        {"d,0,2,3,4,5,6;", "0,2,3,4,5,6;"},
        {"d,7,8,9,10,11,50;", "50;"},
        {"d,7,8,9,8,11,12;", "8,11,12;"}, // a number twice
    };
    for (const auto& f : failing) {
        const UpdateLine line = parseUpdateLine(QString::fromLatin1(f.line), d, tail);
        EXPECT_FALSE(line.record) << f.line;
        EXPECT_EQ(line.unread, QString::fromLatin1(f.unread)) << f.line;
    }
}

TEST(UpdateLine, LottoPlusIsAskedSoThatAnOlderServerFindsNoDay)
{
    const double d = day("20.08.2026");
    EXPECT_EQ(updateRequestUrl("http://h:8/", d),
              "http://h:8/lotto/PELVANO.asp?Programm=PELVANO&Datum=20260820");
    EXPECT_EQ(updateRequestUrl("http://h:8", d, Game::Plus),
              "http://h:8/lotto/PELVANO.asp?Programm=PELVANO&Datum=P20260820");
}

TEST_F(Update, AsksForEachDayAfterTheNewestDrawUpToToday)
{
    server.answers[QStringLiteral("20231005")] = {200, "OK", "05.10.2023,3,11,19,27,35,43;;;\r\n"};
    const UpdateResult r = run("07.10.2023");
    ASSERT_EQ(server.requests.size(), 4);
    EXPECT_EQ(server.requests.front(),
              "http://127.0.0.1:1/lotto/PELVANO.asp?Programm=PELVANO&Datum=20231004");
    EXPECT_TRUE(server.requests.back().endsWith("Datum=20231007"));
    EXPECT_EQ(chosen.date(), day("08.10.2023"));
    ASSERT_EQ(r.appended.size(), 1u);
    EXPECT_FALSE(r.stoppedAt);
    const std::vector<DrawRecord> all = records();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[2].date, day("05.10.2023"));
    EXPECT_EQ(all[2].spiel77, (std::array<std::uint8_t, 7>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(all[2].super6, (std::array<std::uint8_t, 6>{6, 5, 4, 3, 2, 1}));
    EXPECT_TRUE(shown.drawLine.endsWith("05.10.23     3  11  19  27  35  43"))
        << shown.drawLine.toStdString();
    EXPECT_EQ(shown.crossSumText, "QS: 138");
    EXPECT_TRUE(observer.texts.contains("0 Loading"));
    EXPECT_TRUE(observer.texts.contains("0 Received 32 bytes"));
    EXPECT_TRUE(observer.texts.contains("1 Not guarantee the accuracy of the numbers!"));
}

TEST_F(Update, NothingToAskWhenTheNewestDrawIsToday)
{
    run("03.10.2023");
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_EQ(chosen.date(), day("04.10.2023"));
}

TEST_F(Update, AnEmptyFileStartsAfterTheChosenDay)
{
    QFile::remove(path);
    chosen.setDate(day("05.10.2023"));
    server.answers[QStringLiteral("20231006")] = {200, "OK", "x,1,2,3,4,5,6;\nx,7,8,9,10,11,12;"};
    const UpdateResult r = run("06.10.2023");
    EXPECT_EQ(server.requests.size(), 1);
    ASSERT_EQ(r.appended.size(), 2u) << "two draws of one day";
    EXPECT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[1].spiel77, (std::array<std::uint8_t, 7>{})) << "zero tail";
}

// Every way a day can fail ends the update at that day: nothing of it is stored, the status
// names it and the reason, and the next update asks for it again.
TEST_F(Update, TheFirstDayNotGotCompletelyEndsTheUpdateAndComesAgain)
{
    const QString later = QStringLiteral("x,1,2,3,4,5,6;;;");
    const struct {
        HttpAnswer answer;
        std::optional<Error> transport; // the request's own failure, if any
        const char* status;      // the final status, "" when the status is "Received ..."
        const char* failingLine; // the message, "" for none
    } cases[] = {
        {{500, "Internal Server Error", "noch nicht da"}, {}, "05.10.2023 noch nicht da!", ""},
        {{503, "Service Unavailable", {}},
         {},
         "Failed : 503 Service Unavailable; 05.10.2023 wird beim nächsten Update wieder abgefragt",
         ""},
        {{302, "Found", {}},
         {},
         "Failed : 302 Found; 05.10.2023 wird beim nächsten Update wieder abgefragt",
         ""},
        {{200, "OK", {}, true},
         {},
         "Die Antwort für 05.10.2023 ist größer als 1 MB und wird nicht gelesen; 05.10.2023 wird "
         "beim nächsten Update wieder abgefragt",
         ""},
        {{},
         Error{"Connection refused", ErrorKind::Unavailable},
         "Keine Antwort vom Update-Server: Connection refused; 05.10.2023 wird beim nächsten "
         "Update wieder abgefragt",
         ""},
        // A program without its network module asked nobody: it says so, not "no answer".
        {{},
         Error{"Das Netzwerkmodul (vendrilo-http) kann nicht geladen werden: gone",
               ErrorKind::NotFound},
         "Das Netzwerkmodul (vendrilo-http) kann nicht geladen werden: gone; 05.10.2023 wird "
         "beim nächsten Update wieder abgefragt",
         ""},
        {{200, "OK", "x,7,8,9,10,11,12;\n3,11,19,27,35,43\n"}, {}, "", "43"},
        {{200, "OK", "x,7,8,9,10,11,12;\nx,7,8,9,10,11,13;\nx,1,2,3,4,5,7;\n"},
         {},
         "",
         "1,2,3,4,5,7;"},
        {{200, "OK", "x,7,8,9,10,11,12;\nx,1,2,3,4,5,305;\n"}, {}, "", "305;"},
    };
    for (const auto& c : cases) {
        SetUp();
        server = {};
        observer = {};
        server.answers[QStringLiteral("20231004")] = {200, "OK", "x,40,41,42,43,44,45;;;"};
        if (c.transport) {
            server.failFrom = QStringLiteral("20231005");
            server.failure = *c.transport;
        }
        else
            server.answers[QStringLiteral("20231005")] = c.answer;
        server.answers[QStringLiteral("20231006")] = {200, "OK", later.toLatin1()};
        const UpdateResult r = run("10.10.2023");
        const QString context = QString::fromUtf8(c.status) + QString::fromUtf8(c.failingLine);
        ASSERT_TRUE(r.stoppedAt) << context.toStdString();
        EXPECT_EQ(*r.stoppedAt, day("05.10.2023"));
        EXPECT_EQ(server.requests.size(), 2) << "no day after it is asked";
        ASSERT_EQ(records().size(), 3u) << "the day before stays, nothing of the day is stored";
        EXPECT_EQ(records().back().date, day("04.10.2023"));
        if (*c.status)
            EXPECT_EQ(r.lastStatus, QString::fromUtf8(c.status));
        else
            EXPECT_TRUE(r.lastStatus.startsWith("Received")) << r.lastStatus.toStdString();
        EXPECT_EQ(r.failingLine.value_or(QString()), QString::fromUtf8(c.failingLine));
        // The next update, against a server that answers now, goes on from that day.
        server.failFrom.reset();
        server.answers[QStringLiteral("20231005")] = {200, "OK", "x,20,21,22,23,24,25;"};
        server.requests.clear();
        const UpdateResult next = run("06.10.2023");
        EXPECT_TRUE(server.requests.first().endsWith("20231005"));
        EXPECT_EQ(next.appended.size(), 2u);
        EXPECT_EQ(records().size(), 5u);
    }
}

// The portal's hand-over names a failed request as the portal's silence, but a missing network
// module as what it is: no portal was asked.
TEST(PortalHandOver, AMissingNetworkModuleIsNotThePortalsSilence)
{
    const struct {
        Error failure;
        const char* message;
    } cases[] = {
        {{QStringLiteral("Connection refused"), ErrorKind::Unavailable},
         "Keine Antwort vom Portal-Dienst: Connection refused"},
        {{QStringLiteral("Das Netzwerkmodul (vendrilo-http) kann nicht geladen werden: gone"),
          ErrorKind::NotFound},
         "Das Netzwerkmodul (vendrilo-http) kann nicht geladen werden: gone"},
    };
    for (const auto& c : cases) {
        ScriptedServer server;
        server.failFrom = QString();
        server.failure = c.failure;
        const auto handed =
            handOverToPortal(PortalRequest{QStringLiteral("http://127.0.0.1:9"), {}, 12, {}},
                             TipSheet{}, server);
        ASSERT_FALSE(handed);
        EXPECT_EQ(handed.error(), QString::fromUtf8(c.message));
        EXPECT_EQ(server.requests.size(), 1);
    }
}

TEST_F(Update, ABadProxyPortAsksNothing)
{
    observer.host = QStringLiteral("proxy.example");
    observer.port = QStringLiteral("3128");
    server.failFrom = QStringLiteral("20231005");
    run("10.10.2023");
    EXPECT_EQ(server.proxies.front().host, "proxy.example");
    EXPECT_EQ(server.proxies.front().port, 3128);

    observer.port = QStringLiteral("eighty");
    server.requests.clear();
    const UpdateResult bad = run("10.10.2023");
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_TRUE(bad.lastStatus.startsWith("Der Proxy-Port \"eighty\" ist keine Zahl"));
}

TEST_F(Update, AStopBetweenDaysKeepsTheDayBeingFetched)
{
    server.answers[QStringLiteral("20231004")] = {200, "OK", "x,1,2,3,4,5,6;"};
    server.answers[QStringLiteral("20231005")] = {200, "OK", "x,7,8,9,10,11,12;"};
    observer.stopAfterDays = 1;
    const UpdateResult r = run("10.10.2023");
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_EQ(r.appended.size(), 1u);
    EXPECT_EQ(records().size(), 3u);
}

namespace {

// What a scripted day answers, and what the rule of the update makes of it, stated plainly: a
// day whose answer came whole and holds only real draws, at most two, is stored whole; the
// first other day ends the update with nothing of it stored.
enum class DayKind {
    Empty,
    OneDraw,
    TwoDraws,
    ThreeDraws,
    BadNumber,
    NotYet,
    Refused,
    TooLarge,
    NoAnswer
};

struct ScriptedDay {
    DayKind kind;
    std::vector<std::array<std::uint8_t, 6>> draws; // the real draws the answer holds
};

ScriptedDay randomDay(QRandomGenerator& random)
{
    // Mostly ordinary days, so that runs get long enough to matter.
    static const DayKind kinds[] = {DayKind::Empty,    DayKind::Empty,      DayKind::OneDraw,
                                    DayKind::OneDraw,  DayKind::OneDraw,    DayKind::TwoDraws,
                                    DayKind::OneDraw,  DayKind::ThreeDraws, DayKind::BadNumber,
                                    DayKind::NotYet,   DayKind::Refused,    DayKind::TooLarge,
                                    DayKind::NoAnswer, DayKind::Empty,      DayKind::OneDraw};
    ScriptedDay day{kinds[random.bounded(int(std::size(kinds)))], {}};
    const int count = day.kind == DayKind::TwoDraws                                    ? 2
                      : day.kind == DayKind::ThreeDraws                                ? 3
                      : day.kind == DayKind::OneDraw || day.kind == DayKind::BadNumber ? 1
                                                                                       : 0;
    for (int i = 0; i < count; ++i) {
        std::array<std::uint8_t, 6> n{};
        for (int k = 0; k < 6; ++k)
            n[std::size_t(k)] = std::uint8_t(8 * k + 1 + random.bounded(8)); // distinct 1..48
        day.draws.push_back(n);
    }
    return day;
}

HttpAnswer answerFor(const ScriptedDay& day)
{
    QByteArray body;
    for (const auto& n : day.draws)
        body += QStringLiteral("x,%1,%2,%3,%4,%5,%6;;;\r\n")
                    .arg(n[0])
                    .arg(n[1])
                    .arg(n[2])
                    .arg(n[3])
                    .arg(n[4])
                    .arg(n[5])
                    .toLatin1();
    switch (day.kind) {
    case DayKind::BadNumber:
        return {200, "OK", body + "x,1,2,3,4,5,305;;;\r\n"};
    case DayKind::NotYet:
        return {500, "Internal Server Error", "noch nicht da"};
    case DayKind::Refused:
        return {503, "Service Unavailable", {}};
    case DayKind::TooLarge:
        return {200, "OK", {}, true};
    default:
        return {200, "OK", body};
    }
}

} // namespace

TEST_F(Update, ManyRandomServersAgreeWithTheRuleOfWholeDays)
{
    QRandomGenerator random(20260820);
    const double first = day("04.10.2023");
    for (int round = 0; round < 200; ++round) {
        SetUp();
        server = {};
        const int days = random.bounded(1, 25);
        std::vector<ScriptedDay> script;
        for (int d = 0; d < days; ++d) {
            script.push_back(randomDay(random));
            const QString key = dateFromDay(first + d).toString(QStringLiteral("yyyyMMdd"));
            if (script.back().kind == DayKind::NoAnswer && !server.failFrom)
                server.failFrom = key;
            server.answers[key] = answerFor(script.back());
        }
        // The model: the draws of the whole days before the first day that is not whole.
        std::vector<std::array<std::uint8_t, 6>> expected;
        std::optional<double> stop;
        for (int d = 0; d < days && !stop; ++d) {
            const DayKind k = script[std::size_t(d)].kind;
            const bool whole =
                k == DayKind::Empty || k == DayKind::OneDraw || k == DayKind::TwoDraws;
            if (!whole) // a day without an answer is the first of many: no server answers
                stop = first + d;
            else
                expected.insert(expected.end(), script[std::size_t(d)].draws.begin(),
                                script[std::size_t(d)].draws.end());
        }
        const QString today = formatDate(first + days - 1);
        const UpdateResult r = run(qPrintable(today));
        const std::vector<DrawRecord> all = records();
        ASSERT_EQ(all.size(), 2 + expected.size()) << "round " << round;
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(all[2 + i].numbers, expected[i]) << "round " << round << " draw " << i;
        EXPECT_EQ(r.stoppedAt, stop) << "round " << round;
        EXPECT_EQ(r.appended.size(), expected.size());
        // Nothing after the stop was asked, and the next update starts at or before it.
        const double next = all.size() > 2 ? std::floor(all.back().date) + 1 : first;
        if (stop) {
            EXPECT_LE(next, *stop);
        }
    }
}

TEST(Portal, TemplatesAreFilledOnceEach)
{
    TipSheet sheet;
    sheet.setRow(1, {3, 11, 17, 25, 38, 44});
    sheet.setRow(5, {1, 2, 3, 4, 5, 6});
    sheet.setField(5, 3, QString()); // ",," in the middle
    EXPECT_EQ(usedRows(sheet), 5);
    EXPECT_EQ(usedRows(TipSheet{}), 0);
    EXPECT_EQ(fillPortalTemplate("http://p/?a=[KASTEN1]&b=[KASTEN1]&c=[KASTEN2]&e=[KASTEN5]"
                                 "&n=[ANZAHL]&m=[Anzahl]&o=[ANZAHL]",
                                 sheet),
              "http://p/?a=3,11,17,25,38,44&b=[KASTEN1]&c=,,,,,&e=1,2,,4,5,6&n=5&m=5&o=[ANZAHL]");
    EXPECT_EQ(fillPortalTemplate("http://p/plain", sheet), "http://p/plain");
    EXPECT_EQ(portalTemplateUrl("http://h:8/", 12),
              "http://h:8/lotto/lotto.asp?Spiel=PELVANO&Wo=Lottoland&Tipps=12");
    EXPECT_EQ(fallbackPortalTemplate("http://h:8"), "http://h:8/lotto/warenkorb2.asp?");
}

TEST(Portal, ErrorRepliesLongAndForeignTemplates)
{
    QTemporaryDir dir;
    ProgramState s;
    s.programFolder = dir.path() + QLatin1Char('/');
    s.internet.server = QStringLiteral("http://127.0.0.1:1");
    s.sheet.setRow(2, {1, 2, 3, 4, 5, 6});
    struct OneAnswer : HttpGet {
        HttpAnswer answer;
        QString url;
        Result<HttpAnswer> get(const QString& u, const HttpProxy&) override
        {
            url = u;
            return answer;
        }
    } http;
    http.answer = {404, "Not Found", "<p>Mitteilung:\nheute geschlossen</p>"};
    const auto page = handOverSheet(s, http);
    ASSERT_TRUE(page.ok());
    EXPECT_TRUE(page->address.isEmpty());
    const QByteArray written = test::readBytes(page->messagePage);
    EXPECT_TRUE(written.contains("<pre>\r\nMitteilung:\r\nheute geschlossen\r\n</pre>"))
        << written.toStdString();
    EXPECT_FALSE(written.contains("<p>")) << "the service's markup stays out";
    EXPECT_TRUE(http.url.endsWith("Tipps=12"));

    http.answer = {500, "Error", "kaputt"};
    EXPECT_EQ(handOverSheet(s, http)->address, "http://127.0.0.1:1/lotto/warenkorb2.asp?");
    http.answer = {200, "OK", "http://p/?" + QByteArray(2048, 'x')};
    EXPECT_FALSE(handOverSheet(s, http).ok());
    for (const char* foreign : {"file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)"}) {
        http.answer = {200, "OK", foreign};
        EXPECT_FALSE(handOverSheet(s, http).ok()) << foreign;
    }
    s.internet.proxyHost = QStringLiteral("proxy");
    s.internet.proxyPort = QStringLiteral("x");
    http.url.clear();
    EXPECT_FALSE(handOverSheet(s, http).ok());
    EXPECT_TRUE(http.url.isEmpty()) << "no request with a bad proxy port";
}

TEST(WebAddresses, OnlyHttpAndOneSlash)
{
    EXPECT_EQ(joinUrl("http://h:8080/", "/lotto/x"), "http://h:8080/lotto/x");
    EXPECT_EQ(joinUrl("http://h:8080", "lotto/x"), "http://h:8080/lotto/x");
    EXPECT_TRUE(isWebAddress("https://example.org/a?b=1,2"));
    EXPECT_FALSE(isWebAddress("ftp://example.org"));
    EXPECT_FALSE(isWebAddress("http://"));
    EXPECT_FALSE(isWebAddress("www.example.org"));
    EXPECT_EQ(parseProxyPort(" 3128"), 3128);
    EXPECT_FALSE(parseProxyPort("70000"));
}
