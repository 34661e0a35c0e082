// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/prompts.h"

#include <QString>

#include <memory>

class QInputDialog;
class QMessageBox;
class QWidget;

namespace vendrilo::gui {

// Prompts answered by the user through modal dialogs.
class GuiPrompts : public Prompts {
public:
    explicit GuiPrompts(QWidget* parent) : m_parent(parent) {}

    void message(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;

    // The yes/no box, "Nein" its default button.
    static std::unique_ptr<QMessageBox> makeQuestionBox(QWidget* parent, const QString& caption,
                                                        const QString& text);
    // The input box, wide enough that its caption and its question can be read in full.
    static std::unique_ptr<QInputDialog> makeInputDialog(QWidget* parent, const QString& caption,
                                                         const QString& prompt,
                                                         const QString& defaultText);

private:
    QWidget* m_parent;
};

} // namespace vendrilo::gui
