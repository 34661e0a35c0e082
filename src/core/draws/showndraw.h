#pragma once

#include "core/draws/dates.h"
#include "core/draws/drawrecord.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vendrilo {

// The draw the main window shows, and the stepping and date search that change it. The
// window and the command line drive the same object; after every change the caller scores
// the sheet against `Zahl`.
class ShownDraw {
public:
    double Datum1 = 0;         // date of the shown draw
    std::array<int, 9> Zahl{}; // entries 1..6 numbers, 7 bonus, 8 Superzahl (entry 0 unused)
    int Position = 0;          // record index of the shown draw, from 0
    double aktDatum = 0;       // scratch date of the last step or search

    QString label29;                          // draw line on the "Datenbank" tab
    QString label13 = QStringLiteral("QS: "); // cross sum, "QS: " + sum of the six numbers
    QString label35;                          // copy of the draw line on the "Lottotipp" tab

    // Loads a record as the shown draw and writes the draw line and cross sum. The gap after
    // the date is two blanks, three when the date search shows the file's first record.
    void show(const DrawRecord& record, int gapAfterDate = 2);

    // Previous / next draw. `statisticsStart` is the date of DateTimePicker2; `picker1` takes
    // the shown draw's date when it accepts it. An unreadable draw file changes nothing and
    // comes back as the system's text.
    std::optional<QString> stepPrevious(const QString& drawPath, double statisticsStart,
                                        DatePicker& picker1);
    std::optional<QString> stepNext(const QString& drawPath, double statisticsStart,
                                    DatePicker& picker1);
    // The same on records already in memory.
    void step(const std::vector<DrawRecord>& records, int delta, double statisticsStart,
              DatePicker& picker1);

    enum class SearchOutcome {
        Shown,       // the draw for the date is shown
        EmptyFile,   // nothing to show; Position is 0
        MissingFile, // the draw file did not exist; an empty one was created
        Unreadable,  // the file exists but cannot be read
    };
    struct SearchResult {
        SearchOutcome outcome = SearchOutcome::Shown;
        QString error; // the system's text for Unreadable or a failed creation
    };
    // Shows the first draw, in file order, dated on or after the picker's day (rounded to the
    // nearest whole day); after the last draw, the last draw.
    SearchResult dateSearch(const QString& drawPath, DatePicker& picker1);
    SearchOutcome dateSearch(const std::vector<DrawRecord>& records, DatePicker& picker1);

    int crossSum() const;
};

inline const QString kNoDrawFileMessage =
    QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein");

} // namespace vendrilo
