// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/guiprompts.h"

#include "core/texts/textlist.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace vendrilo::gui {

namespace {
// A question asked in the middle of a long action shows the normal pointer, not the busy one.
struct ArrowWhileAsking {
    ArrowWhileAsking() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowWhileAsking() { QApplication::restoreOverrideCursor(); }
};
} // namespace

void GuiPrompts::message(const QString& text)
{
    const ArrowWhileAsking arrow;
    // The application's title is the caption of its message boxes. (Not Qt's display name: that
    // would be appended to every window caption.)
    QMessageBox::information(m_parent, vendrilo::text(Text::ApplicationTitle), text);
}

std::unique_ptr<QMessageBox> GuiPrompts::makeQuestionBox(QWidget* parent, const QString& caption,
                                                          const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, caption, text,
                                             QMessageBox::Yes | QMessageBox::No, parent);
    // The program's questions guard what cannot be undone (deleting a draw, clearing the
    // sheet): a hasty Enter keeps things as they are.
    box->setDefaultButton(QMessageBox::No);
    box->setEscapeButton(QMessageBox::No);
    return box;
}

bool GuiPrompts::askYesNo(const QString& caption, const QString& text)
{
    const ArrowWhileAsking arrow;
    return makeQuestionBox(m_parent, caption, text)->exec() == QMessageBox::Yes;
}

std::unique_ptr<QInputDialog> GuiPrompts::makeInputDialog(QWidget* parent, const QString& caption,
                                                          const QString& prompt,
                                                          const QString& defaultText)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(caption);
    dialog->setLabelText(prompt);
    dialog->setTextValue(defaultText);
    // The program's questions often stand in the caption ("Bei wievielen Zahlen ...?"), which a
    // narrow box cuts off: make room for it, with space for the window's buttons.
    const QFontMetrics titleMetrics(QApplication::font("QMdiSubWindowTitleBar"));
    const QFontMetrics body(dialog->font());
    const int wanted = std::max(titleMetrics.horizontalAdvance(caption) + 120,
                                body.horizontalAdvance(prompt) + 40);
    // The dialog sizes itself from its layout, so the width goes to the field it holds.
    if (auto* field = dialog->findChild<QLineEdit*>())
        field->setMinimumWidth(std::max(280, wanted - 40));
    return dialog;
}

std::optional<QString> GuiPrompts::inputText(const QString& caption, const QString& prompt,
                                             const QString& defaultText)
{
    const ArrowWhileAsking arrow;
    const auto dialog = makeInputDialog(m_parent, caption, prompt, defaultText);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

} // namespace vendrilo::gui
