// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the fuzz targets (fuzz/) found faults with, run through the same promises.
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

std::vector<std::pair<QString, QByteArray>> foundInputs(const QString& target)
{
    std::vector<std::pair<QString, QByteArray>> inputs;
    const QDir dir(QStringLiteral(VENDRILO_FIXTURES "/fuzz/") + target);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            inputs.emplace_back(name, f.readAll());
    }
    return inputs;
}

} // namespace

// ",2.09.-0914,1,3,3,4,5,6": QDate reads the year -914, which became a draw no date
// function could show. A parsed history holds calendar days only.
TEST(FuzzRegressions, TheHistoryCsvHoldsCalendarDaysOnly)
{
    const auto inputs = foundInputs(QStringLiteral("historycsv"));
    ASSERT_FALSE(inputs.empty());
    for (const auto& [name, bytes] : inputs) {
        SCOPED_TRACE(name.toStdString());
        const auto records = parseHistoryCsv(bytes);
        if (!records)
            continue;
        for (const DrawRecord& r : *records)
            EXPECT_TRUE(isCalendarDay(r.date));
    }
    EXPECT_FALSE(parseDate(QStringLiteral("2.09.-0914")));
    EXPECT_FALSE(parseDate(QStringLiteral("31.12.0000")));
    EXPECT_EQ(*parseDate(QStringLiteral("1.1.0001")), -693593.0);
    EXPECT_EQ(*parseDate(QStringLiteral("31.12.9999")), 2958465.0);
}
