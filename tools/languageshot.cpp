// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-languageshot HOME LANGUAGE SERVER OUT.png [CONTROL]: starts the main window in German
// on the program folder HOME (settings in HOME/languageshot.ini), switches to language LANGUAGE
// (0 German .. 8 Polish) through its menu, runs the online update against the update server
// SERVER, moves the mouse over CONTROL (default BitBtn4) so that its hint stands in the status
// bar, and writes the window as it then looks into OUT.png. For the documentation of a language
// switch.
#include "core/texts/languagefiles.h"
#include "gui/mainwindow.h"
#include "gui/session.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const vendrilo::Language* language =
        args.size() > 4 ? vendrilo::languageByIndex(args.at(2).toInt()) : nullptr;
    if (!language) {
        std::fprintf(stderr, "usage: vendrilo-languageshot HOME LANGUAGE SERVER OUT.png "
                             "[CONTROL]\n");
        return 2;
    }
    vendrilo::gui::MainWindowSetup setup;
    setup.programFolder = args.at(1);
    setup.settingsFile = QDir(args.at(1)).filePath(QStringLiteral("languageshot.ini"));
    vendrilo::gui::MainWindow window(std::move(setup));
    window.show();
    window.startUp();
    window.findChild<QAction*>(language->menuItem)->trigger();
    window.session().setServer(args.at(3));
    window.session().fetchNewDraws();
    auto* control =
        window.findChild<QWidget*>(args.size() > 5 ? args.at(5) : QStringLiteral("BitBtn4"));
    if (!control) {
        std::fprintf(stderr, "vendrilo-languageshot: no control %s\n", qPrintable(args.value(5)));
        return 2;
    }
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control, &enter);
    app.processEvents();
    return window.grab().save(args.at(4)) ? 0 : 1;
}
