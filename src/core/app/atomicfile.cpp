#include "core/app/atomicfile.h"

#include <QDir>
#include <QSaveFile>

namespace vendrilo {

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    auto error = [&] {
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), f.errorString());
    };
    // Unbuffered, so that a short write shows in write()'s result here instead of being lost
    // in a late flush that commit() would not report.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return error();
    if (f.write(bytes) != bytes.size() || f.size() != bytes.size()) {
        const QString text = error();
        f.cancelWriting();
        return text;
    }
    if (!f.commit())
        return error();
    return std::nullopt;
}

} // namespace vendrilo
