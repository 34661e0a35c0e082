// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace vendrilo {

// The program's conversion of a text to an integer: optional leading blanks, an optional sign
// and decimal digits, nothing after them, within 32 bits. Anything else fails.
std::optional<int> parseInteger(const QString& text);

} // namespace vendrilo
