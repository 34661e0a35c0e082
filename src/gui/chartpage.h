#pragma once

#include <QWidget>

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

private:
    void showPeriod();

    Session& m_session;
    QDateEdit* m_statisticsStart = nullptr;
    ChartView* m_chart = nullptr;
};

} // namespace vendrilo::gui
