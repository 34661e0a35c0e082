// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/draws/drawrecord.h"
#include "core/io/prompts.h"
#include "core/program/settingsstore.h"

#include <QLocale>
#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTabWidget;

namespace vendrilo {
class NumberPool;
struct ProgramState;
} // namespace vendrilo

namespace vendrilo::gui {

class ChartPage;
class StatisticsChart;
class LedgerKeeper;
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
    std::function<bool(const QUrl&)> openUrl;
    // The settings store: an INI file at this path; empty: the user's own store.
    QString settingsFile;
    // The command line after the program's name ("D" FILE imports tips and closes).
    QStringList arguments;
    // Shows a dialog modally and returns how it ended; tests answer in place of the user.
    std::function<int(QDialog&)> runDialog;
    // The tabs after the sheet are made right after the first paint, behind placeholders with
    // their captions, so that the window shows sooner (the program's own start). Otherwise
    // they are made with the window.
    bool laterPagesAfterFirstPaint = false;
    // The window's frame goes on the screen first, and its controls are made, given the stored
    // settings and laid out while the system maps it, before its first paint (the program's own
    // start). Until it is shown such a window has no controls. A batch import makes them at once.
    bool controlsAfterFrameShown = false;
};

// The main window: the menu, the status bar and one page per tab. The program state and the
// actions on it live in the Session; the pages show it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowSetup setup = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return *m_session; }
    const ProgramState& state() const;
    Prompts& prompts() { return *m_prompts; }

    // The start-up sequence, all of it at once; runs once. Shown, the window runs what its first
    // paint needs and the rest (the chart, the online update) once it is on the screen. Public
    // so that tests and the batch mode can run it on a window that is never shown.
    void startUp();
    // True until the rest of the start-up has run.
    bool startUpPending() const { return m_startUpRest; }
    // The batch import could not read its file: the window stays open.
    bool batchImportFailed() const { return m_batchFailed; }

    // The weighting list: the run's pool and the single-tip form.
    WeightingListDialog* weightingList();
    // The single-tip form on row `row` (1..12).
    void editRowInForm(int row);

    // The dialog whose fields carry the play slip's print positions through the settings.
    void setPrintPositionsDialog(PrintPositionsDialog* dialog) { m_printPositions = dialog; }

    QLineEdit* sheetField(int row, int position) const;
    // Made when first asked for, with the pages after the sheet; null without the charts' module.
    StatisticsChart* statisticsChart();
    QString statusText(int panel) const;

    // When the program is ended without its window closing (the display went away, and Qt
    // exits at once): the settings and the sheet into the store as closing stores them, unless
    // a run, an update or an analysis is going on. Nothing once the window has closed.
    void storeSettingsAtExit();

    // Shown the first time, the window first takes what its first paint shows (the stored
    // settings, texts and size, the draw for today), so that it is laid out once, for those.
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildSheetMenu(QMenuBar* bar);
    void connectSheetMenu();
    void buildStatusBar();
    void buildPages();
    // The tabs after the sheet in place of their placeholders, showing the state, the texts
    // and the hints as the pages made with the window do; runs once.
    void buildLaterPages();
    struct LaterPage {
        QString name;        // the page's objectName
        const char* caption; // its tab's caption
        std::function<QWidget*(MainWindow&)> make;
    };
    static const std::vector<LaterPage>& laterPages();
    // The menu, the status bar and the pages, with their hints.
    void buildControls();
    // Shown for the first time with its controls yet to be made (controlsAfterFrameShown).
    void showFrameThenControls();
    // What the start-up read from the settings store, until the controls show it.
    struct StoredStart {
        RestoreOutcome restored;
        QString notice; // what was done to make the store safe to read
    };
    // The first steps of every start-up; returns today.
    double beginStartUp();
    // The stored settings into the state, and the window at its stored size.
    StoredStart readStoredSettings(double today);
    // The stored settings, language and texts on the controls.
    void showStoredSettings(const StoredStart& stored);
    // The draw files and today's draw.
    void showTodaysDraw(double today);
    void keepRoomForThePages();
    // The settings and the sheet into the store (once started up, not after a batch import);
    // a failure is also written to stderr.
    Status storeSettings();
    // windowSized: called once the window has its stored size, while the start-up goes on.
    void startUpForFirstPaint(const std::function<void()>& windowSized = {});
    void finishStartUpWhenVisible();
    void finishStartUp();
    bool isBatchImport() const;
    void runBatchImport();
    void playHitSound();
    void openProductPage();
    bool editPoolInList(NumberPool& pool);
    std::optional<DrawRecord> editDraw(const DrawRecord& from);
    void openManual();
    // The language menu: texts from the language files of language `index`, check marks, and
    // the number kept for the settings.
    void switchLanguage(int index);
    // The language's texts without Qt's own; returns the language Qt's texts should follow.
    QLocale loadLanguageTexts(int index);
    // The texts the window writes itself (dialog titles, names of weekdays and months) in the
    // language of the texts.
    void showFixedTexts();
    // The folder of the program's files, ending in "/".
    QString programFolder() const;

    std::unique_ptr<Prompts> m_prompts;
    Clock m_clock;
    std::function<bool(const QUrl&)> m_openUrl;
    QString m_programFolder;
    QString m_programFolderNotice; // the folder had to change: a word for the user at start-up
    QString m_settingsFile;
    QStringList m_arguments;
    bool m_batchFailed = false;
    bool m_settingsSaved =
        false; // the batch import has stored what it should: closing saves nothing
    UnreadSettings m_unreadSettings;
    bool m_closeWhenIdle = false; // closed during long work: closes when the work has stopped
    Session* m_session = nullptr;
    bool m_startedUp = false;              // what the first paint needs has been done
    bool m_restScheduled = false;          // the rest has been started or set for the exposure
    bool m_startUpRest = false;            // the part after the first paint has yet to run
    bool m_soundWanted = false;            // a hit before that part: the sound waits for it
    QLocale m_qtLanguage{QLocale::German}; // Qt's texts, installed after the first paint

    QTabWidget* m_tabs = nullptr;
    SheetPage* m_sheetPage = nullptr;
    ChartPage* m_chartPage = nullptr;
    LedgerKeeper* m_ledgerKeeper = nullptr;
    bool m_laterPagesAfterFirstPaint = false;
    bool m_controlsPending = false; // made when the window is first shown
    bool m_laterPagesPending = false;
    std::optional<int> m_loadedLanguage; // the language whose files the texts came from
    QLabel* m_statusPanels[2] = {};
    QAction* m_languageItems[9] = {};
    QList<QAction*> m_sheetActions; // the sheet menu's items, in menu order
    QObject* m_sound = nullptr;     // the hit sound's player, from the sound module
    PrintPositionsDialog* m_printPositions = nullptr;
    WeightingListDialog* m_weightingList = nullptr;
    std::function<int(QDialog&)> m_runDialog;
};

} // namespace vendrilo::gui
