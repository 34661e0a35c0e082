// SPDX-License-Identifier: GPL-3.0-or-later
// Tip files: the first twelve lines fill the rows, the thirteenth is the ticket number. Every
// field ends up empty or a number 1..49, and the sheet written back reads as the same sheet.
#include "core/io/textlines.h"
#include "core/tipfiles/tipfile.h"
#include "fuzzsupport.h"

using namespace vendrilo;

namespace {

void checkFields(const TipSheet& sheet)
{
    for (int r = 1; r <= TipSheet::kRows; ++r) {
        for (int p = 1; p <= TipSheet::kPositions; ++p) {
            const QString& f = sheet.field(r, p);
            const int n = f.toInt();
            fuzz::require(f.isEmpty() || (n >= 1 && n <= 49 && QString::number(n) == f),
                          "a field is empty or a number 1..49");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path =
        fuzz::writeScratchFile(QStringLiteral("tips.qkt"), fuzz::bytesOf(data, size));
    TipSheet sheet;
    QString ticket;
    fuzz::require(readTipFile(path, sheet, ticket).ok(), "a tip file that exists is read");
    checkFields(sheet);

    QStringList again;
    for (const QByteArray& line : splitLines(tipFileBytes(sheet, ticket)))
        again << QString::fromLatin1(line);
    TipSheet back;
    QString backTicket;
    applyTipLines(again, back, backTicket);
    fuzz::require(back == sheet && backTicket == ticket, "a written sheet reads back the same");
    return 0;
}
