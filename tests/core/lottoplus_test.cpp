// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "core/sheet/companionscore.h"
#include "testsupport.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

using namespace vendrilo;
using test::day;

namespace {

// A shipped CSV read line by line on its own: date -> the six numbers of that day's draw.
std::map<QDate, std::set<int>> csvDraws(const char* file)
{
    QFile f(QStringLiteral(VENDRILO_DATA "/") + QLatin1String(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    std::map<QDate, std::set<int>> draws;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(',');
        if (fields.size() != 8)
            continue;
        std::set<int>& numbers =
            draws[QDate::fromString(QString::fromLatin1(fields[1]), QStringLiteral("dd.MM.yyyy"))];
        for (int i = 2; i < 8; ++i)
            numbers.insert(fields[i].toInt());
    }
    return draws;
}

} // namespace

// A new program folder gets both histories; an older one, holding only its Lotto file, gets the
// Lotto Plus file and keeps its own untouched.
TEST(LottoPlus, FirstStartWritesBothHistoriesAndKeepsAnExistingLottoFile)
{
    const auto plus = csvDraws("polish-lotto-plus.csv");
    const auto lotto = csvDraws("polish-lotto-6of49.csv");
    QTemporaryDir fresh;
    ASSERT_TRUE(drawfile::prepare(fresh.path()).ok());
    const auto records = *drawfile::read(fresh.filePath("ZahlenPLPlus.dat"));
    ASSERT_EQ(records.size(), 2181u);
    ASSERT_EQ(plus.size(), 2181u);
    auto expected = plus.begin();
    for (const DrawRecord& r : records) {
        ASSERT_EQ(dateFromDay(r.date), expected->first);
        EXPECT_EQ(std::set<int>(r.numbers.begin(), r.numbers.end()), expected->second);
        EXPECT_EQ(r.bonus + r.superzahl, 0);
        EXPECT_TRUE(lotto.count(expected->first)) << "a Lotto Plus draw without its Lotto draw";
        ++expected;
    }
    EXPECT_EQ(formatDate(records.back().date), "20.08.2026");

    QTemporaryDir older;
    const QString own = test::writeDrawFile(older, {test::draw("01.08.2026", {1, 2, 3, 4, 5, 6})});
    const QByteArray before = test::readBytes(own);
    const auto prepared = drawfile::prepare(older.path());
    ASSERT_TRUE(prepared.ok());
    EXPECT_EQ(prepared->what, drawfile::Preparation::Kept);
    EXPECT_EQ(test::readBytes(own), before);
    EXPECT_EQ(test::readBytes(older.filePath("ZahlenPLPlus.dat")),
              test::readBytes(fresh.filePath("ZahlenPLPlus.dat")));
}

// Random sheets against the other draw of random evenings of both histories (days before Lotto
// Plus began among them), each row's hits counted from the CSV files as a set intersection.
TEST(LottoPlus, EachRowIsScoredAgainstTheOtherDrawOfTheEvening)
{
    const std::map<Game, std::map<QDate, std::set<int>>> csv{
        {Game::Lotto, csvDraws("polish-lotto-6of49.csv")},
        {Game::Plus, csvDraws("polish-lotto-plus.csv")}};
    const std::map<Game, std::vector<DrawRecord>> history{
        {Game::Lotto, *shippedHistory()}, {Game::Plus, *shippedHistory(Game::Plus)}};
    const auto& lottoDays = history.at(Game::Lotto);
    std::mt19937 random(7394);
    std::uniform_int_distribution<std::size_t> anyDraw(lottoDays.size() - 3000,
                                                       lottoDays.size() - 1);
    std::uniform_int_distribution<int> number(1, 49);
    for (int i = 0; i < 400; ++i) {
        const Game shown = i % 2 ? Game::Lotto : Game::Plus;
        const Game other = companionGame(shown);
        const double evening = lottoDays[anyDraw(random)].date;
        TipSheet sheet;
        for (int r = 1; r <= TipSheet::kRows; ++r) {
            std::set<int> row;
            while (row.size() < 6)
                row.insert(number(random));
            int p = 1;
            for (int n : row)
                sheet.setField(r, p++, QString::number(n));
            if (r == 12)
                sheet.setField(r, 3, QString()); // an incomplete row is not scored
        }
        const CompanionScore score = scoreCompanionDraw(sheet, evening, other, history.at(other));
        const auto& draws = csv.at(other);
        const auto drawn = draws.find(dateFromDay(evening));
        ASSERT_EQ(score.game, other);
        ASSERT_EQ(score.drawFound, drawn != draws.end()) << qPrintable(formatDate(evening));
        for (int r = 1; r <= TipSheet::kRows; ++r) {
            std::optional<int> expected;
            if (drawn != draws.end() && r < 12) {
                expected = 0;
                for (const QString& field : sheet.fields(r))
                    *expected += static_cast<int>(drawn->second.count(field.toInt()));
            }
            ASSERT_EQ(score.hits[static_cast<std::size_t>(r - 1)], expected)
                << qPrintable(formatDate(evening)) << " row " << r;
        }
    }
}
