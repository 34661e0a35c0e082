#pragma once

namespace vendrilo {

// Selects draws by weekday: CheckBox16 takes Saturday and Sunday draws, CheckBox17 Wednesday
// draws; with both checked every draw passes, whatever its weekday.
struct DrawDayFilter {
    bool saturday = true;  // CheckBox16
    bool wednesday = true; // CheckBox17

    bool accepts(double drawDate) const;
    // Both unchecked is no useful filter: start-up checks both again.
    void normalize()
    {
        if (!saturday && !wednesday)
            saturday = wednesday = true;
    }
};

} // namespace vendrilo
