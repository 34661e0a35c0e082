// SPDX-License-Identifier: GPL-3.0-or-later
// crash_writer OPERATION FILE (once A|once B|loop): writes one of two contents into FILE with
// the program's own writer for that kind of file, once, or alternately without end so that a
// kill from outside lands in the middle of a write.
#include "core/draws/drawedits.h"
#include "core/draws/drawfile.h"
#include "core/generator/weightlist.h"
#include "core/io/rtf.h"
#include "core/program/analysis.h"
#include "core/program/settingsstore.h"
#include "core/tipfiles/printout.h"
#include "core/tipfiles/tipfile.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>
#include <functional>
#include <map>

using namespace vendrilo;

namespace {

// Two histories of different length, so that a torn write cannot pass for either.
std::vector<DrawRecord> history(bool second)
{
    std::vector<DrawRecord> records = *shippedHistory();
    if (second)
        records.resize(records.size() - 500);
    return records;
}

QStringList lines(bool second)
{
    QStringList out;
    for (int i = 0; i < (second ? 300 : 2000); ++i)
        out << QStringLiteral("Zeile %1 mit Umlauten: äöü %2").arg(i).arg(second ? "B" : "A");
    return out;
}

using Writer = std::function<bool(const QString& path, bool second)>;

const std::map<QString, Writer>& writers()
{
    static const std::map<QString, Writer> table = {
        {"drawfile", [](const QString& p, bool b) { return drawfile::rewrite(p, history(b)).ok(); }},
        // The entry of a draw after the newest one: the appending path.
        {"append",
         [](const QString& p, bool b) {
             auto records = history(false);
             if (b) {
                 DrawRecord next;
                 next.date = records.back().date + 2;
                 next.numbers = {4, 8, 15, 16, 23, 42};
                 records = withEnteredDraw(records, next);
             }
             return drawfile::rewrite(p, records).ok();
         }},
        {"tipfile",
         [](const QString& p, bool b) {
             TipSheet sheet;
             for (int r = 1; r <= (b ? 3 : 12); ++r)
                 sheet.setRow(r, {r, r + 10, r + 20, r + 30, 41, 49});
             return saveTipFile(p, sheet, b ? QStringLiteral("0815") : QStringLiteral("4711")).ok();
         }},
        {"weights",
         [](const QString& p, bool b) {
             WeightList list;
             for (int k = 1; k <= 49; ++k)
                 list.set(k, (k % 2 == 0) == b, b ? 1000000 : k);
             return saveWeightList(list, p).ok();
         }},
        {"settings",
         [](const QString& p, bool b) {
             ProgramState s;
             s.ticketNumber = b ? QStringLiteral("B") : QString(500, QLatin1Char('A'));
             s.language = b ? 8 : 0;
             return saveSettings(*openSettings(p), s, WindowSize{}).ok();
         }},
        {"printout", [](const QString& p, bool b) { return writePrintout(p, lines(b)).ok(); }},
        {"backtest", [](const QString& p, bool b) { return writeBacktestReport(lines(b), p).ok(); }},
        {"rtf", [](const QString& p, bool b) { return writeRtfFile(p, lines(b)).ok(); }},
    };
    return table;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || !writers().count(args.at(1))) {
        std::fprintf(stderr, "usage: crash_writer OPERATION FILE once A|once B|loop\n");
        return 2;
    }
    const Writer& write = writers().at(args.at(1));
    if (args.at(3) == QLatin1String("once"))
        return write(args.at(2), args.value(4) == QLatin1String("B")) ? 0 : 1;
    for (bool second = false;; second = !second)
        if (!write(args.at(2), second))
            return 1;
}
