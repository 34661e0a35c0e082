// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow.h"

#include "core/draws/drawfile.h"
#include "core/program/programfolder.h"
#include "core/program/programstate.h"
#include "core/program/settingsstore.h"
#include "gui/chartpage.h"
#include "gui/chartview.h"
#include "gui/databasepage.h"
#include "gui/dialogs.h"
#include "gui/guiprompts.h"
#include "core/texts/languagefiles.h"
#include "gui/internetpage.h"
#include "gui/languages.h"
#include "gui/statusbarhints.h"
#include "gui/optionspage.h"
#include "gui/qttranslations.h"
#include "gui/session.h"
#include "gui/sheetpage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace vendrilo::gui {

namespace {
const QUrl kProductPage(QStringLiteral("https://www.quirlend.de/vendrilo/"));
// The language menu lists the languages in this order of their numbers.
constexpr int kLanguageMenuOrder[] = {0, 1, 2, 3, 4, 5, 8, 7, 6};
} // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget* parent)
    : QMainWindow(parent),
      m_prompts(setup.prompts ? std::move(setup.prompts) : std::make_unique<GuiPrompts>(this)),
      m_clock(setup.clock ? std::move(setup.clock) : Clock(systemToday)),
      m_openUrl(setup.openUrl ? std::move(setup.openUrl)
                              : [](const QUrl& url) { QDesktopServices::openUrl(url); }),
      m_programFolder(setup.programFolder.isEmpty() ? programFolderOfThisProgram()
                                                    : setup.programFolder),
      m_settingsFile(setup.settingsFile), m_arguments(setup.arguments),
      m_runDialog(setup.runDialog ? std::move(setup.runDialog)
                                  : [](QDialog& dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quirlends Vendrilo  6/49 PL"));
    m_session = new Session(*m_prompts, m_clock, m_openUrl, this);
    buildStatusBar();
    buildMenu();
    buildPages();
    showHintsInStatusBar(this, [this](const QString& hint) { m_session->setStatusText(1, hint); });
    resize(800, 600);
}

MainWindow::~MainWindow() = default;

ProgramState& MainWindow::state()
{
    return m_session->state();
}

void MainWindow::buildStatusBar()
{
    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
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
    bar->setObjectName(QStringLiteral("MainMenu1"));
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
    connect(update, &QAction::triggered, m_session, &Session::updateDraws);
    QAction* calculate =
        topAction("Berechnen1", QStringLiteral("&Berechnen"), QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(calculate, &QAction::triggered, m_session, &Session::startOrStopGeneration);
    topAction("Abgeben1", QStringLiteral("Ab&geben"), QKeySequence(Qt::CTRL | Qt::Key_G));

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
    connect(manual, &QAction::triggered, this, &MainWindow::openManual);

    QAction* close = topAction("Schlieen1", QStringLiteral("S&chließen"), {});
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildPages()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(m_tabs);
    // The content follows the window's height, so the window must be free to shrink below
    // what the enlarged content would ask for.
    m_tabs->setMinimumSize(200, 150);
    m_baseFontPointSize = m_tabs->font().pointSizeF();

    m_sheetPage = new SheetPage(*m_session, m_tabs);
    m_chartPage = new ChartPage(*m_session, m_tabs);
    const struct {
        QWidget* page;
        const char* name;
        const char* caption;
    } pages[] = {
        {m_sheetPage, "TabSheet1", "Lottotipp"},
        {new OptionsPage(*m_session, m_tabs), "TabSheet6", "Berechnung"},
        {m_chartPage, "TabSheet5", "Diagramm"},
        {new DatabasePage(*m_session, m_tabs), "TabSheet4", "Datenbank"},
        {new InternetPage(*m_session, m_tabs), "TabSheet3", "Internet-Optionen"},
    };
    for (const auto& p : pages) {
        p.page->setObjectName(QString::fromLatin1(p.name));
        m_tabs->addTab(p.page, QString::fromUtf8(p.caption));
    }
    m_tabs->setCurrentIndex(0);

    // A run shows its rows as they come: the sheet comes to the front the moment it starts.
    connect(m_session, &Session::generationRunningChanged, this, [this](bool running) {
        if (running)
            m_tabs->setCurrentWidget(m_sheetPage);
    });
    connect(m_session, &Session::sheetTabWanted, this,
            [this] { m_tabs->setCurrentWidget(m_sheetPage); });
    connect(m_session, &Session::diagramWanted, this,
            [this] { m_tabs->setCurrentWidget(m_chartPage); });
    connect(m_session, &Session::hitSoundWanted, this, &MainWindow::playHitSound);
    connect(m_sheetPage, &SheetPage::productPageWanted, this, &MainWindow::openProductPage);
    connect(m_sheetPage, &SheetPage::singleTipWanted, this, &MainWindow::editRowInForm);
    m_session->setPoolEditor([this](NumberPool& pool) { return editPoolInList(pool); });
    m_session->setDrawEditor([this](const DrawRecord& from) { return editDraw(from); });
    m_chartPage->setChartPrompts(m_prompts.get());
}

QLineEdit* MainWindow::sheetField(int row, int position) const
{
    return m_sheetPage->field(row, position);
}

ChartView* MainWindow::chartView() const
{
    return m_chartPage->chartView();
}

QString MainWindow::statusText(int panel) const
{
    return m_statusPanels[panel == 0 ? 0 : 1]->text();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_startedUp)
        return;
    // A batch import decides at once whether the window stays: it runs the whole start-up.
    if (isBatchImport())
        startUp();
    else if (startUpForFirstPaint())
        finishStartUpWhenVisible();
}

void MainWindow::startUp()
{
    if (!m_startedUp && startUpForFirstPaint())
        finishStartUp();
}

// What the window shows on its first paint: the stored settings in the stored language and
// the draw for today. The rest waits until the window is on the screen (finishStartUp).
bool MainWindow::startUpForFirstPaint()
{
    m_startedUp = true;
    ProgramState& s = m_session->state();
    const double today = m_clock();

    // Numbers and dates look the same whatever the user's locale: "dd.mm.yyyy", "hh:nn",
    // decimal comma, thousands dot.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_scaledForHeight = height();
    s.programFolder =
        m_programFolder.endsWith(QLatin1Char('/')) ? m_programFolder : m_programFolder + '/';

    if (!restoreStoredSettings(today))
        return false; // a value outside every group could not be read: the rest is skipped

    // Legacy conversion, or the shipped history on a very first start.
    const auto prepared = drawfile::prepare(s.programFolder);
    if (!prepared)
        m_prompts->message(prepared.error());
    m_session->warnAboutDamagedDraws();

    s.random.randomize();
    m_session->setChosenDate(today);
    m_session->showDrawForChosenDate();
    m_startUpRest = true;
    return true;
}

bool MainWindow::restoreStoredSettings(double today)
{
    ProgramState& s = m_session->state();
    WindowSize size{width(), height(), true};
    QString notice;
    const RestoreOutcome restored = restoreSettings(*openSettings(m_settingsFile, &notice), s, size);
    if (!notice.isEmpty())
        m_prompts->message(notice);
    const QSize room = screen() ? screen()->availableSize() : QSize(size.width, size.height);
    resize(std::clamp(size.width, 300, std::max(300, room.width())),
           std::clamp(size.height, 200, std::max(200, room.height())));
    // The print positions travel through a dialog of their own, made before its fields are read.
    if (!m_printPositions)
        m_printPositions = new PrintPositionsDialog(this);
    if (restored.aborted) {
        installQtTranslations(QLocale(QLocale::German));
        m_session->showRestoredState();
        m_prompts->message(restored.message);
        return false;
    }
    // The stored language; a number that names none leaves the German texts. Qt's own texts
    // (its standard buttons and dialogs) come when the window is on the screen.
    m_qtLanguage =
        languageByIndex(s.language) ? loadLanguageTexts(s.language) : QStringLiteral("de");
    settleRestoredSettings(s, today);
    m_session->enableEvaluation();
    m_session->showRestoredState();
    return true;
}

// "vendrilo D FILE": another program hands over tips; they are imported and the window closes,
// which stores them for the next start.
void MainWindow::runBatchImport()
{
    if (!isBatchImport())
        return;
    if (m_arguments.size() < 2) {
        m_prompts->message(QStringLiteral("Nach \"D\" fehlt der Name der Datei mit den Tipps; das "
                                          "Programm startet ohne Import."));
        return;
    }
    if (m_session->importTipFile(m_arguments.at(1)))
        QTimer::singleShot(0, this, &QWidget::close);
    else
        m_batchFailed = true;
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scaleContentToHeight();
}

void MainWindow::scaleContentToHeight()
{
    // Only a change of height rescales the content; the layouts stretch the controls and the
    // font follows the height.
    if (m_scaledForHeight <= 0 || height() == m_scaledForHeight)
        return;
    m_fontScale *= static_cast<double>(height()) / m_scaledForHeight;
    m_scaledForHeight = height();
    if (m_baseFontPointSize > 0) {
        QFont f = m_tabs->font();
        f.setPointSizeF(m_baseFontPointSize * m_fontScale);
        m_tabs->setFont(f);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A run or an analysis holds a state half made (its rows, its loosened options): it stops at
    // its next pass, and the window closes then.
    if (m_session->generationRunning() || m_session->analysisRunning()) {
        closeWhenIdle();
        event->ignore();
        return;
    }
    // An update stores each day whole; it stops after the day it is at.
    m_session->requestUpdateStop();
    // The settings and the sheet go to the store; a failure never keeps the window open. The
    // draw file is not touched.
    const WindowSize size{width(), height(), windowState() == Qt::WindowNoState};
    if (m_startedUp)
        (void)saveSettings(*openSettings(m_settingsFile), m_session->state(), size);
    event->accept();
}

QString MainWindow::programFolder() const
{
    const QString folder = m_session->state().programFolder;
    if (!folder.isEmpty())
        return folder;
    return m_programFolder.endsWith(QLatin1Char('/')) ? m_programFolder : m_programFolder + '/';
}

void MainWindow::switchLanguage(int index)
{
    if (!languageByIndex(index))
        return;
    installQtTranslations(QLocale(loadLanguageTexts(index)));
    m_session->showTextsAgain();
}

QString MainWindow::loadLanguageTexts(int index)
{
    const Language* language = languageByIndex(index);
    ProgramState& s = m_session->state();
    const LanguageFiles files{programFolder() + QStringLiteral("land"), language->code};
    const bool loaded = loadLanguage(this, files, s.messages);
    s.language = index;
    for (const Language& l : languages())
        m_languageItems[l.index]->setChecked(l.index == index);
    // Qt's own buttons and dialogs follow the texts: German unless a translation came.
    const bool translated = loaded && QFileInfo::exists(files.baseFile() + '.' + language->code);
    return translated ? language->qtCode : QStringLiteral("de");
}

void MainWindow::openManual()
{
    m_openUrl(QUrl::fromLocalFile(programFolder() + QStringLiteral("Vendrilo.pdf")));
}

void MainWindow::openProductPage()
{
    m_openUrl(kProductPage);
}

} // namespace vendrilo::gui
