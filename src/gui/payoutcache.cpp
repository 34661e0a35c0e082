// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/payoutcache.h"

#include "core/money/payoutfile.h"

#include <QFileInfo>

namespace vendrilo::gui {

const PayoutTable& PayoutCache::table(const QString& folder, std::optional<QString>* problem)
{
    const QFileInfo file(payoutfile::pathIn(folder));
    const Stamp stamp{file.absoluteFilePath(), file.exists() ? file.lastModified() : QDateTime(),
                      file.exists() ? file.size() : -1};
    if (m_stamp == stamp)
        return m_table;
    m_stamp = stamp;
    auto read = payoutfile::read(folder);
    if (read) {
        m_table = std::move(read).value();
    } else {
        m_table = PayoutTable();
        if (problem)
            *problem = read.error();
    }
    return m_table;
}

} // namespace vendrilo::gui
