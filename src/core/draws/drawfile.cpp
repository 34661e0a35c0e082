#include "core/draws/drawfile.h"

#include "core/app/atomicfile.h"
#include "core/draws/dates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QString describe(const QFileDevice& f, const QString& path)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), f.errorString());
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

ReadResult readAll(const QString& path)
{
    ReadResult result;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = describe(f, path);
        return result;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        result.error = describe(f, path);
        return result;
    }
    const auto count = static_cast<std::size_t>(bytes.size()) / DrawRecord::kSize;
    result.records.reserve(count);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (std::size_t i = 0; i < count; ++i)
        result.records.push_back(DrawRecord::fromBytes(data + i * DrawRecord::kSize));
    return result;
}

std::optional<QString> append(const QString& path, const std::vector<DrawRecord>& records)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return describe(f, path);
    // Write after the last whole record, so that a torn tail never shifts the records.
    const qint64 whole = (f.size() / qint64(DrawRecord::kSize)) * qint64(DrawRecord::kSize);
    const QByteArray bytes = serialize(records);
    if (!f.seek(whole) || f.write(bytes) != bytes.size() || !f.resize(whole + bytes.size()) ||
        !f.flush())
        return describe(f, path);
    return std::nullopt;
}

std::optional<QString> rewrite(const QString& path, const std::vector<DrawRecord>& records)
{
    return writeFileAtomically(path, serialize(records));
}

std::optional<QString> createEmpty(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return describe(f, path);
    return std::nullopt;
}

PrepareResult convertLegacy(const QString& home)
{
    PrepareResult result;
    const QString target = pathIn(home, kFileName);
    const QString legacy = pathIn(home, kLegacyFileName);
    if (QFileInfo::exists(target) || !QFileInfo::exists(legacy))
        return result;

    QFile in(legacy);
    if (!in.open(QIODevice::ReadOnly)) {
        result.what = Preparation::Failed;
        result.error = describe(in, legacy);
        return result;
    }
    const QByteArray bytes = in.readAll();
    std::vector<DrawRecord> records;
    const auto count = static_cast<std::size_t>(bytes.size()) / LegacyDrawRecord::kSize;
    records.reserve(count);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (std::size_t i = 0; i < count; ++i)
        records.push_back(
            LegacyDrawRecord::fromBytes(data + i * LegacyDrawRecord::kSize).toDrawRecord());

    // Written in one step, so an interrupted conversion leaves no half draw file that would
    // stop the conversion from running again.
    if (auto error = rewrite(target, records)) {
        result.what = Preparation::Failed;
        result.error = error;
        return result;
    }
    result.what = Preparation::ConvertedLegacy;
    result.records = static_cast<int>(records.size());
    return result;
}

PrepareResult prepare(const QString& home)
{
    PrepareResult result = convertLegacy(home);
    if (result.what != Preparation::Kept)
        return result;
    const QString target = pathIn(home, kFileName);
    if (QFileInfo::exists(target))
        return result;
    const auto records = shippedHistory();
    if (auto error = rewrite(target, records)) {
        result.what = Preparation::Failed;
        result.error = error;
        return result;
    }
    result.what = Preparation::SeededFromHistory;
    result.records = static_cast<int>(records.size());
    return result;
}

} // namespace drawfile

std::optional<std::vector<DrawRecord>> parseHistoryCsv(const QByteArray& text, QString* error)
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
            if (error)
                *error = QStringLiteral("line %1: %2").arg(lineNo).arg(QLatin1String(what));
            return std::nullopt;
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

std::vector<DrawRecord> shippedHistory()
{
    QFile f(QStringLiteral(":/data/polish-lotto-6of49.csv"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    auto records = parseHistoryCsv(f.readAll());
    return records ? std::move(*records) : std::vector<DrawRecord>{};
}

} // namespace vendrilo
