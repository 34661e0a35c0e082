#pragma once

#include "core/draws/drawdayfilter.h"
#include "core/draws/drawhistory.h"
#include "core/draws/drawrecord.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

namespace vendrilo {

struct ProgramState;

using Tip = std::array<int, 6>;

// Would a tip have won in a period? The draws examined are those with after < date <= upTo
// that pass the draw-day filter, in file order; a draw reaches the threshold when the tip's
// hits, plus one when `withBonus` and the tip holds the draw's bonus number, are at least
// `threshold`.
struct PastWinQuery {
    double after = 0;
    double upTo = 0;
    DrawDayFilter filter;
    bool withBonus = true; // CheckBox35
    int threshold = 5;
};

struct PastWinResult {
    bool noWin = true; // no draw examined reached the threshold
    // The draw the test stopped at (the first one reaching the threshold), else the last one it
    // examined; -1 when the window held no draw. This is the draw a caller leaves in `Zahl`.
    int examined = -1;

    bool operator==(const PastWinResult&) const = default;
};

// Window of `Secheroderfuenfer`: the first day of the statistics period itself is excluded.
PastWinQuery periodQuery(double aktDatum, double dfb);
// Window of `dreierodervierer`: E - (Ziehzahl / 2) * 7 < d <= E, the last `Ziehzahl` draws at
// two draws a week, in days (Ziehzahl 11 reaches back 38.5 days).
PastWinQuery recentDrawsQuery(double E, int Ziehzahl);

// The in-memory answer from the history's number masks, a word of 64 draws at a time.
PastWinResult pastWin(const DrawHistory& history, const Tip& tip, const PastWinQuery& query);

// One draw after the other through `Zettelcheck`, as plain as it can be said; the measure the
// fast answer is checked against.
PastWinResult pastWinScan(const std::vector<DrawRecord>& records, const Tip& tip,
                          const PastWinQuery& query);
// The same straight from the draw file, read in blocks of 1000 records. Nothing when the file
// cannot be read (the system's text in `error`).
std::optional<PastWinResult> pastWinScanFile(const QString& drawPath, const Tip& tip,
                                             const PastWinQuery& query, QString* error = nullptr);

// The two tests as the generator calls them, on the program state: the period comes from the
// two date pickers (DateTimePicker2 into `aktDatum`, DateTimePicker1 into `dfb`), the filter,
// CheckBox35 and UpDown6 from the options. The draw the test left is loaded into `Zahl` and
// `Datum1`. True when the tip never reached the threshold.
bool Secheroderfuenfer(ProgramState& state, const DrawHistory& history, int Tipp1, int tipp2,
                       int tipp3, int tipp4, int tipp5, int tipp6);
// `MitZusatz` is accepted and not used: the bonus rule follows CheckBox35.
bool dreierodervierer(ProgramState& state, const DrawHistory& history, int Tipp1, int tipp2,
                      int tipp3, int tipp4, int tipp5, int tipp6, int MitZusatz, qint16 Gewinner,
                      qint16 Ziehzahl);

} // namespace vendrilo
