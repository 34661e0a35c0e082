// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/draws/onlineupdate.h"
#include "core/program/onlineactions.h"
#include "testsupport.h"

#include <QFile>
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
    QStringList requests;
    QList<HttpProxy> proxies;

    Result<HttpAnswer> get(const QString& url, const HttpProxy& proxy) override
    {
        requests << url;
        proxies << proxy;
        const QString key = url.right(8);
        if (failFrom && key >= *failFrom)
            return Error{QStringLiteral("Connection refused")};
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
    UpdateResult run(const char* today)
    {
        return runOnlineUpdate(path, QStringLiteral("http://127.0.0.1:1/"), day(today), chosen,
                               shown, server, observer);
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
    // Low bytes, no range check; the rest after N6's ";" is ignored.
    const UpdateLine wide = parseUpdateLine("d,300,0,-1,4,5,6;1234567;123456;x", d, tail);
    ASSERT_TRUE(wide.record);
    EXPECT_EQ(wide.record->numbers, (std::array<std::uint8_t, 6>{44, 0, 255, 4, 5, 6}));
    // Without the leading field the first number is skipped and the line fails at N5.
    const UpdateLine shifted = parseUpdateLine("3,11,19,27,35,43", d, tail);
    EXPECT_FALSE(shifted.record);
    EXPECT_EQ(shifted.unread, "43");
    // A message without a comma is shown whole; N6 needs its ";".
    EXPECT_EQ(parseUpdateLine("Wartung bis 12 Uhr", d, tail).unread, "Wartung bis 12 Uhr");
    EXPECT_EQ(parseUpdateLine("x,1,2,3,4,5,6", d, tail).unread, "6");
    EXPECT_EQ(parseUpdateLine("x,1,2,,4,5,6;", d, tail).unread, ",4,5,6;");
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

TEST_F(Update, StatusesAndFailuresOfADay)
{
    server.answers[QStringLiteral("20231004")] = {500, "Internal Server Error", "noch nicht da"};
    server.answers[QStringLiteral("20231005")] = {503, "Service Unavailable", {}};
    server.answers[QStringLiteral("20231006")] = {200, "OK", {}, true};
    server.answers[QStringLiteral("20231007")] = {200, "OK",
                                                  "x,1,2,3,4,5,6;;;\n3,11,19,27,35,43\n"};
    const UpdateResult r = run("10.10.2023");
    EXPECT_TRUE(observer.texts.contains("0 04.10.2023 noch nicht da!"));
    EXPECT_TRUE(observer.texts.contains("0 Failed : 503 Service Unavailable"));
    EXPECT_TRUE(observer.texts.filter("06.10.2023 ist größer als 1 MB").size() == 1)
        << observer.texts.join('\n').toStdString();
    // The failing line ends the update: the draw before it stays, the days after are not asked.
    ASSERT_TRUE(r.failingLine);
    EXPECT_EQ(*r.failingLine, "43");
    EXPECT_EQ(r.appended.size(), 1u);
    EXPECT_EQ(server.requests.size(), 4);
    EXPECT_EQ(chosen.date(), day("07.10.2023"));
}

TEST_F(Update, ATransportFailureOrABadProxyPortEndsItLikeANormalEnd)
{
    server.failFrom = QStringLiteral("20231005");
    observer.host = QStringLiteral("proxy.example");
    observer.port = QStringLiteral("3128");
    const UpdateResult r = run("10.10.2023");
    EXPECT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.proxies.front().host, "proxy.example");
    EXPECT_EQ(server.proxies.front().port, 3128);
    EXPECT_EQ(r.lastStatus, "Keine Antwort vom Update-Server: Connection refused");
    EXPECT_FALSE(r.failingLine);

    observer.port = QStringLiteral("eighty");
    server.requests.clear();
    const UpdateResult bad = run("10.10.2023");
    EXPECT_TRUE(server.requests.isEmpty());
    EXPECT_EQ(bad.lastStatus, "Der Proxy-Port \"eighty\" ist keine Zahl");
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
    EXPECT_EQ(test::readBytes(page->messagePage), "<p>Mitteilung:\r\nheute geschlossen</p>\r\n");
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
