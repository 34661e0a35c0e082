// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace vendrilo::wheels {

// What a wheel promises: "k if m" — whenever m of the six winning numbers are among the chosen
// numbers, some row holds at least k of them — or "full": every six of the chosen numbers is a
// row. A full wheel keeps the promise "6 if 6" and is the only wheel that does.
struct Guarantee {
    int hits = 3; // k, 2..6
    int of = 6;   // m, k..6
    bool full = false;

    static Guarantee fullWheel() { return {6, 6, true}; }
    static Guarantee ifOf(int hits, int of) { return {hits, of, false}; }

    bool valid() const { return full ? hits == 6 && of == 6 : 2 <= hits && hits <= of && of <= 6; }
    // The promise the check tests: full wheels are checked as "6 if 6".
    int checkedHits() const { return full ? 6 : hits; }
    int checkedOf() const { return full ? 6 : of; }

    // "3if6" or "full", as the command line and the library's file names write it; parse() also
    // takes "3 if 6" and ignores case. Nothing for anything else or an invalid pair.
    QString code() const;
    static std::optional<Guarantee> parse(const QString& text);
    // "3 if 6" or "full", as the check reports it.
    QString text() const;

    bool operator==(const Guarantee&) const = default;
};

} // namespace vendrilo::wheels
