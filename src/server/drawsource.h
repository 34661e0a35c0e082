// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/io/result.h"

#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vendrilo::server {

// The draw file as the server answers from it. A running server follows the file: whoever
// keeps it (the program's own update, a script, a hand copy) changes it, and the next request
// sees the new draws without a restart.
class DrawSource {
public:
    explicit DrawSource(QString path);

    // The first read; a file that cannot be read is an error the server cannot start with.
    Status load();

    // The draws, read again when the file's modification time or size has changed since the
    // last read. A file that cannot be read any more (deleted, replaced by garbage) leaves the
    // last draws read in place: stale draws serve a client better than none, and the next
    // change of the file is read again.
    const std::vector<DrawRecord>& current();

private:
    struct Stamp {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> stamp() const;

    QString m_path;
    std::optional<Stamp> m_stamp;
    std::vector<DrawRecord> m_records;
};

} // namespace vendrilo::server
