// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/options/optiontable.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

namespace vendrilo {

class PastWinTable;

// Six numbers of a candidate or a made row, positions 1..6 at indexes 0..5; a zero row
// (skipped or failed) holds six zeros.
using TipRow = std::array<std::uint8_t, 6>;

// The eight number bytes of a draw record: six numbers, bonus number, Superzahl.
using DrawBytes = std::array<std::uint8_t, 8>;

// Draws A, B and C: the shown draw and the two before it, captured at the start of a run.
struct LastDraws {
    DrawBytes A{};
    DrawBytes B{};
    DrawBytes C{};
};

// The database searches the row check asks. Both answer "did this tip never win that much?"
// for the window of draws fixed when the run began (period and draw-day filter); the bonus
// number counts as one more hit when `bonusCounts`.
class PastWinTests {
public:
    virtual ~PastWinTests() = default;

    // No draw dated after the period's first day and up to its last gave `threshold` hits.
    virtual bool neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts) = 0;
    // No draw of the last `drawCount` / 2 weeks up to the period's last day gave `threshold`
    // hits.
    virtual bool neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                                  bool bonusCounts) = 0;

    // A table that gives the same answers as neverWonInPeriod or neverWonRecently with these
    // arguments for tips PastWinTable::isAscendingTip accepts, where there is one: the
    // candidate loop then looks its candidates up without a call.
    virtual std::shared_ptr<const PastWinTable> periodTable(int /*threshold*/,
                                                            bool /*bonusCounts*/)
    {
        return nullptr;
    }
    virtual std::shared_ptr<const PastWinTable> recentTable(int /*threshold*/, int /*drawCount*/,
                                                            bool /*bonusCounts*/)
    {
        return nullptr;
    }
};

// Which check refused a candidate: the numbers of the checks in the order they run.
enum class RowCheckStep {
    Accepted = 0,
    Overlap = 1,
    ForcedPair = 2,
    RunOfThree = 3,
    CrossSum = 4,
    LastDraw = 5,
    SecondToLastDraw = 6,
    ThirdToLastDraw = 7,
    EvenMinimum = 8,
    OddMinimum = 9,
    RecentHits = 11,
    OlderHits = 12,
    WholeDatabase = 13,
    PrimeMinimum = 14,
};

// Tests one sorted candidate (c1 < ... < c6, cross sum `crossSum`) against the rows made before it,
// the last three draws and the database. The options are read on every call: a run changes
// some of them while it goes on. A refused candidate is wiped to six zeros.
RowCheckStep checkRow(TipRow& candidate, int crossSum, std::span<const TipRow> rows,
                      const LastDraws& draws, const Options& options, PastWinTests& pastWins);

} // namespace vendrilo
