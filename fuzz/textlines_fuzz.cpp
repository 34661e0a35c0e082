// SPDX-License-Identifier: GPL-3.0-or-later
// The line splitter against a plain model of its rules: CR LF, LF or CR end a line, a last line
// without an ending counts, lines are cut to their length bound and reading stops after the line
// bound. Fed whole, fed in pieces and read from a file, it gives the same lines. The first two
// bytes of the input choose the bounds.
#include "core/io/textlines.h"
#include "fuzzsupport.h"

using namespace vendrilo;

namespace {

QList<QByteArray> model(const QByteArray& text, const LineLimits& limits)
{
    QList<QByteArray> lines;
    QByteArray line;
    bool open = false;
    auto full = [&] { return limits.maxLines > 0 && lines.size() >= limits.maxLines; };
    for (qsizetype i = 0; i < text.size() && !full(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            open = true;
            continue;
        }
        lines << line.left(limits.maxLineLength);
        line.clear();
        open = false;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    if (open && !full())
        lines << line.left(limits.maxLineLength);
    return lines;
}

QList<QByteArray> inPieces(const QByteArray& text, const LineLimits& limits, int piece)
{
    LineSplitter splitter(limits);
    for (qsizetype at = 0; at < text.size(); at += piece)
        if (!splitter.feed(text.constData() + at, std::min<qsizetype>(piece, text.size() - at)))
            break;
    splitter.finish();
    return splitter.lines();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    LineLimits limits;
    limits.maxLines = data[0] % 16;          // 0: no bound
    limits.maxLineLength = 1 + data[1] % 64; // short, so that cutting happens
    const QByteArray text = fuzz::bytesOf(data + 2, size - 2);

    const QList<QByteArray> expected = model(text, limits);
    fuzz::require(splitLines(text, limits) == expected, "lines of bytes in memory");
    fuzz::require(inPieces(text, limits, 1 + data[0] / 16) == expected, "lines fed in pieces");

    const QString path = fuzz::writeScratchFile(QStringLiteral("lines.txt"), text);
    const auto read = readLines(path, limits);
    fuzz::require(read.ok() && *read == expected, "lines read from a file");
    limits.maxBytesScanned = text.size() / 2;
    const auto half = readLines(path, limits);
    fuzz::require(half.ok() && *half == model(text.left(text.size() / 2), limits),
                  "a file is taken to end at the scan bound");
    return 0;
}
