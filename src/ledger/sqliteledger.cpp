// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqliteledger.h"

#include "core/draws/dates.h"
#include "core/texts/textlist.h"
#include "sqlsteps.h"

#include <QDir>
#include <QSqlDatabase>
#include <QVariant>

#include <map>

namespace vendrilo::ledger {

namespace {

QString isoDay(double day)
{
    return dateFromDay(day).toString(Qt::ISODate);
}

std::optional<double> dayOfIso(const QString& text)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return dayFromDate(date);
}

QString gameName(Game game)
{
    return QString::fromLatin1(gameInfo(game).name);
}

// Text for a NOT NULL column: a null QString would be bound as NULL.
QVariant notNull(const QString& value)
{
    return value.isNull() ? QVariant(QString::fromLatin1("")) : QVariant(value);
}

QVariant optionalMoney(std::optional<Money> amount)
{
    return amount ? QVariant(amount->grosze) : QVariant();
}

std::optional<Money> moneyOf(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<Money>(Money{value.toLongLong()});
}

QVariantList keyValues(const CheckKey& key)
{
    return {key.ticket, key.draw, gameName(key.game)};
}

// A row read back: the key and the check it belongs to.
CheckKey keyOf(const QSqlQuery& q, bool& ok)
{
    const auto game = gameByName(q.value(2).toString());
    ok = game.has_value();
    return {q.value(0).toLongLong(), q.value(1).toInt(), game.value_or(Game::Lotto)};
}

} // namespace

SqliteLedger::SqliteLedger(QString connection, QString path)
    : m_connection(std::move(connection)), m_path(std::move(path))
{
}

SqliteLedger::~SqliteLedger()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

Error SqliteLedger::failure(const QString& reason) const
{
    return Error{fillIn(text(Text::LedgerFailed), {QDir::toNativeSeparators(m_path), reason})};
}

Status SqliteLedger::inTransaction(const std::function<Status()>& work)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (const Status begun = execSql(db, QStringLiteral("BEGIN IMMEDIATE")); !begun)
        return failure(begun.error());
    Status done = work();
    if (done)
        done = execSql(db, QStringLiteral("COMMIT"));
    if (!done) {
        (void)execSql(db, QStringLiteral("ROLLBACK"));
        return failure(done.error());
    }
    return {};
}

Result<qint64> SqliteLedger::addTicket(const Ticket& t)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    qint64 id = 0;
    const Status added = inTransaction([&]() -> Status {
        const auto inserted = runSql(
            db,
            QStringLiteral("INSERT INTO tickets (first_draw, draws, plus, stake, ticket_number, "
                           "note) VALUES (?, ?, ?, ?, ?, ?)"),
            {isoDay(t.firstDraw), t.draws, t.plus ? 1 : 0, t.stake.grosze, notNull(t.ticketNumber),
             notNull(t.note)});
        if (!inserted)
            return inserted.failure();
        id = inserted->lastInsertId().toLongLong();
        for (const TicketRow& row : t.rows) {
            QVariantList values{id, row.position};
            for (const int n : row.numbers)
                values << n;
            if (const Status done = execSql(db,
                                            QStringLiteral("INSERT INTO ticket_rows (ticket, "
                                                           "position, n1, n2, n3, n4, n5, n6) "
                                                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                                            values);
                !done)
                return done;
        }
        return {};
    });
    if (!added)
        return added.failure();
    return id;
}

Result<std::vector<Ticket>> SqliteLedger::tickets()
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    auto q = runSql(db, QStringLiteral("SELECT id, first_draw, draws, plus, stake, ticket_number, "
                                       "note FROM tickets ORDER BY id"));
    if (!q)
        return failure(q.error());
    std::vector<Ticket> list;
    std::map<qint64, std::size_t> index;
    while (q->next()) {
        const auto first = dayOfIso(q->value(1).toString());
        if (!first)
            return failure(QStringLiteral("ticket %1: no date").arg(q->value(0).toLongLong()));
        list.push_back({q->value(0).toLongLong(),
                        *first,
                        q->value(2).toInt(),
                        q->value(3).toInt() != 0,
                        q->value(4).toLongLong(),
                        q->value(5).toString(),
                        q->value(6).toString(),
                        {}});
        index[list.back().id] = list.size() - 1;
    }
    auto rows = runSql(db, QStringLiteral("SELECT ticket, position, n1, n2, n3, n4, n5, n6 FROM "
                                          "ticket_rows ORDER BY ticket, position"));
    if (!rows)
        return failure(rows.error());
    while (rows->next()) {
        const auto it = index.find(rows->value(0).toLongLong());
        if (it == index.end())
            continue;
        TicketRow row{rows->value(1).toInt(), {}};
        for (int i = 0; i < 6; ++i)
            row.numbers[static_cast<std::size_t>(i)] = rows->value(2 + i).toInt();
        list[it->second].rows.push_back(row);
    }
    return list;
}

Result<std::vector<DrawCheck>> SqliteLedger::checks()
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    auto q = runSql(db, QStringLiteral("SELECT ticket, draw, game, day, basis FROM checks"));
    if (!q)
        return failure(q.error());
    std::map<CheckKey, DrawCheck> byKey;
    while (q->next()) {
        bool ok = false;
        const CheckKey key = keyOf(*q, ok);
        const auto day = dayOfIso(q->value(3).toString());
        if (!ok || !day)
            return failure(QStringLiteral("ticket %1: a check of no game or day").arg(key.ticket));
        byKey[key] = DrawCheck{key, *day, q->value(4).toString(), {}};
    }
    auto rows = runSql(db, QStringLiteral("SELECT ticket, draw, game, position, hits, prize, "
                                          "entered FROM check_rows ORDER BY position"));
    if (!rows)
        return failure(rows.error());
    while (rows->next()) {
        bool ok = false;
        const auto it = byKey.find(keyOf(*rows, ok));
        if (!ok || it == byKey.end())
            continue;
        it->second.rows.push_back({rows->value(3).toInt(), rows->value(4).toInt(),
                                   moneyOf(rows->value(5)), moneyOf(rows->value(6))});
    }
    std::vector<DrawCheck> list;
    for (auto& [key, check] : byKey)
        list.push_back(std::move(check));
    return list;
}

Status SqliteLedger::setNote(qint64 ticket, const QString& note)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return inTransaction([&] {
        return execSql(db, QStringLiteral("UPDATE tickets SET note = ? WHERE id = ?"),
                       {notNull(note), ticket});
    });
}

Status SqliteLedger::removeTicket(qint64 ticket)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return inTransaction([&]() -> Status {
        // Said out loud rather than left to the cascade, which a file opened elsewhere without
        // foreign keys would not run.
        for (const char* table : {"check_rows", "checks", "ticket_rows"})
            if (const Status done = execSql(
                    db, QStringLiteral("DELETE FROM %1 WHERE ticket = ?").arg(QLatin1String(table)),
                    {ticket});
                !done)
                return done;
        return execSql(db, QStringLiteral("DELETE FROM tickets WHERE id = ?"), {ticket});
    });
}

Status SqliteLedger::saveChecks(const CheckChanges& changes)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return inTransaction([&]() -> Status {
        const QString where = QStringLiteral(" WHERE ticket = ? AND draw = ? AND game = ?");
        Statement removeRows(db, QStringLiteral("DELETE FROM check_rows") + where);
        Statement removeCheck(db, QStringLiteral("DELETE FROM checks") + where);
        Statement addCheck(db, QStringLiteral("INSERT INTO checks (ticket, draw, game, day, "
                                              "basis) VALUES (?, ?, ?, ?, ?)"));
        Statement addRow(db, QStringLiteral("INSERT INTO check_rows (ticket, draw, game, "
                                            "position, hits, prize, entered) VALUES (?, ?, ?, "
                                            "?, ?, ?, ?)"));
        const auto remove = [&](const CheckKey& key) -> Status {
            if (Status done = removeRows.run(keyValues(key)); !done)
                return done;
            return removeCheck.run(keyValues(key));
        };
        for (const CheckKey& key : changes.dropped)
            if (const Status done = remove(key); !done)
                return done;
        for (const DrawCheck& check : changes.written) {
            Status done = remove(check.key);
            if (done)
                done = addCheck.run(keyValues(check.key) << isoDay(check.day) << check.basis);
            for (auto row = check.rows.begin(); done && row != check.rows.end(); ++row)
                done = addRow.run(keyValues(check.key)
                                  << row->position << row->hits << optionalMoney(row->prize)
                                  << optionalMoney(row->entered));
            if (!done)
                return done;
        }
        return {};
    });
}

Status SqliteLedger::setEnteredPrize(const CheckKey& key, int position, std::optional<Money> amount)
{
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return inTransaction([&] {
        return execSql(db,
                       QStringLiteral("UPDATE check_rows SET entered = ? WHERE ticket = ? AND "
                                      "draw = ? AND game = ? AND position = ?"),
                       QVariantList{optionalMoney(amount)} << keyValues(key) << position);
    });
}

} // namespace vendrilo::ledger
