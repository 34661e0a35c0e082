// SPDX-License-Identifier: GPL-3.0-or-later
// The draw file: every whole 32-byte record as it stands, whatever the bytes, and what the
// program does with the records it read (the bit masks of the history, the damaged-record
// count, the shown draw and its stepping, every chart).
#include "core/charts/charts.h"
#include "core/draws/drawfile.h"
#include "core/draws/drawhistory.h"
#include "core/draws/showndraw.h"
#include "fuzzsupport.h"

#include <algorithm>
#include <cstring>

using namespace vendrilo;

namespace {

bool bitSet(const quint64* mask, int i)
{
    return (mask[i / 64] >> (i % 64)) & 1;
}

void checkMasks(const DrawHistory& history)
{
    const auto& records = history.records();
    for (int i = 0; i < history.size(); ++i) {
        const DrawRecord& r = records[static_cast<std::size_t>(i)];
        for (int n = 1; n <= 49; ++n) {
            const bool drawn = std::find(r.numbers.begin(), r.numbers.end(), n) != r.numbers.end();
            fuzz::require(bitSet(history.numberMask(n), i) == drawn, "number mask of a draw");
        }
    }
}

void computeEveryChart(const std::vector<DrawRecord>& records)
{
    charts::ChartInput in{records, kPickerMinDate, 46254.0, DrawDayFilter{true, false}, {}};
    for (int k = 0; k < charts::kChartKindCount; ++k)
        (void)charts::computeChart(static_cast<charts::ChartKind>(k), in);
    in.periodStart = -1e6; // before and after every calendar day
    in.periodEnd = 1e7;
    in.dayFilter = DrawDayFilter{};
    for (int k = 0; k < charts::kChartKindCount; ++k)
        (void)charts::computeChart(static_cast<charts::ChartKind>(k), in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        fuzz::writeScratchFile(QStringLiteral("ZahlenPL.dat"), fuzz::bytesOf(data, size));
    const auto records = drawfile::read(path);
    fuzz::require(records.ok(), "a small file is read");
    fuzz::require(records->size() == size / DrawRecord::kSize, "every whole record is read");
    for (std::size_t i = 0; i < records->size(); ++i) {
        const auto bytes = (*records)[i].toBytes();
        fuzz::require(std::memcmp(bytes.data(), data + i * DrawRecord::kSize, bytes.size()) == 0,
                      "a record is read byte for byte");
    }
    (void)countDamaged(*records);
    const DrawHistory history(*records);
    checkMasks(history);
    (void)history.windowMask(kPickerMinDate, 50000.0);
    (void)history.indexRange(kPickerMinDate, 50000.0);

    ShownDraw shown;
    DatePicker chosen(kPickerMinDate);
    (void)shown.dateSearch(*records, chosen);
    shown.step(*records, -1, chosen);
    shown.step(*records, +1, chosen);
    computeEveryChart(*records);
    return 0;
}
