// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/integers.h"
#include "core/texts/textlist.h"

namespace vendrilo {

std::optional<int> parseInteger(const QString& text)
{
    // Leading blanks are skipped as the runtime's conversion does; trailing ones are not.
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(INT32_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

QString notIntegerMessage(const QString& text)
{
    return fillIn(vendrilo::text(Text::NoIntegerValue), {text});
}

AskedInteger askInteger(Prompts& prompts, const QString& caption, const QString& prompt,
                        const QString& proposal, const QString& notNumberMessage)
{
    const std::optional<QString> answer = prompts.inputText(caption, prompt, proposal);
    if (!answer)
        return {std::nullopt, true};
    const auto number = parseInteger(*answer);
    if (!number)
        prompts.message(notNumberMessage.isEmpty() ? notIntegerMessage(*answer)
                                                   : notNumberMessage);
    return {number, false};
}

} // namespace vendrilo
