// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startupwarmup.h"

#ifdef VENDRILO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef VENDRILO_HAS_DBUS
#include <QDBusConnection>
#include <QFileInfo>
#include <QGuiApplication>
#endif

namespace vendrilo {

StartUpWarmUp::StartUpWarmUp()
{
#ifdef VENDRILO_HAS_FONTCONFIG
    // Fontconfig keeps the configuration it read as the current one, for every thread; should
    // Qt ask at the same moment, the one read second is dropped.
    m_fonts = std::thread([] { FcInit(); });
#endif
}

StartUpWarmUp::~StartUpWarmUp()
{
    finish();
}

void StartUpWarmUp::connectSessionBus()
{
#ifdef VENDRILO_HAS_DBUS
    // Qt makes one connection to the session bus for the whole program; whoever asks second
    // waits for the first one's. Only the X11 and Wayland platforms have the bridge that asks.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("xcb") && !platform.startsWith(QLatin1String("wayland")))
        return;
    // Without a bus to be found the connection would start a helper process to look for one:
    // forked from another thread, it would only make the window's memory copy-on-write while
    // the window is built.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFileInfo::exists(runtime + QStringLiteral("/bus"))))
        return;
    m_bus = std::thread([] { QDBusConnection::sessionBus(); });
#endif
}

void StartUpWarmUp::waitForFonts()
{
    if (m_fonts.joinable())
        m_fonts.join();
}

void StartUpWarmUp::finish()
{
    waitForFonts();
    if (m_bus.joinable())
        m_bus.join();
}

} // namespace vendrilo
