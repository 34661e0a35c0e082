// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

namespace vendrilo::gui {

// Loads Qt's own translations (standard buttons, file dialogs) for the program's language, so
// that a German window does not offer "Cancel" and "Open". A language Qt has no file for leaves
// Qt's texts in English. False when nothing was loaded.
bool installQtTranslations(const QLocale& language);

} // namespace vendrilo::gui
