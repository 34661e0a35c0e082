// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "core/io/rtf.h"
#include "core/program/analysis.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace vendrilo;
using test::day;

namespace {

// A state on a draw file of its own, or on the shipped history.
struct Fixture {
    QTemporaryDir dir;
    ProgramState s;
    test::ScriptedPrompts prompts;

    explicit Fixture(const std::vector<DrawRecord>& records = *shippedHistory())
    {
        test::writeDrawFile(dir, records);
        s.programFolder = dir.path() + QLatin1Char('/');
        s.statisticsStart = DatePicker(day("19.11.1994"), 0);
        s.chosenDate = DatePicker(0, 0);
    }
};

// Draws on every Tuesday, Thursday and Saturday from `first`, numbers varying with the day.
std::vector<DrawRecord> threeDrawsAWeek(const char* first, int weeks)
{
    std::vector<DrawRecord> records;
    const double start = day(first);
    for (int w = 0; w < weeks; ++w)
        for (const int offset : {0, 2, 4}) {
            const double d = start + 7 * w + offset;
            DrawRecord r = test::draw(qPrintable(formatDate(d)), {1, 2, 3, 4, 5, 6});
            for (int i = 0; i < 6; ++i)
                r.numbers[static_cast<std::size_t>(i)] =
                    static_cast<quint8>((w * 7 + offset * 3 + i * 8) % 49 + 1);
            records.push_back(r);
        }
    return records;
}

} // namespace

TEST(Backtest, StartedTodayRunsNoPassAndReportsZeros)
{
    Fixture t;
    t.s.chosenDate.setDate(day("08.12.2026"));
    t.prompts.inputAnswers = {"4711"};
    const auto r = runBacktest(t.s, t.prompts, day("08.12.2026"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->passes, 0);
    ASSERT_EQ(r->report.size(), 16 + 8); // the tally, then the money lines without a pass
    EXPECT_EQ(r->report[0], "Aktuelle Einstellung brachten für Sa. bzw. Mi.");
    EXPECT_EQ(r->report[1], "0x\t=>\t0\t=>\t0");
    EXPECT_EQ(r->report[2], "0x + Bonus\t=>\t0\t=>\t0");
    // Six hits have no bonus line: 6x is followed by the empty line and the pass count.
    EXPECT_EQ(r->report[13], "6x\t=>\t0\t=>\t0");
    EXPECT_EQ(r->report[14], "");
    EXPECT_EQ(r->report[15], "0 Ziehungen");
    EXPECT_EQ(r->report[23], "Rückfluss (Gewinn / Einsatz): -");
    // The seed box: the lucky-number title with its range, a random proposal below 99999.
    ASSERT_EQ(t.prompts.asked.size(), 1);
    const QStringList asked = t.prompts.asked[0].split(" | ");
    EXPECT_EQ(asked[0], "Ihre Glückszahl (1-99999999)?");
    EXPECT_EQ(asked[1], "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!");
    EXPECT_LT(asked[2].toInt(), 99999);
}

// The draws each pass scored, from a back-test starting on `from`.
std::vector<double> scoredDraws(Fixture& t, const char* from,
                                Result<BacktestResult>* result = nullptr)
{
    t.s.chosenDate.setDate(day(from));
    t.prompts.inputAnswers = {"17"};
    std::vector<double> shown;
    AnalysisHooks hooks;
    hooks.pass = [&](double) {
        shown.push_back(t.s.shown.date);
        return true;
    };
    auto r = runBacktest(t.s, t.prompts, day("08.12.2026"), hooks);
    EXPECT_TRUE(r.ok() && r->end == AnalysisEnd::Finished);
    if (result)
        *result = std::move(r);
    return shown;
}

// Calendars of three, two and one draw day a week (the last with two draws on each Sunday): with
// both draw-day boxes ticked every stored draw day after the first is scored once, the last one
// twice; on a Wednesday/Saturday file these are the draws the old three-day step scored.
TEST(Backtest, BothBoxesScoreEveryStoredDrawDay)
{
    const struct {
        const char* name;
        std::vector<int> weekdays; // 1 Monday .. 7 Sunday; a day twice: two draws that day
    } calendars[] = {{"Tue/Thu/Sat", {2, 4, 6}}, {"Wed/Sat", {3, 6}}, {"Sunday twice", {7, 7}}};
    for (const auto& c : calendars) {
        std::vector<DrawRecord> records;
        for (double d = day("01.01.2024"); d < day("01.07.2024"); ++d)
            for (const int w : c.weekdays)
                if (weekday(d) == w)
                    records.push_back(threeDrawsAWeek(qPrintable(formatDate(d)), 1)[0]);
        Fixture t(records);
        std::set<double> days; // the first draw on or after the start is scored by none
        for (const DrawRecord& r : records)
            if (r.date >= day("03.01.2024"))
                days.insert(r.date);
        days.erase(days.begin());
        std::vector<double> expected(days.begin(), days.end());
        expected.push_back(expected.back());
        Result<BacktestResult> result = BacktestResult{};
        EXPECT_EQ(scoredDraws(t, "03.01.2024", &result), expected) << c.name;
        EXPECT_EQ(result->passes, static_cast<int>(expected.size())) << c.name;
        if (c.weekdays == std::vector<int>{3, 6}) {
            // The old step: three days on from the scored draw, the first stored draw from there.
            std::vector<double> old;
            double at = records.front().date;
            while (old.empty() || old.size() < 2 || old.back() != old[old.size() - 2]) {
                const auto next =
                    std::find_if(records.begin(), records.end(),
                                 [&](const DrawRecord& r) { return r.date >= at + 3; });
                at = next == records.end() ? records.back().date : next->date;
                old.push_back(at);
            }
            EXPECT_EQ(old, expected);
        }
    }
}

TEST(Backtest, OneBoxStepsSixDaysAndTalliesWeekendsApart)
{
    Fixture t(threeDrawsAWeek("02.01.2024", 30)); // a Tuesday
    for (const bool bothDays : {true, false}) {
        t.s.options.set(Option::OtherDayDraws, bothDays ? 1 : 0);
        Result<BacktestResult> r = BacktestResult{};
        const std::vector<double> shown = scoredDraws(t, "02.01.2024", &r);
        ASSERT_GE(shown.size(), 10u);
        // The last draw is counted twice: the pass after it finds it again.
        EXPECT_EQ(shown[shown.size() - 1], shown[shown.size() - 2]);
        for (std::size_t i = 1; i + 2 < shown.size(); ++i) // up to the last draw
            EXPECT_EQ(shown[i] - shown[i - 1], bothDays ? (weekday(shown[i]) == 2 ? 3 : 2) : 7)
                << formatDate(shown[i]).toStdString();
        // Weekend draws (Saturday) and the others fill their own columns.
        quint32 weekend = 0, other = 0;
        for (const auto& row : r->tally) {
            weekend += row[0] + row[1];
            other += row[2] + row[3];
        }
        EXPECT_EQ(weekend + other, 12u * r->passes);
        if (bothDays) {
            EXPECT_GT(weekend, 0u);
        }
        EXPECT_GT(other, 0u);
    }
}

TEST(Backtest, RecomputesOnlyAfterAPassWithAThree)
{
    Fixture t;
    t.s.options.set(Option::RecomputeOnlyAfterThree, 1);
    t.s.options.set(Option::ShowWeightingList, 1);
    t.s.chosenDate.setDate(day("01.01.2023"));
    t.prompts.inputAnswers = {"99"};
    std::vector<std::pair<std::vector<QString>, int>> passes; // sheet, rows with 3+
    AnalysisHooks hooks;
    hooks.pass = [&](double) {
        std::vector<QString> rows;
        for (int r = 1; r <= 12; ++r) {
            QStringList sorted = t.s.sheet.rowString(r).split(',');
            std::sort(sorted.begin(), sorted.end());
            rows.push_back(sorted.join(','));
        }
        std::sort(rows.begin(), rows.end()); // the evaluation may sort the rows
        int threes = 0;
        for (std::size_t i = 3; i <= 6; ++i)
            threes += static_cast<int>(t.s.statistics[i][0] + t.s.statistics[i][1]);
        passes.emplace_back(rows, threes);
        return true;
    };
    const auto r = runBacktest(t.s, t.prompts, day("08.12.2026"), hooks);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(t.s.options.checked(Option::ShowWeightingList)); // given back
    int kept = 0, renewed = 0;
    for (std::size_t i = 1; i < passes.size(); ++i) {
        const bool same = passes[i].first == passes[i - 1].first;
        if (passes[i - 1].second == 0) {
            EXPECT_TRUE(same) << "pass " << i << " computed without a 3 before it";
            ++kept;
        } else if (!same) {
            ++renewed;
        }
    }
    EXPECT_GT(kept, 10);
    EXPECT_GT(renewed, 0);
}

TEST(Similarity, CountsAndTheLastDrawsFollowers)
{
    Fixture t(threeDrawsAWeek("02.01.2024", 10));
    t.s.statisticsStart = DatePicker(day("01.01.2024"), 0);
    t.s.chosenDate.setDate(day("02.01.2024"));
    t.prompts.inputAnswers = {"7"};
    std::vector<QString> statusTexts;
    AnalysisHooks hooks;
    hooks.status = [&](int panel, const QString& text) {
        if (panel == 0)
            statusTexts.push_back(text);
    };
    const auto r = runSimilarity(t.s, t.prompts, hooks);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r->end, AnalysisEnd::Finished);
    const int draws = 30;
    EXPECT_EQ(r->passes, draws - 1); // every draw but the last
    auto total = [&](std::size_t d) {
        quint32 sum = 0;
        for (quint32 c : r->counts[d])
            sum += c;
        return sum;
    };
    // The draw before the last has a next draw only; the one before it no third-next.
    EXPECT_EQ(total(1), quint32(draws - 1));
    EXPECT_EQ(total(2), quint32(draws - 2));
    EXPECT_EQ(total(3), quint32(draws - 3));
    // Earlier draws: none in the first pass (it starts at the chosen day), then every draw since
    // the statistics start before the one compared: 1 + 2 + ... + 28.
    EXPECT_EQ(total(0), quint32((draws - 2) * (draws - 1) / 2));
    EXPECT_EQ(statusTexts.front(), "12.01.2024"); // the chosen day + 10
    EXPECT_EQ(statusTexts.back(), formatDate(day("02.01.2024") + 7 * 9 + 4));
    ASSERT_EQ(r->report.size(), 35);
    EXPECT_EQ(r->report[0], "Treffer von Ziehungen in der Datenbank");
    EXPECT_EQ(r->report[8], " ");
    EXPECT_EQ(r->report[9], "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen");
    EXPECT_EQ(r->report[10], QStringLiteral("0x    =>%1").arg(r->counts[1][0]));
    // Row 1 holds the numbers of the draw before the last; the last draw is shown.
    EXPECT_EQ(t.s.shown.position, draws - 1);
}

TEST(Similarity, AThresholdThatIsNoNumberRunsNothing)
{
    Fixture t(threeDrawsAWeek("02.01.2024", 3));
    t.s.chosenDate.setDate(day("02.01.2024"));
    t.prompts.inputAnswers = {"viele"};
    const auto r = runSimilarity(t.s, t.prompts);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->end, AnalysisEnd::NotNumber);
    EXPECT_EQ(r->passes, 0);
    EXPECT_EQ(t.prompts.messages, QStringList{"'viele' ist kein gültiger Integerwert"});
}

TEST(Rtf, EscapesAndUnicode)
{
    const QByteArray doc = rtfDocument({"a\\b{c}", "Übernächste Ziehung", "Ставка 1 €"});
    EXPECT_TRUE(doc.startsWith("{\\rtf1"));
    EXPECT_TRUE(doc.contains("a\\\\b\\{c\\}\\par"));
    EXPECT_TRUE(doc.contains("\\'dcbern\\'e4chste Ziehung\\par"));
    EXPECT_TRUE(doc.contains("\\u1057\\'3f\\u1090\\'3f"));
    EXPECT_TRUE(doc.contains("\\u8364\\'3f\\par"));
    EXPECT_TRUE(doc.trimmed().endsWith('}'));
    for (const char c : doc)
        EXPECT_LT(static_cast<unsigned char>(c), 0x80);
}
