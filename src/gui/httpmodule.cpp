// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/httpmodule.h"

#include "gui/modulefolders.h"
#include "net/httpmodule.h"

namespace vendrilo::gui {

namespace {

Result<HttpGet*> loadHttpClient(const QStringList& folders)
{
    QString problem;
    if (auto make = reinterpret_cast<net::MakeModuleHttpClient>(resolveModuleEntry(
            QStringLiteral("vendrilo-http"), net::kMakeHttpClientEntry, &problem, folders)))
        return make(windowTextsForModules());
    return Error{fillIn(text(Text::NetModuleMissing), {problem}), ErrorKind::NotFound};
}

} // namespace

ModuleHttpClient::ModuleHttpClient(QStringList folders)
    : m_folders(folders.isEmpty() ? moduleFolders() : std::move(folders))
{
}

ModuleHttpClient::~ModuleHttpClient() = default;

Result<HttpAnswer> ModuleHttpClient::get(const QString& url, const HttpProxy& proxy)
{
    if (!m_client) {
        const Result<HttpGet*> made = loadHttpClient(m_folders);
        if (!made)
            return made.failure();
        m_client.reset(*made);
    }
    return m_client->get(url, proxy);
}

} // namespace vendrilo::gui
