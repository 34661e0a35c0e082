// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/payoutfile.h"

#include "core/io/atomicfile.h"
#include "core/texts/textlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <set>

namespace vendrilo::payoutfile {

namespace {

const QString kShippedResource = QStringLiteral(":/data/polish-lotto-payouts.csv");

Result<QByteArray> readBounded(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fileError(f, path, ErrorKind::Unreadable);
    if (f.size() > kMaxFileSize)
        return Error{fillIn(text(Text::PayoutFileTooLarge),
                            {QDir::toNativeSeparators(path), QString::number(f.size() >> 20)}),
                     ErrorKind::Damaged};
    const QByteArray bytes = f.read(kMaxFileSize + 1);
    if (f.error() != QFileDevice::NoError)
        return fileError(f, path, ErrorKind::Unreadable);
    return bytes;
}

// The folder's file, or the shipped bytes while it has none.
Result<QByteArray> currentBytes(const QString& folder)
{
    const QString path = pathIn(folder);
    return QFileInfo::exists(path) ? readBounded(path) : shippedBytes();
}

Result<PayoutTable> parseNamed(const QByteArray& bytes, const QString& name)
{
    auto table = PayoutTable::parse(bytes);
    if (!table)
        return Error{QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(name), table.error()),
                     table.errorKind()};
    return table;
}

} // namespace

QString pathIn(const QString& folder)
{
    return QDir(folder).filePath(kFileName);
}

Result<QByteArray> shippedBytes()
{
    return readBounded(kShippedResource);
}

Status prepare(const QString& folder)
{
    if (QFileInfo::exists(pathIn(folder)))
        return {};
    const auto shipped = shippedBytes();
    if (!shipped)
        return shipped.failure();
    return writeFileAtomically(pathIn(folder), *shipped);
}

Result<PayoutTable> read(const QString& folder)
{
    const QString path = pathIn(folder);
    const bool own = QFileInfo::exists(path);
    const auto bytes = own ? readBounded(path) : shippedBytes();
    if (!bytes)
        return bytes.failure();
    return parseNamed(*bytes, own ? path : kShippedResource);
}

Result<int> merge(const QString& folder, const std::vector<PayoutLine>& lines)
{
    auto bytes = currentBytes(folder);
    if (!bytes)
        return bytes.failure();
    const auto table = parseNamed(*bytes, pathIn(folder));
    if (!table)
        return table.failure();
    QByteArray added;
    std::set<std::pair<double, int>> taken;
    int count = 0;
    for (const PayoutLine& line : lines) {
        if (table->find(line.day, line.hits) || !taken.emplace(line.day, line.hits).second)
            continue;
        added += formatPayoutLine(line);
        ++count;
    }
    if (count == 0)
        return 0;
    QByteArray& text = *bytes;
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    if (const Status written = writeFileAtomically(pathIn(folder), text + added); !written)
        return written.failure();
    return count;
}

} // namespace vendrilo::payoutfile
