// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/charts.h"
#include "core/generator/numberpool.h"
#include "core/io/prompts.h"
#include "core/io/result.h"
#include "core/program/analysis.h"
#include "core/program/programstate.h"
#include "core/program/settingsstore.h"
#include "core/sheet/companionscore.h"
#include "gui/drawfilecache.h"
#include "gui/payoutcache.h"

#include "gui/sheethistory.h"
#include "gui/httpmodule.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <thread>

class QWidget;

namespace vendrilo {
struct SheetEvaluation;
class TextList;
namespace wheels {
struct Wheel;
}
namespace ledger {
struct Ticket;
}
} // namespace vendrilo

namespace vendrilo::gui {

// The program state of the window and the actions on it. The pages call the actions and redraw
// themselves from the state when a signal says what changed; they never reach into each other's
// widgets. Long actions keep the window responsive and show their progress in the status bar.
class Session : public QObject {
    Q_OBJECT
public:
    // `openUrl` is the desktop's "open": the browser for an address, the viewer for a page;
    // false when the desktop found nothing to open it with.
    Session(Prompts& prompts, Clock clock, std::function<bool(const QUrl&)> openUrl,
            QObject* parent = nullptr);
    // A back-test still running is cancelled and waited for.
    ~Session() override;

    // The state is read here and changed only through the actions below, each with its signal.
    const ProgramState& state() const { return m_state; }
    // The start-up fills the state as a whole: where the program's files lie, the stored
    // settings (the window's size comes back in `size`), a fresh random sequence.
    void setProgramFolder(const QString& folder);
    RestoreOutcome restoreSettings(const QSettings& store, WindowSize& size, double today);
    void randomizeSeed();
    // A run or a back-test from a known seed (the back-test asks the user for one).
    void setSeed(std::uint32_t seed);
    // The program's one random sequence, which the weighting list's random mode draws from too.
    RandomSource& randomSource() { return m_state.random; }
    // The language switch: the language's number and the messages read from its files.
    void setLanguageTexts(int language, MessageList messages);
    Prompts& prompts() { return m_prompts; }
    double today() const { return m_clock(); }

    // Leaving a field sorts and scores the sheet only once start-up has restored everything.
    void enableEvaluation() { m_evaluationEnabled = true; }
    bool generationRunning() const { return m_generationRunning; }

    void goToPreviousDraw();
    void goToNextDraw();
    void goToChosenDate();
    void setChosenDate(double day);
    void setStatisticsStart(double day);

    // A field as typed; returns the text the field holds afterwards.
    QString setField(int row, int position, const QString& text);
    void leaveField();
    void toggleRowLock(int row);
    // Empties the unlocked rows after asking.
    void clearSheetAfterAsking();
    void findTipsInHistory();
    void saveSheetAs(const QString& path);
    void openSheetFile(const QString& path);
    // The batch import: clears and reads a tip file, no evaluation; false (after telling the
    // user) when the file cannot be read.
    bool importTipFile(const QString& path);
    // After the settings were restored: every page shows the state anew.
    void showRestoredState();
    // After a language switch: everything the program writes itself is written again, in the new
    // texts (draw and ticket lines, chart titles, the start button during a run).
    void showTextsAgain();
    QString suggestedSheetFileName() const;
    // Takes the last change of the sheet back (numbers, locks, ticket number) and scores the
    // sheet again; a run, an analysis, a load or a field edit is one step each.
    void undoSheetChange();
    bool canUndoSheetChange() const { return m_sheetHistory.canUndo(); }

    // A wheel's rows written from row `first` on (the next row is returned), and a played ticket
    // put back on the sheet with its draw shown; each scored as if typed, one undo step each.
    int writeWheelRows(const wheels::Wheel& wheel, int first);
    void showTicketOnSheet(const ledger::Ticket& ticket);

    // The single-tip form wrote a row: each field as if typed.
    void writeRow(int row, const std::array<QString, 6>& fields);
    // The weighting list a run shows when it is switched on; it may change the pool, and false
    // ends the run.
    void setPoolEditor(std::function<bool(NumberPool&)> editor)
    {
        m_poolEditor = std::move(editor);
    }

    void setOption(Option option, int value);
    void coupleOption(Option option, bool pressed);

    // Starts a run, or asks the running one to stop at its next pass.
    void startOrStopGeneration();
    void requestGenerationStop() { m_stopRequested = true; }
    void chooseLuckyNumber();

    // The online update from the server of the "Internet-Optionen" tab; without one the user is
    // told. At start-up the status bar says so instead.
    void fetchNewDraws();
    void fetchNewDrawsAtStartUp();
    void requestUpdateStop() { m_stopUpdate = true; }
    // The analyses of the "Datenbank" tab: the parameter back-test ("Test.txt" in the working
    // folder) and the draw similarity analysis ("Test.rtf" in the program folder), each report
    // opened when it is written. The cancel button ends them without a report. The back-test
    // asks for its seed and returns: its passes run on a thread of their own, on a copy of the
    // state, which the window takes over when they end (analysisRunningChanged(false)).
    void runBacktest();
    void analyseSimilarDraws();
    void cancelAnalysis() { m_cancelAnalysis = true; }
    // A run, an update or an analysis owns the state.
    bool busy() const;

    // The draw history by hand: a draw typed in through the entry dialog (the editor answers in
    // its place: the draw, or nothing when cancelled), the shown draw's day deleted after asking,
    // published results imported from a file. Each rewrites the draw file in one step.
    void setDrawEditor(std::function<std::optional<DrawRecord>(const DrawRecord&)> editor)
    {
        m_drawEditor = std::move(editor);
    }
    void enterDrawByHand();
    void deleteShownDrawAfterAsking();
    void importDrawFile(const QString& path);
    // "Tipp.txt" in the program folder, opened when written.
    void printTips();

    // Hands the sheet to the online portal through the server's address template.
    void sendSheetToPortal();
    // A link label: its caption opened as a web address (the partner's caption opens the
    // partner's link).
    void openLink(const QString& caption);
    void setServer(const QString& address);
    // The other Internet options, each as the user types it; every change is told by
    // internetChanged (the sheet's stake and odds follow the prices at once).
    void setInternetText(QString InternetOptions::*field, const QString& text);
    void setLinkPage(bool on);
    void setTicketOptions(int superzahlOption, int extraGamesOption);

    // The desktop's viewer for a file the program wrote (or its manual); when there is none, the
    // user is told where the file lies.
    void openWrittenFile(const QString& path);
    // The browser for a web address; when there is none, the address goes to the clipboard and
    // the user is told. True when the address was opened.
    bool openAddress(const QUrl& url);

    void drawChart(charts::ChartKind kind, bool showDiagramFirst = false);
    // Draws the chart last drawn again, for a new statistics period.
    void redrawLastChart();

    QString statusText(int panel) const { return m_statusTexts[panel == 0 ? 0 : 1]; }
    void setStatusText(int panel, const QString& text);
    // A control's hint in panel 1; after a language switch the panel shows its new hint.
    void showHint(const QWidget* control);
    // After a language switch: the status texts the program wrote in the texts `before` and the
    // message list `messagesBefore`, written again in the new ones.
    void retranslateStatusTexts(const TextList& before, const MessageList& messagesBefore);

    // The user is told once that the draw file holds damaged records, unless the count changes.
    void warnAboutDamagedDraws();
    // For a draw file that may have changed (at start-up, on a game switch): the damaged records
    // reported as above and the chosen date's draw shown, the file read once for both.
    void showDrawFileAnew();

    // The game whose draws everything works on; the shown draw, the chart and the rest follow.
    void setGame(Game game);
    // The sheet is played with Plus: each row is also scored against the other draw of the
    // evening (companionScore()).
    void setWithPlus(bool on);
    CompanionScore companionScore();
    // The prizes paid per draw (the shipped table), read again only when its file changes; a
    // file that cannot be read leaves an empty table and says why in the status bar, once.
    const PayoutTable& payoutTable();
    // The sheet's prizes and odds wait until the window is on the screen (the prize table is
    // the largest file the start-up reads); from then on they follow every change.
    void showMoneyFigures();
    bool moneyFiguresShown() const { return m_moneyFiguresShown; }
    // Whether the draw file knows a Superzahl: without one, the controls of add-ons that no
    // Polish game has stay hidden.
    bool addOnsShown() const { return m_addOnsShown; }

Q_SIGNALS:
    void shownDrawChanged();
    void sheetChanged();
    void optionsChanged();
    void periodChanged();
    void chartChanged(const charts::ChartData& chart);
    void diagramWanted(); // the "Diagramm" tab should come to the front
    void statusTextChanged(int panel, const QString& text);
    void generationRunningChanged(bool running);
    void updateRunningChanged(bool running);
    void internetChanged();
    void moneyFiguresWanted(); // the window is on the screen: prizes and odds may be worked out
    void hitSoundWanted();
    // The draw file changed (update, entry, deletion, import) or was read at start-up: the
    // ledger checks its tickets.
    void drawsChanged();
    void analysisRunningChanged(bool running);
    void analysisProgress(double done); // 0..1
    void sheetTabWanted();              // the "Lottotipp" tab should come to the front
    void gameChanged();
    void addOnsShownChanged(bool shown);

private:
    PayoutCache m_payouts;
    bool m_moneyFiguresShown = false;
    void showHintOfDrawnChart(charts::ChartKind kind);
    void applyEvaluation(const SheetEvaluation& evaluation);
    template <typename Run> auto runAnalysis(Run run);
    void setAnalysisRunning(bool running);
    // The back-test's passes on their thread: a copy of the state they work on, and what they
    // gave.
    struct BacktestRun {
        ProgramState state;
        BacktestStart start;
        BacktestResult result;
        std::thread thread;
    };
    void showBacktestProgress(double progress, const ProgramState& passState);
    void finishBacktest();
    void runUpdate();
    // After a step or the date search: the new draw, its date and the sheet scored against it.
    void showNewDraw(const Result<SheetEvaluation>& result);
    void reportDamagedDraws(int damaged);
    // Shows the message of a failed result; true when there was one.
    template <typename R> bool reportFailure(const R& result)
    {
        if (result.ok())
            return false;
        m_prompts.message(result.error());
        return true;
    }

    // Notes the sheet as it stands once an action has ended: a step back for undoSheetChange().
    void noteSheetState();

    ProgramState m_state;
    SheetHistory m_sheetHistory;
    Prompts& m_prompts;
    Clock m_clock;
    bool m_evaluationEnabled = false;
    bool m_generationRunning = false;
    bool m_stopRequested = false;
    bool m_updateRunning = false;
    bool m_stopUpdate = false;
    std::function<bool(const QUrl&)> m_openUrl;
    ModuleHttpClient m_http;
    std::map<QString, int> m_damagedReported; // by draw file: the damaged records last told
    std::optional<charts::ChartKind> m_lastChart;
    std::function<bool(NumberPool&)> m_poolEditor;
    std::function<std::optional<DrawRecord>(const DrawRecord&)> m_drawEditor;
    bool m_analysisRunning = false;
    std::atomic<bool> m_cancelAnalysis = false; // read by the back-test's thread
    std::unique_ptr<BacktestRun> m_backtest;
    QString m_statusTexts[2];
    QPointer<const QWidget> m_hintSource; // the control whose hint panel 1 shows, if any
    void showAddOnsForDrawFile();
    DrawFileCache m_drawFile;      // the game's own, for its Superzahl
    DrawFileCache m_companionFile; // the other game's, for the Plus column
    bool m_addOnsShown = true;
};

} // namespace vendrilo::gui
