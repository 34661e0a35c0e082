// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "core/draws/dates.h"
#include "core/draws/drawfile.h"

#include <QFile>

#include <stdexcept>

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

namespace vendrilo::test {

void ScriptedPrompts::message(const QString& text)
{
    messages << text;
    if (onMessage)
        onMessage();
}

bool ScriptedPrompts::askYesNo(const QString& caption, const QString& text)
{
    asked << caption + QStringLiteral(" | ") + text;
    if (yesNoAnswers.empty())
        return false;
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::inputText(const QString& caption, const QString& prompt,
                                                  const QString& defaultText)
{
    asked << caption + QStringLiteral(" | ") + prompt + QStringLiteral(" | ") + defaultText;
    if (inputAnswers.empty())
        return defaultText;
    const std::optional<QString> answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

double day(const char* ddmmyyyy)
{
    const auto parsed = parseDate(QString::fromLatin1(ddmmyyyy));
    if (!parsed)
        throw std::invalid_argument(ddmmyyyy);
    return *parsed;
}

DrawRecord draw(const char* ddmmyyyy, std::initializer_list<int> numbers, int bonus, int superzahl)
{
    DrawRecord r;
    r.date = day(ddmmyyyy);
    std::size_t i = 0;
    for (int n : numbers)
        r.numbers.at(i++) = static_cast<std::uint8_t>(n);
    r.bonus = static_cast<std::uint8_t>(bonus);
    r.superzahl = static_cast<std::uint8_t>(superzahl);
    return r;
}

QString writeDrawFile(const QTemporaryDir& dir, const std::vector<DrawRecord>& records,
                      const QString& name)
{
    const QString path = dir.filePath(name);
    if (const Status written = drawfile::rewrite(path, records); !written)
        throw std::runtime_error(written.error().toStdString());
    return path;
}

bool withFileSizeLimit(long bytes, const std::function<void()>& body)
{
#ifdef __linux__
    struct rlimit old {};
    if (getrlimit(RLIMIT_FSIZE, &old) != 0)
        return false;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails with EFBIG
    struct rlimit limited = old;
    limited.rlim_cur = static_cast<rlim_t>(bytes);
    const bool ok = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    if (ok)
        body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return ok;
#else
    (void)bytes;
    (void)body;
    return false;
#endif
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error(path.toStdString());
}

void setRandomOptions(Options& options, const std::function<int(int)>& below, int oneIn,
                      std::optional<Option> kept)
{
    for (const OptionSpec& entry : optionTable())
        if (entry.id != kept && below(oneIn) == 0)
            options.set(entry.id,
                        entry.minimum + below(options.maximum(entry.id) - entry.minimum + 1));
}

} // namespace vendrilo::test
