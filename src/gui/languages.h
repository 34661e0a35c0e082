// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class QMainWindow;
class QObject;
class QWidget;

namespace vendrilo {
class MessageList;
class TextList;
} // namespace vendrilo

namespace vendrilo::gui {

// The kinds of control whose caption and hint the language files set.
enum class ComponentKind { MenuItem, Label, Panel, Button, TabSheet, RadioGroup, Edit, Window };

// A control as the language files name it: by its window's name and its own.
struct LanguageComponent {
    QString window;
    QString name;
    ComponentKind kind;
    QObject* object;
};

// The program's windows in the order they were made: the main window, then its dialogs.
QList<QWidget*> programWindows(QMainWindow* main);
// Every control that takes part in the language files, window by window, each window's controls
// in the order they were made. The print-position dialog also counts as one control of the main
// window, after all others; its own controls follow as those of a window of their own.
QList<LanguageComponent> languageComponents(QMainWindow* main);

QString captionOf(const LanguageComponent& component);
QString hintOf(const LanguageComponent& component);
void setCaption(const LanguageComponent& component, const QString& caption);
void setHint(const LanguageComponent& component, const QString& hint);

// The language files in `folder` ("bezeich.txt" and the files of the code beside it).
struct LanguageFiles {
    QString folder;
    QString code;

    QString baseFile() const;
    QString radioFile(int group) const; // 1, 2 or 3
    QString messageFile() const;
    QString textFile() const; // "texte.txt.<code>"
};

// Loads a language: captions and hints from the base file and, when there is one, its
// translation; the radio groups' items and the message list from their files where they exist.
// Nothing changes when the base file is missing. False in that case.
bool loadLanguage(QMainWindow* main, const LanguageFiles& files, MessageList& messages);

// The German texts, weekdays and months named in German: the window's texts until a language is
// loaded.
TextList germanTexts();
// The program's fixed texts of the language (TextList), weekdays and months named in `names`.
// A missing file leaves every text German, a short one those it lacks.
TextList loadTexts(const LanguageFiles& files, const QLocale& names);

// The base caption file as the windows stand now: one block of five lines (window, control,
// caption, hint, character set) per control that has a caption or a hint.
QStringList baseCaptionLines(QMainWindow* main);

// The radio groups each radio file fills: 1 the Superzahl's choice, 2 the extra games' choice,
// 3 both choices of the print-out dialog.
QStringList radioGroupsOfFile(int file);

} // namespace vendrilo::gui
