// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/textlines.h"

#include "core/io/atomicfile.h"
#include "core/io/regularfile.h"

#include <QFile>

namespace vendrilo {

void LineSplitter::endLine()
{
    ++m_count;
    if (m_sink)
        m_stopped = !m_sink(m_current);
    else
        m_lines.append(m_current);
    m_current.clear();
    m_lineOpen = false;
}

bool LineSplitter::feed(const char* data, qsizetype size)
{
    for (qsizetype i = 0; i < size && !full(); ++i) {
        const char c = data[i];
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (c == '\n')
                continue; // the second half of CR LF
        }
        if (c == '\r' || c == '\n') {
            endLine();
            m_afterCarriageReturn = c == '\r';
            continue;
        }
        m_lineOpen = true;
        if (m_current.size() < m_limits.maxLineLength)
            m_current.append(c);
    }
    return !full();
}

void LineSplitter::finish()
{
    if (m_lineOpen && !full())
        endLine();
}

QList<QByteArray> splitLines(const QByteArray& bytes, const LineLimits& limits)
{
    LineSplitter splitter(limits);
    splitter.feed(bytes.constData(), bytes.size());
    splitter.finish();
    return splitter.lines();
}

namespace {

Status splitFile(const QString& path, const LineLimits& limits, LineSplitter& splitter)
{
    QFile file;
    if (const Status opened = openRegularFile(file, path); !opened)
        return opened;
    if (limits.maxFileBytes > 0 && file.size() > limits.maxFileBytes)
        return fileTooLarge(path, file.size(), limits.maxFileBytes);
    QByteArray block(1 << 16, Qt::Uninitialized);
    qint64 scanned = 0;
    while (scanned < limits.maxBytesScanned) {
        const qint64 wanted = std::min<qint64>(block.size(), limits.maxBytesScanned - scanned);
        const qint64 got = file.read(block.data(), wanted);
        if (got < 0)
            return fileError(file, path, ErrorKind::Unreadable);
        if (got == 0 || !splitter.feed(block.constData(), got))
            break;
        scanned += got;
    }
    splitter.finish();
    return {};
}

} // namespace

Result<QList<QByteArray>> readLines(const QString& path, const LineLimits& limits)
{
    LineSplitter splitter(limits);
    if (const Status split = splitFile(path, limits, splitter); !split)
        return split.failure();
    return splitter.lines();
}

Status forEachLine(const QString& path, const LineLimits& limits, const LineSink& sink)
{
    LineSplitter splitter(limits, sink);
    return splitFile(path, limits, splitter);
}

} // namespace vendrilo
