// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace vendrilo {

// The desktop's font configuration (its files and font caches) is read the first time a text is
// measured: some milliseconds that the window's first label would wait for. Made at the top of
// main(), this reads it on another core while Qt connects to the display, so that the window
// finds it ready. Where Qt does not use fontconfig there is nothing to read ahead.
class FontSetUpInBackground {
public:
    FontSetUpInBackground();
    ~FontSetUpInBackground();
    FontSetUpInBackground(const FontSetUpInBackground&) = delete;
    FontSetUpInBackground& operator=(const FontSetUpInBackground&) = delete;

    // Until the configuration is read; the window's first text then does not read it again.
    void wait();

private:
    std::thread m_reader;
};

} // namespace vendrilo
