// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/prompts.h"

#include <QString>

#include <optional>

namespace vendrilo {

// The program's conversion of a text to an integer: optional leading blanks, an optional sign
// and decimal digits, nothing after them, within 32 bits. Anything else fails.
std::optional<int> parseInteger(const QString& text);

// "'abc' ist kein gültiger Integerwert": what the program says of a text that should have been a
// whole number.
QString notIntegerMessage(const QString& text);

// The answer to an input box asking for a whole number.
struct AskedInteger {
    std::optional<int> number; // the number given
    bool cancelled = false;    // the box was cancelled: nothing is to run
};

// Asks for a whole number. An answer that is none is told to the user (`notNumberMessage`, or
// notIntegerMessage() when empty) and comes back without a number.
AskedInteger askInteger(Prompts& prompts, const QString& caption, const QString& prompt,
                        const QString& proposal, const QString& notNumberMessage = {});

} // namespace vendrilo
