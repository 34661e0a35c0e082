// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/prompts.h"

#include <QString>

#include <memory>

class QInputDialog;
class QWidget;

namespace vendrilo::gui {

// The application's title, the caption of its message boxes. (Not Qt's display name: that
// would be appended to every window caption.)
inline const QString kApplicationTitle = QStringLiteral("Quirlends Lotto Polen");

// Prompts answered by the user through modal dialogs.
class GuiPrompts : public Prompts {
public:
    explicit GuiPrompts(QWidget* parent) : m_parent(parent) {}

    void message(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    bool askYesNoDefaultNo(const QString& caption, const QString& text) override;
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override;

    // The input box, wide enough that its caption and its question can be read in full.
    static std::unique_ptr<QInputDialog> makeInputDialog(QWidget* parent, const QString& caption,
                                                         const QString& prompt,
                                                         const QString& defaultText);

private:
    QWidget* m_parent;
};

} // namespace vendrilo::gui
