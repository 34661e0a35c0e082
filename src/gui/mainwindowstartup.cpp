// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the main window's start-up that waits until the window is on the screen, and the
// hit sound, which waits for it too.
#include "core/draws/drawfile.h"
#include "core/program/programstate.h"
#include "gui/mainwindow.h"
#include "gui/qttranslations.h"
#include "gui/session.h"
#include "gui/soundmodule.h"

#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <QWindow>

namespace vendrilo::gui {

namespace {
const QString kHitSound = QStringLiteral("yippee.wav");
// Should the window never be exposed (started minimised), the rest starts anyway.
constexpr int kLatestRestMs = 1000;
constexpr int kBusyRetryMs = 100;
} // namespace

bool MainWindow::isBatchImport() const
{
    return !m_arguments.isEmpty() && m_arguments.first() == QLatin1String("D");
}

// The window is visible when the system first exposes it; the rest runs right after that paint.
void MainWindow::finishStartUpWhenVisible()
{
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    QTimer::singleShot(kLatestRestMs, this, &MainWindow::finishStartUp);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &MainWindow::finishStartUp);
    }
    return QMainWindow::eventFilter(watched, event);
}

// Qt's own texts, the chart, and the online update, which runs while the window works: the
// newest draw and the chart follow it. A batch import asks no server.
void MainWindow::finishStartUp()
{
    if (!m_startUpRest)
        return;
    // A run started in the moment before (a key pressed at once) has the state: the rest,
    // and the pages it makes, wait for its end.
    if (m_session->busy()) {
        QTimer::singleShot(kBusyRetryMs, this, &MainWindow::finishStartUp);
        return;
    }
    m_startUpRest = false;
    buildLaterPages();
    reportMissingQtTranslations(m_qtLanguage);
    m_session->showMoneyFigures();
    m_session->drawChart(charts::ChartKind::Numbers);
    if (m_soundWanted)
        playHitSound();
    if (isBatchImport()) {
        runBatchImport();
        return;
    }
    const bool server = !state().internet.server.isEmpty();
    m_session->fetchNewDrawsAtStartUp();
    Q_EMIT m_session->drawsChanged(); // tickets whose draws came while the window was closed
    if (server) {
        m_session->goToChosenDate();
        m_session->drawChart(charts::ChartKind::Numbers);
    }
}

void MainWindow::playHitSound()
{
    // The sound device is opened once the window is on the screen, not before its first paint.
    m_soundWanted = m_startUpRest;
    if (m_soundWanted)
        return;
    // Played asynchronously; a missing file or no sound device simply plays nothing.
    const QString path = drawfile::pathIn(state().programFolder, kHitSound);
    if (!QFileInfo::exists(path))
        return;
    if (!m_sound)
        m_sound = makeSoundPlayer(this);
    if (!m_sound)
        return;
    const QUrl source = QUrl::fromLocalFile(path);
    if (m_sound->property("source").toUrl() != source)
        m_sound->setProperty("source", source);
    QMetaObject::invokeMethod(m_sound, "stop");
    QMetaObject::invokeMethod(m_sound, "play");
}

} // namespace vendrilo::gui
