// SPDX-License-Identifier: GPL-3.0-or-later
// Published results merged into a history: every line is a draw (present, added or refused) or
// no draw line; added draws are real draws, and the history stays in date order.
#include "core/draws/dates.h"
#include "core/draws/drawedits.h"
#include "core/io/textlines.h"
#include "fuzzsupport.h"

#include <algorithm>

using namespace vendrilo;

namespace {

std::vector<DrawRecord> storedHistory()
{
    std::vector<DrawRecord> records;
    const std::pair<const char*, std::array<std::uint8_t, 6>> draws[] = {
        {"27.01.1957", {8, 12, 31, 39, 43, 45}},
        {"03.02.1957", {5, 10, 11, 22, 25, 27}},
        {"16.08.2026", {1, 2, 3, 4, 5, 6}},
        {"20.08.2026", {6, 12, 19, 21, 23, 26}},
    };
    for (const auto& [date, numbers] : draws) {
        DrawRecord r;
        r.date = *parseDate(QString::fromLatin1(date));
        r.numbers = numbers;
        records.push_back(r);
    }
    return records;
}

bool realDraw(const DrawRecord& r)
{
    auto sorted = r.numbers;
    std::sort(sorted.begin(), sorted.end());
    return isCalendarDay(r.date) && sorted == r.numbers && sorted.front() >= 1 &&
           sorted.back() <= 49 && std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<DrawRecord> stored = storedHistory();
    const QList<QByteArray> lines = splitLines(fuzz::bytesOf(data, size), LineLimits{200000});
    const DrawImport result = importDraws(stored, lines);
    fuzz::require(result.records.size() == stored.size() + std::size_t(result.added),
                  "the history grows by the added draws");
    fuzz::require(
        std::is_sorted(result.records.begin(), result.records.end(),
                       [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; }),
        "the history stays in date order");
    for (const DrawRecord& r : result.records)
        fuzz::require(realDraw(r), "every draw of the history is a real draw");
    fuzz::require(result.added + result.present + qsizetype(result.refused.size()) <= lines.size(),
                  "a line counts once at most");
    fuzz::require(result.foundAnyDraw || (result.added == 0 && result.present == 0),
                  "no draw is taken from a text without draw lines");
    return 0;
}
