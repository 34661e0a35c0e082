// SPDX-License-Identifier: GPL-3.0-or-later
// The payout table: the program's own payout file and the update server's answer. A parsed
// table holds only real draws, classes 3..6 and amounts of no less than 0.00, each draw and class
// once, and writing its lines back gives a text that reads as the same table.
#include "core/draws/dates.h"
#include "core/money/payouttable.h"
#include "fuzzsupport.h"

#include <set>

using namespace vendrilo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto table = PayoutTable::parse(fuzz::bytesOf(data, size));
    if (!table)
        return 0;
    QByteArray written;
    std::set<std::pair<double, int>> seen;
    for (const PayoutLine& line : table->lines()) {
        fuzz::require(isCalendarDay(line.day), "a payout line has a calendar date");
        fuzz::require(line.hits >= 3 && line.hits <= 6, "a payout line has a prize class");
        fuzz::require(line.winners >= 0 && line.prize.grosze >= 0, "no negative payouts");
        fuzz::require(seen.emplace(line.day, line.hits).second, "each draw and class once");
        fuzz::require(table->find(line.day, line.hits) == line, "every line is found");
        written += formatPayoutLine(line);
    }
    const auto again = PayoutTable::parse(written);
    fuzz::require(again.ok() && again->lines() == table->lines(), "written lines read the same");
    return 0;
}
