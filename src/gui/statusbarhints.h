// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <functional>

class QWidget;

namespace vendrilo::gui {

// The controls of the main window whose hint the status bar shows once the mouse is over them, by
// name: the sheet's row labels and those entries of the control, chart button and option tables
// that say so (for an option's up-down, the name of its field).
const QStringList& statusBarHintControls();

// Watches those of them that `window` holds. When the mouse comes over one, `show` gets that
// control, whose hint then stands in the status bar until the mouse comes over another.
// `parts`: only the controls within these (pages made later); empty: every control.
void showHintsInStatusBar(QWidget* window, std::function<void(QWidget*)> show,
                          const QList<QWidget*>& parts = {});

} // namespace vendrilo::gui
