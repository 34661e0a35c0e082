// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/drawsource.h"

#include "core/draws/drawfile.h"

#include <QFile>

#include <cstdio>
#include <utility>

namespace vendrilo::server {

DrawSource::DrawSource(QString path) : m_path(std::move(path)) {}

// Nanoseconds where the file system keeps them: two writes within one second (a test, a quick
// script) still differ.
std::optional<DrawSource::Stamp> DrawSource::stamp() const
{
    const std::filesystem::path path(QFile::encodeName(m_path).toStdString());
    std::error_code error;
    Stamp stamp;
    stamp.modified = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    stamp.size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return stamp;
}

Status DrawSource::load()
{
    // The stamp comes first: a change during the read is then seen as a change afterwards.
    m_stamp = stamp();
    auto records = drawfile::read(m_path);
    if (!records)
        return records.failure();
    m_records = std::move(records).value();
    return {};
}

const std::vector<DrawRecord>& DrawSource::current()
{
    const auto now = stamp();
    if (now == m_stamp)
        return m_records;
    m_stamp = now;
    auto records = drawfile::read(m_path);
    if (records) {
        m_records = std::move(records).value();
    } else {
        // A server has no user to ask: the operator reads it where the server was started.
        const QByteArray line = "vendrilo-server: " + records.error().simplified().toUtf8() +
                                "; answering from the draws read before\n";
        std::fputs(line.constData(), stderr);
        std::fflush(stderr);
    }
    return m_records;
}

} // namespace vendrilo::server
