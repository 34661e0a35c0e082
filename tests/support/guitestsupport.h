// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/dates.h"
#include "core/options/optiontable.h"
#include "charts/chartview.h"
#include "core/sheet/sheetcontrols.h"
#include "gui/chartbuttons.h"
#include "gui/controlnames.h"
#include "gui/mainwindow.h"
#include "gui/session.h"
#include "testsupport.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>
#include <memory>

namespace vendrilo::test {

// The day the window tests take as today: after the last draw of the shipped history.
inline double testToday()
{
    return *parseDate(QStringLiteral("08.12.2026"));
}

// Controls found as the program names them: by their typed id in the control table, an option's
// check box or up-down by the option, a chart control by its place and chart.
template <typename T> T* findControl(const QObject* root, gui::Control id)
{
    return root->findChild<T*>(gui::controlName(id));
}
template <typename T> T* findOption(const QObject* root, Option id)
{
    return root->findChild<T*>(optionSpec(id).name);
}
// The first control of `place` that draws `kind` (a button before a label that draws the same).
// The window's chart as the Qt Charts view it is (the tests link the charts in).
inline gui::ChartView* chartView(gui::MainWindow& window)
{
    return dynamic_cast<gui::ChartView*>(window.statisticsChart());
}

inline QString chartButtonName(gui::ChartPlace place, charts::ChartKind kind)
{
    QString label;
    for (const gui::ChartButton& b : gui::chartButtonsOn(place))
        if (b.kind == kind) {
            if (!b.isLabel)
                return QString::fromLatin1(b.name);
            if (label.isEmpty())
                label = QString::fromLatin1(b.name);
        }
    return label;
}

// The program's own start on `dir`, with the settings file "settings.ini" there: the tabs after
// the sheet come after the first paint, and the controls after the frame unless `frameFirst` is
// false. Scripted prompts; `prompts` gets them.
inline gui::MainWindowSetup programStart(const QTemporaryDir& dir, ScriptedPrompts** prompts,
                                         bool frameFirst = true)
{
    gui::MainWindowSetup setup;
    auto p = std::make_unique<ScriptedPrompts>();
    *prompts = p.get();
    setup.prompts = std::move(p);
    setup.programFolder = dir.path();
    setup.clock = testToday;
    setup.openUrl = [](const QUrl&) { return true; };
    setup.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    setup.laterPagesAfterFirstPaint = true;
    setup.controlsAfterFrameShown = frameFirst;
    return setup;
}

// A started main window on its own temporary program folder, with scripted prompts, a fixed
// today and a browser that only notes what it was asked to open. `prepare` fills the folder
// before start-up (a draw file, a sound); without a draw file the window writes the shipped
// history, as on a first start.
struct StartedWindow {
    QTemporaryDir dir;
    ScriptedPrompts* prompts = nullptr;
    QList<QUrl> openedUrls;
    bool viewerFound = true; // false: the desktop has no program for what is opened
    // Answers every modal dialog in place of the user (default: closed, as by the abort button).
    std::function<int(QDialog&)> onDialog;
    std::unique_ptr<gui::MainWindow> w;

    // `settings`: the settings file to start from and save to (default: one in the folder);
    // `arguments`: the command line after the program's name; `laterPages`: the tabs after
    // the sheet are made by the start-up, as in the program's own start.
    explicit StartedWindow(const std::function<void(const QTemporaryDir&)>& prepare = {},
                           const QString& settings = {}, const QStringList& arguments = {},
                           bool laterPages = false)
        : m_settingsFile(settings)
    {
        if (prepare)
            prepare(dir);
        gui::MainWindowSetup setup;
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        setup.prompts = std::move(p);
        setup.programFolder = dir.path();
        setup.clock = testToday;
        setup.openUrl = [this](const QUrl& url) {
            openedUrls << url;
            return viewerFound;
        };
        setup.settingsFile = settingsFile();
        setup.arguments = arguments;
        setup.laterPagesAfterFirstPaint = laterPages;
        setup.runDialog = [this](QDialog& d) {
            d.show();
            const int result = onDialog ? onDialog(d) : 0;
            d.done(result);
            return result;
        };
        w = std::make_unique<gui::MainWindow>(std::move(setup));
        w->startUp();
    }
    template <typename T> T* child(const QString& name) { return w->findChild<T*>(name); }
    template <typename T> T* control(gui::Control id) { return findControl<T>(w.get(), id); }
    template <typename T> T* option(Option id) { return findOption<T>(w.get(), id); }
    QString settingsFile() const
    {
        return m_settingsFile.isEmpty() ? dir.filePath(QStringLiteral("settings.ini"))
                                        : m_settingsFile;
    }
    const ProgramState& state() const { return w->state(); }
    gui::Session& session() { return w->session(); }

private:
    QString m_settingsFile;
};

// vendrilo-server on a free port of 127.0.0.1 with `arguments`, stopped with the test; `url`
// stays empty when it did not start.
struct DrawServer {
    QProcess process;
    QString url;

    explicit DrawServer(const QStringList& arguments)
    {
        process.start(VENDRILO_SERVER, QStringList{"--port", "0"} + arguments);
        QElapsedTimer waited;
        waited.start();
        while (url.isEmpty() && waited.elapsed() < 5000 && process.waitForReadyRead(5000)) {
            const auto m = QRegularExpression("listening on (http://\\S+)")
                               .match(QString::fromLatin1(process.readLine()));
            if (m.hasMatch())
                url = m.captured(1);
        }
    }
    ~DrawServer()
    {
        process.kill();
        process.waitForFinished();
    }
};

} // namespace vendrilo::test
