// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/evaluation/pastwin.h"
#include "core/generator/pastwintests.h"

#include <QString>
#include <vector>

namespace vendrilo::test {

// The past-win test said as plainly as it can be: one draw after the other through the row
// score. The measure the program's bit-mask answer is checked and timed against.
PastWinResult pastWinScan(const std::vector<DrawRecord>& records, const Tip& tip,
                          const PastWinQuery& query);

// The same straight from the draw file, read anew for every test in blocks of 1000 records, as
// a program without an in-memory history would. An unreadable file throws: a test must never
// take it for "never won".
PastWinResult pastWinScanFile(const QString& drawPath, const Tip& tip, const PastWinQuery& query);

// The generator's past-win tests answered by pastWinScanFile.
class DrawFilePastWins : public PastWinTests {
public:
    DrawFilePastWins(QString drawPath, const PastWinPeriod& period)
        : m_path(std::move(drawPath)), m_period(period)
    {
    }

    bool neverWonInPeriod(const TipRow& tip, int threshold, bool bonusCounts) override;
    bool neverWonRecently(const TipRow& tip, int threshold, int drawCount,
                          bool bonusCounts) override;

private:
    QString m_path;
    PastWinPeriod m_period;
};

} // namespace vendrilo::test
