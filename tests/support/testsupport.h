// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawrecord.h"
#include "core/io/prompts.h"
#include "core/options/optiontable.h"

#include <QString>
#include <QTemporaryDir>

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

// Readable failures for texts: GoogleTest finds this beside QString.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vendrilo::test {

// Prompts that answer from a script and remember what was asked.
class ScriptedPrompts : public Prompts {
public:
    std::deque<bool> yesNoAnswers;    // next answers to yes/no questions (default: no)
    // Next answers to input boxes: a text as typed and confirmed, nothing for "Abbrechen"; when
    // the script is empty the proposal is confirmed.
    std::deque<std::optional<QString>> inputAnswers;
    QStringList messages;             // every message shown
    std::function<void()> onMessage;  // what happens while a message waits (after it is noted)
    // "caption | text" of every yes/no question, "caption | prompt | default" of every input box
    QStringList asked;

    void message(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& defaultText) override;
};

// The day number of "dd.mm.yyyy"; throws for a text that is no date.
double day(const char* ddmmyyyy);

// A draw on the given day with numbers n1..n6 (bonus and Superzahl optional).
DrawRecord draw(const char* ddmmyyyy, std::initializer_list<int> numbers, int bonus = 0,
                int superzahl = 0);

// Writes records as a draw file into dir, returns its path.
QString writeDrawFile(const QTemporaryDir& dir, const std::vector<DrawRecord>& records,
                      const QString& name = QStringLiteral("ZahlenPL.dat"));

QByteArray readBytes(const QString& path);

// Runs `body` while this process may write files of at most `bytes` bytes, so that writing
// more fails as on a full disk, whoever runs the test (root included). False where the limit
// cannot be set (not on Linux): the caller skips then.
bool withFileSizeLimit(long bytes, const std::function<void()>& body);
void writeBytes(const QString& path, const QByteArray& bytes);

// Sets each option but `kept`, one time in `oneIn`, to a value drawn from its current range;
// `below(n)` draws from 0..n-1.
void setRandomOptions(Options& options, const std::function<int(int)>& below, int oneIn,
                      std::optional<Option> kept = std::nullopt);

} // namespace vendrilo::test
