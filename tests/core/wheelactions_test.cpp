// SPDX-License-Identifier: GPL-3.0-or-later
// What the "Systeme" tab does with a wheel: the price, the rows onto the sheet twelve at a time,
// the tip files read back by the tip-file reader, the print-out, and no use of a wheel that
// fails its check.
#include "core/program/wheelactions.h"
#include "core/tipfiles/tipfile.h"
#include "core/wheels/wheelmaker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vendrilo;
using namespace vendrilo::wheels;

namespace {

Wheel fullOnEight()
{
    return *instantWheel({3, 9, 12, 18, 22, 27, 33, 41}, Guarantee::fullWheel()).wheel;
}

std::array<int, 6> sheetRow(const TipSheet& sheet, int r)
{
    return *sheet.numbers(r);
}

} // namespace

TEST(WheelActions, CostFromTheFeeField)
{
    const struct {
        const char* text;
        std::size_t rows;
        std::optional<qint64> grosze;
    } cases[] = {{"3,00", 38760, 11'628'000}, {" 3.5 ", 14, 4'900}, {"0", 28, 0},
                 {"0,60", 1, 60},              {"", 5, std::nullopt}, {"drei", 5, std::nullopt},
                 {"-1,00", 5, std::nullopt}};
    for (const auto& c : cases) {
        InternetOptions internet;
        internet.rowPrice = QString::fromLatin1(c.text);
        const auto cost = wheelCost(c.rows, internet);
        EXPECT_EQ(cost.has_value(), c.grosze.has_value()) << c.text;
        if (cost && c.grosze)
            EXPECT_EQ(cost->grosze, *c.grosze) << c.text;
    }
    EXPECT_EQ(zlotyText(Money{11'628'000}), QStringLiteral("116.280,00"));
    EXPECT_EQ(zlotyText(Money{4'905}), QStringLiteral("49,05"));
}

// Presses of "Auf den Schein" with locked rows: each press fills the unlocked rows with the
// next rows of the wheel, in order, empties what is left, and after the last row starts over.
TEST(WheelActions, RowsGoOntoTheUnlockedRowsTwelveAtATime)
{
    const Wheel wheel = fullOnEight(); // 28 rows
    const struct {
        std::vector<int> locked;
        std::vector<int> starts; // the wheel row each press starts with
    } cases[] = {{{}, {0, 12, 24, 0}}, {{1, 12}, {0, 10, 20, 0}}, {{5}, {0, 11, 22, 0}}};
    for (const auto& c : cases) {
        TipSheet sheet;
        for (const int r : c.locked) {
            sheet.setRow(r, {1, 2, 4, 5, 6, 7});
            sheet.setLocked(r, true);
        }
        int next = 0;
        for (std::size_t press = 0; press + 1 < c.starts.size(); ++press) {
            ASSERT_EQ(next, c.starts[press]);
            next = putWheelRowsOnSheet(sheet, wheel, next);
            std::size_t expected = static_cast<std::size_t>(c.starts[press]);
            for (int r = 1; r <= TipSheet::kRows; ++r) {
                if (sheet.locked(r)) {
                    EXPECT_EQ(sheetRow(sheet, r), (std::array<int, 6>{1, 2, 4, 5, 6, 7}));
                } else if (expected < wheel.rows.size()) {
                    EXPECT_EQ(sheetRow(sheet, r), wheel.rows[expected++]) << r;
                } else {
                    EXPECT_EQ(sheet.rowString(r), QStringLiteral(",,,,,")) << r;
                }
            }
        }
        EXPECT_EQ(next, c.starts.back());
    }
}

TEST(WheelActions, TipFilesOfTwelveRowsEachReadBackAsTheWheel)
{
    const struct {
        int rows;
        QStringList names;
    } naming[] = {{12, {"S.qkt"}},
                  {13, {"S-1.qkt", "S-2.qkt"}},
                  {120,
                   {"S-01.qkt", "S-02.qkt", "S-03.qkt", "S-04.qkt", "S-05.qkt", "S-06.qkt",
                    "S-07.qkt", "S-08.qkt", "S-09.qkt", "S-10.qkt"}}};
    for (const auto& c : naming) {
        QStringList names;
        for (const QString& path : wheelTipFilePaths(QStringLiteral("/x/S.qkt"), c.rows))
            names << QFileInfo(path).fileName();
        EXPECT_EQ(names, c.names) << c.rows;
    }
    QTemporaryDir dir;
    const Wheel wheel = fullOnEight();
    const auto saved = saveWheelTipFiles(dir.filePath(QStringLiteral("System.qkt")), wheel);
    ASSERT_TRUE(saved.ok()) << saved.error().toStdString();
    ASSERT_EQ(saved->size(), 3);
    std::vector<WheelRow> back;
    for (const QString& path : *saved) {
        TipSheet sheet;
        QString ticket = QStringLiteral("x");
        ASSERT_TRUE(readTipFile(path, sheet, ticket).ok());
        EXPECT_TRUE(ticket.isEmpty());
        for (int r = 1; r <= TipSheet::kRows; ++r)
            if (const auto numbers = sheet.numbers(r))
                back.push_back(*numbers);
    }
    EXPECT_EQ(back, wheel.rows);
}

TEST(WheelActions, ThePrintOutListsEveryRowNumbered)
{
    QTemporaryDir dir;
    ProgramState state;
    state.programFolder = dir.path() + u'/';
    const Wheel wheel = fullOnEight();
    const auto path = writeWheelPrintout(state, QStringLiteral("Systeme: 8 Zahlen"), wheel);
    ASSERT_TRUE(path.ok());
    QFile file(*path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3 + 28 + 1); // title, tildes, empty line, rows, after the last CR LF
    EXPECT_EQ(lines[0], QStringLiteral("Systeme: 8 Zahlen"));
    for (int i = 0; i < 28; ++i) {
        const QStringList fields = lines[3 + i].split(u' ', Qt::SkipEmptyParts);
        ASSERT_EQ(fields.size(), 7) << lines[3 + i].toStdString();
        EXPECT_EQ(fields[0], QStringLiteral("%1.").arg(i + 1));
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(fields[k + 1].toInt(), wheel.rows[static_cast<std::size_t>(i)][k]);
    }
}

// A wheel whose rows were tampered with goes nowhere: not onto the sheet, into files or print.
TEST(WheelActions, AWheelThatFailsItsCheckGoesNowhere)
{
    QTemporaryDir dir;
    Wheel wheel = fullOnEight();
    wheel.rows.pop_back(); // one six missing: no longer full
    TipSheet sheet;
    EXPECT_EQ(putWheelRowsOnSheet(sheet, wheel, 0), 0);
    EXPECT_EQ(sheet, TipSheet());
    EXPECT_FALSE(saveWheelTipFiles(dir.filePath(QStringLiteral("S.qkt")), wheel).ok());
    ProgramState state;
    state.programFolder = dir.path() + u'/';
    EXPECT_FALSE(writeWheelPrintout(state, QStringLiteral("t"), wheel).ok());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(sheetNumbers(sheet), std::vector<int>{});
    sheet.setRow(2, {5, 1, 9, 12, 30, 49});
    sheet.setRow(7, {5, 6, 7, 8, 9, 10});
    EXPECT_EQ(sheetNumbers(sheet), (std::vector<int>{1, 5, 6, 7, 8, 9, 10, 12, 30, 49}));
}
