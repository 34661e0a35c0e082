#include "gui/guiprompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace vendrilo::gui {

void GuiPrompts::message(const QString& text)
{
    QMessageBox::information(m_parent, kApplicationTitle, text);
}

bool GuiPrompts::askYesNo(const QString& caption, const QString& text)
{
    return QMessageBox::question(m_parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

QString GuiPrompts::inputText(const QString& caption, const QString& prompt,
                              const QString& defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

} // namespace vendrilo::gui
