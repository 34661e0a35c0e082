// SPDX-License-Identifier: GPL-3.0-or-later
// Language files: the text's decoding (UTF-8 when it is, else Windows-1252), its lines, the
// caption file of a base file and its translation, and the message list they replace. The
// input is the base file, a NUL byte and the translation (no translation file without a NUL).
#include "core/texts/languagefiles.h"
#include "core/texts/messagelist.h"
#include "core/texts/textlist.h"
#include "fuzzsupport.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

using namespace vendrilo;

namespace {

void checkDecoding(const QByteArray& bytes)
{
    const QString text = decodeLanguageText(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        fuzz::require(text == QString::fromUtf8(bytes.mid(3)), "a marked text is UTF-8");
    else if (QString::fromUtf8(bytes).toUtf8() == bytes)
        fuzz::require(text == QString::fromUtf8(bytes), "valid UTF-8 is read as UTF-8");
    else
        fuzz::require(text.size() == bytes.size(), "Windows-1252 gives one sign per byte");
}

void checkLines(const QString& path, const QByteArray& bytes)
{
    const auto lines = readLanguageFile(path);
    fuzz::require(lines.ok(), "a language file that exists is read");
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList expected = decodeLanguageText(bytes).split(lineEnd);
    if (expected.last().isEmpty())
        expected.removeLast(); // nothing after the last line end is a line
    fuzz::require(*lines == expected, "lines end in CR LF, LF or CR");

    MessageList messages;
    messages.replaceAll(*lines);
    for (int n = 0; n < MessageList::kDefaultCount; ++n)
        fuzz::require(messages.text(static_cast<Msg>(n)) == lines->value(n),
                      "a message is its line of the file, or empty");

    // The same lines as a file of fixed texts: each text is German or a line's text after "=",
    // and a text shown from them is recognised again.
    const TextList texts = TextList::fromFileLines(*lines, QLocale::c());
    for (int i = 0; i < kTextCount; ++i) {
        const auto id = static_cast<Text>(i);
        const QString t = texts.text(id);
        fuzz::require(t == TextList::german(id) ||
                          std::any_of(lines->begin(), lines->end(),
                                      [&](const QString& line) {
                                          return line.contains('=') &&
                                                 line.mid(line.indexOf('=') + 1) == t;
                                      }),
                      "a text is German or a line's text");
    }
    const QString shown = fillIn(texts.text(Text::UpdateNoAnswer), {QStringLiteral("why")});
    fuzz::require(retranslated(shown, texts, texts).has_value(), "a shown text is recognised");
}

void findEveryControl(const QString& basePath)
{
    auto captions = CaptionFile::open(basePath, QStringLiteral("xx"));
    fuzz::require(captions.has_value(), "a base file that exists opens");
    const auto base = readLanguageFile(basePath);
    for (qsizetype at = 0; at + 1 < base->size(); at += 5)
        (void)captions->find(base->at(at).trimmed(), base->at(at + 1).trimmed());
    (void)captions->find(QStringLiteral("Form1"), QStringLiteral("Button1"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray base = split < 0 ? bytes : bytes.left(split);
    const QString basePath = fuzz::writeScratchFile(QStringLiteral("bezeich.txt"), base);
    const QString translationPath = basePath + QStringLiteral(".xx");
    if (split < 0)
        QFile::remove(translationPath);
    else
        fuzz::writeScratchFile(QStringLiteral("bezeich.txt.xx"), bytes.mid(split + 1));

    checkDecoding(bytes);
    checkLines(basePath, base);
    findEveryControl(basePath);
    return 0;
}
