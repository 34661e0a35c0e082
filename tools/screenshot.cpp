// vendrilo-screenshot HOME OUTDIR [TIPFILE]: starts the main window on the program folder HOME,
// optionally loads a tip file, and writes one PNG per tab into OUTDIR.
#include "gui/tform1.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Quirlends Lotto Polen"));
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vendrilo-screenshot HOME OUTDIR [TIPFILE]\n");
        return 2;
    }
    vendrilo::gui::TForm1 window(nullptr, {}, args.at(1));
    window.show();
    window.FormShow();
    if (args.size() > 3) {
        window.Textladen(args.at(3));
        window.SpeedButton5Click();
    }
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QDir out(args.at(2));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        app.processEvents();
        window.grab().save(out.filePath(QStringLiteral("tab%1.png").arg(i)));
    }
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
