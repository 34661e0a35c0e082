// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace vendrilo::gui {

// Loads Qt's own translations (standard buttons, file dialogs) for the program's language, so
// that a German window does not offer "Cancel" and "Open". A language Qt has no file for leaves
// Qt's texts in English. False when nothing was loaded.
bool installQtTranslations(const QLocale& language);
// The same, saying on stderr when Qt's texts for a language other than English are missing
// (they come with the system's Qt translations package), so that English buttons in a Polish
// window have an explanation.
void reportMissingQtTranslations(const QLocale& language);

} // namespace vendrilo::gui
