// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/generator/numberpool.h"
#include "core/io/result.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vendrilo {

// The weighting list: the numbers 1..49, each ticked or not and with a weight. The generation
// run shows the pool in it and may rebuild the pool from it; the single-tip form picks a row's
// numbers with it. Saved as a ".qkw" file of 49 lines: line k holds number k's weight when it
// is ticked, nothing when it is not.
class WeightList {
public:
    static constexpr int kNumbers = 49;
    static constexpr int kMaxWeight = 1000000;

    // As the dialog is made: every number ticked, no weight yet.
    WeightList() { m_ticked.fill(true); }

    bool ticked(int number) const { return m_ticked[index(number)]; }
    // Nothing while the number has no weight yet (a new list).
    std::optional<int> weight(int number) const { return m_weights[index(number)]; }
    QString weightText(int number) const;
    void set(int number, bool ticked, std::optional<int> weight);
    void tickAll(bool ticked) { m_ticked.fill(ticked); }

    // A left click: the box toggles, then a ticked box gains 1 in weight. Any click but a
    // right one also ends the countdown a right click started.
    void leftClick(int number);
    // A mouse button other than the right one was released over a box.
    void otherButtonReleased() { m_countDown = false; }
    // A right click: the box keeps its tick; a ticked box loses 1 in weight and is unticked at 0.
    void rightClick(int number);
    // The box toggled without a mouse button (the keyboard): the weight moves as the last
    // button left it, up after a left click, down after a right one.
    void toggle(int number);

    // "Die Zahl 5 geht mit der Gewichtung 0 in die Berechnung ein"
    QString statusText(int number) const;

    // The list shows a pool: a number is ticked when the pool holds it, its weight is how often.
    static WeightList fromPool(const NumberPool& pool);
    // The pool the list makes ("&Rechnen"); see poolFromWeights.
    NumberPool pool() const;

    // The 49 lines of the file. A ticked number without a weight is given 1 first.
    QStringList fileLines();
    // Reads the 49 lines of a file: each empty (the number is unticked and gets the weight 1) or
    // a whole number 0..1000000, blanks around it allowed. Anything else is refused with a
    // message naming the first bad line, and the list stays as it was.
    Status takeFileLines(const QStringList& lines);

private:
    static std::size_t index(int number) { return static_cast<std::size_t>(number - 1); }
    void changeWeight(int number);

    std::array<bool, kNumbers> m_ticked{};
    std::array<std::optional<int>, kNumbers> m_weights{};
    bool m_countDown = false; // the last mouse button released was the right one
};

// ".qkw" files: saved atomically with the platform's line ends; read with the checks of
// takeFileLines. `path` names the file in messages.
Status saveWeightList(WeightList& list, const QString& path);
Status loadWeightList(WeightList& list, const QString& path);

// The file name the save and open dialogs propose: today as "yyyymmdd.qkw".
QString proposedWeightListName(double today);

} // namespace vendrilo
