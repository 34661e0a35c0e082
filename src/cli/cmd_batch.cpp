// SPDX-License-Identifier: GPL-3.0-or-later
// Many invocations in one process: checkers that compare thousands of cases would otherwise
// spend nearly all their time starting the tool.
#include "cli.h"

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <string>

namespace vendrilo::cli {

namespace {

struct Words {
    QStringList words;
    QString error; // set when the line cannot be split
};

// Splits a line into words as a POSIX shell does, without any expansion: blanks separate words,
// '...' is taken literally, "..." keeps blanks and lets a backslash escape " \ $ and `, and a
// backslash outside quotes takes the next character literally. '' gives an empty word, so every
// argument list a shell can pass is possible (Python's shlex.join writes such lines).
Words splitWords(const QString& line)
{
    Words result;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                result.words << word;
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('\\')) {
            if (i + 1 < line.size())
                word += line.at(++i);
            else
                word += c;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype end = line.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0) {
                result.error = QStringLiteral("unterminated ' quote");
                return result;
            }
            word += line.mid(i + 1, end - i - 1);
            i = end;
        } else if (c == QLatin1Char('"')) {
            for (++i;; ++i) {
                if (i >= line.size()) {
                    result.error = QStringLiteral("unterminated \" quote");
                    return result;
                }
                QChar q = line.at(i);
                if (q == QLatin1Char('"'))
                    break;
                if (q == QLatin1Char('\\') && i + 1 < line.size() &&
                    QStringLiteral("\"\\$`").contains(line.at(i + 1)))
                    q = line.at(++i);
                word += q;
            }
        } else {
            word += c;
        }
    }
    if (inWord)
        result.words << word;
    return result;
}

bool running = false;

// No argument list is anywhere near this long; a longer line (a file fed by mistake, a line
// without end) is read past without being held.
constexpr std::size_t kMaxLineBytes = 64 * 1024;

// The next line of stdin into `line`, at most kMaxLineBytes of it; `tooLong` tells that more
// was skipped. False at the end of the input.
bool readBoundedLine(std::string& line, bool& tooLong)
{
    line.clear();
    tooLong = false;
    int c = 0;
    bool any = false;
    while ((c = std::cin.get()) != std::char_traits<char>::eof()) {
        any = true;
        if (c == '\n')
            return true;
        if (line.size() < kMaxLineBytes)
            line.push_back(static_cast<char>(c));
        else
            tooLong = true;
    }
    return any;
}

CliResult<int> batch(Context&, const CommandArgs&)
{
    // The lines come from stdin, which a nested batch would read from under the outer one.
    if (running)
        return inputFailure(QStringLiteral("batch: cannot run inside a batch"), ErrorKind::Refused);
    running = true;
    struct Reset {
        ~Reset() { running = false; }
    } reset;

    std::string bytes;
    int lineNumber = 0;
    int status = 0;
    bool tooLong = false;
    while (readBoundedLine(bytes, tooLong)) {
        ++lineNumber;
        QString line = QString::fromUtf8(bytes);
        if (line.endsWith(QLatin1Char('\r'))) // a line written on Windows
            line.chop(1);
        const Words split =
            tooLong ? Words{{}, QStringLiteral("longer than 64 KiB, not run")} : splitWords(line);
        int exitStatus = 2;
        if (split.error.isEmpty())
            exitStatus = runInvocation(split.words);
        else
            printError(
                QStringLiteral("vendrilo-cli: batch line %1: %2").arg(lineNumber).arg(split.error));
        print(QStringLiteral("--- exit %1").arg(exitStatus));
        // Flushed line by line, so that a program driving the batch through pipes can wait for
        // each answer; a failed stdout ends the batch, nothing more can be delivered.
        if (!flushOutput()) {
            status = 2;
            break;
        }
    }
    if (status == 0 && (std::cin.bad() || std::ferror(stdin)))
        return inputFailure(QStringLiteral("batch: cannot read standard input: %1")
                                .arg(systemErrorText(errno != 0 ? errno : EIO)),
                            ErrorKind::Unreadable);
    return status;
}

const CommandRegistration
    registration("batch",
                 {.summary = "each line of stdin run as its own argument list, then \"--- exit N\"",
                  .takesGlobalOptions = false},
                 batch);

} // namespace

} // namespace vendrilo::cli
