// SPDX-License-Identifier: GPL-3.0-or-later
// Amounts, the payout table and the prize rules: table-driven cases, and every line of the
// shipped payout file read back on its own and compared with the prize the program pays.
#include "core/draws/dates.h"
#include "core/money/money.h"
#include "core/money/payouttable.h"
#include "core/money/prizerules.h"
#include "testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;

namespace {

QByteArray shippedPayouts()
{
    return test::readBytes(QStringLiteral(VENDRILO_DATA "/polish-lotto-payouts.csv"));
}

std::optional<Money> zl(const char* text)
{
    if (!text)
        return std::nullopt;
    return parseAmount(QString::fromLatin1(text));
}

} // namespace

TEST(Money, AmountsAreReadAndWrittenInWholeGrosze)
{
    const struct {
        const char* text;
        std::optional<qint64> grosze;
    } reads[] = {{"3,00", 300},      {"3.00", 300},   {"3", 300},
                 {"0,5", 50},        {" 1,05 ", 105}, {"999999999,99", 99999999999},
                 {"3,001", {}},      {"-1,00", {}},   {"1.000,00", {}},
                 {"1000000000", {}}, {"", {}},        {"drei", {}},
                 {",50", {}}};
    for (const auto& r : reads) {
        const auto amount = parseAmount(QString::fromLatin1(r.text));
        EXPECT_EQ(amount ? std::optional<qint64>(amount->grosze) : std::nullopt, r.grosze)
            << r.text;
    }
    const struct {
        qint64 grosze;
        const char* amount;
        const char* percentOfThree;
    } writes[] = {{0, "0.00", "0.00"},
                  {5, "0.05", "1.67"},
                  {26960, "269.60", "8986.67"},
                  {-150, "-1.50", "-50.00"},
                  {100000000, "1000000.00", "33333333.33"},
                  {2, "0.02", "0.67"}};
    for (const auto& w : writes) {
        EXPECT_EQ(formatAmount(Money{w.grosze}), QString::fromLatin1(w.amount));
        EXPECT_EQ(formatPercent(Money{w.grosze}, Money{300}),
                  QString::fromLatin1(w.percentOfThree));
    }
    EXPECT_FALSE(formatPercent(Money{5}, Money{}).has_value());
}

TEST(PayoutTable, TheShippedFileIsReadAndWrittenBackByteForByte)
{
    const QByteArray shipped = shippedPayouts();
    const auto table = PayoutTable::parse(shipped);
    ASSERT_TRUE(table.ok()) << table.error().toStdString();
    EXPECT_EQ(table->lines().size(), 2028u);
    QByteArray written;
    for (const PayoutLine& line : table->lines())
        written += formatPayoutLine(line);
    EXPECT_EQ(written, shipped);
    EXPECT_EQ(table->newestDay(), day("20.08.2026"));
}

TEST(PayoutTable, ALineThatIsNoPayoutFailsTheWholeText)
{
    const char* good = "6888,27.05.2023,4,2801,269.60\n";
    const struct {
        const char* line;
        const char* why;
    } bad[] = {{"6888,27.05.2023,4,2801", "fields missing"},
               {"6888,31.02.2023,4,2801,269.60", "no such day"},
               {"6888,27.05.2023,2,2801,269.60", "no prize class"},
               {"6888,27.05.2023,7,2801,269.60", "no prize class"},
               {"6888,27.05.2023,4,-1,269.60", "negative winners"},
               {"6888,27.05.2023,4,2801,269.6", "one decimal"},
               {"6888,27.05.2023,4,2801,269,60", "decimal comma"},
               {"6888;27.05.2023;4;2801;269.60", "other separator"},
               {"6888,27.05.2023,4,2801,269.60", "the same day and class twice"}};
    for (const auto& b : bad) {
        const auto table = PayoutTable::parse(QByteArray(good) + "\n" + b.line + "\r\n");
        ASSERT_FALSE(table.ok()) << b.why;
        EXPECT_TRUE(table.error().startsWith(QStringLiteral("Zeile 3"))) << b.why;
    }
    const auto crlf = PayoutTable::parse("6888,27.05.2023,4,2801,269.60\r\n\r\n");
    ASSERT_TRUE(crlf.ok());
    EXPECT_EQ(crlf->find(day("27.05.2023"), 4)->prize, Money{26960});
}

// Each line of the file, split here on its own, against the prize the program pays for that
// draw and class: the amount where the class had winners; where it had none, the fixed amount
// for three hits and nothing known for a shared class.
TEST(Prizes, LottoPaysWhatTheTableSaysForEveryDrawItHolds)
{
    const auto table = PayoutTable::parse(shippedPayouts());
    ASSERT_TRUE(table.ok());
    int lines = 0;
    for (const QByteArray& line : shippedPayouts().split('\n')) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> f = line.split(',');
        ASSERT_EQ(f.size(), 5);
        const double drawDay = *parseDate(QString::fromLatin1(f[1]));
        const int hits = f[2].toInt();
        const qint64 grosze = qRound64(f[4].toDouble() * 100);
        const auto paid = prizeFor(Game::Lotto, hits, drawDay, *table);
        if (f[3].toLongLong() > 0)
            EXPECT_EQ(paid, Money{grosze}) << line.constData();
        else if (hits == 3)
            EXPECT_TRUE(paid.has_value()) << line.constData();
        else
            EXPECT_FALSE(paid.has_value()) << line.constData();
        ++lines;
    }
    EXPECT_EQ(lines, 2028);
}

TEST(Prizes, FixedAmountsSharedClassesAndDrawsTheTableDoesNotHold)
{
    auto table = PayoutTable::parse(shippedPayouts());
    ASSERT_TRUE(table.ok());
    const struct {
        Game game;
        int hits;
        const char* day;
        const char* prize; // nullptr: not known
    } cases[] = {
        {Game::Lotto, 4, "27.05.2023", "269.60"},    {Game::Lotto, 5, "27.05.2023", "6672.70"},
        {Game::Lotto, 6, "27.05.2023", nullptr},     {Game::Lotto, 3, "18.08.2026", "24.00"},
        {Game::Lotto, 3, "20.08.2026", "35.00"},     {Game::Lotto, 3, "22.08.2026", "35.00"},
        {Game::Lotto, 3, "11.11.1999", "24.00"},     {Game::Lotto, 4, "11.11.1999", nullptr},
        {Game::Lotto, 6, "22.08.2026", nullptr},     {Game::Lotto, 2, "27.05.2023", "0.00"},
        {Game::Lotto, 0, "11.11.1999", "0.00"},      {Game::Plus, 3, "27.05.2023", "10.00"},
        {Game::Plus, 4, "11.11.1999", "100.00"},     {Game::Plus, 5, "22.08.2026", "3500.00"},
        {Game::Plus, 6, "20.08.2026", "1000000.00"}, {Game::Plus, 2, "20.08.2026", "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(prizeFor(c.game, c.hits, day(c.day), *table), zl(c.prize))
            << gameInfo(c.game).name << " " << c.hits << " " << c.day;

    // A newer fixed amount paid later, as an update brings it, holds from its draw on.
    std::vector<PayoutLine> lines = table->lines();
    lines.push_back({7500, day("06.01.2027"), 3, 50000, Money{4000}});
    const PayoutTable extended(lines);
    EXPECT_EQ(prizeFor(Game::Lotto, 3, day("09.01.2027"), extended), Money{4000});
    EXPECT_EQ(prizeFor(Game::Lotto, 3, day("02.01.2027"), extended), Money{3500});
    EXPECT_EQ(prizeFor(Game::Lotto, 3, day("11.11.1999"), PayoutTable()), Money{2400});
}
