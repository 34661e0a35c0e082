// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/session.h"

#include "core/draws/drawfile.h"
#include "core/options/optionpages.h"
#include "core/program/chartactions.h"
#include "core/program/drawactions.h"
#include "core/program/ledgeractions.h"
#include "core/program/sheetactions.h"
#include "core/program/wheelactions.h"
#include "core/generator/generationrun.h"
#include "core/texts/textlist.h"
#include "core/tipfiles/tipfile.h"
#include "gui/chartbuttons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

namespace vendrilo::gui {

namespace {

// Shows the busy cursor for as long as it lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

Session::Session(Prompts& prompts, Clock clock, std::function<bool(const QUrl&)> openUrl,
                 QObject* parent)
    : QObject(parent), m_prompts(prompts), m_clock(std::move(clock)), m_openUrl(std::move(openUrl))
{
    connect(this, &Session::sheetChanged, this, &Session::noteSheetState);
    // Every draw shown may come from a changed file (an update, an import, another game).
    connect(this, &Session::shownDrawChanged, this, &Session::showAddOnsForDrawFile);
}

void Session::noteSheetState()
{
    // A run or an analysis repaints the sheet many times; its end is the step.
    if (!busy())
        m_sheetHistory.note(SheetContent::of(m_state.sheet, m_state.ticketNumber));
}

void Session::undoSheetChange()
{
    if (busy())
        return;
    const std::optional<SheetContent> before = m_sheetHistory.undo();
    if (!before)
        return;
    before->applyTo(m_state.sheet, m_state.ticketNumber);
    applyEvaluation(evaluateShownDraw(m_state));
}

void Session::applyEvaluation(const SheetEvaluation& evaluation)
{
    Q_EMIT sheetChanged();
    if (evaluation.playSound)
        Q_EMIT hitSoundWanted();
}

void Session::setStatusText(int panel, const QString& text)
{
    if (panel != 0)
        m_hintSource = nullptr;
    m_statusTexts[panel == 0 ? 0 : 1] = text;
    Q_EMIT statusTextChanged(panel == 0 ? 0 : 1, text);
}

void Session::showHint(const QWidget* control)
{
    setStatusText(1, control->toolTip());
    m_hintSource = control;
}

void Session::retranslateStatusTexts(const TextList& before, const MessageList& messagesBefore)
{
    if (m_hintSource)
        showHint(m_hintSource);
    for (int panel = m_hintSource ? 0 : 1; panel >= 0; --panel) {
        const QString shown = m_statusTexts[panel];
        if (shown.isEmpty())
            continue;
        if (const auto again = retranslated(shown, before, currentTexts())) {
            setStatusText(panel, *again);
            continue;
        }
        for (int n = 0; n < messagesBefore.count(); ++n)
            if (messagesBefore.line(n) == shown) {
                setStatusText(panel, m_state.messages.line(n));
                break;
            }
    }
}

void Session::showNewDraw(const Result<SheetEvaluation>& result)
{
    if (reportFailure(result))
        return;
    Q_EMIT shownDrawChanged();
    Q_EMIT periodChanged();
    applyEvaluation(*result);
}

void Session::goToPreviousDraw()
{
    showNewDraw(showPreviousDraw(m_state));
}

void Session::goToNextDraw()
{
    showNewDraw(showNextDraw(m_state));
}

void Session::goToChosenDate()
{
    showNewDraw(showDrawForChosenDate(m_state));
}

void Session::setProgramFolder(const QString& folder)
{
    m_state.programFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + '/';
}

RestoreOutcome Session::restoreSettings(const QSettings& store, WindowSize& size, double today)
{
    RestoreOutcome restored = vendrilo::restoreSettings(store, m_state, size);
    settleRestoredSettings(m_state, today);
    return restored;
}

void Session::randomizeSeed()
{
    m_state.random.randomize();
}

void Session::setSeed(std::uint32_t seed)
{
    m_state.random.setSeed(seed);
}

void Session::setLanguageTexts(int language, MessageList messages)
{
    m_state.language = language;
    m_state.messages = std::move(messages);
}

const PayoutTable& Session::payoutTable()
{
    std::optional<QString> problem;
    const PayoutTable& table = m_payouts.table(m_state.programFolder, &problem);
    if (problem)
        setStatusText(1, *problem);
    return table;
}

void Session::showMoneyFigures()
{
    m_moneyFiguresShown = true;
    Q_EMIT moneyFiguresWanted();
}

void Session::setChosenDate(double day)
{
    m_state.chosenDate.setDate(day);
    Q_EMIT periodChanged();
}

void Session::setStatisticsStart(double day)
{
    const double before = m_state.statisticsStart.date();
    m_state.statisticsStart.setDate(day);
    Q_EMIT periodChanged();
    // A new first day redraws the chart on show for the new period.
    if (m_state.statisticsStart.date() != before)
        redrawLastChart();
}

QString Session::setField(int row, int position, const QString& text)
{
    return m_state.sheet.setField(row, position, text);
}

void Session::writeRow(int row, const std::array<QString, 6>& fields)
{
    for (int p = 1; p <= 6; ++p)
        m_state.sheet.setField(row, p, fields[static_cast<std::size_t>(p - 1)]);
    leaveField(); // sorted and scored at once, as if typed
}

void Session::leaveField()
{
    if (m_evaluationEnabled && !m_generationRunning)
        applyEvaluation(evaluateShownDraw(m_state));
    else
        Q_EMIT sheetChanged(); // drops a sign left alone in a field
}

int Session::writeWheelRows(const wheels::Wheel& wheel, int first)
{
    const int next = putWheelRowsOnSheet(m_state.sheet, wheel, first);
    leaveField(); // sorted and scored as if typed
    return next;
}

void Session::showTicketOnSheet(const ledger::Ticket& ticket)
{
    putTicketOnSheet(m_state, ticket);
    goToChosenDate();
    Q_EMIT sheetTabWanted();
}

void Session::toggleRowLock(int row)
{
    m_state.sheet.toggleLock(row);
    Q_EMIT sheetChanged();
}

void Session::clearSheetAfterAsking()
{
    const MessageList& m = m_state.messages;
    if (m_prompts.askYesNo(m.text(Msg::ClearAllTipsTitle), m.text(Msg::ClearAllTipsQuestion)))
        applyEvaluation(clearSheet(m_state));
}

void Session::findTipsInHistory()
{
    // The search shows every draw it examines and the rows' hits as it goes.
    class Observer : public TipSearchObserver {
    public:
        explicit Observer(Session* s) : m_s(s) {}
        void searchStarted() override { Q_EMIT m_s->chartChanged({}); }
        void drawExamined(const ShownDraw&) override { Q_EMIT m_s->shownDrawChanged(); }
        void sheetEvaluated(const SheetEvaluation& e) override { m_s->applyEvaluation(e); }

    private:
        Session* m_s;
    } observer(this);

    std::optional<BusyCursor> busy(std::in_place);
    const auto result = searchHistoryForTips(m_state, m_prompts, &observer);
    busy.reset();
    Q_EMIT shownDrawChanged();
    Q_EMIT sheetChanged();
    reportFailure(result);
}

void Session::saveSheetAs(const QString& path)
{
    reportFailure(saveTipFile(path, m_state.sheet, m_state.ticketNumber));
}

void Session::openSheetFile(const QString& path)
{
    const Status loaded = loadTipFile(m_state, path);
    Q_EMIT sheetChanged();
    // The reader cleared the unlocked rows before it failed; no evaluation follows then.
    if (reportFailure(loaded))
        return;
    goToChosenDate();
}

bool Session::importTipFile(const QString& path)
{
    // The ticket number belongs to the file it came with: a file without one leaves none.
    m_state.ticketNumber.clear();
    const Status loaded = loadTipFile(m_state, path);
    Q_EMIT sheetChanged();
    return !reportFailure(loaded);
}

void Session::showRestoredState()
{
    Q_EMIT gameChanged();
    Q_EMIT optionsChanged();
    Q_EMIT sheetChanged();
    Q_EMIT internetChanged();
    Q_EMIT periodChanged();
}

void Session::showTextsAgain()
{
    m_state.shown.writeDrawLineAgain(); // the weekday in the new language
    showRestoredState();
    Q_EMIT shownDrawChanged();
    if (m_generationRunning)
        Q_EMIT generationRunningChanged(true);
    redrawLastChart();
}

QString Session::suggestedSheetFileName() const
{
    // Without a readable draw file the calendar falls back to its two-draws-a-week rule.
    const auto draws = readDraws(m_state);
    return proposedTipFileName(draws ? *draws : std::vector<DrawRecord>{},
                               m_state.chosenDate.date());
}

void Session::setOption(Option option, int value)
{
    m_state.options.set(option, value);
}

void Session::coupleOption(Option option, bool pressed)
{
    const OptionCoupling coupling = optionCoupling(option);
    if (auto couple = pressed ? coupling.pressed : coupling.released) {
        couple(m_state.options);
        Q_EMIT optionsChanged();
    }
}

void Session::chooseLuckyNumber()
{
    askLuckyNumber(m_state.random, m_state.messages, m_prompts);
}

void Session::drawChart(charts::ChartKind kind, bool showDiagramFirst)
{
    if (showDiagramFirst)
        Q_EMIT diagramWanted();
    std::optional<BusyCursor> busy(std::in_place);
    const auto chart = chartForState(m_state, kind);
    busy.reset();
    if (reportFailure(chart))
        return;
    m_lastChart = kind;
    showHintOfDrawnChart(kind);
    Q_EMIT chartChanged(*chart);
    if (chart->showsDiagramTab)
        Q_EMIT diagramWanted();
}

// The status bar must not name another chart than the one drawn: a chart drawn by a menu, a
// redraw, a key or a run while the hint of another chart's control shows gets the hint of a
// control of its own (of the same page where there is one), or none.
void Session::showHintOfDrawnChart(charts::ChartKind kind)
{
    if (!m_hintSource)
        return;
    const ChartButton* hinted = chartButtonNamed(m_hintSource->objectName());
    if (!hinted || hinted->kind == kind)
        return;
    const QWidget* window = m_hintSource->window();
    for (const ChartButton& b : chartButtonsFor(kind, hinted->place)) {
        const auto* control = window->findChild<QWidget*>(QLatin1String(b.name));
        if (control && !control->toolTip().isEmpty()) {
            showHint(control);
            return;
        }
    }
    m_hintSource = nullptr;
    setStatusText(1, QString());
}

void Session::redrawLastChart()
{
    if (m_lastChart && !m_generationRunning)
        drawChart(*m_lastChart);
}

void Session::warnAboutDamagedDraws()
{
    const auto draws = readDraws(m_state);
    reportDamagedDraws(draws ? countDamaged(*draws) : 0);
}

void Session::reportDamagedDraws(int damaged)
{
    // Each game's file is told about once, also when the other game was shown in between.
    int& told = m_damagedReported[m_state.drawPath()];
    if (damaged > 0 && damaged != told)
        m_prompts.message(damagedFileWarning(m_state.drawPath(), damaged));
    told = damaged;
}

void Session::showDrawFileAnew()
{
    // The records are those the add-ons beside the shown draw read too.
    const std::vector<DrawRecord>& draws = m_drawFile.records(m_state.drawPath());
    if (!m_drawFile.lastReadOk()) { // missing or unreadable: created or reported as always
        warnAboutDamagedDraws();
        goToChosenDate();
        return;
    }
    reportDamagedDraws(countDamaged(draws));
    const SheetEvaluation shown = showDrawForChosenDate(m_state, draws);
    showNewDraw(shown);
}

} // namespace vendrilo::gui
