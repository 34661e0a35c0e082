// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/draws/drawrecord.h"
#include "core/io/prompts.h"

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDialog;
class QLabel;
class QLineEdit;
class QSoundEffect;
class QTabWidget;

namespace vendrilo {
class NumberPool;
struct ProgramState;
} // namespace vendrilo

namespace vendrilo::gui {

class ChartPage;
class ChartView;
class PrintPositionsDialog;
class WeightingListDialog;
class Session;
class SheetPage;

// What the main window takes from its surroundings. Left empty, each is the real thing: dialogs
// for prompts, the executable's folder, the system date, the desktop's browser. Tests replace
// them.
struct MainWindowSetup {
    std::unique_ptr<Prompts> prompts;
    QString programFolder;
    Clock clock;
    std::function<void(const QUrl&)> openUrl;
    // The settings store: an INI file at this path; empty: the user's own store.
    QString settingsFile;
    // The command line after the program's name ("D" FILE imports tips and closes).
    QStringList arguments;
    // Shows a dialog modally and returns how it ended; tests answer in place of the user.
    std::function<int(QDialog&)> runDialog;
};

// The main window: the menu, the status bar and one page per tab. The program state and the
// actions on it live in the Session; the pages show it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowSetup setup = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return *m_session; }
    ProgramState& state();
    Prompts& prompts() { return *m_prompts; }

    // The start-up sequence, all of it at once; runs once. Shown, the window runs what its first
    // paint needs and the rest (the chart, the online update) once it is on the screen. Public
    // so that tests and the batch mode can run it on a window that is never shown.
    void startUp();
    // True until the rest of the start-up has run.
    bool startUpPending() const { return m_startUpRest; }
    bool startedUp() const { return m_startedUp; }
    // The batch import could not read its file: the window stays open.
    bool batchImportFailed() const { return m_batchFailed; }

    // The weighting list: the run's pool and the single-tip form.
    WeightingListDialog* weightingList();
    // The single-tip form on row `row` (1..12).
    void editRowInForm(int row);

    // The dialog whose fields carry the play slip's print positions through the settings.
    void setPrintPositionsDialog(PrintPositionsDialog* dialog) { m_printPositions = dialog; }

    QLineEdit* sheetField(int row, int position) const;
    ChartView* chartView() const; // made when first asked for
    QString statusText(int panel) const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildStatusBar();
    void buildPages();
    bool restoreStoredSettings(double today);
    bool startUpForFirstPaint();
    void finishStartUpWhenVisible();
    void finishStartUp();
    bool isBatchImport() const;
    void runBatchImport();
    // Closing waits for a run or an analysis on the window's thread to end (see closeEvent).
    void closeWhenIdle();
    void scaleContentToHeight();
    void playHitSound();
    void openProductPage();
    bool editPoolInList(NumberPool& pool);
    std::optional<DrawRecord> editDraw(const DrawRecord& from);
    void openManual();
    // The language menu: texts from the language files of language `index`, check marks, and
    // the number kept for the settings.
    void switchLanguage(int index);
    // The language's texts without Qt's own; returns the language Qt's texts should follow.
    QString loadLanguageTexts(int index);
    // The folder of the program's files, ending in "/".
    QString programFolder() const;

    std::unique_ptr<Prompts> m_prompts;
    Clock m_clock;
    std::function<void(const QUrl&)> m_openUrl;
    QString m_programFolder;
    QString m_settingsFile;
    QStringList m_arguments;
    bool m_batchFailed = false;
    Session* m_session = nullptr;
    bool m_startedUp = false;
    bool m_startUpRest = false;                  // the part after the first paint has yet to run
    bool m_soundWanted = false;                  // a hit before that part: the sound waits for it
    bool m_closeWanted = false;                  // closing waits for the running work to stop
    QString m_qtLanguage = QStringLiteral("de"); // Qt's texts, installed after the first paint
    int m_scaledForHeight = 0;                   // height the content was last scaled for
    double m_fontScale = 1.0;                    // content font size relative to the design size
    qreal m_baseFontPointSize = 0;

    QTabWidget* m_tabs = nullptr;
    SheetPage* m_sheetPage = nullptr;
    ChartPage* m_chartPage = nullptr;
    QLabel* m_statusPanels[2] = {};
    QAction* m_languageItems[9] = {};
    QSoundEffect* m_sound = nullptr;
    PrintPositionsDialog* m_printPositions = nullptr;
    WeightingListDialog* m_weightingList = nullptr;
    std::function<int(QDialog&)> m_runDialog;
};

} // namespace vendrilo::gui
