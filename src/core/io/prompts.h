// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace vendrilo {

// Questions and messages that an operation needs in its middle. The window answers them with
// real dialogs; tests and the command line script the answers.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void message(const QString& text) = 0;
    // A yes/no box; true for yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // An input box proposing `defaultText`; nothing when the user cancels it (Escape or
    // "Abbrechen"): a cancelled question runs nothing.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& defaultText) = 0;
};

} // namespace vendrilo
