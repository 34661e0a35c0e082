// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

class QWidget;

namespace vendrilo::gui {

// A window's first paint writes every pixel of a drawing surface the system has only just
// handed out. On X11 that surface is shared memory, and the first touch of each of its pages
// cost about as much as drawing all the sheet's controls. The start-up gives the window its
// surface as soon as its size is known and touches the pages on another core while it fills
// the window; the first paint then only draws.
class DrawingSurfacePreparation {
public:
    DrawingSurfacePreparation() = default;
    ~DrawingSurfacePreparation(); // waits
    DrawingSurfacePreparation(const DrawingSurfacePreparation&) = delete;
    DrawingSurfacePreparation& operator=(const DrawingSurfacePreparation&) = delete;

    // Whether it pays on this platform: X11, whose surface is allocated when sized. (Wayland's
    // comes only with the first paint; the offscreen platform's is plain memory.)
    static bool worthwhileHere();

    // Makes the window's native window and its surface at the window's present size, and begins
    // touching the surface's memory; a window the system has exposed already is left alone.
    // Nothing may paint or resize the window before wait() (no event loop may run): the surface
    // is Qt's, and the window's first paint reallocates it at another size.
    void begin(QWidget& window);
    void wait();

private:
    std::thread m_toucher;
};

} // namespace vendrilo::gui
