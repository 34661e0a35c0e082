// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/options/optiontable.h"

#include <QString>
#include <vector>

namespace vendrilo {

// The inner tabs of the "Berechnung" tab, in their order, with their captions. The window builds
// each page from the options of optionTable() that stand on it, followed by its explanatory
// labels.
struct OptionPageInfo {
    OptionPage page;
    QString name; // the tab's control name
    QString caption;
};
const std::vector<OptionPageInfo>& optionPages();

// A text that stands on an options page without being an option's caption.
struct OptionPageLabel {
    QString name; // the label's control name where a language file finds it, or empty
    OptionPage page;
    QString text;
    bool opensCrossSumChart = false; // the label about cross sums opens their chart on a click
};

std::vector<OptionPageLabel> optionPageLabels(OptionPage page);
// The options of one page, in the order they stand.
std::vector<const OptionSpec*> optionsOnPage(OptionPage page);

// The coupling of the up-downs. It runs only when the user presses or releases a mouse button on
// an arrow; a position set otherwise (settings, --set, the run) leaves the ranges as they are.
// Even and odd minimum: neither may ask for more than the other leaves of six numbers.
void coupleEvenMinimum(Options& options);
void coupleOddMinimum(Options& options);
// Maximum and minimum overlap with the other rows: the minimum stays at or below the maximum.
// Pressing on the maximum fixes both ends; releasing the minimum moves the maximum's floor.
void coupleOverlapOnMaximumPressed(Options& options);
void coupleOverlapOnMinimumReleased(Options& options);

// What a press and a release on an option's arrows do; null where nothing happens.
struct OptionCoupling {
    void (*pressed)(Options&) = nullptr;
    void (*released)(Options&) = nullptr;
};
OptionCoupling optionCoupling(Option option);

} // namespace vendrilo
