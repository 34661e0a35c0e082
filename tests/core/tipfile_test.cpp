// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/io/textlines.h"
#include "core/program/sheetactions.h"
#include "core/tipfiles/tipfile.h"
#include "testsupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vendrilo;
using test::day;
using test::draw;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(VENDRILO_FIXTURES "/") + QString::fromLatin1(name);
}

// ---- writing ----

TEST(TipFileWrite, ExampleSheetMatchesTheGoldenFileByteForByte)
{
    TipSheet sheet;
    sheet.setRow(1, {3, 11, 17, 25, 38, 44});
    sheet.setRow(2, {1, 9, 23, 30, 41, 49});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.qkt"));
    ASSERT_TRUE(saveTipFile(path, sheet, QStringLiteral("1234567")));
    EXPECT_EQ(test::readBytes(path), test::readBytes(fixture("tips-example.qkt")));
}

TEST(TipFileWrite, EmptySheetGivesTwelveEmptyRowsAndAnEmptyTicketLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.qkt"));
    ASSERT_TRUE(saveTipFile(path, TipSheet{}, QString()));
    EXPECT_EQ(test::readBytes(path), test::readBytes(fixture("tips-empty-sheet.qkt")));
}

TEST(TipFileWrite, ReplacesAnExistingFileAndWritesEveryRowWhateverTheLocks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.qkt"));
    test::writeBytes(path, QByteArray(5000, 'z'));
    TipSheet sheet;
    sheet.setRow(12, {4, 5, 6, 7, 8, 9});
    sheet.setLocked(12, true);
    sheet.setField(6, 3, QStringLiteral("33"));
    ASSERT_TRUE(saveTipFile(path, sheet, QStringLiteral("0000001")));
    const QByteArray bytes = test::readBytes(path);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 14); // thirteen lines and nothing after the last CR LF
    EXPECT_EQ(lines[5], QByteArray(",,33,,,\r"));
    EXPECT_EQ(lines[11], QByteArray("4,5,6,7,8,9\r"));
    EXPECT_EQ(lines[12], QByteArray("0000001\r"));
    EXPECT_TRUE(lines[13].isEmpty());
}

TEST(TipFileWrite, AFileThatCannotBeCreatedIsAnError)
{
    QTemporaryDir dir;
    EXPECT_FALSE(saveTipFile(dir.filePath(QStringLiteral("no/such/folder/t.qkt")), TipSheet{}, {}));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.qkt")));
    EXPECT_FALSE(saveTipFile(dir.filePath(QStringLiteral("taken.qkt")), TipSheet{}, {}));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.qkt"))).isDir());
}

TEST(TipFileWrite, AFailedReplaceKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.qkt"));
    test::writeBytes(path, "old content");
    TipSheet sheet;
    sheet.setRow(1, {3, 11, 17, 25, 38, 44});
    Status written;
    // The new content (well over 20 bytes) cannot be written in full.
    if (!test::withFileSizeLimit(20, [&] { written = saveTipFile(path, sheet, {}); }))
        GTEST_SKIP() << "no file size limit here";
    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains("t.qkt"));
    EXPECT_EQ(test::readBytes(path), QByteArray("old content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.qkt"});
}

// ---- reading ----

TEST(TipFileRead, RoundTripRestoresRowsTicketAndLockedRows)
{
    ProgramState a;
    a.sheet.setRow(1, {3, 11, 17, 25, 38, 44});
    a.sheet.setRow(7, {2, 9, 14, 21, 33, 40});
    a.sheet.setLocked(7, true);
    a.sheet.setField(9, 2, QStringLiteral("48"));
    a.ticketNumber = QStringLiteral("7654321");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.qkt"));
    ASSERT_TRUE(saveTipFile(path, a.sheet, a.ticketNumber));

    ProgramState b;
    b.sheet.setRow(7, {1, 2, 3, 4, 5, 6});
    b.sheet.setLocked(7, true);
    b.sheet.setRow(8, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(loadTipFile(b, path));
    for (int r = 1; r <= TipSheet::kRows; ++r)
        EXPECT_EQ(b.sheet.rowString(r), a.sheet.rowString(r)) << r;
    EXPECT_EQ(b.ticketNumber, a.ticketNumber);
    EXPECT_TRUE(b.sheet.locked(7));

    const QString again = dir.filePath(QStringLiteral("again.qkt"));
    ASSERT_TRUE(saveTipFile(again, b.sheet, b.ticketNumber));
    EXPECT_EQ(test::readBytes(again), test::readBytes(path));
}

TEST(TipFileRead, ShortFileFillsItsRowsAndKeepsTheRest)
{
    ProgramState s;
    s.ticketNumber = QStringLiteral("1112223");
    s.sheet.setRow(5, {40, 41, 42, 43, 44, 45});
    s.sheet.setRow(2, {40, 41, 42, 43, 44, 45});
    s.sheet.setRow(10, {30, 31, 32, 33, 34, 35});
    s.sheet.setLocked(10, true);
    s.sheet.setLocked(2, true);
    ASSERT_TRUE(loadTipFile(s, fixture("tips-three-lines.qkt")));

    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("5,6,7,8,9,10"));
    EXPECT_EQ(s.sheet.rowString(2), QStringLiteral("11,12,13,14,15,16")); // locked, overwritten
    EXPECT_EQ(s.sheet.rowString(3), QStringLiteral("17,18,19,20,21,22"));
    EXPECT_EQ(s.sheet.rowString(5), QStringLiteral(",,,,,"));              // cleared
    EXPECT_EQ(s.sheet.rowString(10), QStringLiteral("30,31,32,33,34,35")); // locked, kept
    EXPECT_EQ(s.ticketNumber, QStringLiteral("1112223"));
}

TEST(TipFileRead, LooseLinesAreReadTolerantly)
{
    ProgramState s;
    ASSERT_TRUE(loadTipFile(s, fixture("tips-loose-lines.qkt")));
    const TipSheet& t = s.sheet;
    EXPECT_EQ(t.rowString(1), QStringLiteral("1,2,,,,3"));         // 1,2,3
    EXPECT_EQ(t.rowString(2), QStringLiteral("5,12,19,28,33,47")); // ...47:x
    EXPECT_EQ(t.rowString(3), QStringLiteral("5,12,19,28,33,"));   // ...47,8
    EXPECT_EQ(t.rowString(4), QStringLiteral("7,13,,,,"));         // 07,13,0,50,-3,x
    EXPECT_EQ(t.rowString(5), QStringLiteral("4,44,12,1,2,3"));    // leading blank
    EXPECT_EQ(t.rowString(7), QStringLiteral("9,8,7,6,5,4"));      // LF alone ends a line
    EXPECT_EQ(t.rowString(8), QStringLiteral("1,2,3,4,5,6"));      // CR alone ends a line
    EXPECT_EQ(t.rowString(9), QStringLiteral("3,4,5,6,7,8"));
    EXPECT_EQ(s.ticketNumber, QStringLiteral("  LOS 42 ")); // verbatim, line 14 unread
}

TEST(TipFileRead, LineSplitting)
{
    using Lines = QList<QByteArray>;
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a"), Lines{"a"});
    EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("\n\r"), (Lines{"", ""}));
    // Fed in pieces, a CR LF split between two pieces is still one line end.
    LineSplitter pieces(LineLimits{});
    pieces.feed("a\r", 2);
    pieces.feed("\nb\r", 3);
    pieces.feed("\r", 1);
    pieces.finish();
    EXPECT_EQ(pieces.lines(), (Lines{"a", "b", ""}));
    // Bounds: lines are cut at their length limit, and the splitter stops when it has enough.
    LineLimits limits;
    limits.maxLines = 2;
    limits.maxLineLength = 3;
    EXPECT_EQ(splitLines("abcdef\nxy\nz\n", limits), (Lines{"abc", "xy"}));
}

TEST(TipFileRead, EightBitTextIsLatinOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.qkt"));
    test::writeBytes(path, QByteArray(12, '\n') + "Nr \xe4\r\n");
    ProgramState s;
    ASSERT_TRUE(loadTipFile(s, path));
    EXPECT_EQ(s.ticketNumber, QStringLiteral("Nr ä"));
}

TEST(TipFileRead, AHugeFileIsReadNoFurtherThanItsFirstLines)
{
    QTemporaryDir dir;
    ProgramState s;
    // 40 MB without a line end after the first row: read once, front to back (this took the
    // square of the size before, 23 s in the window).
    const QString noEnds = dir.filePath(QStringLiteral("noends.qkt"));
    test::writeBytes(noEnds, "1,2,3,4,5,6:" + QByteArray(40 << 20, '7'));
    s.sheet.setRow(2, {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(loadTipFile(s, noEnds));
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral("1,2,3,4,5,6"));
    EXPECT_EQ(s.sheet.rowString(2), QStringLiteral(",,,,,"));

    // Thirteen lines, then a terabyte (sparse): only the thirteen are read.
    const QString sparse = dir.filePath(QStringLiteral("sparse.qkt"));
    test::writeBytes(sparse, QByteArray("8,9,10,11,12,13\r\n").repeated(12) + "4711\r\n");
    QFile f(sparse);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    if (!f.resize(qint64(1) << 40))
        GTEST_SKIP() << "no sparse files here";
    f.close();
    ASSERT_TRUE(loadTipFile(s, sparse));
    EXPECT_EQ(s.sheet.rowString(12), QStringLiteral("8,9,10,11,12,13"));
    EXPECT_EQ(s.ticketNumber, QStringLiteral("4711"));

    // A terabyte of zeros without any line end: the reader gives up after its bound.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.resize(qint64(1) << 40));
    f.close();
    ASSERT_TRUE(loadTipFile(s, sparse));
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
    EXPECT_EQ(s.ticketNumber, QStringLiteral("4711"));
}

TEST(TipFileRead, UnreadableFileComesBackAfterTheClearing)
{
    ProgramState s;
    s.sheet.setRow(1, {1, 2, 3, 4, 5, 6});
    s.sheet.setRow(2, {1, 2, 3, 4, 5, 6});
    s.sheet.setLocked(2, true);
    s.ticketNumber = QStringLiteral("42");
    QTemporaryDir dir;
    const Status r = loadTipFile(s, dir.filePath(QStringLiteral("missing.qkt")));
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains("missing.qkt"));
    EXPECT_EQ(r.errorKind(), ErrorKind::NotFound);
    EXPECT_EQ(s.sheet.rowString(1), QStringLiteral(",,,,,"));
    EXPECT_EQ(s.sheet.rowString(2), QStringLiteral("1,2,3,4,5,6"));
    EXPECT_EQ(s.ticketNumber, QStringLiteral("42"));
    EXPECT_FALSE(loadTipFile(s, dir.path()).ok()); // a folder is no tip file
}

// ---- the proposed name ----

TEST(TipFileName, NamesTheNextDrawDayOfTheStoredCalendar)
{
    // Wednesday/Saturday draws up to July 2007, Tuesday/Thursday/Saturday draws after.
    std::vector<DrawRecord> draws;
    for (double d = day("01.01.2007"); d <= day("31.12.2024"); ++d) {
        const int w = weekday(d);
        if (d < day("01.07.2007") ? (w == 3 || w == 6) : (w == 2 || w == 4 || w == 6))
            draws.push_back(draw(qPrintable(formatDate(d)), {1, 2, 3, 4, 5, 6}));
    }
    const struct {
        const char* chosen;
        const char* name;
    } cases[] = {
        {"03.06.2007", "20070606.qkt"}, // Sunday -> Wednesday
        {"06.06.2007", "20070609.qkt"}, // Wednesday -> Saturday
        {"09.06.2007", "20070613.qkt"}, // Saturday -> Wednesday
        {"04.06.2007", "20070606.qkt"}, // Monday -> Wednesday (was: today)
        {"07.07.2024", "20240709.qkt"}, // Sunday -> Tuesday
        {"09.07.2024", "20240711.qkt"}, // Tuesday -> Thursday
        {"11.07.2024", "20240713.qkt"}, // Thursday -> Saturday
        {"28.12.2024", "20241231.qkt"}, // Saturday -> Tuesday, across the year
        {"15.07.2030", "20300719.qkt"}, // no draws near: Monday + 4
    };
    for (const auto& c : cases)
        EXPECT_EQ(proposedTipFileName(draws, day(c.chosen)), QString::fromLatin1(c.name))
            << c.chosen;
}

} // namespace
