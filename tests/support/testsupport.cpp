#include "testsupport.h"

#include "core/draws/dates.h"
#include "core/draws/drawfile.h"

#include <QFile>

#include <stdexcept>

namespace vendrilo::test {

DrawRecord draw(const char* ddmmyyyy, std::initializer_list<int> numbers, int bonus, int superzahl)
{
    DrawRecord r;
    const auto day = parseDate(QString::fromLatin1(ddmmyyyy));
    if (!day)
        throw std::invalid_argument(ddmmyyyy);
    r.date = *day;
    std::size_t i = 0;
    for (int n : numbers)
        r.numbers.at(i++) = static_cast<std::uint8_t>(n);
    r.bonus = static_cast<std::uint8_t>(bonus);
    r.superzahl = static_cast<std::uint8_t>(superzahl);
    return r;
}

QString writeDrawFile(const QTemporaryDir& dir, const std::vector<DrawRecord>& records,
                      const QString& name)
{
    const QString path = dir.filePath(name);
    if (auto error = drawfile::rewrite(path, records))
        throw std::runtime_error(error->toStdString());
    return path;
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error(path.toStdString());
}

} // namespace vendrilo::test
