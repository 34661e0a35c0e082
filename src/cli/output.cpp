// SPDX-License-Identifier: GPL-3.0-or-later
// Standard output and error of the tool. Results go through write() so that a failed write
// (a full disk, a closed pipe) is noticed and reported instead of ending with status 0.
#include "cli.h"
#include "core/draws/drawfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#ifndef _WIN32
#include <locale.h>
#endif

namespace vendrilo::cli {

namespace {

// errno of the first failed write to stdout; 0 while every write succeeded.
int firstWriteError = 0;

void noteWriteError()
{
    if (firstWriteError == 0)
        firstWriteError = errno != 0 ? errno : EIO;
}

} // namespace

// Always in English like the tool's own messages: the user's locale would otherwise translate
// it in the middle of an English line.
QString systemErrorText(int error)
{
#ifndef _WIN32
    static const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (english != locale_t(nullptr))
        return QString::fromLocal8Bit(strerror_l(error, english));
#endif
    return QString::fromLocal8Bit(std::strerror(error));
}

void write(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    errno = 0;
    const auto size = static_cast<size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size)
        noteWriteError();
}

void printShownDraw(const ShownDraw& shown)
{
    print(shown.drawLine);
    print(shown.crossSumText);
    print(QStringLiteral("Position: %1").arg(shown.position));
}

void print(const QString& line)
{
    write(line.toUtf8() + '\n');
}

void printError(const QString& line)
{
    // One error, one line: a line break inside (say, in a file name) must not start another.
    QString flat = line;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray bytes = flat.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fflush(stderr);
}

bool flushOutput()
{
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        noteWriteError();
    if (firstWriteError == 0)
        return true;
    // Once is enough: a batch notices the same failure again after the invocation reported it.
    static bool reported = false;
    if (!reported)
        printError(QStringLiteral("vendrilo-cli: cannot write to standard output: ") +
                   systemErrorText(firstWriteError));
    reported = true;
    return false;
}

// A damaged draw file is used as it stands, as the window uses it, but never without a word.
void warnAboutDamagedDraws(const QString& drawPath)
{
    const auto draws = drawfile::read(drawPath);
    if (!draws)
        return; // the command that reads it reports why
    if (const int damaged = countDamaged(*draws); damaged > 0)
        printError(QStringLiteral("vendrilo-cli: warning: ") +
                   damagedFileWarning(drawPath, damaged));
}

} // namespace vendrilo::cli
