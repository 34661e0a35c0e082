// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawdayfilter.h"
#include "core/io/result.h"

#include <QString>
#include <optional>
#include <vector>

namespace vendrilo {

// The generator's options, one per option control of the main window, in the order they stand.
// Code names an option by this id; the control's name, the settings value name and the --set
// name are data in the option table.
enum class Option : int {
    WeekendDraws,  // draw-day filter: Saturday and Sunday draws
    OtherDayDraws, // draw-day filter: the draws of every other day
    FrequentPairs, // pool: numbers of frequent pairs
    RarePairs,     // pool: numbers of rare pairs
    FrequentTriples,
    RareTriples,
    FrequentQuads,
    RareQuads,
    FrequentNumbers,        // pool: often drawn numbers ...
    FrequentNumbersPercent, // ... within the top percentage of the chart
    RareNumbers,
    RareNumbersPercent,
    OverdueNumbers,
    OverdueNumbersPercent,
    NeighboursOfLastDraw,
    LimitMaxOverlap, // row check: at most MaxOverlap numbers shared with the other rows
    MaxOverlap,
    LimitMinOverlap, // row check: at least MinOverlap numbers shared with the other rows
    MinOverlap,
    OverlapPerRow, // the overlap limits apply to each row, not the closest and farthest
    LimitLastDraw, // row check: at most MaxFromLastDraw numbers of the last draw
    MaxFromLastDraw,
    LimitSecondLastDraw,
    MaxFromSecondLastDraw,
    LimitThirdLastDraw,
    MaxFromThirdLastDraw,
    DatabaseChecks, // row check: no RecentHits hits in the last RecentDraws draws (and the
    RecentHits,     // checks below, which all hang on this one)
    RecentDraws,
    OlderHitsCheck, // row check: no OlderHits hits in the last OlderDraws draws
    OlderHits,
    OlderDraws,
    WholePeriodCheck, // row check: no WholePeriodHits hits in the whole statistics period
    WholePeriodHits,
    AvoidMonthNumbers, // pool: no numbers 1..12
    WeakenDayNumbers,  // pool: numbers 1..31 lose an entry
    CrossSumMinimum,
    CrossSumMaximum,
    ForcePair,    // row check: at least one pair of consecutive numbers
    NoRunOfThree, // row check: no three consecutive numbers
    EvenMinimumCheck,
    EvenMinimum,
    OddMinimumCheck,
    OddMinimum,
    PrimeMinimumCheck,
    PrimeMinimum,
    RunBudgetThousands,   // candidate passes of a run, in thousands
    OnlyPreferredNumbers, // pool: only the numbers the statistics prefer
    ShowWeightingList,
    RowCount,                // rows a run fills, beside the sheet
    BonusCountsAsHit,        // never shown: the bonus number counts as one more hit in past wins
    RecomputeOnlyAfterThree, // back-test: a new sheet only after a pass with a 3 or more
};
inline constexpr int kOptionCount = static_cast<int>(Option::RecomputeOnlyAfterThree) + 1;

// The inner tabs of the "Berechnung" tab an option stands on.
enum class OptionPage { None, Statistics, SheetOptimisation, Mathematics, General };

struct OptionSpec {
    enum class Kind { Check, UpDown };

    Option id;
    QString name; // the control's name, e.g. "CheckBox14", "UpDown12"
    Kind kind;
    int defaultValue; // 0/1 for a check box, the position for an up-down
    int minimum;
    int maximum;
    QString settingsName; // value name in the settings store
    QString caption;      // caption text (check box) or the label before the up-down's field
    QString hint;         // hover hint (of the up-down's edit field for an up-down)
    OptionPage page;
    QString edit = {};   // the edit field an up-down drives ("Edit85"); empty for a check box
    QString suffix = {}; // text after the up-down's field ("Tausend", "Ziehungen")
    // The option whose line this one continues on its page; none: it starts a line of its own.
    std::optional<Option> sameLineAs = {};
    // The status bar shows the hint while the mouse is over the control (over the field for an
    // up-down).
    bool hintInStatusBar = false;
};

// The table, in the order of the ids.
const std::vector<OptionSpec>& optionTable();
const OptionSpec& optionSpec(Option option);
std::optional<Option> optionByName(const QString& controlName);

class Options {
public:
    Options(); // design defaults

    int value(Option option) const { return m_values[index(option)]; }
    bool checked(Option option) const { return value(option) != 0; }
    // Sets a value, clamped into the control's current range.
    void set(Option option, int value);
    // "NAME=VALUE" from the command line; refused (bad input) when the name is unknown, the
    // value no integer, or a check box given anything but 0 or 1.
    Status assign(const QString& assignment);

    // The current range of an up-down. The coupling of the overlap and even/odd limits moves it;
    // a new range leaves the position alone until it next changes, as the up-down control does.
    int minimum(Option option) const { return m_minimums[index(option)]; }
    int maximum(Option option) const { return m_maximums[index(option)]; }
    void setMinimum(Option option, int minimum) { m_minimums[index(option)] = minimum; }
    void setMaximum(Option option, int maximum) { m_maximums[index(option)] = maximum; }

    DrawDayFilter drawDayFilter() const
    {
        return {checked(Option::WeekendDraws), checked(Option::OtherDayDraws)};
    }

    bool operator==(const Options&) const = default;

private:
    static std::size_t index(Option option) { return static_cast<std::size_t>(option); }

    std::vector<int> m_values;
    std::vector<int> m_minimums;
    std::vector<int> m_maximums;
};

} // namespace vendrilo
