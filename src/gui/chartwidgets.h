// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/charts/chartdata.h"
#include "core/io/prompts.h"
#include "core/texts/textlist.h"
#include "modulesupport/hosttexts.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vendrilo::gui {

// The window draws its charts through a module of their own, vendrilo-charts (src/charts), which
// it loads when the first chart is made, after the window is on the screen: Qt Charts and the
// OpenGL libraries it brings are then not loaded with the program, whose start they lengthen.
// The window knows the charts by these interfaces only; each chart is a widget owned by its
// parent, as any other.

// The chart of the "Diagramm" tab: one ChartData as bars with their value marks and titles.
class StatisticsChart {
public:
    virtual QWidget* widget() = 0;
    // Replaces everything shown by the chart's bars, axis and titles.
    virtual void setChartData(const charts::ChartData& data) = 0;
    // The data last drawn.
    virtual const charts::ChartData& chartData() const = 0;
    // "Keine Ziehungen im gewählten Zeitraum" across an empty period's chart; empty otherwise.
    virtual QString emptyPeriodNote() const = 0;
    // Where failures to save the chart are told; the chart's own message boxes when null. Not
    // owned.
    virtual void setPrompts(Prompts* prompts) = 0;

protected:
    ~StatisticsChart() = default; // deleted as the widget it is
};

// One point of the ticket ledger's balance: the day of a ticket's first draw and the balance
// after it.
struct BalancePoint {
    QDateTime day;
    double zloty = 0;
};

// The ledger's chart: the balance over the tickets, in zł.
class BalanceChart {
public:
    virtual QWidget* widget() = 0;
    // Draws the points over the days from `from` to `to` under `title`.
    virtual void showBalance(const std::vector<BalancePoint>& points, const QDateTime& from,
                             const QDateTime& to, const QString& title) = 0;
    virtual void setTitle(const QString& title) = 0;

protected:
    ~BalanceChart() = default;
};

// What the module makes.
struct ChartWidgets {
    StatisticsChart* (*makeStatisticsChart)(QWidget* parent);
    BalanceChart* (*makeBalanceChart)(QWidget* parent);
};

// The module's entry, by this name: its chart makers, its texts taken from `host`, which must
// outlive them.
using ChartModuleEntry = const ChartWidgets* (*)(const ModuleTextHost* host);
inline constexpr char kChartModuleEntry[] = "vendriloChartWidgets";

// The chart makers: those given to useLinkedChartWidgets, or else the module's, loaded at the
// first call. Null when the module cannot be loaded; `why` then holds the system's reason.
const ChartWidgets* chartWidgets(QString* why);
// Chart makers linked into the program itself (its tests), used instead of the module's.
void useLinkedChartWidgets(const ChartWidgets* widgets);
// The chart makers of the module in the first of `folders` that has it. Null when none has;
// `why` then holds the system's reason.
const ChartWidgets* loadChartModule(const QStringList& folders, QString* why);
// What the window shows in a chart's place when the module could not be loaded for `why`, in
// the language of the texts now.
QString chartModuleMissingText(const QString& why);

} // namespace vendrilo::gui
