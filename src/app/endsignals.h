// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

namespace vendrilo {

// The system's request to end the program closes the window as its close box does, which stores
// the settings and the sheet: SIGTERM (a shutdown, `kill`), SIGHUP (the terminal it was started
// from goes away) and SIGINT (Ctrl+C there). By default each ended the program on the spot, and
// what had changed since the start was lost. A second signal of the same kind ends the program
// at once; a signal the program was started to ignore (nohup) stays ignored.
class EndSignals : public QObject {
public:
    // close: called on the main thread, once for each request that comes.
    explicit EndSignals(std::function<void()> close, QObject* parent = nullptr);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    std::function<void()> m_close;
    int m_readEnd = -1;
};

} // namespace vendrilo
