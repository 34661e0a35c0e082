// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/generator/randomsource.h"

#include <QString>

#include <array>

namespace vendrilo {

// The random mode of the single-tip form. While it runs, every tick (25 ms in the window) draws
// the positions not yet fixed anew, so the numbers flicker; each press of the button fixes the
// next position, and the press after the last one stops with the row as it stands.
class RandomPick {
public:
    static constexpr int kPositions = 6;

    bool running() const { return m_running; }
    // The first position still drawn anew ("Losgeht"), 1..6.
    int nextPosition() const { return m_next; }
    // The numbers of positions 1..6 as the last tick drew them; 0 before the first tick.
    const std::array<int, kPositions>& row() const { return m_row; }
    // The button's caption while running ("3 Stopp"); empty when stopped.
    QString runningCaption() const;

    // The button: starts with an empty row, fixes the next position, or stops after the last.
    void press();
    // Stops as the last press does (the dialog is closed).
    void stop();
    // Keeps positions 1..nextPosition()-1 and draws the others, each a number 1..49 that the row
    // does not hold yet.
    void tick(RandomSource& random);

private:
    bool m_running = false;
    int m_next = 1;
    std::array<int, kPositions> m_row{};
};

} // namespace vendrilo
