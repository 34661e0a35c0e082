#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>


using namespace vendrilo;
using vendrilo::test::draw;
using vendrilo::test::readBytes;
using vendrilo::test::writeBytes;

TEST(DrawRecordLayout, FieldsSitAtTheirOffsetsLittleEndian)
{
    DrawRecord r;
    r.date = 40000.0; // 0x40E3880000000000
    r.numbers = {1, 2, 3, 47, 48, 49};
    r.bonus = 17;
    r.superzahl = 9;
    r.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    r.super6 = {9, 8, 7, 6, 5, 4};
    const auto b = r.toBytes();
    ASSERT_EQ(b.size(), 32u);
    const std::uint8_t date[8] = {0, 0, 0, 0, 0, 0x88, 0xE3, 0x40};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(b[i], date[i]) << "date byte " << i;
    const std::uint8_t rest[24] = {1, 2, 3, 47, 48, 49, 17, 9, 1, 2, 3, 4,
                                   5, 6, 7, 9,  8,  7,  6,  5, 4, 0, 0, 0};
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(b[8 + i], rest[i]) << "offset " << 8 + i;
    EXPECT_EQ(DrawRecord::fromBytes(b.data()), r);
}

TEST(DrawFile, ReadsWholeRecordsAndIgnoresAShortTail)
{
    QTemporaryDir dir;
    const QString path = test::writeDrawFile(dir, {draw("01.01.2000", {1, 2, 3, 4, 5, 6}, 7),
                                                   draw("05.01.2000", {8, 9, 10, 11, 12, 13})});
    QByteArray bytes = readBytes(path);
    writeBytes(path, bytes + QByteArray(20, '\x05'));
    const auto read = drawfile::readAll(path);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].numbers[5], 13);

    // Appending after a torn tail starts at the last whole record.
    ASSERT_FALSE(drawfile::append(path, {draw("08.01.2000", {20, 21, 22, 23, 24, 25})}));
    EXPECT_EQ(readBytes(path).size(), 3 * 32);
    EXPECT_EQ(drawfile::readAll(path).records[2].numbers[0], 20);
}

TEST(DrawFile, MissingFileIsAnErrorNotAnEmptyHistory)
{
    QTemporaryDir dir;
    const auto read = drawfile::readAll(dir.filePath("nothing.dat"));
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.error->contains("nothing.dat"));
}

TEST(DrawFile, AFailedRewriteLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    const QString path = test::writeDrawFile(dir, {draw("01.01.2000", {1, 2, 3, 4, 5, 6})});
    const QByteArray before = readBytes(path);

    std::vector<DrawRecord> many(200, draw("02.01.2000", {7, 8, 9, 10, 11, 12}));
    std::optional<QString> error;
    if (!test::withFileSizeLimit(1000, [&] { error = drawfile::rewrite(path, many); }))
        GTEST_SKIP() << "no file size limit here";

    EXPECT_TRUE(error.has_value());
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ZahlenPL.dat"});
}

TEST(Conversion, LegacyRecordsBecomeFullRecordsWithZeroTail)
{
    QTemporaryDir dir;
    QByteArray legacy;
    for (int i = 0; i < 3; ++i) {
        auto r =
            draw("01.02.1995", {1 + i, 2 + i, 3 + i, 4 + i, 5 + i, 6 + i}, 40 + i, i).toBytes();
        legacy.append(reinterpret_cast<const char*>(r.data()), 16);
    }
    writeBytes(dir.filePath("Zahlen.dat"), legacy);

    const auto result = drawfile::prepare(dir.path() + "/");
    EXPECT_EQ(result.what, drawfile::Preparation::ConvertedLegacy);
    const QByteArray converted = readBytes(dir.filePath("ZahlenPL.dat"));
    ASSERT_EQ(converted.size(), 3 * 32);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(converted.mid(32 * i, 16), legacy.mid(16 * i, 16)) << "record " << i;
        EXPECT_EQ(converted.mid(32 * i + 16, 16), QByteArray(16, '\0')) << "record " << i;
    }
    EXPECT_EQ(readBytes(dir.filePath("Zahlen.dat")), legacy) << "the legacy file stays";

    // Once a draw file exists, neither conversion nor the shipped history touch it.
    writeBytes(dir.filePath("Zahlen.dat"), legacy + legacy);
    EXPECT_EQ(drawfile::prepare(dir.path() + "/").what, drawfile::Preparation::Kept);
    EXPECT_EQ(readBytes(dir.filePath("ZahlenPL.dat")), converted);
}

TEST(Conversion, FirstStartWritesTheShippedHistory)
{
    QTemporaryDir dir;
    const auto result = drawfile::prepare(dir.path());
    EXPECT_EQ(result.what, drawfile::Preparation::SeededFromHistory);
    const auto read = drawfile::readAll(dir.filePath("ZahlenPL.dat"));
    ASSERT_EQ(read.records.size(), 7394u);
    EXPECT_EQ(read.records.front(), draw("27.01.1957", {8, 12, 31, 39, 43, 45}));
    EXPECT_EQ(formatDate(read.records[4322].date), "09.09.2006");
    for (std::size_t i = 1; i < read.records.size(); ++i)
        ASSERT_LE(read.records[i - 1].date, read.records[i].date) << "record " << i;

    // An existing (even empty) draw file is the user's and stays as it is.
    QTemporaryDir other;
    writeBytes(other.filePath("ZahlenPL.dat"), {});
    EXPECT_EQ(drawfile::prepare(other.path()).what, drawfile::Preparation::Kept);
    EXPECT_TRUE(readBytes(other.filePath("ZahlenPL.dat")).isEmpty());
}

TEST(HistoryCsv, RejectsMalformedLines)
{
    QString error;
    EXPECT_FALSE(parseHistoryCsv("0001,27.01.1957,08,12,31,39,43,50\n", &error));
    EXPECT_TRUE(error.startsWith("line 1"));
    EXPECT_FALSE(parseHistoryCsv("0001,31.02.1957,08,12,31,39,43,45\n"));
    EXPECT_FALSE(parseHistoryCsv("0001,27.01.1957,08,12,31\n"));
    auto ok = parseHistoryCsv("0001,27.01.1957,08,12,31,39,43,45\r\n\n");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->size(), 1u);
}
