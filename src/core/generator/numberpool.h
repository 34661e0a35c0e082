// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/charts.h"
#include "core/options/optiontable.h"
#include "core/texts/messagelist.h"
#include "core/generator/rowchecks.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace vendrilo {

// The multiset every number of a generated row is drawn from: the more entries a number has,
// the likelier it is drawn. Entries 0..top() are drawn from with equal chance; a drawn 0 (only a
// pool rebuilt from the weighting list holds one) is drawn again. The entries are held as runs of
// one number, so that a weighting list may give a number a million entries without the pool
// growing with it.
class NumberPool {
public:
    NumberPool() = default;
    // One entry per element, in this order.
    explicit NumberPool(const std::vector<std::uint8_t>& entries);

    // Appends `times` entries of `number` (0..49).
    void append(std::uint8_t number, std::uint32_t times = 1);

    // Every entry, in order; meant for the small pools the statistics make.
    std::vector<std::uint8_t> entries() const;
    std::uint32_t size() const { return m_runs.empty() ? 0 : m_runs.back().end; }
    // The top index `total` of the live entries; -1 for an empty pool.
    std::int64_t top() const { return static_cast<std::int64_t>(size()) - 1; }
    std::uint8_t at(std::uint32_t index) const
    {
        return index < m_flat.size() ? m_flat[index] : atInRuns(index);
    }
    // The first entries one by one (all of a pool the statistics made): the candidate loop reads
    // them without a call.
    std::span<const std::uint8_t> flatEntries() const { return m_flat; }
    // How often number k (1..49) stands in the pool.
    std::uint32_t count(int number) const;
    // How many different numbers 1..49 stand in the pool; a row needs six.
    int distinctNumbers() const;

    // The bytes the pool holds beyond the object itself.
    std::size_t heapBytes() const { return m_runs.capacity() * sizeof(Run) + m_flat.capacity(); }

    bool operator==(const NumberPool& other) const;

private:
    std::uint8_t atInRuns(std::uint32_t index) const;

    struct Run {
        std::uint8_t number;
        std::uint32_t end; // one past the run's last index
    };
    std::vector<Run> m_runs;
    // The entries one by one while the pool is small, as the statistics make it: the draw looks
    // an entry up on every pick.
    std::vector<std::uint8_t> m_flat;
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
// number k's weight, or -1 when its box is not ticked. Weights above a million count as a
// million (the list never holds more).
NumberPool poolFromWeights(const std::vector<int>& weights);

} // namespace vendrilo
