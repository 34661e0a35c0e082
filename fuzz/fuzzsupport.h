// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every fuzz target shares: a scratch folder of its own process for the readers that take
// a path, and a check that stops the run (so that libFuzzer keeps the input) when a reader breaks
// a promise of its header.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace vendrilo::fuzz {

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A folder of this process, removed when the run ends normally.
inline const QTemporaryDir& scratchDir()
{
    static const QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no scratch folder: %s\n", qPrintable(dir.errorString()));
        std::abort();
    }
    return dir;
}

inline QString scratchPath(const QString& name)
{
    return scratchDir().filePath(name);
}

// Writes the bytes as the file `name` of the scratch folder and returns its path.
inline QString writeScratchFile(const QString& name, const QByteArray& bytes)
{
    const QString path = scratchPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// A broken promise: the input is kept as a crash.
inline void require(bool holds, const char* promise)
{
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

} // namespace vendrilo::fuzz
