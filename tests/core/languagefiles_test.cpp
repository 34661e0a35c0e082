// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/languagefiles.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

// A base file of blocks "window, control, caption, hint, character set".
QByteArray baseFile(const QList<QStringList>& blocks)
{
    QByteArray bytes;
    for (const QStringList& b : blocks)
        bytes += (b.join('\n') + '\n').toUtf8();
    return bytes;
}

QStringList block(const QString& control, const QString& caption, const QString& charset = "0")
{
    return {"Form1", control, caption, caption + " hint", charset};
}

QList<QStringList> unrelated(int count)
{
    QList<QStringList> blocks;
    for (int i = 0; i < count; ++i)
        blocks << block(QStringLiteral("Unused%1").arg(i), "x");
    return blocks;
}

} // namespace

TEST(LanguageFiles, TextIsUtf8WhenItCanBeAndWindows1252Otherwise)
{
    EXPECT_EQ(decodeLanguageText("\xEF\xBB\xBFL\xC3\xB6schen"), "Löschen"); // with a mark
    EXPECT_EQ(decodeLanguageText("L\xC3\xB6schen \xE2\x82\xAC"), "Löschen €");
    EXPECT_EQ(decodeLanguageText("zak\xC5\x82"
                                 "ad"),
              "zakład");
    // Bytes that are no UTF-8: the Windows code page, with its own signs in 0x80..0x9F.
    EXPECT_EQ(decodeLanguageText("L\xF6schen \x80 \x84Tipp\x93"), "Löschen € „Tipp“");
}

TEST(LanguageFiles, LinesEndInCrLfLfOrCr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("meldungen.txt.de");
    test::writeBytes(path, "eins\r\nzwei\ndrei\rvier\r\n\r\nsechs");
    const auto lines = readLanguageFile(path);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, (QStringList{"eins", "zwei", "drei", "vier", "", "sechs"}));
    EXPECT_FALSE(readLanguageFile(dir.filePath("missing")).ok());
}

TEST(LanguageFiles, TheSearchReachesElevenBlocksFromTheCursor)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bezeich.txt");
    // A match moves the cursor onto its block, so the next control's block may stand at most
    // ten blocks further: nine unrelated blocks between them are bridged, ten are not.
    QList<QStringList> blocks{block("First", "A")};
    blocks << unrelated(9) << block("Second", "B") << unrelated(10) << block("Third", "C");
    test::writeBytes(path, baseFile(blocks));
    auto file = CaptionFile::open(path, "en");
    ASSERT_TRUE(file.has_value());
    EXPECT_FALSE(file->translated());
    ASSERT_TRUE(file->find("Form1", "First"));
    const auto second = file->find("Form1", "Second");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->caption, "B");
    EXPECT_EQ(second->hint, "B hint");
    EXPECT_EQ(second->charset, "0");
    EXPECT_FALSE(file->find("Form1", "Third"));
    // A miss leaves the cursor: a control found again near it still matches. The window must
    // match too, and names are compared exactly, with the blanks around them removed.
    EXPECT_TRUE(file->find("Form1", "Second"));
    EXPECT_FALSE(file->find("Form3", "Second"));
    EXPECT_FALSE(file->find("Form1", "second"));
}

TEST(LanguageFiles, AShortTranslationGivesEmptyTextsAndNoCharacterSet)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bezeich.txt");
    test::writeBytes(path, baseFile({{"  Form1 ", " First\t", "Erster", "Hinweis", "0"},
                                     block("Second", "Zweiter", "keine Zahl"),
                                     block("Third", "Dritter")}));
    test::writeBytes(path + ".pl", "Pierwszy\nWskazówka\nDrugi\n");
    auto file = CaptionFile::open(path, "pl");
    ASSERT_TRUE(file.has_value());
    EXPECT_TRUE(file->translated());
    const auto first = file->find("Form1", "First");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->caption, "Pierwszy");
    EXPECT_EQ(first->hint, "Wskazówka");
    EXPECT_EQ(first->charset, "");
    const auto second = file->find("Form1", "Second");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->caption, "Drugi");
    EXPECT_EQ(second->hint, "");
    const auto third = file->find("Form1", "Third");
    ASSERT_TRUE(third);
    EXPECT_EQ(third->caption, "");
    EXPECT_EQ(third->hint, "");
    // Blocks beyond the end of the base file read as empty and never match.
    EXPECT_FALSE(file->find("", ""));
    EXPECT_FALSE(CaptionFile::open(dir.filePath("nothing.txt"), "pl").has_value());
}

TEST(LanguageFiles, EveryLanguageHasItsMenuItemAndCode)
{
    QStringList codes, items;
    for (int i = 0; i < 9; ++i) {
        const Language* l = languageByIndex(i);
        ASSERT_NE(l, nullptr) << i;
        codes << l->code;
        items << l->menuItem;
    }
    EXPECT_EQ(codes, (QStringList{"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"}));
    EXPECT_EQ(items, (QStringList{"Deutsch1", "Englisch1", "Franzsisch1", "Spanisch1", "Trkisch1",
                                  "Russisch1", "Niederlndisch1", "schechisch1", "Polnisch1"}));
    EXPECT_EQ(languageByIndex(9), nullptr);
    EXPECT_EQ(languageByIndex(-1), nullptr);
}
