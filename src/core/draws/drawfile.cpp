// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"

#include "core/draws/dates.h"
#include "core/io/atomicfile.h"
#include "core/io/regularfile.h"
#include "core/texts/textlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace vendrilo {
namespace drawfile {

namespace {

QByteArray serialize(const std::vector<DrawRecord>& records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size() * DrawRecord::kSize));
    for (const auto& r : records) {
        const auto b = r.toBytes();
        bytes.append(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
    }
    return bytes;
}

// The append and the rewrite refuse to make a file that the reader would then refuse.
Error wouldBeTooLarge(const QString& path, qint64 size)
{
    return {fillIn(text(Text::DrawFileWouldBeTooLarge),
                   {QDir::toNativeSeparators(path), QString::number(size >> 20),
                    QString::number(kMaxFileSize >> 20)}),
            ErrorKind::Refused};
}

Error tooLarge(const QString& path, qint64 size)
{
    return {fillIn(text(Text::DrawFileTooLarge),
                   {QDir::toNativeSeparators(path), QString::number(size >> 20),
                    QString::number(kMaxFileSize >> 20)}),
            ErrorKind::Damaged};
}

// Reads a file of fixed-size records block by block into `convert`, without a second copy of
// the whole file in memory. The blocks are small enough to come from the heap: a larger one was
// a fresh mapping each time, whose pages cost more to touch than the reading.
template <typename Convert>
Status readRecords(const QString& path, std::size_t recordSize, Convert convert)
{
    QFile f;
    if (const Status opened = openRegularFile(f, path); !opened)
        return opened;
    if (f.size() > kMaxFileSize)
        return tooLarge(path, f.size());
    const qint64 blockRecords = 256;
    QByteArray block(static_cast<qsizetype>(blockRecords * recordSize), Qt::Uninitialized);
    qint64 pending = 0; // bytes of a record split across two reads
    for (;;) {
        const qint64 got = f.read(block.data() + pending, block.size() - pending);
        if (got < 0)
            return fileError(f, path, ErrorKind::Unreadable);
        const qint64 have = pending + got;
        const auto whole = static_cast<std::size_t>(have) / recordSize;
        const auto* data = reinterpret_cast<const std::uint8_t*>(block.constData());
        for (std::size_t i = 0; i < whole; ++i)
            convert(data + i * recordSize);
        pending = have - static_cast<qint64>(whole * recordSize);
        std::memmove(block.data(), block.constData() + whole * recordSize,
                     static_cast<std::size_t>(pending));
        if (got == 0)
            return {}; // a short tail stays unread
    }
}

} // namespace

QString pathIn(const QString& home, const QString& fileName)
{
    if (home.isEmpty())
        return fileName;
    return home.endsWith(QLatin1Char('/')) || home.endsWith(QLatin1Char('\\'))
               ? home + fileName
               : home + QLatin1Char('/') + fileName;
}

Result<std::vector<DrawRecord>> read(const QString& path)
{
    std::vector<DrawRecord> records;
    records.reserve(static_cast<std::size_t>(
        std::clamp<qint64>(QFileInfo(path).size(), 0, kMaxFileSize) / qint64(DrawRecord::kSize)));
    const Status status = readRecords(path, DrawRecord::kSize, [&](const std::uint8_t* bytes) {
        records.push_back(DrawRecord::fromBytes(bytes));
    });
    if (!status)
        return status.failure();
    return records;
}

Status append(const QString& path, const std::vector<DrawRecord>& records)
{
    if (const Status writable = checkWritable(linkTarget(path)); !writable)
        return writable;
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return fileError(f, path, ErrorKind::Unwritable);
    // Write after the last whole record, so that a torn tail never shifts the records.
    const qint64 whole = (f.size() / qint64(DrawRecord::kSize)) * qint64(DrawRecord::kSize);
    const QByteArray bytes = serialize(records);
    // The file never grows beyond what its readers take: the program could not start again.
    if (whole + bytes.size() > kMaxFileSize)
        return wouldBeTooLarge(path, whole + bytes.size());
    if (!f.seek(whole) || f.write(bytes) != bytes.size() || !f.resize(whole + bytes.size()) ||
        !f.flush())
        return fileError(f, path, ErrorKind::Unwritable);
    return {};
}

Status rewrite(const QString& path, const std::vector<DrawRecord>& records)
{
    if (records.size() * DrawRecord::kSize > std::size_t(kMaxFileSize))
        return wouldBeTooLarge(path, qint64(records.size() * DrawRecord::kSize));
    return writeFileAtomically(path, serialize(records));
}

Status createEmpty(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fileError(f, path, ErrorKind::Unwritable);
    return {};
}

Result<Prepared> convertLegacy(const QString& home)
{
    const QString target = pathIn(home, kFileName);
    const QString legacy = pathIn(home, kLegacyFileName);
    if (QFileInfo::exists(target) || !QFileInfo::exists(legacy))
        return Prepared{};

    std::vector<DrawRecord> records;
    const Status read = readRecords(legacy, LegacyDrawRecord::kSize, [&](const std::uint8_t* b) {
        records.push_back(LegacyDrawRecord::fromBytes(b).toDrawRecord());
    });
    if (!read)
        return read.failure();
    // Written in one step, so an interrupted conversion leaves no half draw file that would
    // stop the conversion from running again.
    if (const Status written = rewrite(target, records); !written)
        return written.failure();
    return Prepared{Preparation::ConvertedLegacy, static_cast<int>(records.size())};
}

namespace {

// Writes a game's draw file from its history when the file does not exist.
Result<Prepared> seedFromHistory(const QString& home, Game game, HistorySource source)
{
    const QString target = pathIn(home, QString::fromLatin1(gameInfo(game).drawFileName));
    if (QFileInfo::exists(target))
        return Prepared{};
    const auto history = source ? source(game) : shippedHistory(game);
    if (!history)
        return history.failure();
    if (const Status written = rewrite(target, *history); !written)
        return written.failure();
    return Prepared{Preparation::SeededFromHistory, static_cast<int>(history->size())};
}

} // namespace

Result<Prepared> prepare(const QString& home, HistorySource source)
{
    // What a write killed half-way left beside the program's files goes first, also beside a
    // draw file that a link leads to elsewhere.
    QStringList drawFiles;
    for (const Game game : {Game::Lotto, Game::Plus})
        drawFiles << pathIn(home, QString::fromLatin1(gameInfo(game).drawFileName));
    removeStaleTemporariesOf(drawFiles); // the program folder among theirs
    Result<Prepared> lotto = convertLegacy(home);
    if (lotto && lotto->what == Preparation::Kept)
        lotto = seedFromHistory(home, Game::Lotto, source);
    if (!lotto)
        return lotto;
    // An older program folder gets the Lotto Plus history on the first start that knows it.
    if (const auto plus = seedFromHistory(home, Game::Plus, source); !plus)
        return plus.failure();
    return lotto;
}

} // namespace drawfile

Result<std::vector<DrawRecord>> parseHistoryCsv(const QByteArray& text)
{
    std::vector<DrawRecord> records;
    int lineNo = 0;
    for (const QByteArray& rawLine : text.split('\n')) {
        ++lineNo;
        const QByteArray line = rawLine.trimmed();
        if (line.isEmpty())
            continue;
        const auto fields = line.split(',');
        auto fail = [&](const char* what) {
            return Error{QStringLiteral("line %1: %2").arg(lineNo).arg(QLatin1String(what)),
                         ErrorKind::Damaged};
        };
        if (fields.size() != 8)
            return fail("expected draw number, date and six numbers");
        const auto date = parseDate(QString::fromLatin1(fields[1]));
        if (!date)
            return fail("bad date");
        DrawRecord r;
        r.date = *date;
        for (int i = 0; i < 6; ++i) {
            bool ok = false;
            const int n = fields[2 + i].toInt(&ok);
            if (!ok || n < 1 || n > 49)
                return fail("number outside 1..49");
            r.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
        }
        records.push_back(r);
    }
    return records;
}

Result<std::vector<DrawRecord>> shippedHistory(Game game)
{
    const QString resource = QStringLiteral(":/data/") + QLatin1String(gameInfo(game).shippedCsv);
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly))
        return fileError(f, resource, ErrorKind::Unreadable);
    auto records = parseHistoryCsv(f.readAll());
    if (!records)
        return Error{QStringLiteral("%1: %2").arg(resource, records.error()), records.errorKind()};
    if (records->empty())
        return Error{QStringLiteral("%1: holds no draw").arg(resource), ErrorKind::Damaged};
    return records;
}

bool isDamaged(const DrawRecord& record)
{
    const auto above49 = [](std::uint8_t n) { return n > 49; };
    return std::any_of(record.numbers.begin(), record.numbers.end(), above49) ||
           above49(record.bonus) || record.superzahl > 9 || !isCalendarDay(record.date);
}

int countDamaged(const std::vector<DrawRecord>& records)
{
    return static_cast<int>(std::count_if(records.begin(), records.end(), isDamaged));
}

QString damagedFileWarning(const QString& path, int damaged)
{
    return fillIn(text(Text::DamagedDraws),
                  {QDir::toNativeSeparators(path), QString::number(damaged)});
}

} // namespace vendrilo
