// SPDX-License-Identifier: GPL-3.0-or-later
// A module's texts, asked of the program that loaded it (see hosttexts.h).
#include "modulesupport/hosttexts.h"

namespace vendrilo {

namespace {

const ModuleTextHost* g_host = nullptr;

} // namespace

void useHostTexts(const ModuleTextHost* host)
{
    g_host = host;
}

QString text(Text id)
{
    return g_host->text(id);
}

QString fillIn(const QString& pattern, const QStringList& values)
{
    return g_host->fillIn(pattern, values);
}

} // namespace vendrilo
