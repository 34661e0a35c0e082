#pragma once

#include "core/charts/charts.h"
#include "core/options/optiontable.h"
#include "core/texts/messagelist.h"
#include "core/generator/rowchecks.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace vendrilo {

// The multiset every number of a generated row is drawn from: the more entries a number has,
// the likelier it is drawn. Entries 0..top() are drawn from with equal chance; a drawn 0 (only a
// pool rebuilt from the weighting list holds one) is drawn again.
class NumberPool {
public:
    NumberPool() = default;
    explicit NumberPool(std::vector<std::uint8_t> entries) : m_entries(std::move(entries)) {}

    const std::vector<std::uint8_t>& entries() const { return m_entries; }
    // The top index `total` of the live entries; -1 for an empty pool.
    int top() const { return static_cast<int>(m_entries.size()) - 1; }
    std::uint8_t at(int index) const { return m_entries[static_cast<std::size_t>(index)]; }
    // How often number k (1..49) stands in the pool.
    int count(int number) const;
    // How many different numbers 1..49 stand in the pool; a row needs six.
    int distinctNumbers() const;

    bool operator==(const NumberPool&) const = default;

private:
    std::vector<std::uint8_t> m_entries;
};

// The chart the pool reads its statistics from, by kind; the run computes it over the
// statistics period exactly as the "Diagramm" tab shows it.
using ChartSource = std::function<charts::ChartData(charts::ChartKind)>;

// What the window shows while the pool is built: the status-bar texts and each chart computed.
struct PoolObserver {
    std::function<void(const QString&)> status;
    std::function<void(const charts::ChartData&)> chart;
};

// Builds the pool from the charts, draw A's numbers and the options, in this order: frequent and
// rare pairs, triples and quads, frequent and rare numbers, overdue numbers, neighbours of draw
// A, the base numbers, the bans on the last draws' numbers, the avoidance of 1..12, the
// weakening of 1..31 and the compaction, which moves the top entry into each gap.
NumberPool buildNumberPool(const ChartSource& charts, const LastDraws& draws,
                           const Options& options, const MessageList& messages,
                           const PoolObserver& observer = {});

// The pool the weighting list makes: for each ticked number k with weight w, k appended
// max(w, 1) + 1 times after one leading 0 that stays drawable. Index k-1 of `weights` holds
// number k's weight, or -1 when its box is not ticked.
NumberPool poolFromWeights(const std::vector<int>& weights);

} // namespace vendrilo
