#pragma once

#include "core/draws/drawrecord.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace vendrilo::test {

// A draw on the given day with numbers n1..n6 (bonus and Superzahl optional).
DrawRecord draw(const char* ddmmyyyy, std::initializer_list<int> numbers, int bonus = 0,
                int superzahl = 0);

// Writes records as a draw file into dir, returns its path.
QString writeDrawFile(const QTemporaryDir& dir, const std::vector<DrawRecord>& records,
                      const QString& name = QStringLiteral("ZahlenPL.dat"));

QByteArray readBytes(const QString& path);

// Runs `body` while this process may write files of at most `bytes` bytes, so that writing
// more fails as on a full disk, whoever runs the test (root included). False where the limit
// cannot be set (not on Linux): the caller skips then.
bool withFileSizeLimit(long bytes, const std::function<void()>& body);
void writeBytes(const QString& path, const QByteArray& bytes);

} // namespace vendrilo::test
