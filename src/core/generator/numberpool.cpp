// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/numberpool.h"

#include "core/texts/textlist.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vendrilo {

using charts::ChartData;
using charts::ChartKind;
using charts::roundRatioHalfEven;

namespace {

// The band limits are fractions of the value axis: rounded exactly, so that a limit falling on
// .5 goes to the even neighbour instead of wherever floating point would put it.
class PoolBuilder {
public:
    PoolBuilder(const ChartSource& charts, const Options& options, const MessageList& messages,
                const PoolObserver& observer)
        : m_charts(charts), m_options(options), m_messages(messages), m_observer(observer)
    {
    }

    std::vector<std::uint8_t> entries;

    bool checked(Option option) const { return m_options.checked(option); }
    int value(Option option) const { return m_options.value(option); }

    void status(const QString& text) const
    {
        if (m_observer.status)
            m_observer.status(text);
    }

    const ChartData& compute(ChartKind kind, Msg subject)
    {
        status(m_messages.text(Msg::ComputingThe) + QLatin1Char(' ') + m_messages.text(subject));
        m_chart = m_charts(kind);
        if (m_observer.chart)
            m_observer.chart(m_chart);
        return m_chart;
    }
    const ChartData& chart() const { return m_chart; }

    void bounds(std::int64_t lo, std::int64_t hi) const
    {
        status(fillIn(text(Text::PoolBounds), {QString::number(lo), QString::number(hi),
                                                QString::number(entries.size())}));
    }

    void append(int number, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            entries.push_back(static_cast<std::uint8_t>(number));
    }

    // Steps for runs of `width` numbers: bars k = 1 .. n - width + 1 stand for k .. k+width-1.
    void frequentRuns(const ChartData& c, int width)
    {
        const std::int64_t max = c.axisMaximum(), min = c.axisMinimum();
        const std::int64_t lo = roundRatioHalfEven(10 * max - 3 * (max - min), 10);
        const std::int64_t hi = max;
        bounds(lo, hi);
        for (int k = 1; k <= c.barCount() - width + 1; ++k) {
            const int v = c.bar(k);
            if (lo < v && v <= hi)
                for (int j = 0; j < width; ++j)
                    append(k + j);
        }
    }
    void rareRuns(const ChartData& c, int width)
    {
        const std::int64_t max = c.axisMaximum(), min = c.axisMinimum();
        const std::int64_t hi = roundRatioHalfEven(3 * (max - min) + 10 * min, 10);
        bounds(0, hi);
        for (int k = 1; k <= c.barCount() - width + 1; ++k) {
            const int v = c.bar(k);
            if (0 < v && v <= hi)
                for (int j = 0; j < width; ++j)
                    append(k + j);
        }
    }

    // Numbers within the top p % of the axis get two entries, within the top p/2 % one more.
    void frequentNumbers(const ChartData& c, int p)
    {
        const std::int64_t max = c.axisMaximum(), min = c.axisMinimum();
        for (const auto& [denominator, times] : {std::pair{100, 2}, std::pair{200, 1}}) {
            const std::int64_t lo =
                roundRatioHalfEven(denominator * max - p * (max - min), denominator);
            band(c, lo, max, times);
        }
    }
    // The same from the bottom of the axis.
    void rareNumbers(const ChartData& c, int p)
    {
        const std::int64_t max = c.axisMaximum(), min = c.axisMinimum();
        for (const auto& [denominator, times] : {std::pair{100, 2}, std::pair{200, 1}}) {
            const std::int64_t hi =
                roundRatioHalfEven(p * (max - min) + denominator * min, denominator);
            band(c, min, hi, times);
        }
    }
    void band(const ChartData& c, std::int64_t lo, std::int64_t hi, int times)
    {
        bounds(lo, hi);
        for (int k = 1; k <= c.barCount(); ++k) {
            const int v = c.bar(k);
            if (lo <= v && v <= hi)
                append(k, times);
        }
    }

private:
    const ChartSource& m_charts;
    const Options& m_options;
    const MessageList& m_messages;
    const PoolObserver& m_observer;
    ChartData m_chart;
};

// 1.-10. The numbers the statistics prefer: pairs, triples and quads (a rare step reuses the
// chart its frequent step computed), frequent, rare and overdue numbers, and the neighbours of
// every number byte of draw A, the Superzahl included.
void addPreferredNumbers(PoolBuilder& b, const DrawBytes& lastDraw, const MessageList& messages)
{
    struct RunStep {
        Option frequent;
        Option rare;
        ChartKind kind;
        Msg subject;
        int width;
    };
    for (const RunStep& s :
         {RunStep{Option::FrequentPairs, Option::RarePairs, ChartKind::Pairs, Msg::PairForming, 2},
          RunStep{Option::FrequentTriples, Option::RareTriples, ChartKind::Triples,
                  Msg::TripleForming, 3},
          RunStep{Option::FrequentQuads, Option::RareQuads, ChartKind::Quads, Msg::QuadForming,
                  4}}) {
        if (b.checked(s.frequent))
            b.frequentRuns(b.compute(s.kind, s.subject), s.width);
        if (b.checked(s.rare))
            b.rareRuns(b.checked(s.frequent) ? b.chart() : b.compute(s.kind, s.subject), s.width);
    }

    if (b.checked(Option::FrequentNumbers))
        b.frequentNumbers(b.compute(ChartKind::Numbers, Msg::NumberDistribution),
                          b.value(Option::FrequentNumbersPercent));
    if (b.checked(Option::RareNumbers))
        b.rareNumbers(b.checked(Option::FrequentNumbers)
                          ? b.chart()
                          : b.compute(ChartKind::Numbers, Msg::NumberDistribution),
                      b.value(Option::RareNumbersPercent));
    if (b.checked(Option::OverdueNumbers))
        b.frequentNumbers(b.compute(ChartKind::Overdue, Msg::OverdueNumbers),
                          b.value(Option::OverdueNumbersPercent));

    if (b.checked(Option::NeighboursOfLastDraw)) {
        b.status(messages.text(Msg::ComputingThe) + QLatin1Char(' ') +
                 messages.text(Msg::NeighboursOfLastDraw));
        for (const std::uint8_t n : lastDraw) {
            if (n >= 2)
                b.append(n - 1, 4);
            if (n < 49)
                b.append(n + 1, 4);
        }
    }
}

// 12.-14. Entries that must go become 0: the numbers and bonus number of a last draw whose limit
// is 0, the numbers of months, and the first entry of each day of the month.
void removeBannedEntries(std::vector<std::uint8_t>& e, const LastDraws& draws,
                         const Options& options)
{
    auto ban = [&](Option box, Option limit, const DrawBytes& draw) {
        if (options.value(limit) != 0 || !options.checked(box))
            return;
        for (auto& x : e)
            if (std::find(draw.begin(), draw.begin() + 7, x) != draw.begin() + 7)
                x = 0;
    };
    ban(Option::LimitLastDraw, Option::MaxFromLastDraw, draws.A);
    ban(Option::LimitSecondLastDraw, Option::MaxFromSecondLastDraw, draws.B);
    ban(Option::LimitThirdLastDraw, Option::MaxFromThirdLastDraw, draws.C);

    if (options.checked(Option::AvoidMonthNumbers))
        for (auto& x : e)
            if (x < 13)
                x = 0;

    if (options.checked(Option::WeakenDayNumbers))
        for (int k = 1; k <= 31; ++k) {
            auto it = std::find(e.begin(), e.end(), k);
            if (it != e.end())
                *it = 0;
        }
}

// 15. Closes the gaps by moving the top entry into each; the order of entries changes.
void compact(std::vector<std::uint8_t>& e)
{
    int total = static_cast<int>(e.size()) - 1;
    int i = 0;
    while (i <= total) {
        if (e[static_cast<std::size_t>(i)] == 0) {
            e[static_cast<std::size_t>(i)] = e[static_cast<std::size_t>(total)];
            --total;
        } else {
            ++i;
        }
    }
    e.resize(static_cast<std::size_t>(total + 1));
}

} // namespace

NumberPool buildNumberPool(const ChartSource& charts, const LastDraws& draws,
                           const Options& options, const MessageList& messages,
                           const PoolObserver& observer)
{
    PoolBuilder b(charts, options, messages, observer);
    addPreferredNumbers(b, draws.A, messages);

    // 11. One slot left empty (the compaction removes it), then each number once, 1 twice;
    //     with "only preferred numbers" nothing is added.
    b.append(0);
    if (!options.checked(Option::OnlyPreferredNumbers)) {
        for (int k = 1; k <= 49; ++k)
            b.append(k);
        b.append(1);
    }
    removeBannedEntries(b.entries, draws, options);
    compact(b.entries);
    return NumberPool(std::move(b.entries));
}

} // namespace vendrilo
