// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/texts/integers.h"

#include <QString>
#include <array>
#include <optional>

namespace vendrilo {

// What every write into a sheet field becomes: the plain decimal text of a whole number 1..49,
// or empty text ("007" -> "7"; "0", "50", "-3", "x", "" -> "").
QString normalise(const QString& text);

// How a field is painted after the sheet evaluation.
enum class FieldColour {
    Window, // the system window colour
    Lime,   // equals a drawn number
    Yellow, // equals the bonus number
};

// The tip sheet: twelve rows of six number fields, a lock per row and the two result labels
// beside each row. Rows and positions are counted from 1, as on the window. The window mirrors
// this model into its edit fields and labels; every field write goes through `normalise`, so
// the generator, tip files and the command line fill it exactly as typing does.
class TipSheet {
public:
    static constexpr int kRows = 12;
    static constexpr int kPositions = 6;

    struct Row {
        std::array<QString, kPositions> fields;
        std::array<FieldColour, kPositions> colours{};
        bool locked = false;   // red row label: generation and clearing pass over the row
        QString hitsLabel;     // e.g. "4 + B"
        bool hitsRed = false;  // hits label in red (three hits or more)
        QString crossSumLabel; // "QS" of the row

        bool operator==(const Row&) const = default;
    };

    // Writes a field and returns the text it holds afterwards.
    QString setField(int row, int position, const QString& text);
    const QString& field(int row, int position) const;
    const std::array<QString, kPositions>& fields(int row) const { return at(row).fields; }
    // Writes six values at once (each through the normalisation).
    void setRow(int row, const std::array<int, kPositions>& numbers);

    bool locked(int row) const { return at(row).locked; }
    void setLocked(int row, bool locked) { at(row).locked = locked; }
    void toggleLock(int row) { at(row).locked = !at(row).locked; }

    const Row& row(int row) const { return at(row); }
    Row& row(int row) { return at(row); }

    // The six field texts joined by "," (",,,,," for an empty row).
    QString rowString(int row) const;
    // The six numbers when every field holds one.
    std::optional<std::array<int, kPositions>> numbers(int row) const;

    // Empties the fields and both labels of every unlocked row; locked rows stay as they are.
    void clearUnlocked();

    bool operator==(const TipSheet&) const = default;

private:
    Row& at(int row) { return m_rows.at(static_cast<std::size_t>(row - 1)); }
    const Row& at(int row) const { return m_rows.at(static_cast<std::size_t>(row - 1)); }

    std::array<Row, kRows> m_rows;
};

} // namespace vendrilo
