// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/generationrun.h"

#include "core/generator/optionconflicts.h"
#include "core/generator/pastwintests.h"
#include "core/generator/rowfilter.h"
#include "core/texts/integers.h"
#include "core/texts/textlist.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

namespace vendrilo {

namespace {

// Six different numbers below 64, given as bits, in ascending order (a candidate's sort), in one
// store, so that reading the row back as a whole does not wait for six byte stores.
void sortBits(TipRow& c, std::uint64_t bits)
{
    std::uint64_t packed = 0;
    for (int p = 0; p < 6; ++p) {
        packed |= static_cast<std::uint64_t>(std::countr_zero(bits)) << (8 * p);
        bits &= bits - 1;
    }
    if constexpr (std::endian::native == std::endian::little)
        std::memcpy(c.data(), &packed, c.size());
    else
        for (std::size_t p = 0; p < c.size(); ++p)
            c[p] = static_cast<std::uint8_t>(packed >> (8 * p));
}

int runBudget(const Options& options)
{
    return options.value(Option::RunBudgetThousands) * 1000;
}

// The options a run loosens on its way and puts back at its end.
struct LoosenedOptions {
    int forcePair, maxFromLastDraw, maxFromSecondLastDraw, wholePeriodHits;

    explicit LoosenedOptions(const Options& o)
        : forcePair(o.value(Option::ForcePair)), maxFromLastDraw(o.value(Option::MaxFromLastDraw)),
          maxFromSecondLastDraw(o.value(Option::MaxFromSecondLastDraw)),
          wholePeriodHits(o.value(Option::WholePeriodHits))
    {
    }
    void restore(Options& o) const
    {
        o.set(Option::ForcePair, forcePair);
        o.set(Option::MaxFromLastDraw, maxFromLastDraw);
        o.set(Option::MaxFromSecondLastDraw, maxFromSecondLastDraw);
        o.set(Option::WholePeriodHits, wholePeriodHits);
    }
};

DrawBytes numberBytesOf(const ShownDraw& shown)
{
    DrawBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(shown.numbers[i + 1]);
    return bytes;
}

// The first stage: draws A, B and C, the draw for the chosen date and the two before it.
// Stepping back stops at the file's second record, so near the start B and C may repeat a draw.
// It ends with draw A shown and the picker on its date, which ends the statistics period.
struct Capture {
    LastDraws draws;
    ShownDraw shown;
    DatePicker chosenDate;
};

Capture captureLastDraws(const std::vector<DrawRecord>& records, const GenerationInput& in)
{
    Capture c{{}, in.shown, in.chosenDate};
    c.shown.dateSearch(records, c.chosenDate);
    c.draws.A = numberBytesOf(c.shown);
    c.shown.step(records, -1, c.chosenDate);
    c.draws.B = numberBytesOf(c.shown);
    c.shown.step(records, -1, c.chosenDate);
    c.draws.C = numberBytesOf(c.shown);
    c.chosenDate = in.chosenDate;
    c.shown.dateSearch(records, c.chosenDate);
    return c;
}

// A locked row is taken as it stands, so it must hold six numbers; the run refuses to start
// rather than make up numbers for it.
std::optional<QString> lockedRowProblem(const TipSheet& sheet)
{
    for (int r = 1; r <= TipSheet::kRows; ++r)
        if (sheet.locked(r) && !sheet.numbers(r))
            return fillIn(text(Text::LockedRowIncomplete), {QString::number(r)});
    return std::nullopt;
}

// The passes at which loosenLimits may change an option: it changes none at any other.
constexpr std::array<int, 3> kLooseningLeft{20000, 10000, 5000}; // passes left in the budget
bool loosensAt(int passes, int budget)
{
    const int left = budget - passes;
    return 2 * passes == budget ||
           std::find(kLooseningLeft.begin(), kLooseningLeft.end(), left) != kLooseningLeft.end();
}

// The first pass after `passes` at which loosenLimits may change an option, budget + 1 for none.
int nextLoosening(int passes, int budget)
{
    int next = budget + 1;
    if (budget % 2 == 0 && budget / 2 > passes)
        next = std::min(next, budget / 2);
    for (const int left : kLooseningLeft)
        if (budget - left > passes)
            next = std::min(next, budget - left);
    return next;
}

// Candidates for up to `count` passes, drawn from the pool's entries as drawCandidate draws them
// (each below 64), until `filter` accepts one. Each stands as the bits of its numbers and the sum
// of their tallies; the last one stays in `numbers` and `tallies`. Returns the passes made.
[[gnu::noinline]] int drawUntilAccepted(RandomSource& random, std::span<const std::uint8_t> flat,
                      const RowFilter& filter, int count, std::uint64_t& numbers,
                      std::uint64_t& tallies, bool& accepted)
{
    const auto drawRange = static_cast<std::uint32_t>(flat.size());
    const std::uint8_t* entries = flat.data();
    RandomSource source = random;
    std::uint64_t bits = 0;
    std::uint64_t sum = 0;
    bool ok = false;
    int made = 0;
    while (!ok && made < count) {
        ++made;
        // Bit 0 stands for a drawn 0, which is drawn again as a repeat is.
        bits = 1;
        sum = 0;
        // Unrolled: only a repeat branches back, never the count of numbers drawn.
#pragma GCC unroll 6
        for (int position = 0; position < 6; ++position) {
            std::uint8_t n = 0;
            std::uint64_t bit = 0;
            do {
                n = entries[source.next(drawRange)];
                bit = std::uint64_t(1) << n;
            } while (bits & bit);
            bits |= bit;
            sum += filter.tally(n);
        }
        bits &= ~std::uint64_t(1);
        ok = filter.accepts(bits, sum);
    }
    random = source;
    numbers = bits;
    tallies = sum;
    accepted = ok;
    return made;
}

// The candidate loop: for each row, candidates from the pool until the row checks accept one or
// the budget shared by all rows is used up.
class RowMaker {
public:
    RowMaker(const NumberPool& pool, const LastDraws& draws, TipSheet& sheet, Options& options,
             RandomSource& random, PastWinTests& pastWins, const GenerationHooks& hooks)
        : m_pool(pool), m_draws(draws), m_sheet(sheet), m_options(options), m_random(random),
          m_pastWins(pastWins), m_hooks(hooks)
    {
    }

    // Makes every row; returns the rows the run could not or was not to make.
    std::vector<int> makeRows();
    int passes() const { return m_passes; }
    bool stopped() const { return m_stopped; }

private:
    TipRow makeRow(int row);
    bool makePass(int row, TipRow& candidate);
    bool makeRowQuickly(int row, TipRow& candidate);
    bool loosenLimits(int row);
    void drawCandidate(TipRow& candidate);

    const NumberPool& m_pool;
    const LastDraws& m_draws;
    TipSheet& m_sheet;
    Options& m_options;
    RandomSource& m_random;
    PastWinTests& m_pastWins;
    const GenerationHooks& m_hooks;
    int m_passes = 0;
    bool m_stopped = false;
    std::vector<TipRow> m_rows;
    GenerationPass m_info;
};

std::vector<int> RowMaker::makeRows()
{
    std::vector<int> zeroRows;
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        // A row locked while the run went on counts only with six numbers; else it is made.
        const auto locked = m_sheet.locked(r) ? m_sheet.numbers(r) : std::nullopt;
        TipRow c{};
        if (locked) {
            std::copy(locked->begin(), locked->end(), c.begin());
        } else {
            c = makeRow(r);
            int sum = 0;
            for (const std::uint8_t n : c)
                sum += n;
            m_sheet.row(r).crossSumLabel = QString::number(sum);
            if (sum == 0)
                zeroRows.push_back(r);
        }
        std::array<int, 6> numbers{};
        std::copy(c.begin(), c.end(), numbers.begin());
        m_sheet.setRow(r, numbers);
        m_rows.push_back(c);
        if (m_hooks.rowWritten)
            m_hooks.rowWritten(r);
    }
    return zeroRows;
}

TipRow RowMaker::makeRow(int row)
{
    TipRow c{};
    if ((row == 1 ||
         (m_passes < runBudget(m_options) && row <= m_options.value(Option::RowCount))) &&
        !makeRowQuickly(row, c))
        while (makePass(row, c) && checkRow(c, m_info.shownCrossSum, m_rows, m_draws, m_options,
                                            m_pastWins) != RowCheckStep::Accepted) {
        }
    // A row accepted on the very last pass of the budget is dropped with the rest.
    if (m_passes >= runBudget(m_options))
        c.fill(0);
    std::sort(c.begin(), c.end());
    return c;
}

// One pass: false when the budget is used up or the run was stopped, else a fresh sorted
// candidate stands in `candidate`.
bool RowMaker::makePass(int row, TipRow& candidate)
{
    if (m_passes >= runBudget(m_options) || m_stopped)
        return false;
    if (m_hooks.pass) {
        m_info.row = row;
        m_info.passes = m_passes;
        m_info.budget = runBudget(m_options);
        if (!m_hooks.pass(m_info)) {
            m_stopped = true;
            return false;
        }
    }
    ++m_passes;
    loosenLimits(row);
    drawCandidate(candidate);
    m_info.shownRow = row;
    m_info.shownCandidate = candidate;
    return true;
}

// The same passes as makePass and checkRow make them, when no hook can change the options
// between passes: then only loosenLimits does, and the checks stand compiled into a RowFilter
// between its changes. The candidate is drawn as drawCandidate draws it, as the bits of its
// numbers, and sorted only when accepted. False, and nothing done, where that does not hold:
// a pass hook, or a pool too large to be held entry by entry or holding numbers above 63.
bool RowMaker::makeRowQuickly(int row, TipRow& candidate)
{
    const std::span<const std::uint8_t> flat = m_pool.flatEntries();
    if (m_hooks.pass || flat.empty() || flat.size() != m_pool.size() ||
        *std::max_element(flat.begin(), flat.end()) >= 64)
        return false;
    const int budget = runBudget(m_options);
    RandomSource random = m_random;
    RowFilter filter(m_rows, m_draws, m_options, m_pastWins);
    std::uint64_t numbers = 0;
    std::uint64_t tallies = 0;
    bool accepted = false;
    while (!accepted && m_passes < budget) {
        ++m_passes;
        if (loosensAt(m_passes, budget) && loosenLimits(row))
            filter = RowFilter(m_rows, m_draws, m_options, m_pastWins);
        // This pass and the ones up to the next loosening.
        const int stretch = nextLoosening(m_passes, budget) - m_passes;
        m_passes += drawUntilAccepted(random, flat, filter, stretch, numbers, tallies, accepted) - 1;
    }
    m_random = random;
    if (numbers != 0) {
        sortBits(m_info.shownCandidate, numbers);
        m_info.shownRow = row;
        m_info.shownCrossSum = static_cast<int>(tallies >> 48);
    }
    // A refused candidate is wiped, as checkRow wipes it.
    if (accepted)
        candidate = m_info.shownCandidate;
    else
        candidate.fill(0);
    return true;
}

// True when it may have changed an option.
bool RowMaker::loosenLimits(int row)
{
    const int budget = runBudget(m_options);
    bool changed = false;
    // Forced pairs are given up for the second half of the budget.
    if (2 * m_passes == budget) {
        m_options.set(Option::ForcePair, 0);
        changed = true;
    }
    // Later rows loosen the limits when the budget runs low.
    if (row < 3)
        return changed;
    const int left = budget - m_passes;
    if (left == 20000) {
        m_options.set(Option::WholePeriodHits, 6);
    } else if (left == 10000) {
        m_options.set(Option::MaxFromSecondLastDraw, 2);
        m_options.set(Option::MaxFromLastDraw, 1);
    } else if (left == 5000) {
        m_options.set(Option::MaxFromSecondLastDraw, 3);
        m_options.set(Option::MaxFromLastDraw, 2);
    } else {
        return changed;
    }
    return true;
}

// Draws until six different numbers stand; a repeat or a 0 is drawn again. A refused candidate
// is all zeros, so each pass starts at position 1.
void RowMaker::drawCandidate(TipRow& c)
{
    const auto drawRange = static_cast<std::uint32_t>(m_pool.top() + 1);
    // Drawn into locals: a byte stored through a reference could alias the seed and the pool,
    // which would then be read from memory for every number.
    RandomSource random = m_random;
    const std::span<const std::uint8_t> flat = m_pool.flatEntries();
    TipRow numbers{};
    std::uint64_t drawn = 0; // the numbers below 64 drawn so far, as bits
    int below64 = 0;
    for (std::size_t position = 0; position < numbers.size(); ++position) {
        std::uint8_t n = 0;
        for (;;) {
            const std::uint32_t index = random.next(drawRange);
            n = index < flat.size() ? flat[index] : m_pool.at(index);
            if (n == 0)
                continue;
            if (n < 64) {
                const std::uint64_t bit = std::uint64_t(1) << n;
                if (drawn & bit)
                    continue;
                drawn |= bit;
                ++below64;
            } else if (std::find(numbers.begin(), numbers.begin() + position, n) !=
                       numbers.begin() + position) {
                continue;
            }
            break;
        }
        numbers[position] = n;
    }
    m_random = random;
    c = numbers;
    m_info.shownCrossSum = 0;
    for (const std::uint8_t n : c)
        m_info.shownCrossSum += n;
    if (below64 == 6)
        sortBits(c, drawn);
    else
        std::sort(c.begin(), c.end());
}

// The pool from the statistics of the period that ends with draw A, maybe edited in the
// weighting list; an outcome when the run cannot go on with it.
std::optional<GenerationOutcome> preparePool(const GenerationInput& in, const Capture& capture,
                                             const Options& options, const GenerationHooks& hooks,
                                             GenerationResult& result)
{
    const charts::ChartInput chartInput{in.history.records(), in.statisticsStart,
                                        capture.chosenDate.date(), options.drawDayFilter(),
                                        in.messages};
    const ChartSource chartSource = [&](charts::ChartKind kind) {
        return charts::computeChart(kind, chartInput);
    };
    result.pool = buildNumberPool(chartSource, capture.draws, options, in.messages, hooks.pool);
    if (options.checked(Option::ShowWeightingList) && hooks.editPool &&
        !hooks.editPool(result.pool))
        return GenerationOutcome::ListAborted;
    // Six different numbers are needed for a row; fewer would make the drawing go on forever.
    const int distinct = result.pool.distinctNumbers();
    if (distinct < 6) {
        result.message = fillIn(text(Text::PoolTooSmall), {QString::number(distinct)});
        return GenerationOutcome::PoolTooSmall;
    }
    return std::nullopt;
}

// The draw for the chosen date shown again after the capture.
ShownAfterRun showAgain(const GenerationInput& in, const Capture& capture)
{
    ShownAfterRun after{capture.shown, capture.chosenDate};
    after.shown.dateSearch(in.history.records(), after.chosenDate);
    return after;
}

// The last stage of every run that got past its start: the loosened options as before, the draw
// for the chosen date shown again and the sheet evaluated against it.
void finish(const GenerationInput& in, const Capture& capture, const LoosenedOptions& loosened,
            TipSheet& sheet, Options& options, GenerationResult& result)
{
    loosened.restore(options);
    const ShownAfterRun after = showAgain(in, capture);
    result.shown = after.shown;
    result.chosenDate = after.chosenDate;
    result.evaluation = evaluateSheet(sheet, result.shown.numbers);
}

} // namespace

GenerationResult runGeneration(const GenerationInput& in, TipSheet& sheet, Options& options,
                               RandomSource& random, const GenerationHooks& hooks)
{
    GenerationResult result;
    if (auto problem = lockedRowProblem(sheet)) {
        result.outcome = GenerationOutcome::LockedRowBad;
        result.message = *problem;
        return result;
    }
    if (auto conflict = impossibleOptions(options)) {
        result.outcome = GenerationOutcome::ImpossibleOptions;
        result.message = *conflict;
        return result;
    }
    auto status = [&](const QString& text) {
        result.status = text;
        if (hooks.status)
            hooks.status(text);
    };
    const LoosenedOptions loosened(options);
    const Capture capture = captureLastDraws(in.history.records(), in);
    result.draws = capture.draws;

    sheet.clearUnlocked();
    evaluateSheet(sheet, capture.shown.numbers);
    if (hooks.sheetCleared)
        hooks.sheetCleared();

    if (auto stop = preparePool(in, capture, options, hooks, result)) {
        result.outcome = *stop;
        finish(in, capture, loosened, sheet, options, result);
        return result;
    }
    status(in.messages.text(Msg::GenerationStarted));

    HistoryPastWins ownPastWins(
        in.history, {in.statisticsStart, capture.chosenDate.date(), options.drawDayFilter()});
    RowMaker maker(result.pool, result.draws, sheet, options, random,
                   hooks.pastWins ? *hooks.pastWins : ownPastWins, hooks);
    const std::vector<int> zeroRows = maker.makeRows();

    result.passes = maker.passes();
    result.budgetExhausted = result.passes >= runBudget(options);
    if (maker.stopped())
        status(text(Text::GenerationStopped));
    else
        status(in.messages.text(result.budgetExhausted ? Msg::ChangeTheOptions
                                                       : Msg::TipsComputed));
    finish(in, capture, loosened, sheet, options, result);
    // The evaluation leaves the labels of an empty row empty; a row the run could not or was
    // not to make keeps the cross sum 0 it was given, so that it reads as made empty.
    for (const int r : zeroRows)
        if (!sheet.numbers(r) && sheet.row(r).crossSumLabel.isEmpty())
            sheet.row(r).crossSumLabel = QStringLiteral("0");
    return result;
}

ShownAfterRun drawShownAfterRun(const GenerationInput& in)
{
    return showAgain(in, captureLastDraws(in.history.records(), in));
}

QString candidateStatusText(int row, const TipRow& c, int crossSum, const MessageList& messages)
{
    const int blanks = row == 3 ? 4 : (row == 2 || row == 4) ? 3 : 2;
    const QString separator =
        QString(blanks, QLatin1Char(' ')) + text(Text::CrossSumShort) + QStringLiteral(": ");
    // Built by joining: a translated "Tipp" may hold any character, a "%" included.
    auto n = [&](int p) { return QString::number(c[static_cast<std::size_t>(p)]); };
    return QString::number(row) + QLatin1Char('.') + messages.text(Msg::Tip) +
           QStringLiteral(":  ") + n(0) + QLatin1Char(' ') + n(1) + QStringLiteral("  ") + n(2) +
           QStringLiteral("  ") + n(3) + QStringLiteral("  ") + n(4) + QStringLiteral("  ") + n(5) +
           separator + QString::number(crossSum);
}

void askLuckyNumber(RandomSource& random, const MessageList& messages, Prompts& prompts)
{
    const RandomSource before = random;
    const QString proposal = QString::number(random.next(99999));
    const AskedInteger seed = askInteger(
        prompts, messages.text(Msg::LuckyNumberTitle) + QStringLiteral(" (1-99999999)?"),
        messages.text(Msg::LuckyNumberPrompt), proposal, messages.text(Msg::LuckyNumberError));
    if (seed.number)
        random.setSeed(static_cast<std::uint32_t>(*seed.number));
    else if (seed.cancelled)
        random = before; // not even the proposal's draw is taken
}

} // namespace vendrilo
