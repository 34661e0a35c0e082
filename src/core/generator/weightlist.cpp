// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/weightlist.h"

#include "core/draws/dates.h"
#include "core/io/atomicfile.h"
#include "core/io/textlines.h"
#include "core/texts/textlist.h"

#include <algorithm>

namespace vendrilo {

QString WeightList::weightText(int number) const
{
    const auto w = weight(number);
    return w ? QString::number(*w) : QString();
}

void WeightList::set(int number, bool ticked, std::optional<int> weight)
{
    m_ticked[index(number)] = ticked;
    if (weight)
        weight = std::clamp(*weight, 0, kMaxWeight);
    m_weights[index(number)] = weight;
}

// A ticked box moves its weight one up, or down after a right click; below 0 it stays 0, and a
// box at 0 is unticked. A box that had no weight yet counts from 0, so that ticking it gives 1.
void WeightList::changeWeight(int number)
{
    const std::size_t i = index(number);
    if (m_ticked[i])
        m_weights[i] = std::clamp(m_weights[i].value_or(0) + (m_countDown ? -1 : 1), 0, kMaxWeight);
    if (m_weights[i] == 0)
        m_ticked[i] = false;
}

void WeightList::leftClick(int number)
{
    otherButtonReleased();
    toggle(number);
}

void WeightList::rightClick(int number)
{
    m_countDown = true;
    changeWeight(number);
}

void WeightList::toggle(int number)
{
    m_ticked[index(number)] = !m_ticked[index(number)];
    changeWeight(number);
}

QString WeightList::statusText(int number) const
{
    return fillIn(text(Text::WeightOfNumber), {QString::number(number), weightText(number)});
}

WeightList WeightList::fromPool(const NumberPool& pool)
{
    WeightList list;
    for (int k = 1; k <= kNumbers; ++k) {
        const auto entries = static_cast<int>(std::min<std::uint32_t>(pool.count(k), kMaxWeight));
        list.set(k, entries > 0, entries);
    }
    return list;
}

NumberPool WeightList::pool() const
{
    std::vector<int> weights(kNumbers, -1);
    for (int k = 1; k <= kNumbers; ++k)
        if (ticked(k))
            weights[index(k)] = weight(k).value_or(0);
    return poolFromWeights(weights);
}

QStringList WeightList::fileLines()
{
    QStringList lines;
    for (int k = 1; k <= kNumbers; ++k) {
        if (ticked(k) && !weight(k))
            m_weights[index(k)] = 1;
        lines << (ticked(k) ? weightText(k) : QString());
    }
    return lines;
}

namespace {

// A weight as the file may hold it: digits only, 0..1000000.
std::optional<int> fileWeight(const QString& text)
{
    if (text.isEmpty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const int value = text.toInt();
    return value <= WeightList::kMaxWeight ? std::optional<int>(value) : std::nullopt;
}

} // namespace

Status WeightList::takeFileLines(const QStringList& lines)
{
    std::array<std::optional<int>, kNumbers> weights{};
    for (int k = 1; k <= std::min<int>(kNumbers, static_cast<int>(lines.size())); ++k) {
        const QString line = lines.at(k - 1).trimmed();
        if (line.isEmpty())
            continue;
        weights[index(k)] = fileWeight(line);
        if (!weights[index(k)])
            return Error{
                fillIn(text(Text::WeightListBadLine),
                       {QString::number(k), lines.at(k - 1).left(40), QString::number(kMaxWeight)}),
                ErrorKind::Damaged};
    }
    if (lines.size() != kNumbers)
        return Error{lines.size() < kNumbers
                         ? fillIn(text(Text::WeightListEndsEarly), {QString::number(lines.size())})
                         : text(Text::WeightListTooLong),
                     ErrorKind::Damaged};
    for (int k = 1; k <= kNumbers; ++k) {
        const auto w = weights[index(k)];
        set(k, w.has_value(), w.value_or(1));
    }
    return {};
}

Status saveWeightList(WeightList& list, const QString& path)
{
#ifdef Q_OS_WIN
    const QByteArray lineEnd = "\r\n";
#else
    const QByteArray lineEnd = "\n";
#endif
    QByteArray bytes;
    for (const QString& line : list.fileLines())
        bytes += line.toLatin1() + lineEnd;
    return writeFileAtomically(path, bytes);
}

Status loadWeightList(WeightList& list, const QString& path)
{
    const auto lines = readLines(path, LineLimits{WeightList::kNumbers + 1});
    if (!lines)
        return lines.failure();
    QStringList texts;
    for (const QByteArray& line : *lines)
        texts << QString::fromLatin1(line);
    if (const Status taken = list.takeFileLines(texts); !taken)
        return Error{path + QStringLiteral(": ") + taken.error(), taken.errorKind()};
    return {};
}

QString proposedWeightListName(double today)
{
    return dateFromDay(today).toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".qkw");
}

} // namespace vendrilo
