// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/io/html.h"

namespace vendrilo {

QByteArray latin1Html(const QString& text)
{
    QByteArray bytes;
    for (const char32_t c : text.toHtmlEscaped().toUcs4()) {
        if (c < 0x100)
            bytes += static_cast<char>(c);
        else
            bytes += "&#" + QByteArray::number(static_cast<uint>(c)) + ';';
    }
    return bytes;
}

} // namespace vendrilo
