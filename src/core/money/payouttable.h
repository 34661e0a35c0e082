// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/money/money.h"

#include <QByteArray>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace vendrilo {

// The lowest and highest class that wins a prize in a 6-of-49 game.
inline constexpr int kLowestPrizeHits = 3;
inline constexpr int kHighestPrizeHits = 6;

// What one prize class paid in one Lotto draw: a line "draw number,DD.MM.YYYY,hits,winners,
// prize per winning row in zł" of the payout file, e.g. "6888,27.05.2023,4,2801,269.60".
struct PayoutLine {
    int drawNumber = 0;
    double day = 0; // the draw's date as a day number
    int hits = 0;   // 3..6
    qint64 winners = 0;
    Money prize; // 0.00 where the class had no winner

    bool operator==(const PayoutLine&) const = default;
};

// The line as the payout file holds it, with its "\n".
QByteArray formatPayoutLine(const PayoutLine& line);

// The payout file read into memory: the amounts really paid per draw and class, looked up by the
// draw's day (the draw file knows its draws by date, not by number).
class PayoutTable {
public:
    PayoutTable() = default;
    explicit PayoutTable(std::vector<PayoutLine> lines);

    // Parses the file's text: empty lines are skipped, CR before a line end is allowed. Any other
    // line that is not a payout line, or a second line for the same draw day and class, fails
    // the whole text with its line number, so that a damaged file never pays wrong amounts.
    static Result<PayoutTable> parse(const QByteArray& text);

    const std::vector<PayoutLine>& lines() const { return m_lines; }
    bool empty() const { return m_lines.empty(); }

    // The line of the draw on `day` for `hits`; nothing when the table holds none.
    std::optional<PayoutLine> find(double day, int hits) const;
    // True when the table holds any line of the draw on `day`.
    bool holdsDraw(double day) const;
    // The newest draw day the table holds.
    std::optional<double> newestDay() const;
    // Of the draws on or before `day` that had winners in the class, the newest one's line.
    std::optional<PayoutLine> newestPaidOnOrBefore(double day, int hits) const;

    // What a class paid per winning row in the draws after `after` up to `upTo` (both day
    // numbers) that had winners in it: the sum of the amounts and how many draws.
    struct Paid {
        Money sum;
        int draws = 0;
    };
    Paid paidBetween(int hits, double after, double upTo) const;

private:
    using Key = std::pair<qint64, int>; // whole day, hits
    static Key keyOf(double day, int hits);

    std::vector<PayoutLine> m_lines;    // in the order they were read
    std::map<Key, std::size_t> m_index; // into m_lines, sorted by day and class
};

} // namespace vendrilo
