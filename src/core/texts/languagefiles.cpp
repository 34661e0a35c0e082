// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/languagefiles.h"

#include "core/io/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace vendrilo {

const std::vector<Language>& languages()
{
    static const std::vector<Language> list = {
        {0, QStringLiteral("Deutsch1"), QStringLiteral("Deutsch"), QStringLiteral("de"),
         QStringLiteral("de")},
        {1, QStringLiteral("Englisch1"), QStringLiteral("Englisch"), QStringLiteral("en"),
         QStringLiteral("en")},
        {2, QStringLiteral("Franzsisch1"), QStringLiteral("Französisch"), QStringLiteral("fr"),
         QStringLiteral("fr")},
        {3, QStringLiteral("Spanisch1"), QStringLiteral("Spanisch"), QStringLiteral("sp"),
         QStringLiteral("es")},
        {4, QStringLiteral("Trkisch1"), QStringLiteral("Türkisch"), QStringLiteral("tr"),
         QStringLiteral("tr")},
        {5, QStringLiteral("Russisch1"), QStringLiteral("Russisch"), QStringLiteral("ru"),
         QStringLiteral("ru")},
        {6, QStringLiteral("Niederlndisch1"), QStringLiteral("Niederländisch"),
         QStringLiteral("nl"), QStringLiteral("nl")},
        {7, QStringLiteral("schechisch1"), QStringLiteral("Tschechisch"), QStringLiteral("cz"),
         QStringLiteral("cs")},
        {8, QStringLiteral("Polnisch1"), QStringLiteral("Polnisch"), QStringLiteral("pl"),
         QStringLiteral("pl")},
    };
    return list;
}

const Language* languageByIndex(int index)
{
    for (const Language& l : languages())
        if (l.index == index)
            return &l;
    return nullptr;
}

namespace {

// Windows-1252 where it differs from Latin-1: 0x80..0x9F (0 where the code page has no sign).
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t high = b >= 0x80 && b < 0xA0 ? kWindows1252High[b - 0x80] : 0;
        text.append(QChar(high ? high : b));
    }
    return text;
}

} // namespace

QString decodeLanguageText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

Result<QStringList> readLanguageFile(const QString& path)
{
    // Language files hold a few hundred lines; anything near this size is no language file.
    const auto bytes = readRegularFile(path, qint64(4) << 20);
    if (!bytes)
        return bytes.failure();
    QStringList lines;
    const QString text = decodeLanguageText(*bytes);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\r') && text.at(i) != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() &&
            text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << text.mid(start);
    return lines;
}

std::optional<CaptionFile> CaptionFile::open(const QString& basePath, const QString& code)
{
    const auto base = readLanguageFile(basePath);
    if (!base)
        return std::nullopt;
    CaptionFile file;
    file.m_base = *base;
    const QString translationPath = basePath + QLatin1Char('.') + code;
    if (QFileInfo::exists(translationPath)) {
        if (const auto translation = readLanguageFile(translationPath)) {
            file.m_translation = *translation;
            file.m_translated = true;
        }
    }
    return file;
}

std::optional<CaptionFile::Texts> CaptionFile::find(const QString& window, const QString& control)
{
    for (int k = m_cursor; k <= m_cursor + kCaptionSearchReach; ++k) {
        const qsizetype at = qsizetype(5) * k;
        if (at >= m_base.size())
            break; // blocks past the end read as empty and match no control
        if (baseLine(at).trimmed() != window || baseLine(at + 1).trimmed() != control)
            continue;
        m_cursor = k;
        if (m_translated)
            return Texts{
                translationLine(qsizetype(2) * k), translationLine(qsizetype(2) * k + 1), {}};
        return Texts{baseLine(at + 2), baseLine(at + 3), baseLine(at + 4)};
    }
    return std::nullopt;
}

} // namespace vendrilo
