#pragma once

#include "core/app/optiontable.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vendrilo {

// The inner tabs of the "Berechnung" tab, in their order. The window builds each page from the
// controls of optionTable() whose page names it, followed by the page's explanatory labels.
const QStringList& optionPages();

// A text that stands on an options page without being a control's caption.
struct OptionPageLabel {
    QString name; // the label's control name where other code refers to it ("Label88"), or empty
    QString page;
    QString text;
    bool clickable = false; // a click runs the label's handler (Label88Click shows a chart)
};

const std::vector<OptionPageLabel>& optionPageLabels();
std::vector<OptionPageLabel> optionPageLabels(const QString& page);
// The controls of one page, in the order they stand.
std::vector<const OptionSpec*> optionsOnPage(const QString& page);

// The coupling of the up-downs. They run only when the user presses or releases a mouse button
// on an arrow; a position set otherwise (settings, --set, the run) leaves the ranges as they are.
// Even and odd minimum: neither may ask for more than the other leaves of six numbers.
void UpDown15MouseDown(Options& options);
void UpDown15MouseUp(Options& options);
void UpDown16MouseDown(Options& options);
void UpDown16MouseUp(Options& options);
// Maximum and minimum overlap with the other rows: the minimum stays at or below the maximum.
void UpDown3MouseDown(Options& options);
void UpDown9MouseUp(Options& options);

} // namespace vendrilo
