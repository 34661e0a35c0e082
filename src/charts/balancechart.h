// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/chartwidgets.h"

#include <QChartView>

namespace vendrilo::gui {

// The ticket ledger's chart: the balance after each ticket as a line over the days of their
// first draws, on a money axis of round steps.
class BalanceChartView : public QChartView, public BalanceChart {
    Q_OBJECT

public:
    explicit BalanceChartView(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void showBalance(const std::vector<BalancePoint>& points, const QDateTime& from,
                     const QDateTime& to, const QString& title) override;
    void setTitle(const QString& title) override;
};

} // namespace vendrilo::gui
