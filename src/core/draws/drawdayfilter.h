// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vendrilo {

// Selects draws by weekday: "Samstag Ziehungen" takes Saturday and Sunday draws, "Mittwoch
// Ziehungen" Wednesday draws; with both on every draw passes, whatever its weekday.
struct DrawDayFilter {
    bool saturday = true;
    bool wednesday = true;

    bool accepts(double drawDate) const;
    // Both unchecked is no useful filter: start-up checks both again.
    void normalize()
    {
        if (!saturday && !wednesday)
            saturday = wednesday = true;
    }
};

} // namespace vendrilo
