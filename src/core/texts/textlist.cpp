// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/textlist.h"

#include <QHash>
#include <QRegularExpression>

#include <memory>
#include <mutex>

namespace vendrilo {

namespace {

#define VENDRILO_TEXT_GERMAN(id, german) german,
constexpr const char* kGerman[] = {VENDRILO_TEXTS(VENDRILO_TEXT_GERMAN)};
#undef VENDRILO_TEXT_GERMAN
static_assert(std::size(kGerman) == std::size(textdetail::kKeys));

const QHash<QString, Text>& keyIndex()
{
    static const QHash<QString, Text> index = [] {
        QHash<QString, Text> keys;
        for (int i = 0; i < kTextCount; ++i)
            keys.insert(QString::fromLatin1(textdetail::kKeys[i]), static_cast<Text>(i));
        return keys;
    }();
    return index;
}

} // namespace

TextList::TextList() : m_names(QLocale::system())
{
    for (int i = 0; i < kTextCount; ++i)
        m_texts[static_cast<std::size_t>(i)] = QString::fromUtf8(kGerman[i]);
}

TextList TextList::fromFileLines(const QStringList& lines, const QLocale& names)
{
    TextList list;
    list.m_names = names;
    std::array<bool, kTextCount> given{};
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const auto id = byKey(line.left(equals).trimmed());
        if (!id || given[static_cast<std::size_t>(*id)])
            continue;
        given[static_cast<std::size_t>(*id)] = true;
        list.m_texts[static_cast<std::size_t>(*id)] = line.mid(equals + 1);
    }
    return list;
}

QString TextList::key(Text id)
{
    return QString::fromLatin1(textdetail::kKeys[static_cast<std::size_t>(id)]);
}

QString TextList::german(Text id)
{
    return QString::fromUtf8(kGerman[static_cast<std::size_t>(id)]);
}

std::optional<Text> TextList::byKey(const QString& key)
{
    const auto it = keyIndex().constFind(key);
    return it == keyIndex().constEnd() ? std::nullopt : std::optional<Text>(*it);
}

QStringList TextList::germanFileLines()
{
    QStringList lines;
    for (int i = 0; i < kTextCount; ++i)
        lines << key(static_cast<Text>(i)) + QLatin1Char('=') + german(static_cast<Text>(i));
    return lines;
}

namespace {

// The process's texts. A language switch replaces them whole while a worker may be reading.
struct CurrentTexts {
    std::mutex mutex;
    std::shared_ptr<const TextList> texts = std::make_shared<const TextList>();
};

CurrentTexts& current()
{
    static CurrentTexts instance;
    return instance;
}

std::shared_ptr<const TextList> currentList()
{
    CurrentTexts& c = current();
    const std::lock_guard lock(c.mutex);
    return c.texts;
}

} // namespace

QString text(Text id)
{
    return currentList()->text(id);
}

QLocale textLocale()
{
    return currentList()->names();
}

TextList currentTexts()
{
    return *currentList();
}

void useTexts(TextList texts)
{
    auto list = std::make_shared<const TextList>(std::move(texts));
    CurrentTexts& c = current();
    const std::lock_guard lock(c.mutex);
    c.texts = std::move(list);
}

QString fillIn(const QString& pattern, const QStringList& values)
{
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        const int n = i + 1 < pattern.size() ? pattern.at(i + 1).digitValue() : -1;
        if (c == QLatin1Char('%') && n >= 1 && n <= values.size()) {
            out += values.at(n - 1);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {

// A text's pattern as an expression: its own words literally, each placeholder any text.
// `order` gets the placeholder numbers in the order they stand.
QRegularExpression patternOf(const QString& text, QList<int>& order)
{
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        expression += QRegularExpression::escape(text.mid(from, m.capturedStart() - from)) +
                      QStringLiteral("(.*)");
        order << m.captured(1).toInt();
        from = m.capturedEnd();
    }
    expression += QRegularExpression::escape(text.mid(from)) + QLatin1Char('$');
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

std::optional<QString> retranslated(const QString& shown, const TextList& from, const TextList& to)
{
    for (int i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<Text>(i);
        QList<int> order;
        const auto match = patternOf(from.text(id), order).match(shown);
        if (!match.hasMatch())
            continue;
        QStringList values(9);
        for (int k = 0; k < order.size(); ++k)
            values[order[k] - 1] = match.captured(k + 1);
        return fillIn(to.text(id), values);
    }
    return std::nullopt;
}

} // namespace vendrilo
