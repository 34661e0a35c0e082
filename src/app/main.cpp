// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/endsignals.h"
#include "app/startupwarmup.h"
#include "gui/deferredicons.h"
#include "gui/mainwindow.h"
#include "gui/windows.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// "vendrilo D FILE" may be started by another program on a machine without a display: the
// import needs no window on a screen, so it runs on Qt's offscreen platform there.
void runHeadlessForBatchWithoutDisplay(int argc, char** argv)
{
    const bool batch = argc > 1 && std::strcmp(argv[1], "D") == 0;
    const bool display = qEnvironmentVariableIsSet("DISPLAY") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (batch && !display)
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Without a screen nobody can answer a message box: messages go to stderr, questions take their
// default answer.
class ConsolePrompts : public vendrilo::Prompts {
public:
    void message(const QString& text) override
    {
        std::fprintf(stderr, "vendrilo: %s\n", text.toLocal8Bit().constData());
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
    std::optional<QString> inputText(const QString&, const QString&,
                                     const QString& defaultText) override
    {
        return defaultText;
    }
};

// Losing its display (the X server or the compositor ended), Qt ends the program at once with
// exit(): the window never closes. The handler stores what closing it would have stored. It is
// registered once the start-up has read the settings, so that the settings' own statics, made
// by then, are still there when it runs.
vendrilo::gui::MainWindow* openWindow = nullptr;
void storeSettingsOfOpenWindow()
{
    if (openWindow)
        std::exchange(openWindow, nullptr)->storeSettingsAtExit();
}

} // namespace

int main(int argc, char** argv)
{
    vendrilo::StartUpWarmUp warmUp;
    runHeadlessForBatchWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    vendrilo::gui::Windows windows;
    // Ended by the system, the program closes its window as the user would: nothing is lost.
    const vendrilo::EndSignals endSignals([&windows] {
        if (windows.main && windows.main->close())
            QApplication::quit();
    });
    warmUp.connectSessionBus();
    QApplication::setApplicationName(QStringLiteral("Vendrilo"));
    QApplication::setStyle(new vendrilo::gui::DeferredIconStyle);

    vendrilo::gui::MainWindowSetup setup;
    setup.arguments = app.arguments().mid(1);
    setup.laterPagesAfterFirstPaint = true;
    setup.controlsAfterFrameShown = true;
    const bool headless = QApplication::platformName() == QLatin1String("offscreen");
    if (headless)
        setup.prompts = std::make_unique<ConsolePrompts>();
    warmUp.waitForFonts();
    windows = vendrilo::gui::createWindows(std::move(setup));
    windows.main->show();
    // Without a screen a window that stays open would wait for nobody: a failed import ends.
    if (headless && windows.main->batchImportFailed())
        return 1;
    // Closed while the start-up showed a message (the close box, an end signal), the window has
    // stored its settings; no event loop would end without a window.
    if (!windows.main->isVisible())
        return 0;
    openWindow = windows.main.get();
    std::atexit(storeSettingsOfOpenWindow);
    const int status = QApplication::exec();
    openWindow = nullptr;
    warmUp.finish(); // before the application and its bus connection go
    return status;
}
