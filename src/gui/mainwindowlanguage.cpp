// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's languages: the language menu and the texts the window writes itself.
#include "core/texts/languagefiles.h"
#include "core/texts/textlist.h"
#include "gui/chartpage.h"
#include "gui/controls.h"
#include "gui/dialogs.h"
#include "gui/languages.h"
#include "gui/mainwindow.h"
#include "gui/qttranslations.h"
#include "gui/session.h"

#include <QAction>
#include <QFileInfo>

namespace vendrilo::gui {

void MainWindow::switchLanguage(int index)
{
    if (!languageByIndex(index))
        return;
    const TextList textsBefore = currentTexts();
    const MessageList messagesBefore = m_session->state().messages;
    reportMissingQtTranslations(loadLanguageTexts(index));
    m_session->retranslateStatusTexts(textsBefore, messagesBefore);
    m_session->showTextsAgain();
}

QLocale MainWindow::loadLanguageTexts(int index)
{
    const Language* language = languageByIndex(index);
    const LanguageFiles files{programFolder() + QStringLiteral("land"), language->code};
    MessageList messages = m_session->state().messages;
    const bool loaded = loadLanguage(this, files, messages);
    m_session->setLanguageTexts(index, std::move(messages));
    m_loadedLanguage = index;
    for (const Language& l : languages())
        m_languageItems[l.index]->setChecked(l.index == index);
    // Qt's own buttons and dialogs, weekdays and months follow the texts: German unless a
    // translation came.
    const bool translated = loaded && QFileInfo::exists(files.baseFile() + '.' + language->code);
    const QLocale names(translated ? language->qtCode : QStringLiteral("de"));
    useTexts(loadTexts(files, names));
    showFixedTexts();
    return names;
}

void MainWindow::showFixedTexts()
{
    nameDatesIn(this, textLocale());
    if (m_chartPage)
        m_chartPage->showFixedTexts();
    if (auto* entry = findChild<DrawEntryDialog*>(QString(), Qt::FindDirectChildrenOnly))
        entry->showFixedTexts();
    if (auto* list = findChild<WeightingListDialog*>(QString(), Qt::FindDirectChildrenOnly))
        list->showFixedTexts();
}

} // namespace vendrilo::gui
