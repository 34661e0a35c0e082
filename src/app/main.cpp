#include "gui/mainwindow.h"
#include "gui/windows.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vendrilo"));

    auto windows = vendrilo::gui::createWindows();
    windows.main->show();
    return app.exec();
}
