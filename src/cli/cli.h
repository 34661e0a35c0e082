#pragma once

#include "core/program/programstate.h"

#include <QString>
#include <QStringList>

#include <functional>
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
};

// A failure that ends the tool with a message on stderr and the given status.
struct Failure {
    QString message;
    int status = 2;
};

using CommandFn = std::function<int(Context&, const QStringList& args)>;

// Commands register themselves from their own source files.
struct CommandRegistration {
    CommandRegistration(const char* name, CommandFn run);
};

void print(const QString& line);      // one line to stdout, UTF-8, "\n"
void printError(const QString& line); // one line to stderr

} // namespace vendrilo::cli
