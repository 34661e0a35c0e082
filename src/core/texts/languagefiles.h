// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vendrilo {

// The program's languages, by the index stored as "Sprache": the language menu's item, its
// caption and the code that names the language files ("bezeich.txt.en", "meldungen.txt.pl").
struct Language {
    int index;
    QString menuItem; // control name of the menu item; letters beyond ASCII are left out of it
    QString caption;
    QString code;
    QString qtCode; // the language of Qt's own translations
};
const std::vector<Language>& languages();
const Language* languageByIndex(int index);

// Text as language files hold it: UTF-8 when it starts with a UTF-8 byte-order mark or is valid
// UTF-8, otherwise Windows-1252 (what such files hold when they were written on Windows).
QString decodeLanguageText(const QByteArray& bytes);
// The lines of a language file (CR LF, LF or CR); an error when it cannot be read.
Result<QStringList> readLanguageFile(const QString& path);

// The caption file of a language: the German base file "bezeich.txt" (blocks of five lines:
// window, control, caption, hint, character set) and, when it exists, its translation
// "bezeich.txt.<code>" (two lines per base block: caption, hint).
class CaptionFile {
public:
    struct Texts {
        QString caption;
        QString hint;
        QString charset; // only in base mode; empty (no number) in translated mode
    };

    // Nothing when the base file does not exist: then no text changes at all.
    static std::optional<CaptionFile> open(const QString& basePath, const QString& code);

    bool translated() const { return m_translated; }
    int blocks() const { return static_cast<int>(m_base.size() / 5); }

    // The texts of a control. The blocks are searched from the cursor on, at most eleven of
    // them, for the control's window and name; a match moves the cursor there. Lines beyond the
    // end of a file read as empty text.
    std::optional<Texts> find(const QString& window, const QString& control);

private:
    QString baseLine(qsizetype i) const { return i < m_base.size() ? m_base.at(i) : QString(); }
    QString translationLine(qsizetype i) const
    {
        return i < m_translation.size() ? m_translation.at(i) : QString();
    }

    QStringList m_base;
    QStringList m_translation;
    bool m_translated = false;
    int m_cursor = 0;
};

// How many blocks past the cursor a control's block may stand and still be found.
inline constexpr int kCaptionSearchReach = 10;

} // namespace vendrilo
