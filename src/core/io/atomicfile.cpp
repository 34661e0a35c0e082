#include "core/io/atomicfile.h"

#include <QDir>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace vendrilo {

Error fileError(const QFileDevice& file, const QString& path)
{
    QString reason = file.errorString();
    if ((reason.isEmpty() || reason == QLatin1String("Unknown error")) && errno != 0)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    return {QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason)};
}

Status writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    errno = 0;
    // Unbuffered, so that a short write shows in write()'s result here instead of being lost
    // in a late flush that commit() would not report.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fileError(f, path);
    if (f.write(bytes) != bytes.size() || f.size() != bytes.size()) {
        Error error = fileError(f, path);
        f.cancelWriting();
        return error;
    }
    if (!f.commit())
        return fileError(f, path);
    return {};
}

} // namespace vendrilo
