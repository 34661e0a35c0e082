// SPDX-License-Identifier: GPL-3.0-or-later
// The draw similarity analysis: how many numbers each draw shares with the earlier draws of the
// statistics period and with the next three draws.
#include "core/program/analysis.h"
#include "core/program/drawactions.h"
#include "core/texts/integers.h"

#include <bit>
#include <cmath>

namespace vendrilo {

namespace {

// Row 1 against many draws: a number may match each draw once, so with six different numbers
// 1..63 a mask comparison counts exactly what comparing field by field counts.
class RowComparer {
public:
    explicit RowComparer(const TipSheet::Row& row) : m_fields(row.fields)
    {
        for (const QString& f : m_fields) {
            const auto n = parseInteger(f);
            if (!n || *n < 1 || *n > 63 || (m_mask >> *n) & 1u) {
                m_exact = false;
                return;
            }
            m_mask |= quint64(1) << *n;
        }
    }
    int hits(const DrawNumbers& draw, quint64 drawMask) const
    {
        return m_exact ? std::popcount(m_mask & drawMask) : scoreRow(m_fields, draw).hits;
    }

private:
    std::array<QString, 6> m_fields;
    quint64 m_mask = 0;
    bool m_exact = true;
};

quint64 maskOf(const DrawNumbers& draw)
{
    quint64 mask = 0;
    for (int i = 1; i <= 6; ++i)
        if (draw[static_cast<std::size_t>(i)] >= 1 && draw[static_cast<std::size_t>(i)] <= 63)
            mask |= quint64(1) << draw[static_cast<std::size_t>(i)];
    return mask;
}

// How many of a's six numbers stand among b's six; the bonus number does not count.
int sharedNumbers(const DrawNumbers& a, const DrawNumbers& b)
{
    int shared = 0;
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j)
            if (a[static_cast<std::size_t>(i)] >= 1 &&
                a[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(j)]) {
                ++shared;
                break;
            }
    return shared;
}

QStringList similarityReport(const SimilarityCounts& counts, const MessageList& m)
{
    const Msg headings[] = {Msg::HitsOfDatabaseDraws, Msg::SimilarNextDraw,
                            Msg::SimilarSecondNextDraw, Msg::SimilarThirdNextDraw};
    QStringList lines;
    for (std::size_t d = 0; d < 4; ++d) {
        if (d > 0)
            lines << QStringLiteral(" ");
        lines << m.text(headings[d]);
        for (std::size_t i = 0; i <= 6; ++i)
            lines << QStringLiteral("%1x    =>%2").arg(i).arg(counts[d][i]);
    }
    return lines;
}

struct Walk {
    ProgramState& s;
    Prompts& prompts;
    const std::vector<DrawRecord>& records;
    std::vector<DrawNumbers> numbers;
    std::vector<quint64> masks;
    int threshold;
};

// Step 3 for one draw: the earlier draws from `from` up to the shown one, asking at each hit
// that reaches the threshold; false when the user says "No".
bool compareWithEarlierDraws(Walk& w, double from, SimilarityCounts& counts)
{
    const RowComparer row(w.s.sheet.row(1));
    const double shownDate = w.s.shown.date;
    const MessageList& m = w.s.messages;
    for (std::size_t i = 0; i < w.records.size(); ++i) {
        const double d = w.records[i].date;
        if (d < from || d >= shownDate)
            continue;
        const int hits = row.hits(w.numbers[i], w.masks[i]);
        ++counts[0][static_cast<std::size_t>(std::clamp(hits, 0, 6))];
        if (hits >= w.threshold &&
            !w.prompts.askYesNo(m.text(Msg::DrawFound), m.text(Msg::HitFoundOn) + formatDate(d) +
                                                            QStringLiteral("  ") +
                                                            m.text(Msg::GoOn)))
            return false;
    }
    return true;
}

void countFollowingDraws(const Walk& w, SimilarityCounts& counts)
{
    const auto p = static_cast<std::size_t>(w.s.shown.position);
    for (std::size_t k = 1; k <= 3; ++k)
        if (p + k < w.numbers.size())
            ++counts[k]
                    [static_cast<std::size_t>(sharedNumbers(w.s.shown.numbers, w.numbers[p + k]))];
}

void writeShownDrawIntoRowOne(ProgramState& s)
{
    s.sheet.clearUnlocked();
    for (int p = 1; p <= 6; ++p)
        s.sheet.setField(1, p, QString::number(s.shown.numbers[static_cast<std::size_t>(p)]));
}

} // namespace

Result<SimilarityResult> runSimilarity(ProgramState& s, Prompts& prompts,
                                       const AnalysisHooks& hooks)
{
    const auto draws = readOrCreateDraws(s);
    if (!draws)
        return draws.failure();
    const double chosen = std::round(s.chosenDate.date()); // the day searched for
    s.shown.dateSearch(*draws, s.chosenDate);
    evaluateShownDraw(s);
    if (hooks.showSheetTab)
        hooks.showSheetTab();
    SimilarityResult result;
    const MessageList& m = s.messages;
    const AskedInteger threshold = askInteger(prompts, m.text(Msg::StopAtHitsTitle),
                                              m.text(Msg::CompareDrawResult), QStringLiteral("6"));
    if (!threshold.number) {
        result.end = threshold.cancelled ? AnalysisEnd::Cancelled : AnalysisEnd::NotNumber;
        return result;
    }
    Walk w{s, prompts, *draws, {}, {}, *threshold.number};
    for (const DrawRecord& r : *draws) {
        w.numbers.push_back(drawNumbersOf(r));
        w.masks.push_back(maskOf(w.numbers.back()));
    }
    const double lastDate = draws->empty() ? chosen : draws->back().date;
    double from = chosen; // the first draw has no earlier draws in range
    double end = chosen + 10;
    while (!draws->empty() && s.shown.date < end) {
        writeShownDrawIntoRowOne(s);
        if (hooks.status) {
            hooks.status(0, formatDate(end));
            hooks.status(1, formatDate(s.shown.date));
        }
        if (!compareWithEarlierDraws(w, from, result.counts)) {
            result.end = AnalysisEnd::Stopped;
            return result;
        }
        end = lastDate; // the scan read the file to its last record
        countFollowingDraws(w, result.counts);
        s.shown.step(*draws, 1, s.chosenDate);
        evaluateShownDraw(s);
        from = s.statisticsStart.date(); // the navigation's period start
        ++result.passes;
        if (hooks.pass && !hooks.pass(analysisProgress(chosen, lastDate, s.shown.date))) {
            result.end = AnalysisEnd::Cancelled;
            return result;
        }
    }
    result.report = similarityReport(result.counts, m);
    return result;
}

} // namespace vendrilo
