// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace vendrilo::gui {

// The records of one draw file, read again only when the file changed (another file, its size or
// its time). What the window shows beside every shown draw (the other game's draw, whether the
// file knows a Superzahl) would otherwise read a whole file for each draw a search steps through.
class DrawFileCache {
public:
    // The file's records; none when it cannot be read (the operations that need it say why).
    const std::vector<DrawRecord>& records(const QString& path);
    // Whether the file of the last records() was there and could be read.
    bool lastReadOk() const { return m_readOk; }

private:
    QString m_path;
    qint64 m_size = -1;
    QDateTime m_modified;
    std::vector<DrawRecord> m_records;
    bool m_readOk = false;
};

} // namespace vendrilo::gui
