// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-screenshot [--from DD.MM.YYYY] [--language N] HOME OUTDIR [TIPFILE]: starts the main
// window on the program folder HOME, optionally sets the statistics start, switches to language
// N (0 German .. 8 Polish, from HOME/land) and loads a tip file, and writes one PNG per tab into
// OUTDIR (tab0.png ..), one per page of the "Berechnung" tab (options0.png ..), the weighting
// list of a run (weightinglist.png), the single-tip form in its random mode (singletip.png) and
// running.png: the sheet in the middle of a generation run, and wheels.png: the "Systeme" tab
// with a "3 if 6" wheel on 18 numbers.
#include "core/draws/dates.h"
#include "core/texts/languagefiles.h"
#include "gui/mainwindow.h"
#include "gui/weightinglistdialog.h"
#include "gui/session.h"
#include "gui/numbergrid.h"
#include "gui/wheelspage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString from;
    const vendrilo::Language* language = nullptr;
    while (args.size() > 2 && args.at(1).startsWith(QLatin1String("--"))) {
        if (args.at(1) == QLatin1String("--from"))
            from = args.at(2);
        else if (args.at(1) == QLatin1String("--language"))
            language = vendrilo::languageByIndex(args.at(2).toInt());
        args.remove(1, 2);
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vendrilo-screenshot [--from DD.MM.YYYY] [--language N] HOME "
                             "OUTDIR [TIPFILE]\n");
        return 2;
    }
    QDir out(args.at(2));
    vendrilo::gui::MainWindowSetup setup;
    setup.programFolder = args.at(1);
    // Dialogs are photographed instead of waiting for a user: the weighting list of a run
    // (weightinglist.png) and the single-tip form in the middle of its random mode
    // (singletip.png).
    QString dialogShot;
    setup.runDialog = [&](QDialog& dialog) {
        dialog.show();
        if (auto* list = qobject_cast<vendrilo::gui::WeightingListDialog*>(&dialog);
            list && dialogShot == QLatin1String("singletip")) {
            list->pressRandomButton();
            for (int fixed = 0; fixed < 3; ++fixed) {
                list->randomTick();
                list->pressRandomButton();
            }
            list->randomTick();
        }
        app.processEvents();
        if (!dialogShot.isEmpty())
            dialog.grab().save(out.filePath(dialogShot + QStringLiteral(".png")));
        dialog.done(QDialog::Accepted);
        return int(QDialog::Accepted);
    };
    vendrilo::gui::MainWindow window(std::move(setup));
    window.show();
    window.startUp();
    if (language)
        window.findChild<QAction*>(language->menuItem)->trigger();
    vendrilo::gui::Session& session = window.session();
    if (!from.isEmpty()) {
        if (const auto day = vendrilo::parseDate(from))
            session.setStatisticsStart(*day);
        session.drawChart(vendrilo::charts::ChartKind::Numbers);
    }
    if (args.size() > 3)
        session.openSheetFile(args.at(3));
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        app.processEvents();
        window.grab().save(out.filePath(QStringLiteral("tab%1.png").arg(i)));
    }
    if (auto* wheels = window.findChild<vendrilo::gui::WheelsPage*>()) {
        tabs->setCurrentWidget(wheels);
        wheels->numberGrid()->setChosen(
            {2, 5, 7, 9, 11, 14, 17, 19, 22, 25, 28, 31, 33, 36, 40, 43, 46, 48});
        wheels->setGuarantee(vendrilo::wheels::Guarantee::ifOf(3, 6));
        wheels->computeWheel();
        app.processEvents();
        window.grab().save(out.filePath(QStringLiteral("wheels.png")));
    }
    dialogShot = QStringLiteral("singletip");
    window.editRowInForm(2);
    dialogShot = QStringLiteral("weightinglist");
    session.setOption(vendrilo::Option::ShowWeightingList, 1);
    session.startOrStopGeneration();
    session.setOption(vendrilo::Option::ShowWeightingList, 0);
    dialogShot.clear();
    if (args.size() > 3)
        session.openSheetFile(args.at(3));
    // A run caught after its fifth row: narrow cross-sum limits make each row take a while.
    session.setOption(vendrilo::Option::CrossSumMinimum, 148);
    session.setOption(vendrilo::Option::CrossSumMaximum, 152);
    int changes = 0;
    QObject::connect(&session, &vendrilo::gui::Session::sheetChanged, &window, [&] {
        if (session.generationRunning() && ++changes == 6) { // the clearing, then five rows
            window.grab().save(out.filePath(QStringLiteral("running.png")));
            session.requestGenerationStop();
        }
    });
    tabs->setCurrentIndex(2);
    session.startOrStopGeneration();
    // The inner pages of the "Berechnung" tab.
    tabs->setCurrentIndex(1);
    auto* inner = window.findChild<QTabWidget*>(QStringLiteral("PageControl2"));
    for (int i = 0; inner && i < inner->count(); ++i) {
        inner->setCurrentIndex(i);
        app.processEvents();
        window.grab().save(out.filePath(QStringLiteral("options%1.png").arg(i)));
    }
    return 0;
}
