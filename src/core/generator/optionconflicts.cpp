// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/optionconflicts.h"

#include <QStringList>

namespace vendrilo {

namespace {

// "„mindest Anzahl von Primzahlen in jedem Tipp“ 5": an option as the user sees it.
QString named(const Options& options, Option checkBox, Option value)
{
    return QStringLiteral("„%1“ %2")
        .arg(optionSpec(checkBox).caption.trimmed())
        .arg(options.value(value));
}

} // namespace

std::optional<QString> impossibleOptions(const Options& o)
{
    QStringList conflicts;
    if (o.value(Option::CrossSumMinimum) > o.value(Option::CrossSumMaximum))
        conflicts << QStringLiteral("„%1“ %2 %3 %4")
                         .arg(optionSpec(Option::CrossSumMinimum).caption)
                         .arg(o.value(Option::CrossSumMinimum))
                         .arg(optionSpec(Option::CrossSumMinimum).suffix)
                         .arg(o.value(Option::CrossSumMaximum));
    const int evens = o.checked(Option::EvenMinimumCheck) ? o.value(Option::EvenMinimum) : 0;
    const int odds = o.checked(Option::OddMinimumCheck) ? o.value(Option::OddMinimum) : 0;
    if (evens + odds > 6)
        conflicts << named(o, Option::EvenMinimumCheck, Option::EvenMinimum) +
                         QStringLiteral(" und ") +
                         named(o, Option::OddMinimumCheck, Option::OddMinimum) +
                         QStringLiteral(": zusammen mehr als sechs Zahlen");
    // 2 is the only even prime: every further even number takes a place no prime can fill.
    const int primeRoom = evens >= 1 ? 7 - evens : 6;
    if (o.checked(Option::PrimeMinimumCheck) && o.value(Option::PrimeMinimum) > primeRoom)
        conflicts << named(o, Option::PrimeMinimumCheck, Option::PrimeMinimum) +
                         QStringLiteral(" bei ") +
                         named(o, Option::EvenMinimumCheck, Option::EvenMinimum) +
                         QStringLiteral(": 2 ist die einzige gerade Primzahl");
    if (conflicts.isEmpty())
        return std::nullopt;
    return QStringLiteral("Mit diesen Einstellungen ist kein Tipp möglich: %1. Ändern Sie die "
                          "Parameter; die Tipps bleiben, wie sie sind.")
        .arg(conflicts.join(QStringLiteral("; ")));
}

} // namespace vendrilo
