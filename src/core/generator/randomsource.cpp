// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/randomsource.h"

#include <QTime>

namespace vendrilo {

void RandomSource::randomize()
{
    m_seed = static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay());
}

} // namespace vendrilo
