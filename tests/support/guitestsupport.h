#pragma once

#include "core/app/prompts.h"

#include <QApplication>
#include <QStringList>

#include <deque>

namespace vendrilo::test {

// Prompts that answer from a script and remember what was asked.
class ScriptedPrompts : public Prompts {
public:
    std::deque<bool> yesNoAnswers;    // next answers to yes/no questions (default: no)
    std::deque<QString> inputAnswers; // next answers to input boxes (default: the default)
    QStringList messages;             // every message shown
    QStringList questions;            // "caption|text" of every yes/no question

    void message(const QString& text) override { messages << text; }
    bool askYesNo(const QString& caption, const QString& text) override
    {
        questions << caption + QLatin1Char('|') + text;
        if (yesNoAnswers.empty())
            return false;
        const bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    QString inputText(const QString&, const QString&, const QString& defaultText) override
    {
        if (inputAnswers.empty())
            return defaultText;
        const QString a = inputAnswers.front();
        inputAnswers.pop_front();
        return a;
    }
};

} // namespace vendrilo::test
