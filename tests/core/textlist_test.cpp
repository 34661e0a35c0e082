// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/showndraw.h"
#include "core/texts/languagefiles.h"
#include "core/texts/textlist.h"
#include "core/tipfiles/printout.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace vendrilo;

namespace {

const QString kShippedLand = QStringLiteral(VENDRILO_DATA "/land");
const QStringList kCodes{"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl"};

// The texts in use for as long as it lives; the German ones again afterwards.
struct TextsInUse {
    explicit TextsInUse(TextList texts) { useTexts(std::move(texts)); }
    ~TextsInUse() { useTexts(TextList()); }
};

QStringList placeholders(const QString& text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

// A shipped language file read plainly, beside the program's reader: key → text, in file order.
QList<std::pair<QString, QString>> shippedTexts(const QString& code)
{
    const QByteArray bytes = test::readBytes(kShippedLand + "/texte.txt." + code);
    EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << code.toStdString() << ": not UTF-8";
    QList<std::pair<QString, QString>> texts;
    for (const QString& line : QString::fromUtf8(bytes).split('\n', Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf('=');
        EXPECT_GT(equals, 0) << code.toStdString() << ": " << line.toStdString();
        texts.append({line.left(equals), line.mid(equals + 1)});
    }
    return texts;
}

TextList shippedList(const QString& code)
{
    return TextList::fromFileLines(*readLanguageFile(kShippedLand + "/texte.txt." + code),
                                   QLocale(code == "sp" ? "es" : code == "cz" ? "cs" : code));
}

} // namespace

// Every language file holds every text once, in the table's order, with the German text's
// placeholders and trailing blanks; the German file is the table itself.
TEST(TextList, EveryLanguageFileHoldsEveryTextWithItsPlaceholders)
{
    for (const QString& code : kCodes) {
        const auto texts = shippedTexts(code);
        const std::string lang = code.toStdString();
        ASSERT_EQ(texts.size(), kTextCount) << lang;
        for (int i = 0; i < kTextCount; ++i) {
            const auto id = static_cast<Text>(i);
            const QString german = TextList::german(id);
            const auto& [key, text] = texts[i];
            const std::string what = lang + " " + key.toStdString();
            EXPECT_EQ(key, TextList::key(id)) << lang << " line " << i + 1;
            EXPECT_EQ(placeholders(text), placeholders(german)) << what;
            EXPECT_FALSE(text.trimmed().isEmpty()) << what;
            EXPECT_EQ(text.size() - QString(text).remove(QRegularExpression(" +$")).size(),
                      german.size() - QString(german).remove(QRegularExpression(" +$")).size())
                << what << ": trailing blanks";
            EXPECT_EQ(text.count('&'), german.count('&')) << what;
            if (code == "de") {
                EXPECT_EQ(text, german) << what;
            }
        }
    }
}

// How a file's lines become texts: German where the file says nothing.
TEST(TextList, AFileOverridesTheGermanTextsLineByLine)
{
    const struct {
        QStringList lines;
        Text id;
        QString expected;
    } cases[] = {
        {{}, Text::UpdateLoading, "Loading"}, // no file
        {{"UpdateLoading=Pobieranie"}, Text::UpdateLoading, "Pobieranie"},
        {{"UpdateLoading=Pobieranie"}, Text::ChartCopy, "In die Zwischenablage kopieren"},
        {{"  ChartCopy =Copy  "}, Text::ChartCopy, "Copy  "}, // blanks after "=" are the text's
        {{"PoolBounds=a=b %1"}, Text::PoolBounds, "a=b %1"},  // the first "=" ends the key
        {{"ChartCopy=one", "ChartCopy=two"}, Text::ChartCopy, "one"},
        {{"# ChartCopy=no", "ChartCopy"}, Text::ChartCopy, "In die Zwischenablage kopieren"},
        {{"chartcopy=no", "Unknown=x"}, Text::ChartCopy, "In die Zwischenablage kopieren"},
        {{"ChartCopy="}, Text::ChartCopy, ""},
    };
    for (const auto& c : cases) {
        const TextList list = TextList::fromFileLines(c.lines, QLocale(QLocale::Polish));
        EXPECT_EQ(list.text(c.id), c.expected) << c.lines.join('|').toStdString();
        EXPECT_EQ(list.names().language(), QLocale::Polish);
    }
    EXPECT_EQ(TextList().names(), QLocale::system()); // the command line's weekdays
    EXPECT_EQ(TextList::byKey("PoolBounds"), Text::PoolBounds);
    EXPECT_EQ(TextList::byKey("poolbounds"), std::nullopt);
}

// The fill-in against a model that builds pattern and result side by side from the same parts.
TEST(TextList, FillInPutsEachValueWhereItsNumberStands)
{
    std::mt19937 random(4711);
    const QString letters = QStringLiteral("ab %:é.");
    auto piece = [&](int maximum) {
        QString s;
        for (int n = std::uniform_int_distribution<int>(0, maximum)(random); n > 0; --n)
            s += letters.at(std::uniform_int_distribution<int>(0, letters.size() - 1)(random));
        return s;
    };
    for (int round = 0; round < 2000; ++round) {
        QStringList values;
        for (int n = std::uniform_int_distribution<int>(1, 9)(random); n > 0; --n)
            values << piece(3) + (round % 3 == 0 ? "%1" : "") + piece(2);
        QString pattern, expected;
        for (int parts = std::uniform_int_distribution<int>(0, 6)(random); parts > 0; --parts) {
            const QString literal = piece(4);
            const int number = std::uniform_int_distribution<int>(1, 9)(random);
            pattern += literal + '%' + QString::number(number);
            expected += literal + (number <= values.size() ? values[number - 1]
                                                           : '%' + QString::number(number));
        }
        EXPECT_EQ(fillIn(pattern, values), expected) << pattern.toStdString();
    }
}

// A text shown in one language comes back in another with the same fill-ins, for every text and
// every shipped language, both ways.
TEST(TextList, EveryShownTextIsWrittenAgainInTheNewLanguage)
{
    std::mt19937 random(1957);
    const TextList german;
    for (const QString& code : kCodes) {
        const TextList other = shippedList(code);
        for (int i = 0; i < kTextCount; ++i) {
            const auto id = static_cast<Text>(i);
            QStringList values;
            for (int n = 0; n < 9; ++n)
                values << QString::number(std::uniform_int_distribution<int>(0, 99999)(random));
            for (const auto& [from, to] : {std::pair{&german, &other}, std::pair{&other, &german}}) {
                const auto again = retranslated(fillIn(from->text(id), values), *from, *to);
                ASSERT_TRUE(again.has_value()) << code.toStdString() << " " << i;
                EXPECT_EQ(*again, fillIn(to->text(id), values))
                    << code.toStdString() << " " << TextList::key(id).toStdString();
            }
        }
    }
    EXPECT_EQ(retranslated("Ein Text, den das Programm nicht schreibt", german, german),
              std::nullopt);
}

// Weekday names follow the texts in use: the system's until a language is chosen.
TEST(TextList, WeekdaysFollowTheLanguageOfTheTexts)
{
    const double saturday = test::day("12.12.2026");
    DrawRecord record;
    record.date = saturday;
    record.numbers = {1, 2, 3, 4, 5, 6};
    ShownDraw shown;
    shown.show(record, 3);
    const QString systemLine = shown.drawLine;
    EXPECT_TRUE(systemLine.startsWith(QLocale::system().dayName(6, QLocale::ShortFormat) + ' '));
    for (const QLocale::Language language : {QLocale::Polish, QLocale::Russian, QLocale::Czech}) {
        const QLocale names(language);
        TextsInUse texts(TextList::fromFileLines({}, names));
        const QString day = names.dayName(6, QLocale::ShortFormat);
        EXPECT_EQ(formatLabelDate(saturday), day + " 12.12.26");
        shown.writeDrawLineAgain(); // the gap and the numbers stay
        EXPECT_EQ(shown.drawLine, day + systemLine.mid(systemLine.indexOf(" 12.12.26")));
        const auto printout = printoutLines(TipSheet(), {}, saturday, DrawDayFilter(), MessageList());
        ASSERT_TRUE(printout.ok());
        EXPECT_TRUE(printout->at(0).endsWith(names.dayName(3) + " 16.12.26"));
    }
    ShownDraw never;
    never.writeDrawLineAgain();
    EXPECT_EQ(never.drawLine, ""); // nothing shown: nothing to write
}
