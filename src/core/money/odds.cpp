// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/odds.h"

#include <algorithm>
#include <bit>

namespace vendrilo {

namespace {

constexpr int kNumbers = 49;
constexpr int kDrawn = 6;

constexpr qint64 binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    qint64 c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return c;
}

// The numbers above `last`, as a mask of bits last+1 .. 49.
constexpr RowMask numbersAbove(int last)
{
    return (~RowMask{0} << (last + 1)) & (((RowMask{1} << kNumbers) - 1) << 1);
}

// The exact count, number by number in ascending order. Each row's hits so far are kept
// bit-sliced over the rows: bit r of `one` says row r has one hit, of `two` two, of `three`
// three or more. Once a row has three hits every way to complete the draw counts at once, and
// for the sixth number only those that give a row with two hits its third can count.
class WinningDrawCounter {
public:
    WinningDrawCounter(const std::vector<RowMask>& rows, const std::function<bool()>& goOn)
        : m_rows(rows), m_goOn(goOn)
    {
        for (int n = 1; n <= kNumbers; ++n)
            for (std::size_t r = 0; r < rows.size(); ++r)
                if (rows[r] >> n & 1)
                    m_rowsWith[n] |= quint64{1} << r;
    }

    std::optional<qint64> count()
    {
        qint64 total = 0;
        for (int first = 1; first <= kNumbers - kDrawn + 1; ++first) {
            if (m_goOn && !m_goOn())
                return std::nullopt;
            total += countFrom(1, first, add({}, first));
        }
        return total;
    }

private:
    struct Hits {
        quint64 one = 0, two = 0, three = 0;
    };

    Hits add(Hits h, int number) const
    {
        const quint64 with = m_rowsWith[number];
        const quint64 none = ~(h.one | h.two | h.three);
        return {(h.one & ~with) | (none & with), (h.two & ~with) | (h.one & with),
                h.three | (h.two & with)};
    }

    // Draws that start with the `chosen` numbers already added to `h`, the last of them `last`.
    qint64 countFrom(int chosen, int last, Hits h) const
    {
        if (h.three)
            return binomial(kNumbers - last, kDrawn - chosen);
        if (chosen == kDrawn)
            return 0;
        if (chosen == kDrawn - 1) {
            RowMask thirdHit = 0;
            for (quint64 rows = h.two; rows; rows &= rows - 1)
                thirdHit |= m_rows[static_cast<std::size_t>(std::countr_zero(rows))];
            return std::popcount(thirdHit & numbersAbove(last));
        }
        qint64 total = 0;
        for (int next = last + 1; next <= kNumbers - (kDrawn - chosen) + 1; ++next)
            total += countFrom(chosen + 1, next, add(h, next));
        return total;
    }

    const std::vector<RowMask>& m_rows;
    const std::function<bool()>& m_goOn;
    std::array<quint64, kNumbers + 1> m_rowsWith{};
};

} // namespace

qint64 drawsGivingHits(int hits)
{
    return binomial(kDrawn, hits) * binomial(kNumbers - kDrawn, kDrawn - hits);
}

qint64 drawsGivingAPrize()
{
    qint64 total = 0;
    for (int hits = 3; hits <= kDrawn; ++hits)
        total += drawsGivingHits(hits);
    return total;
}

QString oddsText(qint64 draws)
{
    if (draws <= 0)
        return QStringLiteral("-");
    // Hundredths of kPossibleDraws / draws, rounded half up.
    const qint64 hundredths = (2 * kPossibleDraws * 100 + draws) / (2 * draws);
    return QStringLiteral("%1.%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

RowMask rowMask(const std::array<int, 6>& numbers)
{
    RowMask mask = 0;
    for (const int n : numbers)
        if (n >= 1 && n <= kNumbers)
            mask |= RowMask{1} << n;
    return mask;
}

std::vector<RowMask> distinctRows(const std::vector<std::array<int, 6>>& rows)
{
    std::vector<RowMask> masks;
    for (const auto& row : rows) {
        const RowMask mask = rowMask(row);
        if (std::find(masks.begin(), masks.end(), mask) == masks.end())
            masks.push_back(mask);
    }
    return masks;
}

std::optional<qint64> drawsWithAWinningRow(const std::vector<RowMask>& rows,
                                           const std::function<bool()>& goOn)
{
    // The counters hold one bit per row; a sheet has twelve.
    if (rows.size() > 64)
        return std::nullopt;
    return WinningDrawCounter(rows, goOn).count();
}

} // namespace vendrilo
