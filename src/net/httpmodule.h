// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"
#include "modulesupport/hosttexts.h"

namespace vendrilo::net {

// The window reaches the network through a module of its own, vendrilo-http (net/module), which
// it loads at its first request: Qt Network and the libraries it brings (Kerberos, libproxy,
// brotli) are then not loaded with the program, whose start they would lengthen. The command line
// and the server link the network layer as usual.
//
// The module's messages are the window's: it takes the texts of the language shown from the
// program that loads it.

// The module's entry, by this name: a new HttpClient with the usual time-out, owned by the
// caller, its texts taken from `host`, which must outlive it.
using MakeModuleHttpClient = HttpGet* (*)(const ModuleTextHost* host);
inline constexpr char kMakeHttpClientEntry[] = "vendriloMakeHttpClient";

} // namespace vendrilo::net
