// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"
#include "core/program/programstate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace vendrilo::cli {

// What the global options set up before a command runs.
struct Context {
    ProgramState state;
    QString drawPath;                // --draws, or the program folder's draw file
    std::optional<QString> tipsPath; // --tips
    std::vector<int> lockedRows;     // --lock, rows 1..12
    std::optional<quint32> seed;     // --seed
    double today = 0;                // --today, or the system date
    std::optional<QString> ledgerPath; // --ledger
};

// Why an invocation ends early: the line for stderr, its kind, and the exit status of the stage
// that failed. The status goes by stage, not by kind: the same unreadable draw file is the input
// of `draws` (2) but stops the work of `enter` (3).
struct Failure : Error {
    int status = 2;
};

// The invocation's input is at fault (status 2): an option, a value, a file it names.
inline Failure inputFailure(QString message, ErrorKind kind = ErrorKind::BadInput)
{
    return {{std::move(message), kind}, 2};
}
inline Failure inputFailure(const Error& error)
{
    return {error, 2};
}
// The work itself could not be done (status 3).
inline Failure workFailure(const Error& error)
{
    return {error, 3};
}

// What every step of the tool returns: a value, or the Failure that ends the invocation. A caller
// passes a failure on with `return result.failure();`.
template <typename T> using CliResult = Result<T, Failure>;
using CliStatus = CliResult<void>;

// An option of one command, given after the command's name (e.g. "generate --weights FILE").
struct CommandOption {
    const char* name;        // "--weights"
    const char* valueName;   // "FILE"; nullptr for a flag without a value
    const char* description; // one line for the help text
};

// How a command is called: the help text and the argument check are both made from this.
struct CommandSyntax {
    const char* arguments = ""; // the positional arguments for the help, e.g. "NAME"
    const char* summary = "";   // one line for the help text
    QString details = {};       // an optional second line, below the summary
    int minArguments = 0;       // positional arguments
    int maxArguments = 0;
    std::vector<CommandOption> options = {};
    // false: the command sets nothing up from the global options and refuses them (batch).
    bool takesGlobalOptions = true;
};

// The command's own arguments, checked against its syntax.
struct CommandArgs {
    QStringList positional;
    std::map<QString, QString> options; // own options given, by name; a flag maps to ""

    std::optional<QString> option(const QString& name) const;
};

// A command's run: the exit status when it ran (a command may end with 3 after printing the
// window's own message), or the Failure that ends the invocation.
using CommandFn = std::function<CliResult<int>(Context&, const CommandArgs& args)>;

// Commands register themselves from their own source files.
struct CommandRegistration {
    CommandRegistration(const char* name, CommandSyntax syntax, CommandFn run);
};

// One whole invocation, as if the tool had been started with these arguments (without the
// program name): errors go to stderr as one line; the exit status is returned. Standard
// output is flushed at the end, and a failed write turns into status 2.
int runInvocation(const QStringList& args);

// A record as `draws` prints it: "DD.MM.YYYY,n1,...,n6,bonus,superzahl" and a line end.
QByteArray drawsLine(const DrawRecord& record);

// The three lines of `show`: the draw line, the cross sum, "Position: N".
void printShownDraw(const ShownDraw& shown);

void write(const QByteArray& bytes);  // raw bytes to stdout; a failure is remembered
void print(const QString& line);      // one line to stdout, UTF-8, "\n"
void printError(const QString& line); // one line to stderr
QString systemErrorText(int error);   // the system's text for an errno value
// A line on stderr when the draw file holds damaged records (they are used as they stand).
void warnAboutDamagedDraws(const QString& drawPath);
// Flushes stdout. False when a write to it has failed since the start; the first such call
// also reports the failure on stderr ("cannot write to standard output: " and the system's text).
bool flushOutput();

} // namespace vendrilo::cli
