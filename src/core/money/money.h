// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <compare>
#include <optional>

namespace vendrilo {

// An amount of Polish money, held as whole grosze (1 zł = 100 grosze) so that sums of prizes and
// stakes are exact: no amount ever passes through a floating-point number.
struct Money {
    qint64 grosze = 0;

    static constexpr Money zloty(qint64 z) { return Money{z * 100}; }

    constexpr auto operator<=>(const Money&) const = default;
    constexpr Money& operator+=(Money other)
    {
        grosze += other.grosze;
        return *this;
    }
    friend constexpr Money operator+(Money a, Money b) { return Money{a.grosze + b.grosze}; }
    friend constexpr Money operator*(Money a, qint64 times) { return Money{a.grosze * times}; }
};

// "269.60": two decimals after a point, no thousands separator, a leading "-" below zero. The
// command line and the reports write amounts so.
QString formatAmount(Money amount);

// "1.000.000,00 zł" as the window shows amounts: the separators of the default locale, which the
// window sets to German.
QString formatZloty(Money amount);

// An amount as the fee fields hold it: "3,00", "3.00", "3", "0,5" (blanks around it allowed).
// Nothing for a negative amount, more than two decimals, an amount of a billion zł or more, or
// anything that is no amount.
std::optional<Money> parseAmount(const QString& text);

// A ratio of two amounts as a percentage with two decimals and a point ("48.31"); the division
// is rounded half away from zero. Nothing when `of` is zero.
std::optional<QString> formatPercent(Money part, Money of);

} // namespace vendrilo
