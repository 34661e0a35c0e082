// SPDX-License-Identifier: GPL-3.0-or-later
// The measure the program's start-up is held against: the barest Qt Widgets window, a QLabel,
// shown at the size of the main window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Quirlends Vendrilo  6/49 PL"));
    label.resize(800, 600);
    label.show();
    return app.exec();
}
