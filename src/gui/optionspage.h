// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/options/optiontable.h"

#include <QWidget>

#include <map>

class QAbstractButton;
class QBoxLayout;
class QCheckBox;
class QSpinBox;

namespace vendrilo::gui {

class Session;

// The "Berechnung" tab: the generator's options on four inner tabs, built from the option table
// so that the window, the settings and the command line know the same options, and the buttons
// that show the charts the options refer to.
class OptionsPage : public QWidget {
    Q_OBJECT
public:
    OptionsPage(Session& session, QWidget* parent);

private:
    QWidget* buildPage(OptionPage page);
    void addCheckBox(QWidget* page, QBoxLayout* line, const OptionSpec& option);
    void addUpDown(QWidget* page, QBoxLayout* line, const OptionSpec& option);
    void addChartControls(OptionPage page, QWidget* pageWidget, QBoxLayout* lines);
    // Writes the option values and ranges into their controls.
    void showOptions();

    Session& m_session;
    std::map<Option, QCheckBox*> m_checkBoxes;
    std::map<Option, QSpinBox*> m_upDowns;
};

} // namespace vendrilo::gui
