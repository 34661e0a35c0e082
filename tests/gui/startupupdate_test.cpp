// SPDX-License-Identifier: GPL-3.0-or-later
// The online update at start-up runs once the window is on the screen: the window shows the
// draws it has, the update then asks the server while the window works (■ stops it), and the
// newest draw and the chart follow when it ends.
#include "core/draws/drawfile.h"
#include "charts/chartview.h"
#include "gui/drawingsurface.h"
#include "guitestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::draw;

namespace {

std::vector<DrawRecord> december(int firstDay, int lastDay)
{
    std::vector<DrawRecord> draws;
    for (int d = firstDay; d <= lastDay; ++d)
        draws.push_back(draw(qPrintable(QStringLiteral("%1.12.2026").arg(d, 2, 10, QChar('0'))),
                             {1, 2, 3, 4, 5, 6 + d}));
    return draws;
}

// A window on a folder whose draw file ends on 01.12.2026 and whose settings name `server`; not
// yet shown.
struct UnstartedWindow {
    QTemporaryDir dir;
    test::ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<gui::MainWindow> w;

    explicit UnstartedWindow(const QString& server)
    {
        test::writeDrawFile(dir, december(1, 1));
        test::writeBytes(dir.filePath("settings.ini"),
                         "[General]\nServer=" + server.toUtf8() + "\n");
        gui::MainWindowSetup setup;
        auto p = std::make_unique<test::ScriptedPrompts>();
        prompts = p.get();
        setup.prompts = std::move(p);
        setup.programFolder = dir.path();
        setup.clock = test::testToday;
        setup.openUrl = [](const QUrl&) { return true; };
        setup.settingsFile = dir.filePath("settings.ini");
        w = std::make_unique<gui::MainWindow>(std::move(setup));
    }
    std::size_t stored() { return drawfile::read(dir.filePath("ZahlenPL.dat"))->size(); }
};

template <typename Condition> bool waitFor(Condition done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 30000)
        QTest::qWait(5);
    return done();
}

} // namespace

TEST(StartUpUpdate, TheWindowIsOnTheScreenBeforeTheUpdateAsksTheServer)
{
    QTemporaryDir serverDir;
    test::DrawServer server(
        {"--draws", test::writeDrawFile(serverDir, december(2, 8)), "--delay", "150"});
    ASSERT_FALSE(server.url.isEmpty());
    UnstartedWindow win(server.url);
    gui::Session& session = win.w->session();
    auto* stop = test::findControl<QToolButton>(win.w.get(), gui::Control::StopUpdate);
    bool exposedAtStart = false, stopShown = false, ended = false;
    QObject::connect(&session, &gui::Session::updateRunningChanged, [&](bool running) {
        if (running) {
            exposedAtStart = win.w->windowHandle() && win.w->windowHandle()->isExposed();
            stopShown = !stop->isHidden();
        } else {
            ended = true;
        }
    });
    win.w->show();
    // Shown with what the file holds; the server is asked only afterwards.
    EXPECT_FALSE(ended);
    EXPECT_TRUE(win.w->startUpPending());
    EXPECT_EQ(win.w->state().shown.date, test::day("01.12.2026"));
    EXPECT_EQ(win.stored(), 1u);

    ASSERT_TRUE(waitFor([&] { return ended; }));
    EXPECT_TRUE(exposedAtStart) << "the update began with the window on the screen";
    EXPECT_TRUE(stopShown);
    EXPECT_TRUE(stop->isHidden());
    // The newest draw and the chart follow the update.
    EXPECT_EQ(win.stored(), 8u);
    EXPECT_EQ(win.w->state().shown.date, test::day("08.12.2026"));
    EXPECT_TRUE(test::findControl<QLabel>(win.w.get(), gui::Control::SheetDrawLine)
                    ->text()
                    .contains("08.12.26"));
    EXPECT_EQ(test::chartView(*win.w)->chartData().drawCount, 8);
    EXPECT_TRUE(win.prompts->messages.isEmpty()) << win.prompts->messages.join('\n').toStdString();
}

// The window's drawing surface, prepared before the window is shown, shows every pixel of the
// first paint, also when the window changed its size in between.
TEST(StartUpPaint, APreparedSurfaceIsPaintedWhole)
{
    for (const QSize& shownAt : {QSize(320, 200), QSize(360, 240)}) {
        SCOPED_TRACE(shownAt.width());
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("6 aus 49")));
        auto* field = new QLineEdit(QStringLiteral("13"));
        field->setFocusPolicy(Qt::NoFocus); // no blinking cursor between the two pictures
        layout->addWidget(field);
        window.resize(320, 200);
        gui::DrawingSurfacePreparation surface;
        surface.begin(window);
        surface.wait();
        window.resize(shownAt);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);
        const QImage onScreen = window.screen()->grabWindow(window.winId()).toImage();
        const QImage drawn = window.grab().toImage();
        ASSERT_EQ(onScreen.size(), shownAt);
        EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
                  drawn.convertToFormat(QImage::Format_RGB32));
    }
}


// The program's own start maps the window's frame before it makes the controls. Shown, such a
// window must look as one made whole: the same size and pixels, in the stored language and size
// with the stored sheet. A batch import makes its controls at once.
TEST(StartUpPaint, AWindowWhoseControlsFollowItsFrameShowsAsOneMadeWhole)
{
    QApplication::setCursorFlashTime(0); // the focused field's cursor stays drawn
    QImage pictures[2];
    QSize sizes[2];
    for (const bool controlsAfterFrame : {false, true}) {
        SCOPED_TRACE(controlsAfterFrame);
        QTemporaryDir dir;
        test::writeDrawFile(dir, december(1, 5));
        const QString land = QStringLiteral(VENDRILO_DATA "/land");
        QDir().mkpath(dir.filePath("land"));
        for (const QString& name : QDir(land).entryList(QDir::Files))
            QFile::copy(land + '/' + name, dir.filePath("land/" + name));
        test::writeBytes(dir.filePath("settings.ini"),
                         "[General]\nSprache=8\nwidth=790\nheight=600\nEdit1=7\nEdit2=13\n"
                         "Edit8=21\n");
        test::ScriptedPrompts* prompts = nullptr;
        gui::MainWindow window(test::programStart(dir, &prompts, controlsAfterFrame));
        EXPECT_EQ(window.sheetField(1, 1) == nullptr, controlsAfterFrame);
        window.show();
        // The first paint waits for the event loop: it finds the controls shown and filled.
        const QLineEdit* first = window.sheetField(1, 1);
        EXPECT_TRUE(first && first->isVisible() && first->text() == "7");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_EQ(window.width(), 790);
        sizes[controlsAfterFrame] = window.size();
        ASSERT_TRUE(waitFor([&] { return !window.startUpPending(); }));
        QTest::qWait(20);
        pictures[controlsAfterFrame] = window.grab().toImage();
        EXPECT_NE(test::findControl<QAbstractButton>(&window, gui::Control::StartGeneration)->text(),
                  "&Tipps berechnen")
            << "not in Polish";
    }
    EXPECT_EQ(sizes[0], sizes[1]);
    EXPECT_TRUE(pictures[0] == pictures[1]) << "the two windows look different";

    QTemporaryDir dir;
    test::ScriptedPrompts* prompts = nullptr;
    gui::MainWindowSetup batch = test::programStart(dir, &prompts);
    batch.arguments = QStringList{"D", dir.filePath("tips.txt")};
    EXPECT_NE(gui::MainWindow(std::move(batch)).sheetField(1, 1), nullptr);
}

// A message of the start-up (the store had to be made safe) shows on the frame already on the
// screen; the rest of the start-up still follows the first paint, not its one-second fallback.
TEST(StartUpPaint, AStartUpMessageDelaysNotTheRestOfTheStartUp)
{
    QTemporaryDir dir;
    test::writeDrawFile(dir, december(1, 5));
    test::writeBytes(dir.filePath("settings.ini"),
                     "[General]\nWert=@Variant(\\0\\0\\0\\x7f)\n");
    test::ScriptedPrompts* prompts = nullptr;
    gui::MainWindow window(test::programStart(dir, &prompts));
    // A message box lets the window's events run: the window is exposed meanwhile.
    prompts->onMessage = [&] {
        QTest::qWaitFor([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
        QTest::qWait(20);
    };
    window.show();
    ASSERT_EQ(prompts->messages.size(), 1);
    QTest::qWait(50); // the fallback would come after a second
    EXPECT_FALSE(window.startUpPending());
}
