// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/randompick.h"

#include "core/texts/textlist.h"

#include <algorithm>

namespace vendrilo {

QString RandomPick::runningCaption() const
{
    return m_running ? fillIn(text(Text::RandomPickStop), {QString::number(m_next)}) : QString();
}

void RandomPick::press()
{
    if (!m_running) {
        m_running = true;
        m_row.fill(0);
        m_next = 1;
    } else if (m_next < kPositions) {
        ++m_next;
    } else {
        stop();
    }
}

void RandomPick::stop()
{
    m_running = false;
    m_next = 1;
}

void RandomPick::tick(RandomSource& random)
{
    const auto fixed = m_row.begin() + (m_next - 1);
    std::fill(fixed, m_row.end(), 0);
    for (auto position = fixed; position != m_row.end();) {
        const int number = static_cast<int>(random.next(49)) + 1;
        if (std::find(m_row.begin(), position, number) != position)
            continue; // that box is ticked already: drawn again for the same position
        *position++ = number;
    }
}

} // namespace vendrilo
