// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlsteps.h"

#include <QSqlError>
#include <QStringList>

#include <array>

namespace vendrilo::ledger {

namespace {

// Version 1: tickets, their rows, the checks and each row's result. Days are ISO dates,
// amounts whole grosze; a NULL prize is one not known yet.
const char* const kVersion1[] = {
    "CREATE TABLE tickets ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " first_draw TEXT NOT NULL,"
    " draws INTEGER NOT NULL CHECK (draws BETWEEN 1 AND 10),"
    " plus INTEGER NOT NULL CHECK (plus IN (0, 1)),"
    " stake INTEGER NOT NULL CHECK (stake >= 0),"
    " ticket_number TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE ticket_rows ("
    " ticket INTEGER NOT NULL REFERENCES tickets (id) ON DELETE CASCADE,"
    " position INTEGER NOT NULL CHECK (position BETWEEN 1 AND 12),"
    " n1 INTEGER NOT NULL, n2 INTEGER NOT NULL, n3 INTEGER NOT NULL,"
    " n4 INTEGER NOT NULL, n5 INTEGER NOT NULL, n6 INTEGER NOT NULL,"
    " PRIMARY KEY (ticket, position))",
    "CREATE TABLE checks ("
    " ticket INTEGER NOT NULL REFERENCES tickets (id) ON DELETE CASCADE,"
    " draw INTEGER NOT NULL,"
    " game TEXT NOT NULL,"
    " day TEXT NOT NULL,"
    " basis TEXT NOT NULL,"
    " PRIMARY KEY (ticket, draw, game))",
    "CREATE TABLE check_rows ("
    " ticket INTEGER NOT NULL, draw INTEGER NOT NULL, game TEXT NOT NULL,"
    " position INTEGER NOT NULL,"
    " hits INTEGER NOT NULL,"
    " prize INTEGER,"
    " entered INTEGER,"
    " PRIMARY KEY (ticket, draw, game, position),"
    " FOREIGN KEY (ticket, draw, game) REFERENCES checks (ticket, draw, game)"
    " ON DELETE CASCADE)",
};

// Version 2: the user's note on a ticket.
const char* const kVersion2[] = {
    "ALTER TABLE tickets ADD COLUMN note TEXT NOT NULL DEFAULT ''",
};

struct Step {
    const char* const* statements;
    std::size_t count;
};
constexpr std::array<Step, kCurrentVersion> kSteps{{
    {kVersion1, std::size(kVersion1)},
    {kVersion2, std::size(kVersion2)},
}};

} // namespace

Result<QSqlQuery> runSql(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        return Error{query.lastError().text()};
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        return Error{query.lastError().text()};
    return query;
}

Status execSql(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    const auto query = runSql(db, sql, values);
    if (!query)
        return query.failure();
    return {};
}

Statement::Statement(const QSqlDatabase& db, const QString& sql) : m_query(db)
{
    m_prepared = m_query.prepare(sql);
}

Status Statement::run(const QVariantList& values)
{
    if (!m_prepared)
        return Error{m_query.lastError().text()};
    for (qsizetype i = 0; i < values.size(); ++i)
        m_query.bindValue(static_cast<int>(i), values.at(i));
    if (!m_query.exec())
        return Error{m_query.lastError().text()};
    return {};
}

Result<qint64> pragmaNumber(const QSqlDatabase& db, const QString& pragma)
{
    auto query = runSql(db, QStringLiteral("PRAGMA ") + pragma);
    if (!query)
        return query.failure();
    if (!query->next())
        return Error{QStringLiteral("PRAGMA %1: no answer").arg(pragma)};
    return query->value(0).toLongLong();
}

Status migrate(const QSqlDatabase& db, int from)
{
    for (int version = from + 1; version <= kCurrentVersion; ++version) {
        const Step& step = kSteps[static_cast<std::size_t>(version - 1)];
        for (std::size_t i = 0; i < step.count; ++i)
            if (const Status done = execSql(db, QString::fromLatin1(step.statements[i])); !done)
                return done;
    }
    // PRAGMA takes no bound values; both are plain numbers.
    if (const Status done =
            execSql(db, QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId));
        !done)
        return done;
    return execSql(db, QStringLiteral("PRAGMA user_version = %1").arg(kCurrentVersion));
}

} // namespace vendrilo::ledger
