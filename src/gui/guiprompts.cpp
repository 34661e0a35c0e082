// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/guiprompts.h"

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
    QMessageBox::information(m_parent, kApplicationTitle, text);
}

bool GuiPrompts::askYesNo(const QString& caption, const QString& text)
{
    const ArrowWhileAsking arrow;
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool GuiPrompts::askYesNoDefaultNo(const QString& caption, const QString& text)
{
    const ArrowWhileAsking arrow;
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
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

QString GuiPrompts::inputText(const QString& caption, const QString& prompt,
                              const QString& defaultText)
{
    const ArrowWhileAsking arrow;
    const auto dialog = makeInputDialog(m_parent, caption, prompt, defaultText);
    return dialog->exec() == QDialog::Accepted ? dialog->textValue() : defaultText;
}

} // namespace vendrilo::gui
