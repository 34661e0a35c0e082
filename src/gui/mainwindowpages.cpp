// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tabs: the sheet with the window, the others with it or right after the
// first paint.
#include "gui/chartpage.h"
#include "gui/controlnames.h"
#include "gui/databasepage.h"
#include "gui/dialogs.h"
#include "gui/gameswitch.h"
#include "gui/internetpage.h"
#include "gui/ledgerpage.h"
#include "gui/mainwindow.h"
#include "gui/optionspage.h"
#include "gui/session.h"
#include "gui/sheetpage.h"
#include "gui/statusbarhints.h"
#include "gui/wheelspage.h"

#include <QLayout>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

namespace vendrilo::gui {

void MainWindow::buildPages()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(controlName(Control::MainTabs));
    setCentralWidget(m_tabs);

    m_sheetPage = new SheetPage(*m_session, m_tabs);
    m_sheetPage->setObjectName(controlName(Control::SheetTab));
    // Made the tab's current page, the sheet would be laid out at once, for texts and sizes
    // that the start-up then changes: it is laid out when the window is shown.
    m_sheetPage->layout()->setEnabled(false);
    m_tabs->addTab(m_sheetPage, QStringLiteral("Lottotipp"));
    m_ledgerKeeper = installLedgerKeeper(*m_session, m_sheetPage);
    for (const LaterPage& later : laterPages()) {
        auto* placeholder = new QWidget(m_tabs);
        placeholder->setObjectName(later.name);
        m_tabs->addTab(placeholder, QString::fromUtf8(later.caption));
    }
    m_laterPagesPending = true;
    m_tabs->setCurrentIndex(0);
    m_sheetPage->layout()->setEnabled(true);
    menuBar()->setCornerWidget(buildGameSwitch(*m_session, menuBar()), Qt::TopRightCorner);
    hideAddOnsWithoutSuperzahl(this, *m_session);

    // A run shows its rows as they come: the sheet comes to the front the moment it starts.
    connect(m_session, &Session::generationRunningChanged, this, [this](bool running) {
        if (running)
            m_tabs->setCurrentWidget(m_sheetPage);
    });
    connect(m_session, &Session::sheetTabWanted, this,
            [this] { m_tabs->setCurrentWidget(m_sheetPage); });
    connect(m_session, &Session::diagramWanted, this, [this] {
        buildLaterPages();
        m_tabs->setCurrentWidget(m_chartPage);
    });
    connect(m_session, &Session::hitSoundWanted, this, &MainWindow::playHitSound);
    for (auto ended : {&Session::generationRunningChanged, &Session::updateRunningChanged,
                       &Session::analysisRunningChanged})
        connect(m_session, ended, this, [this](bool running) {
            if (!running && m_closeWhenIdle)
                QTimer::singleShot(0, this, [this] {
                    if (!m_session->busy())
                        close();
                });
        });
    connect(m_sheetPage, &SheetPage::productPageWanted, this, &MainWindow::openProductPage);
    connect(m_sheetPage, &SheetPage::singleTipWanted, this, &MainWindow::editRowInForm);
    connectSheetMenu();
    m_session->setPoolEditor([this](NumberPool& pool) { return editPoolInList(pool); });
    m_session->setDrawEditor([this](const DrawRecord& from) { return editDraw(from); });
}

const std::vector<MainWindow::LaterPage>& MainWindow::laterPages()
{
    static const std::vector<LaterPage> pages = {
        {controlName(Control::OptionsTab), "Berechnung",
         [](MainWindow& w) -> QWidget* { return new OptionsPage(*w.m_session, w.m_tabs); }},
        {controlName(Control::ChartTab), "Diagramm",
         [](MainWindow& w) -> QWidget* {
             w.m_chartPage = new ChartPage(*w.m_session, w.m_tabs);
             w.m_chartPage->setChartPrompts(w.m_prompts.get());
             return w.m_chartPage;
         }},
        {controlName(Control::DatabaseTab), "Datenbank",
         [](MainWindow& w) -> QWidget* { return new DatabasePage(*w.m_session, w.m_tabs); }},
        {controlName(Control::InternetTab), "Internet-Optionen",
         [](MainWindow& w) -> QWidget* { return new InternetPage(*w.m_session, w.m_tabs); }},
        {QStringLiteral("TabSheetWheels"), "Systeme",
         [](MainWindow& w) -> QWidget* {
             return new WheelsPage(*w.m_session, w.m_openUrl, w.m_tabs);
         }},
        {QStringLiteral("TabSheetKonto"), "Konto",
         [](MainWindow& w) -> QWidget* {
             return makeLedgerPage(*w.m_session, *w.m_ledgerKeeper, w.m_tabs);
         }},
    };
    return pages;
}

void MainWindow::buildLaterPages()
{
    if (!m_laterPagesPending)
        return;
    m_laterPagesPending = false;
    const int current = m_tabs->currentIndex();
    QList<QWidget*> made;
    for (const LaterPage& later : laterPages()) {
        auto* placeholder = m_tabs->findChild<QWidget*>(later.name);
        const int index = m_tabs->indexOf(placeholder);
        QWidget* page = later.make(*this);
        page->setObjectName(later.name);
        // The caption and hint the placeholder took from the language files go over.
        const QString caption = m_tabs->tabText(index);
        const QString hint = m_tabs->tabToolTip(index);
        m_tabs->removeTab(index);
        delete placeholder;
        m_tabs->insertTab(index, page, caption);
        m_tabs->setTabToolTip(index, hint);
        made << page;
    }
    m_tabs->setCurrentIndex(current);
    // The dialogs the language files name besides the window (made with the window by
    // createWindows otherwise).
    if (m_laterPagesAfterFirstPaint) {
        if (!findChild<DrawEntryDialog*>(QString(), Qt::FindDirectChildrenOnly))
            new DrawEntryDialog(this);
        weightingList();
    }
    showHintsInStatusBar(this, [this](QWidget* control) { m_session->showHint(control); }, made);
    hideAddOnsOfLaterPages(this, *m_session);
    if (!m_startedUp)
        return; // the start-up shows the texts and the state
    if (m_loadedLanguage)
        loadLanguageTexts(*m_loadedLanguage);
    m_session->showRestoredState();
}

} // namespace vendrilo::gui
