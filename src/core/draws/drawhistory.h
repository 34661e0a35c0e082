// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawdayfilter.h"
#include "core/draws/drawrecord.h"
#include "core/io/result.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace vendrilo {

// The draw file held in memory for the length of an operation, with an index built for the
// past-win tests: for every number 1..49 one bit per draw (in file order) telling whether the
// draw holds it, the same for the bonus number, and the weekday classes of the draw-day filter.
class DrawHistory {
public:
    DrawHistory() = default;
    explicit DrawHistory(std::vector<DrawRecord> records);

    // The draw file read into memory.
    static Result<DrawHistory> load(const QString& drawPath);

    const std::vector<DrawRecord>& records() const { return m_records; }
    int size() const { return static_cast<int>(m_records.size()); }
    int words() const { return m_words; }

    // True when the dates never decrease in file order, the usual case; the date windows are
    // then found by binary search.
    bool dateOrdered() const { return m_dateOrdered; }

    // Bit i of word i / 64 stands for draw i. Numbers outside 1..49 give the empty mask.
    const quint64* numberMask(int number) const;
    const quint64* bonusMask(int number) const;
    const quint64* fullMask() const { return m_full.data(); }
    // Draws the filter lets through; nullptr when it lets every draw through.
    const quint64* filterMask(const DrawDayFilter& filter) const;
    // Draws the masks cannot describe exactly: a number outside 1..49 or twice in the draw, or
    // a bonus number above 49. They are compared one by one.
    const quint64* irregularMask() const { return m_irregular.data(); }
    bool hasIrregular() const { return m_hasIrregular; }
    // False when no draw has a bonus number (files written from the shipped history).
    bool hasBonus() const { return m_hasBonus; }

    // Draws with after < date <= upTo, as index range [first, last) when dateOrdered().
    std::pair<int, int> indexRange(double after, double upTo) const;
    // The same as a mask, for any history (a scan of the dates; the last few windows asked for
    // are kept, since the generator asks for the same windows again and again).
    const quint64* windowMask(double after, double upTo) const;

private:
    std::vector<DrawRecord> m_records;
    std::vector<double> m_dates;
    int m_words = 0;
    bool m_dateOrdered = true;
    bool m_hasIrregular = false;
    bool m_hasBonus = false;
    std::vector<quint64> m_numbers; // 50 masks of m_words words, index 0 unused (empty)
    std::vector<quint64> m_bonus;
    std::vector<quint64> m_weekend;   // Saturday and Sunday draws
    std::vector<quint64> m_otherDays; // draws of the other days, Monday to Friday
    std::vector<quint64> m_none;      // neither box checked: no draw passes
    std::vector<quint64> m_irregular;
    std::vector<quint64> m_empty;
    std::vector<quint64> m_full; // every bit set, also beyond the last draw

    struct WindowSlot {
        std::optional<std::pair<double, double>> key;
        std::vector<quint64> mask;
    };
    mutable std::array<WindowSlot, 4> m_windows;
    mutable std::size_t m_nextWindow = 0;
    // The last index ranges asked for: the generator asks for the same few on every candidate.
    struct RangeSlot {
        double after = -1, upTo = -1;
        std::pair<int, int> range{0, 0};
    };
    mutable std::array<RangeSlot, 4> m_ranges;
    mutable std::size_t m_nextRange = 0;
};

} // namespace vendrilo
