// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/generationrun.h"

#include "core/generator/optionconflicts.h"
#include "core/generator/pastwintests.h"
#include "core/generator/rowmaker.h"
#include "core/texts/integers.h"
#include "core/texts/textlist.h"

#include <algorithm>
#include <optional>

namespace vendrilo {

namespace {


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
