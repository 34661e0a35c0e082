// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelreport.h"

#include "core/io/atomicfile.h"
#include "core/wheels/wheellibrary.h"

#include <QFile>
#include <QStringList>

using namespace vendrilo;
using namespace vendrilo::wheels;

namespace {

const QString kBegin = QStringLiteral("<!-- wheel table -->");
const QString kEnd = QStringLiteral("<!-- end of wheel table -->");

using Library = std::map<QString, LibraryEntries>;

std::optional<std::size_t> rowsOf(const Library& library, const Guarantee& g, int n)
{
    const auto file = library.find(g.code());
    if (file == library.end())
        return std::nullopt;
    const auto entry = file->second.find(n);
    if (entry == file->second.end())
        return std::nullopt;
    return entry->second.size();
}

// "38 = 38 ≥ 35", "51 +6.3 % 48 ≥ 48", "– 6161 ≥ 5938"
QString coveringCell(const Library& library, const KnownCoverings& known, int t, int n)
{
    const auto ours = rowsOf(library, Guarantee::ifOf(t, t), n);
    const auto k = known.find({n, t});
    const QString bounds =
        k == known.end()
            ? QStringLiteral("?")
            : QStringLiteral("%1 | %2").arg(k->second.bestKnown).arg(k->second.lowerBound);
    if (!ours)
        return QStringLiteral("– | ") + bounds;
    if (k == known.end())
        return QStringLiteral("%1 | ").arg(*ours) + bounds;
    const double above = 100.0 * (static_cast<double>(*ours) / k->second.bestKnown - 1);
    const QString mark = *ours <= static_cast<std::size_t>(k->second.bestKnown)
                             ? QStringLiteral("**%1**").arg(*ours)
                             : QStringLiteral("%1 (+%2 %)").arg(*ours).arg(above, 0, 'f', 1);
    return mark + QStringLiteral(" | ") + bounds;
}

QStringList coveringTable(const Library& library, const KnownCoverings& known)
{
    QStringList lines{
        QStringLiteral("| n | 2if2 | best | lower | 3if3 | best | lower | 4if4 | best | lower | "
                       "5if5 | best | lower |"),
        QStringLiteral("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|")};
    for (int n = kLibraryMinNumbers; n <= kLibraryMaxNumbers; ++n) {
        QString line = QStringLiteral("| %1 |").arg(n);
        for (int t = 2; t <= 5; ++t)
            line += u' ' + coveringCell(library, known, t, n) + QStringLiteral(" |");
        lines << line;
    }
    return lines;
}

QStringList wheelTable(const Library& library)
{
    QStringList head{QStringLiteral("n")};
    QList<Guarantee> guarantees;
    for (const Guarantee& g : libraryGuarantees())
        if (g.hits < g.of) {
            guarantees << g;
            head << g.code();
        }
    QStringList lines{QStringLiteral("| ") + head.join(QStringLiteral(" | ")) +
                          QStringLiteral(" |"),
                      QStringLiteral("|") + QStringLiteral("---:|").repeated(head.size())};
    for (int n = kLibraryMinNumbers; n <= kLibraryMaxNumbers; ++n) {
        QStringList cells{QString::number(n)};
        for (const Guarantee& g : guarantees) {
            const auto ours = rowsOf(library, g, n);
            cells
                << (ours
                        ? QStringLiteral("%1 (≥ %2)").arg(*ours).arg(countingBound(n, g.hits, g.of))
                        : QStringLiteral("–"));
        }
        lines << QStringLiteral("| ") + cells.join(QStringLiteral(" | ")) + QStringLiteral(" |");
    }
    return lines;
}

// The sizes the library must reach, each with its verdict.
QStringList requirements(const Library& library, const KnownCoverings& known)
{
    QStringList lines;
    const auto within = [&](int t, int upTo, double factor) {
        for (int n = kLibraryMinNumbers; n <= upTo; ++n) {
            const auto ours = rowsOf(library, Guarantee::ifOf(t, t), n);
            const auto k = known.find({n, t});
            if (!ours || k == known.end() || *ours > k->second.bestKnown * factor)
                return false;
        }
        return true;
    };
    lines << QStringLiteral("- 3if3 within 5 % of the best known for n ≤ 18: %1")
                 .arg(within(3, 18, 1.05) ? QStringLiteral("met") : QStringLiteral("NOT met"));
    lines << QStringLiteral("- 4if4 within 5 % of the best known for n ≤ 14: %1")
                 .arg(within(4, 14, 1.05) ? QStringLiteral("met") : QStringLiteral("NOT met"));
    lines << QStringLiteral("- best known for every t if t, t ≤ 4, n ≤ 16 (goal): %1")
                 .arg(within(2, 16, 1.0) && within(3, 16, 1.0) && within(4, 16, 1.0)
                          ? QStringLiteral("met")
                          : QStringLiteral("not yet"));
    lines << QStringLiteral("- 3if3 within 5 % up to n = 25, 4if4 up to n = 20 (goals): %1, %2")
                 .arg(within(3, 25, 1.05) ? QStringLiteral("met") : QStringLiteral("not yet"))
                 .arg(within(4, 20, 1.05) ? QStringLiteral("met") : QStringLiteral("not yet"));
    QStringList sixes;
    for (const auto& [n, most] :
         {std::pair{14, 4}, {16, 5}, {18, 9}, {20, 14}, {22, 19}, {25, 31}}) {
        const auto ours = rowsOf(library, Guarantee::ifOf(3, 6), n);
        sixes << QStringLiteral("n = %1: %2 (at most %3)")
                     .arg(n)
                     .arg(ours ? QString::number(*ours) : QStringLiteral("–"))
                     .arg(most);
    }
    lines << QStringLiteral("- 3if6: ") + sixes.join(QStringLiteral(", "));
    return lines;
}

} // namespace

Status writeWheelReport(const QString& path, const Library& library, const KnownCoverings& known)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path + QStringLiteral(": cannot be read")};
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype begin = text.indexOf(kBegin);
    const qsizetype end = text.indexOf(kEnd);
    if (begin < 0 || end < begin)
        return Error{path + QStringLiteral(": no lines \"%1\" and \"%2\"").arg(kBegin, kEnd)};
    QStringList table{kBegin, QString()};
    table << requirements(library, known) << QString();
    table << QStringLiteral("Coverings \"t if t\" (rows of ours, the best known, the lower "
                            "bound; bold where ours is the best known):")
          << QString() << coveringTable(library, known) << QString();
    table << QStringLiteral("Wheels \"k if m\" with k < m (rows of ours, the counting bound):")
          << QString() << wheelTable(library) << QString();
    const QString updated = text.left(begin) + table.join(u'\n') + text.mid(end);
    return writeFileAtomically(path, updated.toUtf8());
}
