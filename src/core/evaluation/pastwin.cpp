// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/evaluation/pastwin.h"

#include "core/sheet/rowscore.h"

#include <algorithm>
#include <bit>

namespace vendrilo {

namespace {

bool reaches(const DrawRecord& r, const Tip& tip, const PastWinQuery& query)
{
    const RowScore score = scoreRow(tip, drawNumbersOf(r));
    const int hits = score.hits + (score.hasBonus && query.withBonus ? 1 : 0);
    return hits >= query.threshold;
}

// Lanes (draws) whose 3-bit count s2 s1 s0 is at least G, G known at compile time.
template <int G> inline quint64 atLeast(quint64 s2, quint64 s1, quint64 s0)
{
    if constexpr (G <= 0)
        return ~quint64(0);
    else if constexpr (G >= 8)
        return 0;
    else {
        quint64 greater = 0;
        quint64 equal = ~quint64(0);
        const quint64 bits[3] = {s0, s1, s2};
        for (int b = 2; b >= 0; --b) {
            if (G >> b & 1) {
                equal &= bits[b];
            } else {
                greater |= equal & bits[b];
                equal &= ~bits[b];
            }
        }
        return greater | equal;
    }
}

// Adds one bit per lane to the 3-bit counters. Six numbers and the bonus reach at most 7, so
// the counters never overflow.
inline void add(quint64& s2, quint64& s1, quint64& s0, quint64 x)
{
    const quint64 c0 = s0 & x;
    s0 ^= x;
    const quint64 c1 = s1 & c0;
    s1 ^= c0;
    s2 |= c1;
}

// The draws a query looks at, word by word: the draw-day filter and the date window.
struct EligibleWords {
    const quint64* filter = nullptr;
    const quint64* window = nullptr;
    int firstWord = 0;
    int lastWord = -1;
    quint64 firstEdge = 0;
    quint64 lastEdge = 0;

    EligibleWords(const DrawHistory& history, const PastWinQuery& query)
    {
        filter = history.filterMask(query.filter);
        if (!filter)
            filter = history.fullMask();
        // Ordered dates give the window as an index range: only its words are looked at, the
        // two edge words trimmed. Otherwise the window is a mask over all words.
        int first = 0;
        int last = history.size();
        window = history.fullMask();
        if (history.dateOrdered())
            std::tie(first, last) = history.indexRange(query.after, query.upTo);
        else
            window = history.windowMask(query.after, query.upTo);
        if (first >= last)
            return;
        firstWord = first / 64;
        lastWord = (last - 1) / 64;
        firstEdge = ~quint64(0) << (first % 64);
        lastEdge = last % 64 ? ~quint64(0) >> (64 - last % 64) : ~quint64(0);
    }

    bool empty() const { return lastWord < firstWord; }

    quint64 at(int w) const
    {
        const auto wi = static_cast<std::size_t>(w);
        quint64 e = filter[wi] & window[wi];
        if (w == firstWord)
            e &= firstEdge;
        if (w == lastWord)
            e &= lastEdge;
        return e;
    }
};

struct Kernel {
    const DrawHistory& history;
    const Tip& tip;
    const PastWinQuery& query;

    // Draws the masks cannot describe are compared one by one.
    quint64 compareIrregular(const quint64* irregular, const EligibleWords& eligible, int w,
                             quint64 hit) const
    {
        quint64 odd = irregular[w] & eligible.at(w);
        hit &= ~odd;
        for (; odd; odd &= odd - 1) {
            const int i = w * 64 + std::countr_zero(odd);
            if (reaches(history.records()[static_cast<std::size_t>(i)], tip, query))
                hit |= quint64(1) << (i % 64);
        }
        return hit;
    }

    template <int G, bool WithBonus> PastWinResult run() const
    {
        const quint64* m[6];
        const quint64* b[6];
        for (std::size_t k = 0; k < 6; ++k) {
            m[k] = history.numberMask(tip[k]);
            b[k] = history.bonusMask(tip[k]);
        }
        const quint64* irregular = history.hasIrregular() ? history.irregularMask() : nullptr;
        const EligibleWords eligible(history, query);
        if (eligible.empty())
            return {};
        const quint64* filter = eligible.filter;
        const quint64* window = eligible.window;
        const int firstWord = eligible.firstWord;
        const int lastWord = eligible.lastWord;

        // Words are counted in chunks without a branch, then the chunk is searched for the
        // first draw that reached the threshold.
        constexpr int kChunk = 8;
        for (int w0 = firstWord; w0 <= lastWord; w0 += kChunk) {
            const int n = std::min(kChunk, lastWord - w0 + 1);
            quint64 hit[kChunk];
            for (int j = 0; j < n; ++j) {
                const auto wi = static_cast<std::size_t>(w0 + j);
                quint64 s0 = 0, s1 = 0, s2 = 0;
                for (int k = 0; k < 6; ++k)
                    add(s2, s1, s0, m[k][wi]);
                if constexpr (WithBonus)
                    add(s2, s1, s0,
                        b[0][wi] | b[1][wi] | b[2][wi] | b[3][wi] | b[4][wi] | b[5][wi]);
                hit[j] = atLeast<G>(s2, s1, s0) & filter[wi] & window[wi];
            }
            hit[0] &= eligible.at(w0);
            hit[n - 1] &= eligible.at(w0 + n - 1);
            for (int j = 0; j < n; ++j) {
                const int w = w0 + j;
                if (irregular && irregular[w])
                    hit[j] = compareIrregular(irregular, eligible, w, hit[j]);
                if (hit[j])
                    return {false, w * 64 + std::countr_zero(hit[j])};
            }
        }
        // No draw reached the threshold: the last one examined stays loaded.
        for (int w = lastWord; w >= firstWord; --w)
            if (const quint64 e = eligible.at(w))
                return {true, w * 64 + 63 - std::countl_zero(e)};
        return {};
    }

    template <bool WithBonus> PastWinResult dispatch(int threshold) const
    {
        switch (std::clamp(threshold, 0, 8)) {
        case 0:
            return run<0, WithBonus>();
        case 1:
            return run<1, WithBonus>();
        case 2:
            return run<2, WithBonus>();
        case 3:
            return run<3, WithBonus>();
        case 4:
            return run<4, WithBonus>();
        case 5:
            return run<5, WithBonus>();
        case 6:
            return run<6, WithBonus>();
        case 7:
            return run<7, WithBonus>();
        default:
            return run<8, WithBonus>();
        }
    }
};

} // namespace

PastWinQuery PastWinQuery::wholePeriod(double start, double end)
{
    PastWinQuery q;
    q.after = start;
    q.upTo = end;
    return q;
}

PastWinQuery PastWinQuery::recentDraws(double end, int drawCount)
{
    PastWinQuery q;
    q.after = end - (drawCount / 2.0) * 7.0;
    q.upTo = end;
    return q;
}

PastWinResult pastWin(const DrawHistory& history, const Tip& tip, const PastWinQuery& query)
{
    const Kernel kernel{history, tip, query};
    // Without any bonus number in the history the bonus masks are all empty: skip them.
    return query.withBonus && history.hasBonus() ? kernel.dispatch<true>(query.threshold)
                                                 : kernel.dispatch<false>(query.threshold);
}

} // namespace vendrilo
