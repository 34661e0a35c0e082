// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/balancechart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vendrilo::gui {

BalanceChartView::BalanceChartView(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("LedgerChart"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(160);
}

void BalanceChartView::showBalance(const std::vector<BalancePoint>& points, const QDateTime& from,
                                   const QDateTime& to, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto* series = new QLineSeries(chart);
    series->setPointsVisible(true);
    double low = 0, high = 0;
    for (const BalancePoint& point : points) {
        series->append(static_cast<qreal>(point.day.toMSecsSinceEpoch()), point.zloty);
        low = std::min(low, point.zloty);
        high = std::max(high, point.zloty);
    }
    chart->addSeries(series);
    auto* time = new QDateTimeAxis(chart);
    time->setFormat(QStringLiteral("dd.MM.yy"));
    time->setRange(from, to);
    if (points.empty()) // the period's first and last day
        time->setTickCount(2);
    auto* money = new QValueAxis(chart);
    // Round steps of 1, 2 or 5 times a power of ten, about four of them.
    const double rough = std::max(1.0, (high - low) / 4);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double step = rough <= power       ? power
                        : rough <= 2 * power ? 2 * power
                        : rough <= 5 * power ? 5 * power
                                             : 10 * power;
    // At least one step, also for a ledger of no tickets or of a balance of nought throughout.
    const double bottom = std::floor(low / step) * step;
    const double top = std::max(std::ceil(high / step) * step, bottom + step);
    money->setRange(bottom, top);
    money->setTickCount(static_cast<int>(std::lround((top - bottom) / step)) + 1);
    money->setLabelFormat(QStringLiteral("%.0f"));
    money->setTitleText(QStringLiteral("zł"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(money, Qt::AlignLeft);
    series->attachAxis(time);
    series->attachAxis(money);
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

void BalanceChartView::setTitle(const QString& title)
{
    if (QChart* shown = chart())
        shown->setTitle(title);
}

} // namespace vendrilo::gui
