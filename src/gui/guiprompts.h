#pragma once

#include "core/app/prompts.h"

#include <QString>

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
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override;

private:
    QWidget* m_parent;
};

} // namespace vendrilo::gui
