// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up: what its first paint shows, made when it is first shown; the rest,
// which waits until the window is on the screen; and the hit sound, which waits for it too.
#include "core/draws/drawfile.h"
#include "core/money/payoutfile.h"
#include "core/program/programstate.h"
#include "gui/drawingsurface.h"
#include "gui/mainwindow.h"
#include "gui/qttranslations.h"
#include "gui/session.h"
#include "gui/soundmodule.h"

#include <QEvent>
#include <QFileInfo>
#include <QLayout>
#include <QLocale>
#include <QTimer>
#include <QWindow>

namespace vendrilo::gui {

namespace {
const QString kHitSound = QStringLiteral("yippee.wav");
// Should the window never be exposed (started minimised), the rest starts anyway.
constexpr int kLatestRestMs = 1000;
constexpr int kBusyRetryMs = 100;
} // namespace

void MainWindow::setVisible(bool visible)
{
    if (visible && !m_startedUp && m_controlsPending) {
        showFrameThenControls();
        return;
    }
    if (visible && !m_startedUp) {
        DrawingSurfacePreparation surface;
        const bool prepare = DrawingSurfacePreparation::worthwhileHere();
        startUpForFirstPaint([&] {
            if (prepare)
                surface.begin(*this);
        });
        surface.wait();
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_restScheduled)
        return;
    m_restScheduled = true;
    // A batch import decides at once whether the window stays: it runs the whole start-up.
    if (isBatchImport())
        finishStartUp();
    else
        finishStartUpWhenVisible();
}

// The system maps the frame and draws its border on the other core while the controls are
// made. They are made on a window already shown: they show at the end, laid out once, and the
// first paint, which waits for the event loop, draws them with the stored settings.
void MainWindow::showFrameThenControls()
{
    const double today = beginStartUp();
    const StoredStart stored = readStoredSettings(today);
    // The rest waits for the part below, which a message may keep waiting for long: it is set
    // at the end rather than when the frame shows.
    m_restScheduled = true;
    QMainWindow::setVisible(true);
    DrawingSurfacePreparation surface;
    if (DrawingSurfacePreparation::worthwhileHere())
        surface.begin(*this);
    buildControls();
    surface.wait(); // a message below paints the window
    showStoredSettings(stored);
    showTodaysDraw(today);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide))
            child->show();
    }
    keepRoomForThePages(); // once the controls count: the restored sheet may need more room
    layout()->activate();
    // A message above let the window's events run: it may be on the screen already.
    if (windowHandle() && windowHandle()->isExposed())
        QTimer::singleShot(0, this, &MainWindow::finishStartUp);
    else
        finishStartUpWhenVisible();
}

void MainWindow::startUp()
{
    if (m_startedUp)
        return;
    if (m_controlsPending)
        buildControls();
    startUpForFirstPaint();
    m_restScheduled = true;
    finishStartUp();
}

// What the window shows on its first paint: the stored settings in the stored language and
// the draw for today. The rest waits until the window is on the screen (finishStartUp).
void MainWindow::startUpForFirstPaint(const std::function<void()>& windowSized)
{
    const double today = beginStartUp();
    const StoredStart stored = readStoredSettings(today);
    if (windowSized)
        windowSized();
    showStoredSettings(stored);
    showTodaysDraw(today);
    keepRoomForThePages(); // the restored sheet may need more than the stored size
}

double MainWindow::beginStartUp()
{
    m_startedUp = true;
    // Numbers and dates look the same whatever the user's locale: "dd.mm.yyyy", "hh:nn",
    // decimal comma, thousands dot.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_session->setProgramFolder(m_programFolder);
    return m_clock();
}

void MainWindow::showTodaysDraw(double today)
{
    const QString& folder = state().programFolder;
    if (!m_programFolderNotice.isEmpty())
        m_prompts->message(m_programFolderNotice);
    // Legacy conversion, or the shipped history on a very first start.
    const auto prepared = drawfile::prepare(folder);
    if (!prepared)
        m_prompts->message(prepared.error());
    if (const Status payouts = payoutfile::prepare(folder); !payouts)
        m_prompts->message(payouts.error());

    m_session->randomizeSeed();
    m_session->setChosenDate(today);
    m_session->showDrawFileAnew();
    m_startUpRest = true;
}

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
