// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/numberpool.h"

#include <algorithm>
#include <array>

namespace vendrilo {

namespace {
// Pools up to this size also keep every entry in a plain array.
constexpr std::uint32_t kFlatLimit = 4096;
} // namespace

NumberPool::NumberPool(const std::vector<std::uint8_t>& entries)
{
    for (const std::uint8_t e : entries)
        append(e);
}

void NumberPool::append(std::uint8_t number, std::uint32_t times)
{
    if (times == 0)
        return;
    if (size() + std::uint64_t(times) <= kFlatLimit)
        m_flat.insert(m_flat.end(), times, number);
    else
        m_flat.clear();
    if (!m_runs.empty() && m_runs.back().number == number)
        m_runs.back().end += times;
    else
        m_runs.push_back({number, size() + times});
}

std::vector<std::uint8_t> NumberPool::entries() const
{
    std::vector<std::uint8_t> all;
    all.reserve(size());
    std::uint32_t start = 0;
    for (const Run& run : m_runs) {
        all.insert(all.end(), run.end - start, run.number);
        start = run.end;
    }
    return all;
}

std::uint8_t NumberPool::atInRuns(std::uint32_t index) const
{
    const auto run = std::upper_bound(m_runs.begin(), m_runs.end(), index,
                                      [](std::uint32_t i, const Run& r) { return i < r.end; });
    return run == m_runs.end() ? 0 : run->number;
}

std::uint32_t NumberPool::count(int number) const
{
    std::uint32_t total = 0;
    std::uint32_t start = 0;
    for (const Run& run : m_runs) {
        if (run.number == number)
            total += run.end - start;
        start = run.end;
    }
    return total;
}

int NumberPool::distinctNumbers() const
{
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (const Run& run : m_runs) {
        if (run.number != 0 && !seen[run.number]) {
            seen[run.number] = true;
            ++distinct;
        }
    }
    return distinct;
}

bool NumberPool::operator==(const NumberPool& other) const
{
    return std::equal(
        m_runs.begin(), m_runs.end(), other.m_runs.begin(), other.m_runs.end(),
        [](const Run& a, const Run& b) { return a.number == b.number && a.end == b.end; });
}

NumberPool poolFromWeights(const std::vector<int>& weights)
{
    constexpr int kMaxWeight = 1000000;
    NumberPool pool;
    pool.append(0);
    for (std::size_t k = 0; k < weights.size() && k < 49; ++k) {
        if (weights[k] < 0)
            continue;
        const int weight = std::clamp(weights[k], 1, kMaxWeight);
        pool.append(static_cast<std::uint8_t>(k + 1), static_cast<std::uint32_t>(weight) + 1);
    }
    return pool;
}

} // namespace vendrilo
