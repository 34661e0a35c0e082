// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the ledger file: a new one made whole before it takes the file's name, an older one
// brought up to date, and anything else kept aside untouched.
#include "core/texts/textlist.h"
#include "sqliteledger.h"
#include "sqlsteps.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vendrilo::ledger {

namespace {

// SQLite's result codes for a file that is damaged or no database at all.
const QStringList kDamagedCodes{QStringLiteral("11"), QStringLiteral("26")};

enum class FileKind { Missing, Ours, NotOurs };

// What the first hundred bytes say. The application id is written when a ledger is made and
// never again, so the file itself always holds it, even while newer pages wait in the log.
FileKind kindOfFile(const QString& path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return FileKind::Missing; // nothing in it to keep
    if (!file.open(QIODevice::ReadOnly))
        return FileKind::Ours; // opening it reports why it cannot be read
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileKind::NotOurs;
    const auto byte = [&](int i) { return static_cast<quint32>(static_cast<uchar>(header[i])); };
    const quint32 id = byte(68) << 24 | byte(69) << 16 | byte(70) << 8 | byte(71);
    return id == kApplicationId ? FileKind::Ours : FileKind::NotOurs;
}

QString newConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("vendrilo-ledger-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Syncs the folder so that a rename in it survives a power cut.
void syncFolder(const QString& folder)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

// The first free name beside the file: "<file>.bak", "<file>.bak.2", …
QString asideName(const QString& path)
{
    QString aside = path + QStringLiteral(".bak");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + QStringLiteral("-wal"));
         ++n)
        aside = path + QStringLiteral(".bak.%1").arg(n);
    return aside;
}

// Renames the file, with its write-ahead log, to a free name; the shared-memory index is only a
// cache of the log and goes. The new name, or the reason it could not be moved.
Result<QString> keepAside(const QString& path)
{
    const QString aside = asideName(path);
    if (!QFile::rename(path, aside))
        return Error{QStringLiteral("%1 → %2").arg(path, aside)};
    if (QFileInfo::exists(path + QStringLiteral("-wal")))
        QFile::rename(path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    syncFolder(QFileInfo(path).absolutePath());
    return aside;
}

// Opens a connection; the caller removes it when done.
Result<QSqlDatabase> connect(const QString& name, const QString& path)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return Error{QStringLiteral("Qt SQL's SQLite driver (QSQLITE) is not installed")};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open())
        return Error{db.lastError().text()};
    return db;
}

void disconnect(const QString& name)
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// A new ledger written whole under a temporary name, then given the file's name: a kill while
// it is made leaves no half ledger under the real name.
Status createLedger(const QString& path)
{
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    QFile::remove(temporary + QStringLiteral("-journal"));
    const QString name = newConnectionName();
    Status made = [&]() -> Status {
        auto db = connect(name, temporary);
        if (!db)
            return db.failure();
        for (const char* sql : {"PRAGMA synchronous = FULL", "BEGIN IMMEDIATE"})
            if (const Status done = execSql(*db, QString::fromLatin1(sql)); !done)
                return done;
        if (const Status done = migrate(*db, 0); !done)
            return done;
        if (const Status done = execSql(*db, QStringLiteral("COMMIT")); !done)
            return done;
        return execSql(*db, QStringLiteral("PRAGMA journal_mode = WAL"));
    }();
    disconnect(name);
    if (made && std::rename(QFile::encodeName(temporary).constData(),
                            QFile::encodeName(path).constData()) != 0)
        made = Error{QStringLiteral("%1 → %2").arg(temporary, path)};
    if (!made) {
        QFile::remove(temporary);
        return made;
    }
    syncFolder(QFileInfo(path).absolutePath());
    return {};
}

enum class Verdict { Usable, Damaged, Newer };

// Settings of the connection, the quick check, and the layout brought up to date. SQLite reads
// the file's schema before its first statement, so any of them may find the damage.
Result<Verdict> prepare(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    for (const char* sql : {"PRAGMA busy_timeout = 10000", "PRAGMA foreign_keys = ON",
                            "PRAGMA synchronous = FULL", "PRAGMA quick_check"}) {
        if (!query.exec(QString::fromLatin1(sql)))
            return kDamagedCodes.contains(query.lastError().nativeErrorCode())
                       ? Result<Verdict>(Verdict::Damaged)
                       : Result<Verdict>(Error{query.lastError().text()});
    }
    if (!query.next() || query.value(0).toString() != QLatin1String("ok"))
        return Verdict::Damaged;
    query.finish();
    const auto version = pragmaNumber(db, QStringLiteral("user_version"));
    if (!version)
        return version.failure();
    if (*version > kCurrentVersion)
        return Verdict::Newer;
    if (*version == kCurrentVersion)
        return Verdict::Usable;
    if (const Status begun = execSql(db, QStringLiteral("BEGIN IMMEDIATE")); !begun)
        return begun.failure();
    Status migrated = migrate(db, static_cast<int>(*version));
    if (migrated)
        migrated = execSql(db, QStringLiteral("COMMIT"));
    if (!migrated) {
        (void)execSql(db, QStringLiteral("ROLLBACK"));
        return migrated.failure();
    }
    return Verdict::Usable;
}

// Opens the connection and prepares the file; the connection stays registered under `name`.
Result<Verdict> openAndPrepare(const QString& name, const QString& path)
{
    const auto db = connect(name, path);
    if (!db)
        return db.failure();
    return prepare(*db);
}

} // namespace

Result<OpenedLedger> openLedger(const QString& path)
{
    const auto fail = [&](const QString& reason) {
        return Error{fillIn(text(Text::LedgerFailed), {QDir::toNativeSeparators(path), reason})};
    };
    OpenedLedger opened;
    const auto setAside = [&]() -> Status {
        const auto aside = keepAside(path);
        if (!aside)
            return fail(aside.error());
        opened.notice = fillIn(text(Text::LedgerKeptAside),
                               {QDir::toNativeSeparators(path), QDir::toNativeSeparators(*aside)});
        return {};
    };
    FileKind kind = kindOfFile(path);
    if (kind == FileKind::NotOurs) {
        if (const Status moved = setAside(); !moved)
            return moved.failure();
        kind = FileKind::Missing;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (kind == FileKind::Missing)
            if (const Status made = createLedger(path); !made)
                return fail(made.error());
        const QString name = newConnectionName();
        const auto verdict = openAndPrepare(name, path);
        if (verdict && *verdict == Verdict::Usable) {
            opened.ledger = std::make_unique<SqliteLedger>(name, path);
            return opened;
        }
        disconnect(name);
        if (!verdict)
            return fail(verdict.error());
        if (*verdict == Verdict::Newer)
            return Error{fillIn(text(Text::LedgerNewer), {QDir::toNativeSeparators(path)}),
                         ErrorKind::Refused};
        if (const Status moved = setAside(); !moved) // damaged
            return moved.failure();
        kind = FileKind::Missing;
    }
    return fail(QStringLiteral("a new ledger could not be made"));
}

} // namespace vendrilo::ledger
