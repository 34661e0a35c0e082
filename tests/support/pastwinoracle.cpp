// SPDX-License-Identifier: GPL-3.0-or-later
#include "pastwinoracle.h"

#include "core/draws/showndraw.h"
#include "core/sheet/rowscore.h"

#include <QFile>

#include <stdexcept>

namespace vendrilo::test {

namespace {

bool reaches(const DrawRecord& r, const Tip& tip, const PastWinQuery& query)
{
    const RowScore score = scoreRow(tip, drawNumbersOf(r));
    const int hits = score.hits + (score.hasBonus && query.withBonus ? 1 : 0);
    return hits >= query.threshold;
}

bool inWindow(const DrawRecord& r, const PastWinQuery& query)
{
    return query.after < r.date && r.date <= query.upTo && query.filter.accepts(r.date);
}

} // namespace

PastWinResult pastWinScan(const std::vector<DrawRecord>& records, const Tip& tip,
                          const PastWinQuery& query)
{
    PastWinResult result;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!inWindow(records[i], query))
            continue;
        result.examined = static_cast<int>(i);
        if (reaches(records[i], tip, query)) {
            result.noWin = false;
            return result;
        }
    }
    return result;
}

PastWinResult pastWinScanFile(const QString& drawPath, const Tip& tip, const PastWinQuery& query)
{
    QFile file(drawPath);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            (drawPath + QStringLiteral(": ") + file.errorString()).toStdString());
    constexpr qint64 kBlock = 1000;
    QByteArray block(static_cast<qsizetype>(kBlock * DrawRecord::kSize), Qt::Uninitialized);
    PastWinResult result;
    int index = 0;
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got < 0)
            throw std::runtime_error(file.errorString().toStdString());
        const qint64 records = got / static_cast<qint64>(DrawRecord::kSize);
        for (qint64 j = 0; j < records; ++j, ++index) {
            const auto* bytes =
                reinterpret_cast<const std::uint8_t*>(block.constData()) + j * DrawRecord::kSize;
            const DrawRecord r = DrawRecord::fromBytes(bytes);
            if (!inWindow(r, query))
                continue;
            result.examined = index;
            if (reaches(r, tip, query)) {
                result.noWin = false;
                return result;
            }
        }
        if (got < block.size())
            return result;
    }
}

bool DrawFilePastWins::neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts)
{
    return pastWinScanFile(m_path, tipOf(tip), m_period.wholePeriod(threshold, bonusCounts)).noWin;
}

bool DrawFilePastWins::neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                                        bool bonusCounts)
{
    return pastWinScanFile(m_path, tipOf(tip),
                           m_period.recentDraws(threshold, drawCount, bonusCounts))
        .noWin;
}

} // namespace vendrilo::test
