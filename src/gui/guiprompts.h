#pragma once

#include "core/app/prompts.h"

class QWidget;

namespace vendrilo::gui {

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
