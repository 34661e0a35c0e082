#include "core/generator/numberpool.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vendrilo {

using charts::ChartData;
using charts::ChartKind;
using charts::roundRatioHalfEven;

int NumberPool::count(int number) const
{
    return static_cast<int>(std::count(m_entries.begin(), m_entries.end(), number));
}

int NumberPool::distinctNumbers() const
{
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (const std::uint8_t e : m_entries) {
        if (e != 0 && !seen[e]) {
            seen[e] = true;
            ++distinct;
        }
    }
    return distinct;
}

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

    bool checked(const char* name) const { return m_options.checked(QString::fromLatin1(name)); }
    int value(const char* name) const { return m_options.value(QString::fromLatin1(name)); }

    void status(const QString& text) const
    {
        if (m_observer.status)
            m_observer.status(text);
    }

    const ChartData& compute(ChartKind kind, int line)
    {
        status(m_messages.line(17) + QLatin1Char(' ') + m_messages.line(line));
        m_chart = m_charts(kind);
        if (m_observer.chart)
            m_observer.chart(m_chart);
        return m_chart;
    }
    const ChartData& chart() const { return m_chart; }

    void bounds(std::int64_t lo, std::int64_t hi) const
    {
        status(QStringLiteral("Min: %1  Max: %2  %3").arg(lo).arg(hi).arg(entries.size()));
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

} // namespace

NumberPool buildNumberPool(const ChartSource& charts, const LastDraws& draws,
                           const Options& options, const MessageList& messages,
                           const PoolObserver& observer)
{
    PoolBuilder b(charts, options, messages, observer);

    // 1.-6. Pairs, triples and quads; a rare step reuses the chart its frequent step computed.
    struct RunStep {
        const char* frequent;
        const char* rare;
        ChartKind kind;
        int line;
        int width;
    };
    for (const RunStep& s : {RunStep{"CheckBox1", "CheckBox11", ChartKind::Pairs, 18, 2},
                             RunStep{"CheckBox6", "CheckBox12", ChartKind::Triples, 19, 3},
                             RunStep{"CheckBox7", "CheckBox13", ChartKind::Quads, 20, 4}}) {
        if (b.checked(s.frequent))
            b.frequentRuns(b.compute(s.kind, s.line), s.width);
        if (b.checked(s.rare))
            b.rareRuns(b.checked(s.frequent) ? b.chart() : b.compute(s.kind, s.line), s.width);
    }

    // 7.-9. Frequent, rare and overdue numbers.
    if (b.checked("CheckBox2"))
        b.frequentNumbers(b.compute(ChartKind::Numbers, 0), b.value("UpDown12"));
    if (b.checked("CheckBox14"))
        b.rareNumbers(b.checked("CheckBox2") ? b.chart() : b.compute(ChartKind::Numbers, 0),
                      b.value("UpDown14"));
    if (b.checked("CheckBox10"))
        b.frequentNumbers(b.compute(ChartKind::Overdue, 21), b.value("UpDown13"));

    // 10. Neighbours of every number byte of draw A, the Superzahl included.
    if (b.checked("CheckBox19")) {
        b.status(messages.line(17) + QLatin1Char(' ') + messages.line(22));
        for (const std::uint8_t n : draws.A) {
            if (n >= 2)
                b.append(n - 1, 4);
            if (n < 49)
                b.append(n + 1, 4);
        }
    }

    // 11. One slot left empty (the compaction removes it), then each number once, 1 twice;
    //     with CheckBox15 only the preferred numbers stay.
    b.append(0);
    if (!b.checked("CheckBox15")) {
        for (int k = 1; k <= 49; ++k)
            b.append(k);
        b.append(1);
    }
    std::vector<std::uint8_t>& e = b.entries;

    // 12. A last-draw limit of 0 removes that draw's numbers and bonus number.
    auto ban = [&](const char* box, const char* limit, const DrawBytes& draw) {
        if (b.value(limit) != 0 || !b.checked(box))
            return;
        for (auto& x : e)
            if (std::find(draw.begin(), draw.begin() + 7, x) != draw.begin() + 7)
                x = 0;
    };
    ban("CheckBox4", "UpDown4", draws.A);
    ban("CheckBox5", "UpDown5", draws.B);
    ban("CheckBox23", "UpDown11", draws.C);

    // 13. Avoid the numbers of months.
    if (b.checked("CheckBox29"))
        for (auto& x : e)
            if (x < 13)
                x = 0;

    // 14. Days of the month lose their first entry each.
    if (b.checked("CheckBox30"))
        for (int k = 1; k <= 31; ++k) {
            auto it = std::find(e.begin(), e.end(), k);
            if (it != e.end())
                *it = 0;
        }

    // 15. Close the gaps by moving the top entry into each; the order of entries changes.
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
    return NumberPool(std::move(e));
}

NumberPool poolFromWeights(const std::vector<int>& weights)
{
    std::vector<std::uint8_t> e{0};
    for (std::size_t k = 0; k < weights.size() && k < 49; ++k) {
        if (weights[k] < 0)
            continue;
        const int times = std::max(weights[k], 1) + 1;
        e.insert(e.end(), static_cast<std::size_t>(times), static_cast<std::uint8_t>(k + 1));
    }
    return NumberPool(std::move(e));
}

} // namespace vendrilo
