// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace vendrilo {

// Two things the window's first texts wait for at a start, begun beforehand on other cores:
// - the desktop's font configuration (its files and font caches), which fontconfig reads the
//   first time a text is measured;
// - the session bus, which Qt's accessibility bridge connects to the first time a control
//   announces its text.
// Each took some milliseconds of the time until the window showed. Where Qt uses neither there
// is nothing to begin.
class StartUpWarmUp {
public:
    // Begins reading the font configuration: made at the top of main(), before Qt connects to
    // the display.
    StartUpWarmUp();
    ~StartUpWarmUp();
    StartUpWarmUp(const StartUpWarmUp&) = delete;
    StartUpWarmUp& operator=(const StartUpWarmUp&) = delete;

    // Begins connecting to the session bus, which needs the application object: called right
    // after it is made, on a platform whose accessibility speaks over the bus.
    void connectSessionBus();
    // Until the font configuration is read; the window's first text then does not read it too.
    void waitForFonts();
    // Until both are done; the session bus's connection, which the window's first text waited
    // for too, is made or refused by then.
    void finish();

private:
    std::thread m_fonts;
    std::thread m_bus;
};

} // namespace vendrilo
