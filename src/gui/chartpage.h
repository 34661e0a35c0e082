// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QBoxLayout;
class QCheckBox;
class QDateEdit;
class QLabel;

namespace vendrilo {
class Prompts;
}

namespace vendrilo::gui {

class Session;
class StatisticsChart;

// The "Diagramm" tab: the first day of the statistics period, the chart buttons and the chart.
class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(Session& session, QWidget* parent);
    // The chart is made when first needed (the first chart, a test), not before the window's
    // first paint: the charts' module takes a while to load. Null when it cannot be loaded; the
    // page then says why in the chart's place.
    StatisticsChart* chart();
    // The questions of the chart's context menu (saving the picture).
    void setChartPrompts(Prompts* prompts);
    // The picker's hint, which no caption file reaches, in the language of the texts.
    void showFixedTexts();

private:
    void showPeriod();
    void addDrawDayFilter(QBoxLayout* bar);
    void showDrawDayFilter();

    Session& m_session;
    QDateEdit* m_statisticsStart = nullptr;
    QCheckBox* m_drawDays[2] = {};
    QBoxLayout* m_layout = nullptr;
    StatisticsChart* m_chart = nullptr;
    QLabel* m_chartMissing = nullptr; // in the chart's place without the module
    QString m_chartMissingWhy;
    Prompts* m_prompts = nullptr;
};

} // namespace vendrilo::gui
