// SPDX-License-Identifier: GPL-3.0-or-later
// The module vendrilo-http: the network layer for the window (see net/httpmodule.h).
#include "net/httpclient.h"
#include "net/httpmodule.h"

namespace {

const vendrilo::net::HttpModuleHost* g_host = nullptr;

} // namespace

// The texts the network layer shows are asked of the program that loaded the module.
namespace vendrilo {

QString text(Text id)
{
    return g_host->text(id);
}

QString fillIn(const QString& pattern, const QStringList& values)
{
    return g_host->fillIn(pattern, values);
}

} // namespace vendrilo

extern "C" Q_DECL_EXPORT vendrilo::HttpGet*
vendriloMakeHttpClient(const vendrilo::net::HttpModuleHost* host)
{
    g_host = host;
    return new vendrilo::net::HttpClient;
}
