#pragma once

#include "core/app/messagelist.h"
#include "core/app/optiontable.h"
#include "core/draws/dates.h"
#include "core/draws/drawdayfilter.h"
#include "core/draws/drawfile.h"
#include "core/draws/showndraw.h"
#include "core/evaluation/zettelcheck.h"
#include "core/generator/randomsource.h"
#include "core/generator/tipsheet.h"

#include <QString>

namespace vendrilo {

// The design date of DateTimePicker2, the first day of the statistics period.
inline constexpr double kStatisticsStartDesignDate = 42284.0; // 07.10.2015

// State that the main window owns and the command line drives in the same way: files,
// the two period pickers, the shown draw, the texts and the random source.
struct ProgramState {
    QString Home; // program folder, with a trailing separator
    QString ZahlenFile = drawfile::kFileName;
    QString SoundName = QStringLiteral("yippee.wav");
    int LaufMax = 100000;
    bool sortieren = false;
    bool Berechnunglaeuft = false;

    DatePicker picker1{today()};                    // DateTimePicker1: chosen draw day, period end
    DatePicker picker2{kStatisticsStartDesignDate}; // DateTimePicker2: period start
    double dfb = today();
    Options options; // the option controls, by name

    ShownDraw shown;
    TipSheet sheet;             // the twelve tip rows on the "Lottotipp" tab
    StatistikTable Statistik{}; // rows of the last sheet evaluation by class
    QString LosNr;              // ticket number, kept verbatim
    MessageList messages;
    RandomSource random;

    QString drawPath() const { return drawfile::pathIn(Home, ZahlenFile); }
    DrawDayFilter drawDayFilter() const
    {
        return {options.checked(QStringLiteral("CheckBox16")),
                options.checked(QStringLiteral("CheckBox17"))};
    }
};

// The statistics start goes back to its minimum when it lies within the last seven days or
// in the future, so that a period never shrinks to nothing by accident.
double resetRecentStatisticsStart(double start, double todayDay);

} // namespace vendrilo
