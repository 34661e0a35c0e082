// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store read from an INI file as it may be found on disk: every value is read as
// its type or falls back as the table says, numbers end up within their controls' ranges and
// the dates within the pickers', and what was read is saved and read back unchanged.
#include "core/program/settingsstore.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QFileInfo>

using namespace vendrilo;

namespace {

void checkState(const ProgramState& s)
{
    for (const OptionSpec& o : optionTable()) {
        const int v = s.options.value(o.id);
        fuzz::require(v >= s.options.minimum(o.id) &&
                          (v <= s.options.maximum(o.id) || v == s.options.minimum(o.id)),
                      "an option lies within its control's range");
    }
    fuzz::require(isCalendarDay(s.statisticsStart.date()) &&
                      s.statisticsStart.date() >= s.statisticsStart.minimum(),
                  "the statistics start is a date the picker takes");
    for (int r = 1; r <= TipSheet::kRows; ++r)
        for (int p = 1; p <= TipSheet::kPositions; ++p)
            fuzz::require(normalise(s.sheet.field(r, p)) == s.sheet.field(r, p),
                          "a sheet field holds what typing could give");
}

bool sameStored(const ProgramState& a, const ProgramState& b)
{
    const auto internet = [](const InternetOptions& i) {
        return QStringList{i.server,   i.proxyHost,     i.proxyPort,
                           i.rowPrice, i.plusSurcharge, QString::number(i.linkPage)};
    };
    const auto carried = [](const CarriedValues& c) {
        QStringList values{c.vendorAddress};
        for (const int n :
             {c.newTicket, c.spiel77, c.super6, c.luckyGame, c.country, c.printTop, c.printLeft,
              c.superzahlOption, c.super6Spiel77Option, c.printPositionChoice,
              int(c.backTestBoxes[0]), int(c.backTestBoxes[1])})
            values << QString::number(n);
        return values + QStringList(c.printPositions.begin(), c.printPositions.end());
    };
    return a.options == b.options && a.sheet == b.sheet && a.ticketNumber == b.ticketNumber &&
           a.language == b.language && a.statisticsStart == b.statisticsStart && a.game == b.game &&
           a.withPlus == b.withPlus && internet(a.internet) == internet(b.internet) &&
           carried(a.carried) == carried(b.carried);
}

// A new name for every file: QSettings keeps files it has read and would not notice a rewrite
// within the same millisecond.
QString freshPath()
{
    static int serial = 0;
    return fuzz::scratchPath(QStringLiteral("Pelvano%1.conf").arg(++serial));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = freshPath();
    fuzz::writeScratchFile(QFileInfo(path).fileName(), fuzz::bytesOf(data, size));
    const QString again = freshPath();
    {
        ProgramState state;
        WindowSize window;
        const RestoreOutcome outcome = restoreSettings(*openSettings(path), state, window);
        fuzz::require(!outcome.aborted || !outcome.message.isEmpty(), "an abort says why");
        checkState(state);

        fuzz::require(saveSettings(*openSettings(again), state, window).ok(), "settings are saved");
        ProgramState back;
        WindowSize backWindow;
        const RestoreOutcome reread = restoreSettings(*openSettings(again), back, backWindow);
        fuzz::require(!reread.aborted && reread.skippedGroups.isEmpty(), "saved values are read");
        fuzz::require(sameStored(back, state), "saved values read back the same");
        fuzz::require(backWindow.width == window.width && backWindow.height == window.height,
                      "the window size reads back the same");

        settleRestoredSettings(state, 46000.0);
        checkState(state);
    }
    QFile::remove(path);
    QFile::remove(again);
    return 0;
}
