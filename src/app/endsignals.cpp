// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/endsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace vendrilo {

#ifdef Q_OS_UNIX
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
// Where the handler writes: it may only call what is safe inside a signal handler.
volatile std::sig_atomic_t g_writeEnd = -1;

extern "C" void noteEndRequest(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    if (g_writeEnd >= 0) {
        // Should the socket be full, requests are waiting already: nothing is lost.
        [[maybe_unused]] const ssize_t written = ::write(g_writeEnd, &byte, 1);
    }
    errno = saved;
}

} // namespace
#endif

EndSignals::EndSignals(std::function<void()> close, QObject* parent)
    : QObject(parent), m_close(std::move(close))
{
#ifdef Q_OS_UNIX
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return;
    m_readEnd = ends[0];
    g_writeEnd = ends[1];
    auto* notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(m_readEnd, bytes, sizeof bytes) > 0) {
        }
        if (m_close)
            m_close();
    });
    struct sigaction action = {};
    action.sa_handler = noteEndRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND; // the second one takes its default course
    for (const int signal : kEndSignals) {
        struct sigaction before = {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        ::sigaction(signal, &action, nullptr);
    }
#endif
}

EndSignals::~EndSignals()
{
#ifdef Q_OS_UNIX
    if (m_readEnd < 0)
        return;
    for (const int signal : kEndSignals) {
        struct sigaction now = {};
        if (::sigaction(signal, nullptr, &now) == 0 && now.sa_handler == noteEndRequest)
            ::signal(signal, SIG_DFL);
    }
    const int writeEnd = g_writeEnd;
    g_writeEnd = -1;
    ::close(writeEnd);
    ::close(m_readEnd);
#endif
}

} // namespace vendrilo
