// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/dates.h"
#include "core/draws/drawfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

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
    const auto read = drawfile::read(path);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[1].numbers[5], 13);

    // Appending after a torn tail starts at the last whole record.
    ASSERT_TRUE(drawfile::append(path, {draw("08.01.2000", {20, 21, 22, 23, 24, 25})}));
    EXPECT_EQ(readBytes(path).size(), 3 * 32);
    EXPECT_EQ(drawfile::read(path)->at(2).numbers[0], 20);
}

TEST(DrawFile, ReadsAcrossItsBlocksInOrder)
{
    QTemporaryDir dir;
    std::vector<DrawRecord> many;
    for (int i = 0; i < 10000; ++i)
        many.push_back(draw("01.01.2000", {1 + i % 44, 2, 3, 4, 5, 6 + i % 40}, i % 50));
    const QString path = test::writeDrawFile(dir, many);
    writeBytes(path, readBytes(path) + "tail");
    EXPECT_EQ(*drawfile::read(path), many);
}

TEST(DrawFile, MissingFileIsAnErrorNotAnEmptyHistory)
{
    QTemporaryDir dir;
    const auto read = drawfile::read(dir.filePath("nothing.dat"));
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().contains("nothing.dat"));
    EXPECT_EQ(read.errorKind(), ErrorKind::NotFound);
}

TEST(DrawFile, AFileFarTooLargeForADrawFileIsRefused)
{
    // Sparse files: no disk space is used, but reading them would take the memory of the
    // machine (a terabyte aborted the program before).
    QTemporaryDir dir;
    for (const qint64 size : {drawfile::kMaxFileSize + 32, qint64(1) << 40}) {
        const QString path = dir.filePath(QStringLiteral("big.dat"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (!f.resize(size))
            GTEST_SKIP() << "no sparse file of " << size << " bytes here";
        f.close();
        const auto read = drawfile::read(path);
        ASSERT_FALSE(read.ok()) << size;
        EXPECT_TRUE(read.error().contains("big.dat")) << read.error().toStdString();
        EXPECT_EQ(read.errorKind(), ErrorKind::Damaged) << read.error().toStdString();
    }
    // The largest allowed size still reads.
    const QString path = dir.filePath(QStringLiteral("fits.dat"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(drawfile::kMaxFileSize));
    f.close();
    const auto read = drawfile::read(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->size(), static_cast<std::size_t>(drawfile::kMaxFileSize / 32));
}

TEST(DrawFile, DamagedRecordsAreCountedButNeverChanged)
{
    DrawRecord ok = draw("01.01.2000", {1, 2, 3, 4, 5, 49}, 49, 9);
    EXPECT_FALSE(isDamaged(ok));
    EXPECT_FALSE(isDamaged(DrawRecord{})) << "an empty record is no damage";
    std::vector<DrawRecord> records{ok};
    for (auto damage : std::initializer_list<void (*)(DrawRecord&)>{
             [](DrawRecord& r) { r.numbers[2] = 50; }, [](DrawRecord& r) { r.bonus = 200; },
             [](DrawRecord& r) { r.superzahl = 10; },
             [](DrawRecord& r) { r.date = std::numeric_limits<double>::quiet_NaN(); },
             [](DrawRecord& r) { r.date = -std::numeric_limits<double>::infinity(); },
             [](DrawRecord& r) { r.date = 1e300; }}) {
        DrawRecord r = ok;
        damage(r);
        EXPECT_TRUE(isDamaged(r));
        records.push_back(r);
    }
    EXPECT_EQ(countDamaged(records), 6);
    const QString warning = damagedFileWarning(QStringLiteral("ZahlenPL.dat"), 6);
    EXPECT_TRUE(warning.contains("ZahlenPL.dat"));
    EXPECT_TRUE(warning.contains(" 6 "));

    // Written and read back byte for byte: the reader repairs nothing.
    QTemporaryDir dir;
    const QString path = test::writeDrawFile(dir, records);
    const QByteArray bytes = readBytes(path);
    const auto read = drawfile::read(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(countDamaged(*read), 6);
    EXPECT_EQ(formatDate((*read)[4].date), "??.??.????");
    EXPECT_EQ(readBytes(path), bytes);
}

TEST(DrawFile, AFailedRewriteLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    const QString path = test::writeDrawFile(dir, {draw("01.01.2000", {1, 2, 3, 4, 5, 6})});
    const QByteArray before = readBytes(path);

    std::vector<DrawRecord> many(200, draw("02.01.2000", {7, 8, 9, 10, 11, 12}));
    Status written;
    if (!test::withFileSizeLimit(1000, [&] { written = drawfile::rewrite(path, many); }))
        GTEST_SKIP() << "no file size limit here";

    ASSERT_FALSE(written.ok());
    EXPECT_TRUE(written.error().contains("File too large")) << written.error().toStdString();
    EXPECT_EQ(written.errorKind(), ErrorKind::Unwritable);
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
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->what, drawfile::Preparation::ConvertedLegacy);
    const QByteArray converted = readBytes(dir.filePath("ZahlenPL.dat"));
    ASSERT_EQ(converted.size(), 3 * 32);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(converted.mid(32 * i, 16), legacy.mid(16 * i, 16)) << "record " << i;
        EXPECT_EQ(converted.mid(32 * i + 16, 16), QByteArray(16, '\0')) << "record " << i;
    }
    EXPECT_EQ(readBytes(dir.filePath("Zahlen.dat")), legacy) << "the legacy file stays";

    // Once a draw file exists, neither conversion nor the shipped history touch it.
    writeBytes(dir.filePath("Zahlen.dat"), legacy + legacy);
    EXPECT_EQ(drawfile::prepare(dir.path() + "/")->what, drawfile::Preparation::Kept);
    EXPECT_EQ(readBytes(dir.filePath("ZahlenPL.dat")), converted);
}

TEST(Conversion, FirstStartWritesTheShippedHistory)
{
    QTemporaryDir dir;
    const auto result = drawfile::prepare(dir.path());
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->what, drawfile::Preparation::SeededFromHistory);
    EXPECT_EQ(result->records, 7394);
    const auto records = drawfile::read(dir.filePath("ZahlenPL.dat"));
    ASSERT_EQ(records->size(), 7394u);
    EXPECT_EQ(records->front(), draw("27.01.1957", {8, 12, 31, 39, 43, 45}));
    EXPECT_EQ(formatDate((*records)[4322].date), "09.09.2006");
    for (std::size_t i = 1; i < records->size(); ++i)
        ASSERT_LE((*records)[i - 1].date, (*records)[i].date) << "record " << i;
    EXPECT_EQ(countDamaged(*records), 0);

    // An existing (even empty) draw file is the user's and stays as it is.
    QTemporaryDir other;
    writeBytes(other.filePath("ZahlenPL.dat"), {});
    EXPECT_EQ(drawfile::prepare(other.path())->what, drawfile::Preparation::Kept);
    EXPECT_TRUE(readBytes(other.filePath("ZahlenPL.dat")).isEmpty());
}

TEST(Conversion, AHistoryThatCannotBeHadIsReportedAndWritesNothing)
{
    QTemporaryDir dir;
    const auto result = drawfile::prepare(dir.path(), [](Game) {
        return Result<std::vector<DrawRecord>>(Error{QStringLiteral("history unreadable")});
    });
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error(), "history unreadable");
    EXPECT_FALSE(QFile::exists(dir.filePath("ZahlenPL.dat")));
    EXPECT_FALSE(QFile::exists(dir.filePath("ZahlenPLPlus.dat")));
}

TEST(HistoryCsv, RejectsMalformedLines)
{
    const auto bad = parseHistoryCsv("0001,27.01.1957,08,12,31,39,43,50\n");
    ASSERT_FALSE(bad);
    EXPECT_TRUE(bad.error().startsWith("line 1"));
    EXPECT_EQ(bad.errorKind(), ErrorKind::Damaged);
    EXPECT_FALSE(parseHistoryCsv("0001,31.02.1957,08,12,31,39,43,45\n"));
    EXPECT_FALSE(parseHistoryCsv("0001,27.01.1957,08,12,31\n"));
    auto ok = parseHistoryCsv("0001,27.01.1957,08,12,31,39,43,45\r\n\n");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->size(), 1u);
}

TEST(DrawFile, ARewriteKeepsTheFileModeAndStartUpClearsWhatAKillLeft)
{
    QTemporaryDir dir;
    const QString path = test::writeDrawFile(dir, {draw("01.01.2000", {1, 2, 3, 4, 5, 6})});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(drawfile::rewrite(path, {draw("02.01.2000", {7, 8, 9, 10, 11, 12})}).ok());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(path).permissions() & others, QFile::ReadGroup);
    EXPECT_EQ(drawfile::read(path)->size(), 1u);

    // A write killed between writing and renaming leaves its temporary file; the next start
    // removes it, and nothing else.
    test::writeBytes(dir.filePath("ZahlenPL.dat.vendrilo-Ab12Cd"), "half");
    test::writeBytes(dir.filePath("Tipp.txt.vendrilo-zz99ZZ"), "half");
    test::writeBytes(dir.filePath("ZahlenPL.dat.backup"), "mine");
    ASSERT_TRUE(drawfile::prepare(dir.path()).ok());
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"ZahlenPL.dat", "ZahlenPL.dat.backup", "ZahlenPLPlus.dat"}));
}
