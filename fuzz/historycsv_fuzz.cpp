// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped history's CSV: "NNNN,DD.MM.YYYY,n1,...,n6" per line; a malformed line fails the
// whole text, and every record of a parsed text is a real draw.
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "fuzzsupport.h"

using namespace vendrilo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto records = parseHistoryCsv(fuzz::bytesOf(data, size));
    if (!records)
        return 0;
    for (const DrawRecord& r : *records) {
        fuzz::require(isCalendarDay(r.date), "a parsed draw has a calendar date");
        for (const std::uint8_t n : r.numbers)
            fuzz::require(n >= 1 && n <= 49, "a parsed number lies in 1..49");
        fuzz::require(!isDamaged(r), "a parsed draw is no damaged record");
    }
    return 0;
}
