// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/chartbuttons.h"

namespace vendrilo::gui {

namespace {

constexpr bool kHint = true; // the status bar shows the button's hint

constexpr ChartButton kChartButtons[] = {
    {ChartPlace::Diagram, "SpeedButton200", "Zahlen", "Verteilung der gezogenen Zahlen",
     charts::ChartKind::Numbers, false, false, kHint},
    {ChartPlace::Diagram, "SpeedButton900", "QS", "Quersummenverteilung",
     charts::ChartKind::CrossSums, false, false, kHint},
    {ChartPlace::Diagram, "SpeedButton1", "2er", "Paare", charts::ChartKind::Pairs, false, false},
    {ChartPlace::Diagram, "SpeedButton3", "3er", "Dreier", charts::ChartKind::Triples, false,
     false},
    {ChartPlace::Diagram, "SpeedButton2", "4er", "Vierer", charts::ChartKind::Quads, false, false},
    {ChartPlace::Diagram, "SpeedButton9", "Ausstehende", "Ausstehende Zahlen",
     charts::ChartKind::Overdue, false, false},
    {ChartPlace::Database, "Button2", "Paare suchen", "Wie oft wurden die Zahlenpaare gezogen?",
     charts::ChartKind::Pairs, false, false, kHint},
    {ChartPlace::Database, "Button3", "Dreier suchen", "Wie oft wurden die Dreiergruppen gezogen?",
     charts::ChartKind::Triples, false, false, kHint},
    {ChartPlace::Database, "Button4", "Vierer suchen", "Wie oft wurden die Vierergruppen gezogen?",
     charts::ChartKind::Quads, false, false, kHint},
    {ChartPlace::Database, "Button5", "Ausstehende",
     "Welche Zahlen wurden am längsten nicht gezogen?", charts::ChartKind::Overdue, false, false,
     kHint},
    {ChartPlace::Database, "Button8", "Superzahl ausstehende", "", charts::ChartKind::Superzahl,
     false, false},
    {ChartPlace::Database, "Button9", "Primzahlen pro Tipp", "", charts::ChartKind::Primes, false,
     false},
    {ChartPlace::Database, "Button10", "Ungerade pro Tipp", "", charts::ChartKind::Odd, false,
     false},
    {ChartPlace::Database, "Button11", "Gerade pro Tipp", "", charts::ChartKind::Even, false,
     false},
    {ChartPlace::StatisticsOptions, "SpeedButton26", "Zahlen", "Verteilung der gezogenen Zahlen",
     charts::ChartKind::Numbers, false, false},
    {ChartPlace::StatisticsOptions, "SpeedButton22", "Ausstehende", "Ausstehende Zahlen",
     charts::ChartKind::Overdue, false, false},
    {ChartPlace::StatisticsOptions, "Label89", "Paare", "", charts::ChartKind::Pairs, true, true},
    {ChartPlace::StatisticsOptions, "SpeedButton23", "2er", "", charts::ChartKind::Pairs, true,
     false},
    {ChartPlace::StatisticsOptions, "SpeedButton21", "Paare", "", charts::ChartKind::Pairs, false,
     false},
    {ChartPlace::StatisticsOptions, "Label91", "Dreier", "", charts::ChartKind::Triples, true,
     true},
    {ChartPlace::StatisticsOptions, "SpeedButton24", "3er", "", charts::ChartKind::Triples, true,
     false},
    {ChartPlace::StatisticsOptions, "SpeedButton27", "Dreier", "", charts::ChartKind::Triples,
     false, false},
    {ChartPlace::StatisticsOptions, "Label90", "Vierer", "", charts::ChartKind::Quads, true, true},
    {ChartPlace::StatisticsOptions, "SpeedButton25", "4er", "", charts::ChartKind::Quads, true,
     false},
    {ChartPlace::StatisticsOptions, "SpeedButton28", "Vierer", "", charts::ChartKind::Quads, false,
     false},
    {ChartPlace::MathematicsOptions, "SpeedButton17", "QS", "Quersummenverteilung",
     charts::ChartKind::CrossSums, true, false},
    {ChartPlace::MathematicsOptions, "SpeedButton29", "Primzahlen",
     "Diagramm der Primzahlen pro Tipp", charts::ChartKind::Primes, false, false},
    {ChartPlace::MathematicsOptions, "SpeedButton32", "Ungerade",
     "Diagramm der ungeraden Zahlen pro Tipp", charts::ChartKind::Odd, false, false},
    {ChartPlace::MathematicsOptions, "SpeedButton31", "Gerade",
     "Diagramm der geraden Zahlen pro Tipp", charts::ChartKind::Even, false, false},
};

} // namespace

std::vector<ChartButton> chartButtonsOn(ChartPlace place)
{
    std::vector<ChartButton> buttons;
    for (const ChartButton& b : kChartButtons)
        if (b.place == place)
            buttons.push_back(b);
    return buttons;
}

const ChartButton* chartButtonNamed(const QString& name)
{
    for (const ChartButton& b : kChartButtons)
        if (name == QLatin1String(b.name))
            return &b;
    return nullptr;
}

std::vector<ChartButton> chartButtonsFor(charts::ChartKind kind, ChartPlace first)
{
    std::vector<ChartButton> buttons;
    for (const bool samePlace : {true, false})
        for (const ChartButton& b : kChartButtons)
            if (b.kind == kind && (b.place == first) == samePlace)
                buttons.push_back(b);
    return buttons;
}

std::vector<ChartButton> allChartButtons()
{
    return {std::begin(kChartButtons), std::end(kChartButtons)};
}

} // namespace vendrilo::gui
