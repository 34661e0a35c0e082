// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/wheels/wheellibrary.h"

#include "core/wheels/libraryfile.h"

#include <QFile>

namespace vendrilo::wheels {

QList<Guarantee> libraryGuarantees()
{
    QList<Guarantee> list;
    for (int hits = 2; hits <= 5; ++hits)
        for (int of = hits; of <= kRowSize; ++of)
            list << Guarantee::ifOf(hits, of);
    return list;
}

QString libraryFileName(const Guarantee& guarantee)
{
    return guarantee.code() + QStringLiteral(".txt");
}

std::optional<std::vector<Mask>> libraryRows(int n, const Guarantee& guarantee)
{
    if (guarantee.full || n < kLibraryMinNumbers || n > kLibraryMaxNumbers)
        return std::nullopt;
    QFile file(QStringLiteral(":/wheels/") + libraryFileName(guarantee));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return librarySection(QString::fromUtf8(file.readAll()), n);
}

std::uint64_t countingBound(int n, int hits, int of)
{
    std::uint64_t perRow = 0;
    for (int j = hits; j <= std::min(of, kRowSize); ++j)
        perRow += binomial(kRowSize, j) * binomial(n - kRowSize, of - j);
    const std::uint64_t sets = binomial(n, of);
    return perRow == 0 ? 0 : (sets + perRow - 1) / perRow;
}

} // namespace vendrilo::wheels
