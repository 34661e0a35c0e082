// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/generator/optionconflicts.h"

#include "core/texts/textlist.h"

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
        conflicts << fillIn(text(Text::ConflictMoreThanSix),
                            {named(o, Option::EvenMinimumCheck, Option::EvenMinimum),
                             named(o, Option::OddMinimumCheck, Option::OddMinimum)});
    // 2 is the only even prime: every further even number takes a place no prime can fill.
    const int primeRoom = evens >= 1 ? 7 - evens : 6;
    if (o.checked(Option::PrimeMinimumCheck) && o.value(Option::PrimeMinimum) > primeRoom)
        conflicts << fillIn(text(Text::ConflictOnlyEvenPrime),
                            {named(o, Option::PrimeMinimumCheck, Option::PrimeMinimum),
                             named(o, Option::EvenMinimumCheck, Option::EvenMinimum)});
    if (conflicts.isEmpty())
        return std::nullopt;
    return fillIn(text(Text::ImpossibleOptions), {conflicts.join(QStringLiteral("; "))});
}

} // namespace vendrilo
