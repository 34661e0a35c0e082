// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fontsetup.h"

#ifdef VENDRILO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace vendrilo {

FontSetUpInBackground::FontSetUpInBackground()
{
#ifdef VENDRILO_HAS_FONTCONFIG
    // Fontconfig keeps the configuration it read as the current one, for every thread; should
    // Qt ask at the same moment, the one read second is dropped.
    m_reader = std::thread([] { FcInit(); });
#endif
}

FontSetUpInBackground::~FontSetUpInBackground()
{
    wait();
}

void FontSetUpInBackground::wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace vendrilo
