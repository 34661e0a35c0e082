#pragma once

#include <QWidget>

class QDateEdit;
class QLabel;

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

// The "Datenbank" tab: the draw for a chosen date, which also ends the statistics period, and
// the buttons of the charts over the whole period.
class DatabasePage : public QWidget {
    Q_OBJECT
public:
    DatabasePage(Session& session, QWidget* parent);

private:
    void showDraw();
    void showPeriod();

    Session& m_session;
    QLabel* m_drawLine = nullptr;
    QDateEdit* m_chosenDate = nullptr;
};

// The "Internet-Optionen" tab; its fields come with the online update.
class InternetPage : public QWidget {
    Q_OBJECT
public:
    explicit InternetPage(QWidget* parent) : QWidget(parent) {}
};

} // namespace vendrilo::gui
