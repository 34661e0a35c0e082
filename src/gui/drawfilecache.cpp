// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/drawfilecache.h"

#include "core/draws/drawfile.h"

#include <QFileInfo>

namespace vendrilo::gui {

const std::vector<DrawRecord>& DrawFileCache::records(const QString& path)
{
    const QFileInfo file(path);
    const qint64 size = file.exists() ? file.size() : -1;
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
    if (path == m_path && size == m_size && modified == m_modified)
        return m_records;
    auto read = drawfile::read(path);
    m_readOk = read.ok();
    m_records = read ? std::move(read).value() : std::vector<DrawRecord>{};
    m_path = path;
    m_size = size;
    m_modified = modified;
    return m_records;
}

} // namespace vendrilo::gui
