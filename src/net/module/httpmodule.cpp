// SPDX-License-Identifier: GPL-3.0-or-later
// The module vendrilo-http: the network layer for the window (see net/httpmodule.h).
#include "modulesupport/hosttexts.h"
#include "net/httpclient.h"
#include "net/httpmodule.h"

extern "C" Q_DECL_EXPORT vendrilo::HttpGet*
vendriloMakeHttpClient(const vendrilo::ModuleTextHost* host)
{
    vendrilo::useHostTexts(host);
    return new vendrilo::net::HttpClient;
}
