// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/rtf.h"

#include "core/io/atomicfile.h"

namespace vendrilo {

namespace {

QByteArray rtfText(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u >= 0xA0 && u <= 0xFF) {
            // Latin-1 letters are the same bytes in the Windows code page the document names.
            out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else if (u >= 0x80) {
            // \uN takes a signed 16-bit number (a surrogate pair goes as its two halves); the
            // "?" after it, written as a hex escape, is what readers without Unicode show.
            out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + "\\'3f";
        }
    }
    return out;
}

} // namespace

QByteArray rtfDocument(const QStringList& paragraphs)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                     "\\viewkind4\\pard\\f0\\fs20 ";
    for (const QString& p : paragraphs)
        out += rtfText(p) + "\\par\r\n";
    out += "}\r\n";
    return out;
}

Status writeRtfFile(const QString& path, const QStringList& paragraphs)
{
    return writeFileAtomically(path, rtfDocument(paragraphs));
}

} // namespace vendrilo
