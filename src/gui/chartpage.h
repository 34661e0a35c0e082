// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QBoxLayout;
class QCheckBox;
class QDateEdit;

namespace vendrilo::gui {

class ChartView;
class Session;

// The "Diagramm" tab: the first day of the statistics period, the chart buttons and the chart.
class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(Session& session, QWidget* parent);
    ChartView* chartView() const { return m_chart; }
    // The picker's hint, which no caption file reaches, in the language of the texts.
    void showFixedTexts();

private:
    void showPeriod();
    void addDrawDayFilter(QBoxLayout* bar);
    void showDrawDayFilter();

    Session& m_session;
    QDateEdit* m_statisticsStart = nullptr;
    QCheckBox* m_drawDays[2] = {};
    ChartView* m_chart = nullptr;
};

} // namespace vendrilo::gui
