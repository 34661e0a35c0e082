// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vendrilo {

// Selects draws by weekday: "Wochenend-Ziehungen" takes Saturday and Sunday draws, "Ziehungen
// unter der Woche" the draws of every other day (Monday to Friday); with both on every draw
// passes, whatever its weekday, even one whose date is no calendar day.
struct DrawDayFilter {
    bool weekend = true;
    bool otherDays = true;

    bool accepts(double drawDate) const;
    // Both unchecked is no useful filter: start-up checks both again.
    void normalize()
    {
        if (!weekend && !otherDays)
            weekend = otherDays = true;
    }
};

} // namespace vendrilo
