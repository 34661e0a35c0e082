// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>
#include <vector>

namespace vendrilo::gui {

// The numbers 1..49 on a 7 x 7 grid, as on the play slip and the weighting list: a click
// chooses a number or lets it go; chosen numbers are painted in the highlight colour. The
// numbers are values, not texts of the window, so the grid paints them itself.
class NumberGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kNumbers = 49;
    static constexpr int kColumns = 7;

    explicit NumberGrid(QWidget* parent = nullptr);

    std::vector<int> chosen() const; // ascending
    void setChosen(const std::vector<int>& numbers);
    bool isChosen(int number) const { return m_chosen[static_cast<std::size_t>(number - 1)]; }
    void toggle(int number);
    // The number under a point of the widget, or 0.
    int numberAt(const QPoint& point) const;
    // The middle of a number's cell, for tests that click it.
    QPoint centreOf(int number) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void chosenChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int cellSize() const;
    QRect cellOf(int number) const;

    std::array<bool, kNumbers> m_chosen{};
};

} // namespace vendrilo::gui
