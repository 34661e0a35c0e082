// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger file: what goes in comes back, a change is whole or absent, an older layout keeps
// every ticket, and a file that is no ledger of ours is kept aside untouched.
#include "core/ledger/ledgerstore.h"
#include "ledger/sqliteledger.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vendrilo;
using namespace vendrilo::ledger;

namespace {

std::unique_ptr<SqliteLedger> open(const QString& path, QString* notice = nullptr)
{
    auto opened = openLedger(path);
    EXPECT_TRUE(opened.ok()) << (opened.ok() ? "" : opened.error().toStdString());
    if (!opened)
        return nullptr;
    if (notice)
        *notice = opened->notice;
    return std::move(opened->ledger);
}

Ticket randomTicket(QRandomGenerator& random)
{
    Ticket t;
    t.firstDraw = 40000 + random.bounded(8000);
    t.draws = random.bounded(1, kMaxDraws + 1);
    t.plus = random.bounded(2);
    t.stake = Money{random.bounded(100000)};
    t.ticketNumber = random.bounded(3) ? QString::number(random.bounded(99999)) : QString();
    t.note = random.bounded(2)
                 ? QStringLiteral("Büro, \"Tippgemeinschaft\"\n%1 zł").arg(random.bounded(100))
                 : QString();
    for (int position = 1; position <= 12; ++position)
        if (random.bounded(2) || (position == 12 && t.rows.empty()))
            t.rows.push_back({position, {1, 2 + position, 20, 30, 40, 49}});
    return t;
}

DrawCheck randomCheck(QRandomGenerator& random, const Ticket& t, int draw, Game game)
{
    DrawCheck c{{t.id, draw, game}, t.firstDraw + draw, QStringLiteral("1,2,3,4,5,%1").arg(draw)};
    for (const TicketRow& row : t.rows) {
        const int hits = random.bounded(7);
        const bool open = hits >= 4 && random.bounded(2);
        c.rows.push_back({row.position, hits,
                          open ? std::nullopt : std::optional<Money>(Money{random.bounded(1000000)}),
                          open && random.bounded(2) ? std::optional<Money>(Money{4200}) : std::nullopt});
    }
    return c;
}

// Runs SQL statements (separated by ";" at line ends) on a file of its own connection.
void runScript(const QString& path, const QString& script)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "script");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        for (const QString& statement : script.split(QStringLiteral(";\n"), Qt::SkipEmptyParts)) {
            QString sql;
            for (const QString& line : statement.split('\n'))
                if (!line.startsWith(QLatin1String("--")))
                    sql += line + ' ';
            if (!sql.trimmed().isEmpty())
                ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
        }
    }
    QSqlDatabase::removeDatabase("script");
}

QString pragma(const QString& path, const QString& name)
{
    QString value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "probe");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec("PRAGMA " + name) && q.next())
                value = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase("probe");
    return value;
}

} // namespace

TEST(SqliteLedger, TicketsAndChecksComeBackAsTheyWentIn)
{
    QTemporaryDir dir;
    auto ledger = open(dir.filePath("Vendrilo.sqlite"));
    ASSERT_TRUE(ledger);
    QRandomGenerator random(31);
    std::vector<Ticket> tickets;
    std::map<CheckKey, DrawCheck> checks;
    for (int i = 0; i < 40; ++i) {
        Ticket t = randomTicket(random);
        t.id = *ledger->addTicket(t);
        tickets.push_back(t);
        CheckChanges changes;
        for (int k = 1; k <= t.draws; ++k)
            for (const Game game : t.games())
                if (random.bounded(3))
                    changes.written.push_back(randomCheck(random, t, k, game));
        if (!checks.empty() && random.bounded(2)) { // one replaced, one dropped
            changes.written.push_back(checks.begin()->second);
            changes.written.back().basis += QStringLiteral("!");
            changes.dropped.push_back(std::prev(checks.end())->first);
        }
        ASSERT_TRUE(ledger->saveChecks(changes).ok());
        for (const CheckKey& k : changes.dropped)
            checks.erase(k);
        for (const DrawCheck& c : changes.written)
            checks[c.key] = c;
    }
    EXPECT_EQ(tickets.size(), 40u);
    EXPECT_EQ(*ledger->tickets(), tickets);
    std::vector<DrawCheck> expected;
    for (const auto& [key, c] : checks)
        expected.push_back(c);
    EXPECT_EQ(*ledger->checks(), expected);

    // The note, a typed amount, and a ticket deleted with its checks; then the file reopened.
    ASSERT_TRUE(ledger->setNote(tickets[3].id, QStringLiteral("Geburtstag")).ok());
    tickets[3].note = QStringLiteral("Geburtstag");
    DrawCheck& c = expected.front();
    ASSERT_TRUE(ledger->setEnteredPrize(c.key, c.rows[0].position, Money{12345}).ok());
    c.rows[0].entered = Money{12345};
    const qint64 gone = tickets[5].id;
    ASSERT_TRUE(ledger->removeTicket(gone).ok());
    tickets.erase(tickets.begin() + 5);
    std::erase_if(expected, [&](const DrawCheck& d) { return d.key.ticket == gone; });
    ledger.reset();
    ledger = open(dir.filePath("Vendrilo.sqlite"));
    EXPECT_EQ(*ledger->tickets(), tickets);
    EXPECT_EQ(*ledger->checks(), expected);
    EXPECT_EQ(pragma(dir.filePath("Vendrilo.sqlite"), "user_version"), "2");
    EXPECT_EQ(pragma(dir.filePath("Vendrilo.sqlite"), "journal_mode"), "wal");
}

TEST(SqliteLedger, AFailedChangeLeavesNothingOfIt)
{
    QTemporaryDir dir;
    auto ledger = open(dir.filePath("Vendrilo.sqlite"));
    Ticket t{0, 45000, 2, false, 600, {}, {}, {{1, {1, 2, 3, 4, 5, 6}}, {2, {1, 2, 3, 4, 5, 7}}}};
    t.id = *ledger->addTicket(t);
    Ticket broken = t;
    broken.rows.push_back({13, {1, 2, 3, 4, 5, 6}}); // no sheet has a thirteenth row
    EXPECT_FALSE(ledger->addTicket(broken).ok());
    EXPECT_EQ(ledger->tickets()->size(), 1u);

    CheckChanges first{{DrawCheck{{t.id, 1, Game::Lotto}, 45000, "a", {{1, 3, Money{2400}, {}}}}}, {}};
    ASSERT_TRUE(ledger->saveChecks(first).ok());
    CheckChanges bad{
        {DrawCheck{{t.id, 2, Game::Lotto}, 45002, "b", {{1, 0, Money{}, {}}}},
         DrawCheck{{t.id, 1, Game::Lotto}, 45000, "c", {{1, 3, Money{}, {}}, {1, 4, Money{}, {}}}}},
        {}}; // the second check holds row 1 twice
    EXPECT_FALSE(ledger->saveChecks(bad).ok());
    EXPECT_EQ(*ledger->checks(), first.written);
}

TEST(SqliteLedger, AnOlderLayoutKeepsEveryTicket)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vendrilo.sqlite");
    runScript(path, QString::fromUtf8(test::readBytes(VENDRILO_FIXTURES "/ledger-v1.sql")));
    ASSERT_EQ(pragma(path, "user_version"), "1");
    QString notice;
    auto ledger = open(path, &notice);
    ASSERT_TRUE(ledger);
    EXPECT_TRUE(notice.isEmpty());
    const auto tickets = *ledger->tickets();
    ASSERT_EQ(tickets.size(), 3u);
    EXPECT_EQ(tickets[0], (Ticket{1,
                                  test::day("02.09.2025"),
                                  1,
                                  false,
                                  600,
                                  "",
                                  "",
                                  {{1, {3, 11, 17, 25, 38, 44}}, {4, {1, 9, 23, 30, 41, 49}}}}));
    EXPECT_EQ(tickets[2].ticketNumber, QStringLiteral("Ä ő"));
    ASSERT_TRUE(ledger->setNote(5, QStringLiteral("neu")).ok());
    EXPECT_EQ(ledger->tickets()->at(2).note, QStringLiteral("neu"));
    EXPECT_EQ(*ledger->addTicket(tickets[0]), 6); // ids are never given twice
    EXPECT_EQ(pragma(path, "user_version"), "2");
}

TEST(SqliteLedger, AFileThatIsNoLedgerOfOursIsKeptAsideUntouched)
{
    QTemporaryDir source;
    const QString ours = source.filePath("ours.sqlite");
    open(ours)->addTicket(Ticket{0, 45000, 1, false, Money{300}, {}, {}, {{1, {1, 2, 3, 4, 5, 6}}}});
    QByteArray damaged = test::readBytes(ours);
    for (qsizetype i = 100; i < damaged.size(); i += 7)
        damaged[i] = char(0xA5);
    const QString foreign = source.filePath("foreign.sqlite");
    runScript(foreign, "CREATE TABLE tickets (id INTEGER);\nINSERT INTO tickets VALUES (1);\n");
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"a text file", "Meine Lottoscheine\n1,2,3,4,5,6\n"},
        {"a short file", "SQLite format 3"},
        {"another program's database", test::readBytes(foreign)},
        {"a damaged ledger", damaged},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("Vendrilo.sqlite");
        test::writeBytes(path + ".bak", "an older copy the user keeps");
        test::writeBytes(path, c.bytes);
        QString notice;
        auto ledger = open(path, &notice);
        ASSERT_TRUE(ledger) << c.what;
        EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(path + ".bak.2"))) << c.what;
        EXPECT_EQ(test::readBytes(path + ".bak.2"), c.bytes) << c.what;
        EXPECT_EQ(test::readBytes(path + ".bak"), "an older copy the user keeps");
        EXPECT_TRUE(ledger->tickets()->empty()) << c.what;
        EXPECT_TRUE(
            ledger->addTicket(Ticket{0, 45000, 1, false, Money{300}, {}, {}, {{1, {1, 2, 3, 4, 5, 6}}}})
                .ok());
    }
}

TEST(SqliteLedger, ALedgerOfANewerVersionIsLeftAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Vendrilo.sqlite");
    open(path).reset();
    runScript(path, "PRAGMA user_version = 3;\n");
    const QByteArray before = test::readBytes(path);
    const auto opened = openLedger(path);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.errorKind(), ErrorKind::Refused) << opened.error().toStdString();
    EXPECT_EQ(test::readBytes(path), before);
    EXPECT_FALSE(QFile::exists(path + ".bak"));
}
