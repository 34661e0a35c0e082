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
    // The same for a step that cannot be undone: the box's default button is no, so that a
    // hasty Enter keeps what is there.
    virtual bool askYesNoDefaultNo(const QString& caption, const QString& text)
    {
        return askYesNo(caption, text);
    }
    // An input box; on cancel it returns the default text, as the program's input boxes do.
    virtual QString inputText(const QString& caption, const QString& prompt,
                              const QString& defaultText) = 0;
};

} // namespace vendrilo
