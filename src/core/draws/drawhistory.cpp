// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawhistory.h"

#include "core/draws/dates.h"
#include "core/draws/drawfile.h"

#include <algorithm>
#include <cmath>

namespace vendrilo {

namespace {
constexpr int kMaxNumber = 49;

void setBit(std::vector<quint64>& mask, std::size_t offset, int index)
{
    mask[offset + static_cast<std::size_t>(index / 64)] |= quint64(1) << (index % 64);
}
} // namespace

DrawHistory::DrawHistory(std::vector<DrawRecord> records) : m_records(std::move(records))
{
    const int count = size();
    m_words = (count + 63) / 64;
    const auto words = static_cast<std::size_t>(m_words);
    m_numbers.assign(words * (kMaxNumber + 1), 0);
    m_bonus.assign(words * (kMaxNumber + 1), 0);
    m_weekend.assign(words, 0);
    m_otherDays.assign(words, 0);
    m_none.assign(words, 0);
    m_irregular.assign(words, 0);
    m_empty.assign(words, 0);
    m_full.assign(words, ~quint64(0));
    m_dates.reserve(m_records.size());

    for (int i = 0; i < count; ++i) {
        const DrawRecord& r = m_records[static_cast<std::size_t>(i)];
        m_dates.push_back(r.date);
        if (i > 0 && !(m_dates[static_cast<std::size_t>(i - 1)] <= r.date))
            m_dateOrdered = false;

        bool irregular = false;
        quint64 seen = 0;
        for (std::uint8_t n : r.numbers) {
            if (n < 1 || n > kMaxNumber || (seen >> n & 1)) {
                irregular = true;
                continue;
            }
            seen |= quint64(1) << n;
            setBit(m_numbers, words * n, i);
        }
        if (r.bonus > kMaxNumber)
            irregular = true;
        else if (r.bonus >= 1) {
            setBit(m_bonus, words * r.bonus, i);
            m_hasBonus = true;
        }
        if (irregular) {
            setBit(m_irregular, 0, i);
            m_hasIrregular = true;
        }

        const int day = weekday(r.date); // 0 for a date that is no calendar day
        if (day == 6 || day == 7)
            setBit(m_weekend, 0, i);
        else if (day >= 1)
            setBit(m_otherDays, 0, i);
    }
}

Result<DrawHistory> DrawHistory::load(const QString& drawPath)
{
    auto records = drawfile::read(drawPath);
    if (!records)
        return records.failure();
    return DrawHistory(std::move(records).value());
}

const quint64* DrawHistory::numberMask(int number) const
{
    if (number < 1 || number > kMaxNumber)
        return m_empty.data();
    return m_numbers.data() + static_cast<std::size_t>(m_words) * static_cast<std::size_t>(number);
}

const quint64* DrawHistory::bonusMask(int number) const
{
    if (number < 1 || number > kMaxNumber)
        return m_empty.data();
    return m_bonus.data() + static_cast<std::size_t>(m_words) * static_cast<std::size_t>(number);
}

const quint64* DrawHistory::filterMask(const DrawDayFilter& filter) const
{
    if (filter.weekend && filter.otherDays)
        return nullptr;
    if (filter.weekend)
        return m_weekend.data();
    if (filter.otherDays)
        return m_otherDays.data();
    return m_none.data();
}

std::pair<int, int> DrawHistory::indexRange(double after, double upTo) const
{
    for (const RangeSlot& slot : m_ranges)
        if (slot.after == after && slot.upTo == upTo)
            return slot.range;
    const auto first = std::upper_bound(m_dates.begin(), m_dates.end(), after);
    const auto last = std::upper_bound(first, m_dates.end(), upTo);
    RangeSlot& slot = m_ranges[m_nextRange];
    m_nextRange = (m_nextRange + 1) % m_ranges.size();
    slot = {after,
            upTo,
            {static_cast<int>(first - m_dates.begin()), static_cast<int>(last - m_dates.begin())}};
    return slot.range;
}

const quint64* DrawHistory::windowMask(double after, double upTo) const
{
    const std::pair<double, double> key{after, upTo};
    for (const WindowSlot& slot : m_windows)
        if (slot.key == key)
            return slot.mask.data();

    // The generator alternates between a few windows; keep the last few.
    WindowSlot& slot = m_windows[m_nextWindow];
    m_nextWindow = (m_nextWindow + 1) % m_windows.size();
    slot.key = key;
    slot.mask.assign(static_cast<std::size_t>(m_words), 0);
    for (int i = 0; i < size(); ++i) {
        const double d = m_dates[static_cast<std::size_t>(i)];
        if (after < d && d <= upTo)
            setBit(slot.mask, 0, i);
    }
    return slot.mask.data();
}

} // namespace vendrilo
