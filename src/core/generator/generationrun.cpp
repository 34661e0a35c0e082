#include "core/generator/generationrun.h"

#include "core/app/programstate.h"
#include "core/evaluation/komplettcheck.h"
#include "core/generator/pastwintests.h"

#include <QFileInfo>
#include <algorithm>

namespace vendrilo {

namespace {

const QString kCheckBox8 = QStringLiteral("CheckBox8");
const QString kCheckBox20 = QStringLiteral("CheckBox20");
const QString kUpDown4 = QStringLiteral("UpDown4");
const QString kUpDown5 = QStringLiteral("UpDown5");
const QString kUpDown6 = QStringLiteral("UpDown6");
const QString kUpDown7 = QStringLiteral("UpDown7");
const QString kUpDown8 = QStringLiteral("UpDown8");

DrawBytes capture(const ShownDraw& shown)
{
    DrawBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(shown.Zahl[i + 1]);
    return bytes;
}

// The controls a run may change on its way and puts back at its end.
struct SavedControls {
    int CheckBox8, UpDown4, UpDown5, UpDown6;

    explicit SavedControls(const Options& o)
        : CheckBox8(o.value(kCheckBox8)), UpDown4(o.value(kUpDown4)), UpDown5(o.value(kUpDown5)),
          UpDown6(o.value(kUpDown6))
    {
    }
    void restore(Options& o) const
    {
        o.set(kCheckBox8, CheckBox8);
        o.set(kUpDown4, UpDown4);
        o.set(kUpDown5, UpDown5);
        o.set(kUpDown6, UpDown6);
    }
};

// The end of every run that got past its start: sorting back on, the changed controls as
// before, the draw for the chosen date shown again and the sheet evaluated against it.
void finish(ProgramState& s, const std::vector<DrawRecord>& records, const SavedControls& saved,
            GenerationResult& result)
{
    s.sortieren = true;
    saved.restore(s.options);
    s.shown.dateSearch(records, s.picker1);
    result.playSound = Komplettcheck(s).playSound;
    s.Berechnunglaeuft = false;
}

std::array<int, 6> asInts(const TipRow& row)
{
    std::array<int, 6> numbers{};
    std::copy(row.begin(), row.end(), numbers.begin());
    return numbers;
}

} // namespace

GenerationResult Label28Click(ProgramState& state, const GenerationHooks& hooks)
{
    const QString path = state.drawPath();
    GenerationResult result;
    if (!QFileInfo::exists(path)) {
        drawfile::createEmpty(path);
        result.outcome = GenerationOutcome::DrawFileMissing;
        result.message = kNoDrawFileMessage;
        return result;
    }
    auto loaded = DrawHistory::load(path);
    if (loaded.error) {
        result.outcome = GenerationOutcome::DrawFileUnreadable;
        result.message = *loaded.error;
        return result;
    }
    return Label28Click(state, loaded.history, hooks);
}

GenerationResult Label28Click(ProgramState& s, const DrawHistory& history,
                              const GenerationHooks& hooks)
{
    const std::vector<DrawRecord>& records = history.records();
    GenerationResult result;
    auto status = [&](const QString& text) {
        result.status = text;
        if (hooks.status)
            hooks.status(text);
    };

    // A locked row is taken as it stands, so it must hold six numbers; refuse before anything
    // changes rather than make up numbers for it.
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        if (s.sheet.locked(r) && !s.sheet.numbers(r)) {
            result.outcome = GenerationOutcome::LockedRowBad;
            result.message = QStringLiteral("Der gesperrte %1. Tipp enthält nicht sechs Zahlen. "
                                            "Tragen Sie sechs Zahlen ein oder heben Sie die "
                                            "Sperre auf.")
                                 .arg(r);
            return result;
        }
    }

    s.sortieren = false;
    // The budget is read on every pass: UpDown7Changing may set it while the run goes on.
    s.LaufMax = s.options.value(kUpDown7) * 1000;
    const int& LaufMax = s.LaufMax;
    const SavedControls saved(s.options);

    // Draws A, B and C: the draw for the chosen date and the two before it. Stepping back
    // stops at the file's second record, so near the start B and C may repeat a draw.
    const double chosen = s.picker1.date();
    s.shown.dateSearch(records, s.picker1);
    result.draws.A = capture(s.shown);
    s.shown.step(records, -1, s.picker2.date(), s.picker1);
    result.draws.B = capture(s.shown);
    s.shown.step(records, -1, s.picker2.date(), s.picker1);
    result.draws.C = capture(s.shown);
    s.picker1.setDate(chosen);
    s.shown.dateSearch(records, s.picker1);
    s.Statistik = {};

    SpeedButton11Click(s);

    // The statistics period ends with the date the search left in DateTimePicker1: draw A's.
    const charts::ChartInput chartInput{records, s.picker2.date(), s.picker1.date(),
                                        s.drawDayFilter(), s.messages};
    const ChartSource chartSource = [&](charts::ChartKind kind) {
        return charts::computeChart(kind, chartInput);
    };
    result.pool = buildNumberPool(chartSource, result.draws, s.options, s.messages, hooks.pool);
    if (s.options.checked(kCheckBox20) && hooks.editPool && !hooks.editPool(result.pool)) {
        result.outcome = GenerationOutcome::ListAborted;
        finish(s, records, saved, result);
        return result;
    }
    // Six different numbers are needed for a row; fewer would make the drawing go on forever.
    const int distinct = result.pool.distinctNumbers();
    if (distinct < 6) {
        result.outcome = GenerationOutcome::PoolTooSmall;
        result.message = QStringLiteral("Mit den gewählten Einstellungen stehen nur %1 "
                                        "verschiedene Zahlen zur Auswahl, für einen Tipp werden "
                                        "sechs gebraucht. Ändern Sie die Parameter.")
                             .arg(distinct);
        finish(s, records, saved, result);
        return result;
    }
    status(s.messages.line(23));

    HistoryPastWins ownPastWins(history, {s.picker2.date(), s.picker1.date(), s.drawDayFilter()});
    PastWinTests& pastWins = hooks.pastWins ? *hooks.pastWins : ownPastWins;
    const NumberPool& pool = result.pool;
    const auto drawRange = static_cast<std::uint32_t>(pool.top() + 1);

    s.Berechnunglaeuft = true;
    int passes = 0;
    bool stopped = false;
    std::vector<TipRow> rows;
    std::vector<int> zeroRows;
    GenerationPass info;

    for (int r = 1; r <= TipSheet::kRows; ++r) {
        TipRow c{};
        // A row locked while the run went on counts only with six numbers; else it is made.
        const auto lockedNumbers =
            s.sheet.locked(r) ? s.sheet.numbers(r) : std::optional<std::array<int, 6>>{};
        if (lockedNumbers) {
            for (std::size_t p = 0; p < 6; ++p)
                c[p] = static_cast<std::uint8_t>((*lockedNumbers)[p]);
        } else {
            if (r == 1 || (passes < LaufMax && r <= s.options.value(kUpDown8))) {
                bool accepted = false;
                while (!accepted) {
                    if (passes >= LaufMax || stopped)
                        break;
                    if (hooks.pass) {
                        info.row = r;
                        info.passes = passes;
                        info.LaufMax = LaufMax;
                        if (!hooks.pass(info)) {
                            stopped = true;
                            break;
                        }
                    }
                    ++passes;
                    // Forced pairs are given up for the second half of the budget.
                    if (2 * passes == LaufMax)
                        s.options.set(kCheckBox8, 0);
                    // Later rows loosen the limits when the budget runs low.
                    if (r >= 3) {
                        const int left = LaufMax - passes;
                        if (left == 20000) {
                            s.options.set(kUpDown6, 6);
                        } else if (left == 10000) {
                            s.options.set(kUpDown5, 2);
                            s.options.set(kUpDown4, 1);
                        } else if (left == 5000) {
                            s.options.set(kUpDown5, 3);
                            s.options.set(kUpDown4, 2);
                        }
                    }
                    // Draw until six different numbers stand; a repeat or a 0 is drawn again.
                    // A refused candidate is all zeros, so each pass starts at position 1.
                    int position = 0;
                    while (position < 6) {
                        const std::uint8_t n = pool.at(static_cast<int>(s.random.next(drawRange)));
                        c[static_cast<std::size_t>(position)] = n;
                        for (int q = 0; q < position; ++q)
                            if (c[static_cast<std::size_t>(q)] == n)
                                c[static_cast<std::size_t>(position)] = 0;
                        if (c[static_cast<std::size_t>(position)] != 0)
                            ++position;
                    }
                    int QS = 0;
                    for (const std::uint8_t n : c)
                        QS += n;
                    std::sort(c.begin(), c.end());
                    info.shownRow = r;
                    info.shownCandidate = c;
                    info.shownQS = QS;
                    accepted = checkRow(c, QS, rows, result.draws, s.options, pastWins) ==
                               RowCheckStep::Accepted;
                }
            }
            // A row accepted on the very last pass of the budget is dropped with the rest.
            if (passes >= LaufMax)
                c.fill(0);
            std::sort(c.begin(), c.end());
            int sum = 0;
            for (const std::uint8_t n : c)
                sum += n;
            s.sheet.row(r).crossSumLabel = QString::number(sum);
            if (sum == 0)
                zeroRows.push_back(r);
        }
        s.sheet.setRow(r, asInts(c));
        rows.push_back(c);
        if (hooks.rowWritten)
            hooks.rowWritten(r);
    }

    result.passes = passes;
    result.budgetExhausted = passes >= LaufMax;
    status(s.messages.line(result.budgetExhausted ? 25 : 26));
    finish(s, records, saved, result);
    // The evaluation leaves the labels of an empty row empty; a row the run could not or was
    // not to make keeps the cross sum 0 it was given, so that it reads as made empty.
    for (const int r : zeroRows)
        if (!s.sheet.numbers(r) && s.sheet.row(r).crossSumLabel.isEmpty())
            s.sheet.row(r).crossSumLabel = QStringLiteral("0");
    return result;
}

QString candidateStatusText(int row, const TipRow& c, int QS, const MessageList& messages)
{
    const char* separator = row == 3 ? "    QS: " : (row == 2 || row == 4) ? "   QS: " : "  QS: ";
    // Built by joining: a translated "Tipp" may hold any character, a "%" included.
    auto n = [&](int p) { return QString::number(c[static_cast<std::size_t>(p)]); };
    return QString::number(row) + QLatin1Char('.') + messages.line(24) + QStringLiteral(":  ") +
           n(0) + QLatin1Char(' ') + n(1) + QStringLiteral("  ") + n(2) + QStringLiteral("  ") +
           n(3) + QStringLiteral("  ") + n(4) + QStringLiteral("  ") + n(5) +
           QString::fromLatin1(separator) + QString::number(QS);
}

void SpeedButton13Click(RandomSource& random, const MessageList& messages, Prompts& prompts)
{
    const QString proposal = QString::number(random.next(99999));
    const QString answer = prompts.inputText(messages.line(30) + QStringLiteral(" (1-99999999)?"),
                                             messages.line(31), proposal);
    const auto seed = parseInteger(answer);
    if (!seed) {
        prompts.message(messages.line(34));
        return;
    }
    random.setSeed(static_cast<std::uint32_t>(*seed));
}

} // namespace vendrilo
