// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow.h"

#include "core/program/programfolder.h"
#include "core/program/programstate.h"
#include "core/program/settingsstore.h"
#include "core/texts/textlist.h"
#include "gui/chartpage.h"
#include "gui/controlnames.h"
#include "gui/chartwidgets.h"
#include "gui/dialogs.h"
#include "gui/guiprompts.h"
#include "core/texts/languagefiles.h"
#include "gui/languages.h"
#include "gui/statusbarhints.h"
#include "gui/qttranslations.h"
#include "gui/session.h"
#include "gui/sheetpage.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace vendrilo::gui {

namespace {
// The language menu lists the languages in this order of their numbers.
constexpr int kLanguageMenuOrder[] = {0, 1, 2, 3, 4, 5, 8, 7, 6};
// Below this the sheet's fields and the option pages' lines overlap (and the window keeps the
// room its pages need beyond it: event()).
constexpr int kMinimumWidth = 760;
constexpr int kMinimumHeight = 560;
} // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      m_prompts(setup.prompts ? std::move(setup.prompts) : std::make_unique<GuiPrompts>(this)),
      m_clock(setup.clock ? std::move(setup.clock) : Clock(systemToday)),
      m_openUrl(setup.openUrl ? std::move(setup.openUrl)
                              : [](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_programFolder(setup.programFolder), m_settingsFile(setup.settingsFile),
      m_arguments(setup.arguments), m_laterPagesAfterFirstPaint(setup.laterPagesAfterFirstPaint),
      m_runDialog(setup.runDialog ? std::move(setup.runDialog)
                                  : [](QDialog& dialog) { return dialog.exec(); })
{
    useTexts(germanTexts()); // a new window starts German, whatever another one chose before
    if (m_programFolder.isEmpty())
        m_programFolder = programFolderOfThisProgram(&m_programFolderNotice);
    setObjectName(controlName(Control::MainWindow));
    setWindowTitle(QStringLiteral("Quirlends Vendrilo  6/49 PL"));
    m_session = new Session(*m_prompts, m_clock, m_openUrl, this);
    // The window scales as a whole with the desktop's scale factor (Qt's high-DPI scaling), text,
    // boxes, arrows, menu and status bar alike; a larger window gives the layouts more room. It
    // does not shrink below the size at which every control stays legible.
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    resize(800, 600);
    m_controlsPending = setup.controlsAfterFrameShown && !isBatchImport();
    if (!m_controlsPending)
        buildControls();
}

void MainWindow::buildControls()
{
    m_controlsPending = false;
    buildStatusBar();
    buildMenu();
    buildPages();
    showHintsInStatusBar(this, [this](QWidget* control) { m_session->showHint(control); });
    if (!m_laterPagesAfterFirstPaint)
        buildLaterPages();
}

MainWindow::~MainWindow() = default;

const ProgramState& MainWindow::state() const
{
    return m_session->state();
}

void MainWindow::buildStatusBar()
{
    auto* status = new QStatusBar(this);
    status->setObjectName(controlName(Control::MainStatusBar));
    const int widths[2] = {150, 50};
    for (int panel = 0; panel < 2; ++panel) {
        auto* label = new QLabel(status);
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(panel));
        label->setMinimumWidth(widths[panel]);
        status->addWidget(label, panel);
        m_statusPanels[panel] = label;
    }
    // While an analysis runs: how far it has come, and the button that ends it.
    auto* progress = new QProgressBar(status);
    progress->setObjectName(QStringLiteral("AnalysisProgress"));
    progress->setRange(0, 1000);
    progress->setTextVisible(false);
    progress->setMaximumWidth(160);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), status);
    cancel->setObjectName(QStringLiteral("AnalysisCancel"));
    status->addPermanentWidget(progress);
    status->addPermanentWidget(cancel);
    progress->hide();
    cancel->hide();
    connect(cancel, &QPushButton::clicked, m_session, &Session::cancelAnalysis);
    connect(m_session, &Session::analysisProgress, progress,
            [progress](double done) { progress->setValue(static_cast<int>(done * 1000)); });
    connect(m_session, &Session::analysisRunningChanged, this, [this, progress, cancel](bool on) {
        progress->setValue(0);
        progress->setVisible(on);
        cancel->setVisible(on);
        centralWidget()->setEnabled(!on);
        menuBar()->setEnabled(!on);
    });
    setStatusBar(status);
    connect(m_session, &Session::statusTextChanged, this,
            [this](int panel, const QString& text) { m_statusPanels[panel]->setText(text); });
}

void MainWindow::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(controlName(Control::MainMenu));
    // The items are made in menu order, all owned by the bar, so that the language files meet
    // them in that order.
    auto topAction = [&](const char* name, const QString& text, const QKeySequence& key) {
        auto* a = new QAction(text, bar);
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            a->setShortcut(key);
        bar->addAction(a);
        return a;
    };
    QAction* update = topAction("Aktualisieren1", QStringLiteral("&Aktualisieren"),
                                QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(update, &QAction::triggered, m_session, &Session::fetchNewDraws);
    QAction* calculate =
        topAction("Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(calculate, &QAction::triggered, m_session, &Session::startOrStopGeneration);
    QAction* handOver =
        topAction("Abgeben1", QStringLiteral("Ab&geben"), QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(handOver, &QAction::triggered, m_session, &Session::sendSheetToPortal);
    buildSheetMenu(bar);

    QMenu* language = bar->addMenu(QStringLiteral("Sprache/Language/Langue"));
    language->setObjectName(QStringLiteral("SpracheLanguageLangue1"));
    for (const int index : kLanguageMenuOrder) {
        const Language& l = *languageByIndex(index);
        QAction* a = language->addAction(l.caption);
        a->setObjectName(l.menuItem);
        a->setCheckable(true);
        a->setChecked(index == 0);
        connect(a, &QAction::triggered, this, [this, index] { switchLanguage(index); });
        m_languageItems[index] = a;
    }

    QMenu* help = bar->addMenu(QStringLiteral("Hilfe"));
    help->setObjectName(QStringLiteral("Hilfe1"));
    QAction* manual = help->addAction(QStringLiteral("Dokumentation anzeigen"));
    manual->setObjectName(QStringLiteral("Dokumentationanzeigen1"));
    manual->setShortcut(QKeySequence::HelpContents);
    connect(manual, &QAction::triggered, this, &MainWindow::openManual);

    QAction* close = topAction("Schlieen1", QStringLiteral("S&chließen"), {});
    connect(close, &QAction::triggered, this, &QWidget::close);
}

QLineEdit* MainWindow::sheetField(int row, int position) const
{
    return m_sheetPage ? m_sheetPage->field(row, position) : nullptr;
}

StatisticsChart* MainWindow::statisticsChart()
{
    if (m_controlsPending)
        return nullptr;
    buildLaterPages();
    return m_chartPage->chart();
}

QString MainWindow::statusText(int panel) const
{
    const QLabel* shown = m_statusPanels[panel == 0 ? 0 : 1];
    return shown ? shown->text() : QString();
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::LayoutRequest)
        keepRoomForThePages();
    return handled;
}

// The smallest size is the floor above, or what the pages need once they need more: the sheet
// with its money line and its chances is taller, and the menu bar of some languages is wider
// (every menu stays on the bar, none behind its overflow arrow). A window smaller than that
// grows, rather than squeeze the texts.
void MainWindow::keepRoomForThePages()
{
    if (!layout())
        return;
    const QSize floor(std::max(kMinimumWidth, menuBar()->sizeHint().width()),
                      std::max(kMinimumHeight, layout()->totalMinimumSize().height()));
    if (minimumSize() != floor)
        setMinimumSize(floor);
}

MainWindow::StoredStart MainWindow::readStoredSettings(double today)
{
    WindowSize size{width(), height(), true};
    StoredStart stored;
    stored.restored =
        m_session->restoreSettings(*openSettings(m_settingsFile, &stored.notice), size, today);
    const QSize room = screen() ? screen()->availableSize() : QSize(size.width, size.height);
    resize(std::clamp(size.width, kMinimumWidth, std::max(kMinimumWidth, room.width())),
           std::clamp(size.height, kMinimumHeight, std::max(kMinimumHeight, room.height())));
    return stored;
}

void MainWindow::showStoredSettings(const StoredStart& stored)
{
    const RestoreOutcome& restored = stored.restored;
    const int language = state().language;
    // What the restore could not read stays in the store until the user sets it, also when the
    // window closes while a message below waits.
    m_unreadSettings = restored.unread;
    if (!stored.notice.isEmpty())
        m_prompts->message(stored.notice);
    // The print positions travel through a dialog of their own, made before its fields are read.
    if (!m_printPositions)
        m_printPositions = new PrintPositionsDialog(this);
    // The stored language; a number that names none leaves the German texts. Qt's own texts
    // (its standard buttons and dialogs) come when the window is on the screen.
    if (!restored.aborted && languageByIndex(language))
        m_qtLanguage = loadLanguageTexts(language);
    else if (restored.aborted)
        installQtTranslations(m_qtLanguage); // for the message below; finishStartUp reports
    m_session->enableEvaluation();
    m_session->showRestoredState();
    if (restored.aborted)
        m_prompts->message(restored.message);
}

// "vendrilo D FILE": another program hands over tips; they are imported, stored for the next
// start (the sheet and its ticket number, nothing else) and the window closes.
void MainWindow::runBatchImport()
{
    if (!isBatchImport())
        return;
    if (m_arguments.size() < 2) {
        m_prompts->message(text(Text::BatchFileNameMissing));
        m_batchFailed = true;
        return;
    }
    if (!m_session->importTipFile(m_arguments.at(1))) {
        m_batchFailed = true;
        return;
    }
    if (const Status stored = saveSheetSettings(*openSettings(m_settingsFile), state()); !stored) {
        m_prompts->message(stored.error());
        m_batchFailed = true;
        return;
    }
    m_settingsSaved = true;
    QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A run, an update or an analysis is asked to stop, and the window closes once it has:
    // only then are the options the user's own again (a run loosens some while it goes on),
    // and no file is left half done.
    if (m_session->busy()) {
        m_closeWhenIdle = true;
        m_session->requestGenerationStop();
        m_session->requestUpdateStop();
        m_session->cancelAnalysis();
        event->ignore();
        return;
    }
    // The settings and the sheet go to the store; a failure never keeps the window open. The
    // draw file is not touched.
    if (const Status saved = storeSettings(); !saved)
        m_prompts->message(saved.error());
    event->accept();
}

Status MainWindow::storeSettings()
{
    if (!m_startedUp || m_settingsSaved)
        return {};
    const WindowSize size{width(), height(), windowState() == Qt::WindowNoState};
    const Status saved =
        saveSettings(*openSettings(m_settingsFile), m_session->state(), size, m_unreadSettings);
    // Also where no one may see a message box: a session ending, a script, a display gone.
    if (!saved)
        std::fprintf(stderr, "vendrilo: %s\n", qPrintable(saved.error()));
    return saved;
}

void MainWindow::storeSettingsAtExit()
{
    // A run loosens some options while it goes on: they are not the user's to store then.
    if (isVisible() && !m_session->busy())
        storeSettings();
}

QString MainWindow::programFolder() const
{
    const QString folder = m_session->state().programFolder;
    if (!folder.isEmpty())
        return folder;
    return m_programFolder.endsWith(QLatin1Char('/')) ? m_programFolder : m_programFolder + '/';
}

} // namespace vendrilo::gui
