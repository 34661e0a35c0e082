// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/io/httpget.h"

#include <QStringList>

#include <memory>

namespace vendrilo::gui {

// The window's HTTP client: the network module's (net/httpmodule.h), loaded at the first request
// from beside the program or its installed library folder. When the module cannot be loaded,
// every request fails with a message that says so, and the next one tries again.
class ModuleHttpClient : public HttpGet {
public:
    // `folders`: where to look for the module, in turn (the usual ones unless given).
    explicit ModuleHttpClient(QStringList folders = {});
    ~ModuleHttpClient() override;

    Result<HttpAnswer> get(const QString& url, const HttpProxy& proxy) override;

private:
    QStringList m_folders;
    std::unique_ptr<HttpGet> m_client;
};

} // namespace vendrilo::gui
