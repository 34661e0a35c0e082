// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/chartmakers.h"

#include "charts/balancechart.h"
#include "charts/chartview.h"

namespace vendrilo::gui {

namespace {

StatisticsChart* makeStatisticsChart(QWidget* parent)
{
    return new ChartView(parent);
}

BalanceChart* makeBalanceChart(QWidget* parent)
{
    return new BalanceChartView(parent);
}

} // namespace

const ChartWidgets& chartMakers()
{
    static const ChartWidgets makers{&makeStatisticsChart, &makeBalanceChart};
    return makers;
}

} // namespace vendrilo::gui
