// SPDX-License-Identifier: GPL-3.0-or-later
// The payout file beside the draw files: written once from the shipped table, read, grown by the
// update only at its end, never half-written; the update's request and what it makes of answers.
#include "core/money/payoutfile.h"
#include "core/money/payoutupdate.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;

namespace {

QByteArray shipped()
{
    return test::readBytes(QStringLiteral(VENDRILO_DATA "/polish-lotto-payouts.csv"));
}

const QByteArray kNewDraw = "7395,22.08.2026,6,1,12345678.90\n"
                            "7395,22.08.2026,5,60,7000.00\n"
                            "7395,22.08.2026,4,3000,150.10\n"
                            "7395,22.08.2026,3,50000,35.00\n";

// A server that answers every request with one scripted answer (or no answer at all).
struct OneAnswerServer : HttpGet {
    std::optional<HttpAnswer> answer; // nothing: no server answers
    QStringList requests;

    Result<HttpAnswer> get(const QString& url, const HttpProxy&) override
    {
        requests << url;
        if (!answer)
            return Error{QStringLiteral("Connection refused")};
        return *answer;
    }
};

} // namespace

TEST(PayoutFile, TheFirstStartWritesTheShippedTableAndLaterStartsKeepTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(payoutfile::read(dir.path()).ok()) << "the shipped table while none is written";
    EXPECT_EQ(payoutfile::read(dir.path())->lines().size(), 2028u);
    ASSERT_TRUE(payoutfile::prepare(dir.path()).ok());
    EXPECT_EQ(test::readBytes(payoutfile::pathIn(dir.path())), shipped());

    test::writeBytes(payoutfile::pathIn(dir.path()), kNewDraw);
    ASSERT_TRUE(payoutfile::prepare(dir.path()).ok());
    EXPECT_EQ(test::readBytes(payoutfile::pathIn(dir.path())), kNewDraw);
    EXPECT_EQ(payoutfile::read(dir.path())->lines().size(), 4u);

    test::writeBytes(payoutfile::pathIn(dir.path()), kNewDraw + "7395,22.08.2026,x\n");
    const auto damaged = payoutfile::read(dir.path());
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.error().contains(payoutfile::kFileName)) << damaged.error().toStdString();
    EXPECT_TRUE(damaged.error().contains(QStringLiteral("Zeile 5")));
    EXPECT_EQ(damaged.errorKind(), ErrorKind::Damaged);
}

TEST(PayoutFile, MergingAddsOnlyNewDrawsAndClassesAtTheEnd)
{
    QTemporaryDir dir;
    const auto fresh = PayoutTable::parse(kNewDraw);
    ASSERT_TRUE(fresh.ok());
    std::vector<PayoutLine> served = fresh->lines();
    // Lines the table holds already, with other amounts: they stay as stored.
    served.push_back({6888, day("27.05.2023"), 4, 1, Money{1}});
    served.push_back(served.front());
    const auto added = payoutfile::merge(dir.path(), served);
    ASSERT_TRUE(added.ok()) << added.error().toStdString();
    EXPECT_EQ(*added, 4);
    EXPECT_EQ(test::readBytes(payoutfile::pathIn(dir.path())), shipped() + kNewDraw);

    const QDateTime before = QFileInfo(payoutfile::pathIn(dir.path())).lastModified();
    EXPECT_EQ(payoutfile::merge(dir.path(), served).value(), 0);
    EXPECT_EQ(QFileInfo(payoutfile::pathIn(dir.path())).lastModified(), before);

    // A file whose last line has no line end gets one before the new lines.
    test::writeBytes(payoutfile::pathIn(dir.path()), "6888,27.05.2023,4,2801,269.60");
    EXPECT_EQ(payoutfile::merge(dir.path(), fresh->lines()).value(), 4);
    EXPECT_EQ(test::readBytes(payoutfile::pathIn(dir.path())),
              "6888,27.05.2023,4,2801,269.60\n" + kNewDraw);
}

TEST(PayoutUpdate, AsksFromTheDayAfterTheNewestDrawAndTakesOnlyAWholeTable)
{
    const struct {
        std::optional<HttpAnswer> answer;
        int added;
        bool problem;
        const char* what;
    } cases[] = {
        {HttpAnswer{200, "OK", kNewDraw, false}, 4, false, "new payouts"},
        {HttpAnswer{200, "OK", {}, false}, 0, false, "nothing new"},
        {HttpAnswer{404, "Not Found", "Seite nicht gefunden", false}, 0, false, "older server"},
        {HttpAnswer{500, "Error", "x", false}, 0, false, "server trouble"},
        {HttpAnswer{200, "OK", kNewDraw + "<html>\n", false}, 0, true, "not a payout table"},
        {HttpAnswer{200, "OK", {}, true}, 0, true, "too large"},
        {std::nullopt, 0, true, "no server"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(payoutfile::prepare(dir.path()).ok());
        OneAnswerServer server;
        server.answer = c.answer;
        const PayoutUpdate update =
            updatePayouts(dir.path(), QStringLiteral("http://127.0.0.1:1/"), {}, server);
        EXPECT_EQ(server.requests,
                  QStringList{"http://127.0.0.1:1/lotto/quoten.asp?Programm=PELVANO&Seit=20260821"})
            << c.what;
        EXPECT_EQ(update.added, c.added) << c.what;
        EXPECT_EQ(update.problem.has_value(), c.problem) << c.what;
        EXPECT_EQ(test::readBytes(payoutfile::pathIn(dir.path())),
                  c.added ? shipped() + kNewDraw : shipped())
            << c.what;
    }
}
