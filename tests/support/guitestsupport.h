#pragma once

#include "core/app/prompts.h"
#include "gui/tform1.h"

#include <QApplication>
#include <QStringList>

#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>

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

// A started main window on its own temporary program folder, with scripted prompts.
// `prepare` fills the folder before start-up (a draw file, a sound); without a draw file the
// window writes the shipped history, as on a first start.
struct StartedWindow {
    QTemporaryDir dir;
    ScriptedPrompts* prompts = nullptr;
    std::unique_ptr<gui::TForm1> w;

    explicit StartedWindow(const std::function<void(const QTemporaryDir&)>& prepare = {})
    {
        if (prepare)
            prepare(dir);
        auto p = std::make_unique<ScriptedPrompts>();
        prompts = p.get();
        w = std::make_unique<gui::TForm1>(nullptr, std::move(p), dir.path());
        w->FormShow();
    }
    template <typename T> T* child(const QString& name) { return w->findChild<T*>(name); }
};

} // namespace vendrilo::test
