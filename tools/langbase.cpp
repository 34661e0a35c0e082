// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-langbase [--unnamed] FOLDER: writes the German language files into FOLDER from the
// windows as the program makes them: the base caption file "bezeich.txt" (one block per control
// with a caption or a hint, in the order the language loader visits them), the radio groups'
// items "Radio1.txt.de" .. "Radio3.txt.de", the message list "meldungen.txt.de" and the fixed
// texts "texte.txt.de". With --unnamed it lists instead the controls that show a text but have no
// name, which no language file can reach.
#include "core/texts/messagelist.h"
#include "core/texts/textlist.h"
#include "gui/controls.h"
#include "gui/languages.h"
#include "gui/mainwindow.h"
#include "gui/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTextStream>

#include <cstdio>

namespace {

void listUnnamed(QWidget* window)
{
    for (QObject* o : window->findChildren<QObject*>()) {
        if (!o->objectName().isEmpty())
            continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(o))
            text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(o))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(o))
            text = g->title();
        if (!text.isEmpty() && !qobject_cast<QGroupBox*>(o->parent()))
            std::printf("%s %s (in %s)\n", o->metaObject()->className(), qPrintable(text),
                        qPrintable(o->parent() ? o->parent()->objectName() : QString()));
    }
}

bool writeLines(const QString& path, const QStringList& lines)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(out.errorString()));
        return false;
    }
    QTextStream stream(&out);
    for (const QString& line : lines)
        stream << line << '\n';
    stream.flush();
    return out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool unnamed = args.removeAll(QStringLiteral("--unnamed")) > 0;
    if (args.size() != 1 && !unnamed) {
        std::fprintf(stderr, "usage: vendrilo-langbase [--unnamed] FOLDER\n");
        return 2;
    }
    vendrilo::gui::Windows windows = vendrilo::gui::createWindows();
    if (unnamed) {
        listUnnamed(windows.main.get());
        return 0;
    }
    const QDir folder(args.first());
    bool written = writeLines(folder.filePath(QStringLiteral("bezeich.txt")),
                              vendrilo::gui::baseCaptionLines(windows.main.get()));
    for (int file = 1; file <= 3; ++file) {
        const QString group = vendrilo::gui::radioGroupsOfFile(file).first();
        auto* box = windows.main->findChild<QGroupBox*>(group);
        written &= box && writeLines(folder.filePath(QStringLiteral("Radio%1.txt.de").arg(file)),
                                     vendrilo::gui::radioItems(box));
    }
    written &= writeLines(folder.filePath(QStringLiteral("meldungen.txt.de")),
                          vendrilo::MessageList::defaults());
    written &= writeLines(folder.filePath(QStringLiteral("texte.txt.de")),
                          vendrilo::TextList::germanFileLines());
    return written ? 0 : 1;
}
