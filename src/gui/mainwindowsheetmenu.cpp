// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's "Schein" menu (undo, load, save, print and stepping through the draws),
// the manual and the product page.
#include "gui/mainwindow.h"

#include "gui/session.h"
#include "gui/sheetpage.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace vendrilo::gui {

namespace {
const QUrl kProductPage(QStringLiteral("https://www.quirlend.de/vendrilo/"));
} // namespace

// The sheet's menu: the keys a user tries first, each shown beside its item. The items are made
// here, in menu order; what they do is connected once the pages exist.
void MainWindow::buildSheetMenu(QMenuBar* bar)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Schein"));
    menu->setObjectName(QStringLiteral("Schein1"));
    const struct {
        const char* name;
        const char* text;
        QList<QKeySequence> keys;
    } items[] = {
        {"Rueckgaengig1", "&Rückgängig", {QKeySequence::Undo}},
        {"TippsLaden1", "Tipps &laden …", {QKeySequence::Open}},
        {"TippsSpeichern1", "Tipps &speichern …", {QKeySequence::Save}},
        {"TippDrucken1", "Tipp &drucken", {QKeySequence::Print}},
        {"VorherigeZiehung1", "&Vorherige Ziehung",
         {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_PageUp)}},
        {"NaechsteZiehung1", "&Nächste Ziehung",
         {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_PageDown)}},
    };
    for (const auto& item : items) {
        QAction* a = menu->addAction(QString::fromUtf8(item.text));
        a->setObjectName(QString::fromLatin1(item.name));
        a->setShortcuts(item.keys);
        m_sheetActions << a;
    }
}

void MainWindow::connectSheetMenu()
{
    const std::function<void()> actions[] = {
        [this] { m_session->undoSheetChange(); },
        [this] { m_sheetPage->chooseFileToLoad(); },
        [this] { m_sheetPage->chooseFileToSave(); },
        [this] { m_session->printTips(); },
        [this] { m_session->goToPreviousDraw(); },
        [this] { m_session->goToNextDraw(); },
    };
    for (int i = 0; i < m_sheetActions.size(); ++i)
        connect(m_sheetActions[i], &QAction::triggered, this, actions[i]);
    // What a run or an analysis must not be disturbed by waits until it ends.
    auto idleOnly = [this] {
        const bool idle = !m_session->busy();
        for (QAction* a : std::as_const(m_sheetActions))
            a->setEnabled(idle);
    };
    for (auto changed : {&Session::generationRunningChanged, &Session::updateRunningChanged,
                         &Session::analysisRunningChanged})
        connect(m_session, changed, this, idleOnly);
}

void MainWindow::openManual()
{
    m_session->openWrittenFile(programFolder() + QStringLiteral("Vendrilo.pdf"));
}

void MainWindow::openProductPage()
{
    m_session->openAddress(kProductPage);
}

} // namespace vendrilo::gui
