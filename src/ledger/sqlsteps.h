// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>

namespace vendrilo::ledger {

// Prepares `sql`, binds `values` in order and runs it; the query to read from, or the driver's
// reason.
Result<QSqlQuery> runSql(const QSqlDatabase& db, const QString& sql,
                         const QVariantList& values = {});
// The same for statements whose result nobody reads.
Status execSql(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// A statement prepared once and run with one set of values after another, for the many rows of
// one transaction.
class Statement {
public:
    Statement(const QSqlDatabase& db, const QString& sql);
    Status run(const QVariantList& values);

private:
    QSqlQuery m_query;
    bool m_prepared = false;
};

// The first column of the first row, as a number (a PRAGMA's answer).
Result<qint64> pragmaNumber(const QSqlDatabase& db, const QString& pragma);

// The ledger's layouts, oldest first: version N is what the steps up to N build. A new
// ledger is made by running all of them, so the path from every older layout is the one every
// new file has taken.
inline constexpr int kCurrentVersion = 2;
// Brings an empty database, or one of version `from`, to kCurrentVersion inside the caller's
// transaction, and writes the version into the file.
Status migrate(const QSqlDatabase& db, int from);

// The file's mark as a ledger of this program (SQLite's application_id, offset 68 of the file).
inline constexpr qint64 kApplicationId = 0x564E444C; // "VNDL"

} // namespace vendrilo::ledger
