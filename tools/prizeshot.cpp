// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-prizeshot HOME TIPFILE DD.MM.YYYY OUT.png: starts the main window on the program
// folder HOME, loads the tip file, shows the draw of that day and writes the "Lottotipp" tab
// with its prizes and the "Chancen" panel to OUT.png, once the panel shows the sheet's odds.
#include "core/draws/dates.h"
#include "gui/chancespanel.h"
#include "gui/mainwindow.h"
#include "gui/session.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto day = args.size() == 5 ? vendrilo::parseDate(args.at(3)) : std::nullopt;
    if (!day) {
        std::fprintf(stderr, "usage: vendrilo-prizeshot HOME TIPFILE DD.MM.YYYY OUT.png\n");
        return 2;
    }
    vendrilo::gui::MainWindowSetup setup;
    setup.programFolder = args.at(1);
    vendrilo::gui::MainWindow window(std::move(setup));
    window.show();
    window.startUp();
    vendrilo::gui::Session& session = window.session();
    session.openSheetFile(args.at(2));
    session.setChosenDate(*day);
    session.goToChosenDate();
    auto* chances = window.findChild<vendrilo::gui::ChancesPanel*>();
    QElapsedTimer waited;
    waited.start();
    while (chances->counting() && waited.elapsed() < 10000)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    app.processEvents();
    return window.grab().save(args.at(4)) ? 0 : 1;
}
