// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/iniguard.h"

#include "core/io/atomicfile.h"
#include "core/io/regularfile.h"
#include "core/texts/textlist.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace vendrilo {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char16_t simpleEscape(char c)
{
    switch (c) {
    case 'a': return u'\a';
    case 'b': return u'\b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'v': return u'\v';
    case '"': case '?': case '\'': case '\\': return char16_t(c);
    default: return 0;
    }
}

// The text as QSettings sees its values: escapes decoded (numbers wrap at 16 bits as there),
// quotes, escaped line ends and unknown escapes gone. Bytes beyond ASCII are left out, so that
// nothing they could decode to separates two signs that QSettings might see side by side.
QString decodedLikeSettings(QByteArrayView text)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const char c = text[i++];
        if (c == '"' || static_cast<unsigned char>(c) >= 0x80)
            continue;
        if (c != '\\') {
            out += QChar(char16_t(c));
            continue;
        }
        if (i >= n)
            break;
        const char e = text[i++];
        if (const char16_t simple = simpleEscape(e)) {
            out += QChar(simple);
        } else if (e == 'x' && i < n && hexDigit(text[i]) >= 0) {
            char16_t value = 0;
            for (; i < n && hexDigit(text[i]) >= 0; ++i)
                value = char16_t((value << 4) + hexDigit(text[i]));
            out += QChar(value);
        } else if (e >= '0' && e <= '7') {
            char16_t value = char16_t(e - '0');
            for (; i < n && text[i] >= '0' && text[i] <= '7'; ++i)
                value = char16_t((value << 3) + (text[i] - '0'));
            out += QChar(value);
        } else if ((e == '\n' || e == '\r') && i < n &&
                   (text[i] == '\n' || text[i] == '\r') && text[i] != e) {
            ++i; // an escaped CR LF
        }
    }
    return out;
}

// The physical lines of a logical one: a line ending in an odd number of backslashes goes on.
bool continues(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    qsizetype slashes = 0;
    while (slashes < line.size() && line[line.size() - 1 - slashes] == '\\')
        ++slashes;
    return slashes % 2 == 1;
}

QString keyOf(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    return QString::fromUtf8(equals < 0 ? line : line.left(equals)).trimmed();
}

QString freeBackupName(const QString& path)
{
    QString name = path + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(name); ++n)
        name = QStringLiteral("%1.%2.bak").arg(path).arg(n);
    return name;
}

} // namespace

bool iniTextMayHoldSerialisedValue(QByteArrayView text)
{
    const QString decoded = decodedLikeSettings(text);
    // "@@" starts a text that begins with "@", which QSettings takes as it is.
    const auto holds = [&decoded](QLatin1String opening) {
        for (qsizetype at = decoded.indexOf(opening); at >= 0;
             at = decoded.indexOf(opening, at + 1))
            if (at == 0 || decoded[at - 1] != u'@')
                return true;
        return false;
    };
    return holds(QLatin1String("@Variant(")) || holds(QLatin1String("@DateTime("));
}

QByteArray withoutSerialisedValues(const QByteArray& text, QStringList* droppedKeys)
{
    QByteArray kept;
    QByteArray logical;
    const auto finishLogicalLine = [&] {
        if (iniTextMayHoldSerialisedValue(logical)) {
            if (droppedKeys)
                droppedKeys->append(keyOf(logical));
        } else {
            kept += logical;
        }
        logical.clear();
    };
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        end = end < 0 ? text.size() : end + 1;
        const QByteArrayView line(text.constData() + start, end - start);
        logical += line;
        if (!continues(line.endsWith('\n') ? line.chopped(1) : line))
            finishLogicalLine();
        start = end;
    }
    finishLogicalLine();
    return kept;
}

namespace {

// A settings file QSettings must not read at all (a device, a pipe, a file of many megabytes
// that it would hold in memory several times over) is renamed to a free backup name, so that
// nothing is lost and the program starts with its defaults.
Result<QString> setAside(const QString& path, Text told, const QStringList& details = {})
{
    const QString backup = freeBackupName(path);
    if (!QFile::rename(path, backup))
        return Error{fillIn(text(Text::SettingsCannotSetAside),
                            {QDir::toNativeSeparators(path), QFileInfo(backup).fileName()}),
                     ErrorKind::Unwritable};
    return fillIn(text(told), QStringList{QDir::toNativeSeparators(path)} + details +
                                  QStringList{QFileInfo(backup).fileName()});
}

} // namespace

Result<QString> makeSettingsFileSafe(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    if (!info.isFile())
        return setAside(path, Text::SettingsSetAsideNotAFile);
    if (info.size() > kMaxSettingsFileSize)
        return setAside(path, Text::SettingsSetAsideTooLarge, {QString::number(info.size() >> 20)});
    const auto read = readRegularFile(path, kMaxSettingsFileSize);
    if (!read)
        return read.failure();
    const QByteArray& text = *read;
    if (!iniTextMayHoldSerialisedValue(text))
        return QString();

    QStringList dropped;
    QByteArray cleaned = withoutSerialisedValues(text, &dropped);
    const bool whole = iniTextMayHoldSerialisedValue(cleaned);
    if (whole)
        cleaned.clear();
    const QString backup = freeBackupName(path);
    if (!QFile::copy(path, backup))
        return Error{fillIn(vendrilo::text(Text::SettingsCannotKeep),
                            {QDir::toNativeSeparators(path), QFileInfo(backup).fileName()}),
                     ErrorKind::Unwritable};
    if (const Status written = writeFileAtomically(path, cleaned); !written)
        return written.failure();
    const QString shownPath = QDir::toNativeSeparators(path);
    const QString shownBackup = QFileInfo(backup).fileName();
    if (whole)
        return fillIn(vendrilo::text(Text::SettingsForeignValuesWhole), {shownPath, shownBackup});
    return fillIn(vendrilo::text(Text::SettingsForeignValuesRemoved),
                  {shownPath, dropped.join(QStringLiteral(", ")), shownBackup});
}

namespace {

// A program killed between making its lock file and writing its process into it leaves a lock
// that names nobody; Qt would take it for held until it is 30 seconds old, and the next save
// of the settings would wait that long. A running program fills its lock at once, so an unfilled
// one older than a second is stale.
bool removeUnfilledLock(QLockFile& lock, const QString& lockPath)
{
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo info(lockPath);
    if (!info.exists() || lock.getLockInfo(&pid, &host, &application))
        return false;
    if (info.lastModified().msecsTo(QDateTime::currentDateTime()) < 1000)
        return false;
    return lock.removeStaleLockFile();
}

// Qt removes a stale lock under a helper lock of its own, "<lock>.rmlock" (whose removal, when
// stale in turn, uses "<lock>.rmlock.rmlock", and so on). A program killed meanwhile leaves the
// helper behind, which then keeps the stale lock from being taken over for half a minute. The
// helpers that nobody holds go, the deepest first; one a running program holds stays.
// `helpers`: names of files in the lock's folder; those that are not its helpers are passed over.
void removeStaleRemovalHelpers(const QString& lockPath, QStringList helpers)
{
    const QFileInfo info(lockPath);
    std::sort(helpers.begin(), helpers.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const QRegularExpression chain(QStringLiteral("^%1(\\.rmlock)+$")
                                       .arg(QRegularExpression::escape(info.fileName())));
    for (const QString& name : helpers) {
        if (!chain.match(name).hasMatch())
            continue;
        const QString helperPath = info.absoluteDir().filePath(name);
        QLockFile helper(helperPath);
        if (helper.tryLock(0) || (removeUnfilledLock(helper, helperPath) && helper.tryLock(0)))
            helper.unlock();
    }
}

} // namespace

int removeStaleSettingsTemporaries(const QString& path)
{
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    // Compared by hand: a name filter would compile a regular expression at every start.
    const QString prefix = info.fileName() + QLatin1Char('.');
    QStringList beside = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    beside.removeIf([&prefix](const QString& name) {
        return !name.startsWith(prefix, Qt::CaseInsensitive);
    });
    // Usually there is nothing beside the file: then the lock is not needed either (taking and
    // dropping it writes and removes a file, which a start-up would wait for).
    if (beside.isEmpty())
        return 0;
    removeStaleRemovalHelpers(path + QStringLiteral(".lock"), beside);
    QLockFile lock(path + QStringLiteral(".lock"));
    // A lock left by a killed program names a process that is gone: tryLock takes it over.
    if (!lock.tryLock(0) &&
        !(removeUnfilledLock(lock, path + QStringLiteral(".lock")) && lock.tryLock(0)))
        return 0;
    // The save's temporary file, and the helper files QLockFile makes while it removes a stale
    // lock.
    const QRegularExpression pattern(QStringLiteral("^%1\\.([A-Za-z0-9]{6}|lock(\\.rmlock)+)$")
                                         .arg(QRegularExpression::escape(info.fileName())));
    int removed = 0;
    for (const QString& name : beside)
        if (pattern.match(name).hasMatch() && QFile::remove(dir.filePath(name)))
            ++removed;
    lock.unlock();
    return removed;
}

} // namespace vendrilo
