// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-cli: the program's core behind a command line, for scripts and headless checks.
#include "cli.h"

#include <QCoreApplication>

namespace {

// Every error of the tool is one line on stderr. Qt's own diagnostics (a file opened without a
// name, a missing runtime folder, an unusual locale) would come before that line and break the
// rule, so they are dropped; the tool reports each problem in its own words. A fatal message
// still ends the process, with one line.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        vendrilo::cli::printError(QStringLiteral("vendrilo-cli: ") + message.simplified());
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(keepQtQuiet);
    QCoreApplication app(argc, argv);
    return vendrilo::cli::runInvocation(app.arguments().mid(1));
}
