// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace vendrilo {

// How much of a text file a reader takes. Text files the program reads are short; these bounds
// keep a wrong file chosen by mistake (a video, a file without a single line end) from taking
// time or memory.
struct LineLimits {
    int maxLines = 0;                          // stop once this many lines are complete
    qsizetype maxLineLength = 4096;            // bytes kept of a line; the rest is skipped
    qint64 maxBytesScanned = qint64(64) << 20; // the file is taken to end here
    qint64 maxFileBytes = 0; // a larger file is refused with a message (0: no such bound)
};

// Takes each complete line; false stops the reading.
using LineSink = std::function<bool(const QByteArray& line)>;

// Lines as the program's readers see them: CR LF, LF or CR end a line; a last line without an
// ending counts, nothing after the last ending does. Fed in pieces, so that a file is read once,
// front to back, in linear time.
class LineSplitter {
public:
    explicit LineSplitter(const LineLimits& limits) : m_limits(limits) {}
    // Hands every line to `sink` instead of keeping it: one line at a time in memory.
    LineSplitter(const LineLimits& limits, LineSink sink)
        : m_limits(limits), m_sink(std::move(sink))
    {
    }

    // Takes the next bytes; false once enough lines are complete.
    bool feed(const char* data, qsizetype size);
    // The end of the text: a last line without an ending is taken.
    void finish();
    bool full() const
    {
        return m_stopped || (m_limits.maxLines > 0 && m_count >= m_limits.maxLines);
    }
    const QList<QByteArray>& lines() const { return m_lines; }

private:
    void endLine();

    LineLimits m_limits;
    LineSink m_sink;
    QList<QByteArray> m_lines;
    qsizetype m_count = 0;
    bool m_stopped = false;
    QByteArray m_current;
    bool m_afterCarriageReturn = false;
    bool m_lineOpen = false;
};

// The lines of bytes in memory (no limits but the length of each line).
QList<QByteArray> splitLines(const QByteArray& bytes, const LineLimits& limits = {});

// The first lines of a file, read in blocks and no further than the limits ask. Only a regular
// file is read (core/io/regularfile.h).
Result<QList<QByteArray>> readLines(const QString& path, const LineLimits& limits);

// The same, each line handed to `sink` as soon as it is complete.
Status forEachLine(const QString& path, const LineLimits& limits, const LineSink& sink);

} // namespace vendrilo
