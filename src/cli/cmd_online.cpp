// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that talk to the update server: the online update and the portal hand-over.
#include "cli.h"
#include "core/program/onlineactions.h"
#include "core/texts/textlist.h"
#include "net/httpclient.h"
#include "sheetsetup.h"

namespace vendrilo::cli {

namespace {

// The server given with --server, else the one the settings hold; none is an error (status 3).
CliResult<QString> serverFor(const Context& ctx, const CommandArgs& args)
{
    const QString server =
        args.option(QStringLiteral("--server")).value_or(ctx.state.internet.server);
    if (server.isEmpty())
        return workFailure(
            {QStringLiteral("no update server: give one with --server URL"), ErrorKind::NotFound});
    if (!isWebAddress(server))
        return inputFailure(
            QStringLiteral("--server: not an http:// or https:// address: \"%1\"").arg(server));
    return server;
}

CliResult<int> update(Context& ctx, const CommandArgs& args)
{
    const CliResult<QString> server = serverFor(ctx, args);
    if (!server)
        return server.failure();
    ctx.state.internet.server = *server;
    net::HttpClient http;
    UpdateObserver quiet;
    const DrawUpdate result = updateDraws(ctx.state, ctx.today, http, quiet);
    if (result.update.fileError)
        return inputFailure(*result.update.fileError, ErrorKind::Other);
    QByteArray out;
    for (const DrawRecord& r : result.update.appended)
        out += drawsLine(r);
    write(out);
    if (result.update.failingLine)
        print(QStringLiteral("message: ") + *result.update.failingLine);
    print(QStringLiteral("status: ") + result.update.lastStatus);
    return 0;
}

CliResult<int> cart(Context& ctx, const CommandArgs& args)
{
    const CliResult<QString> server = serverFor(ctx, args);
    if (!server)
        return server.failure();
    ctx.state.internet.server = *server;
    if (const CliStatus sheet = setUpSheet(ctx); !sheet)
        return sheet.failure();
    net::HttpClient http;
    const auto handOver = handOverSheet(ctx.state, http);
    if (!handOver)
        return workFailure(handOver.failure());
    if (!handOver->messagePage.isEmpty()) {
        // The service's message page is shown instead; the status bar stays as it was.
        print(QStringLiteral("page: ") + handOver->messagePage);
        print(QStringLiteral("status: "));
        return 0;
    }
    print(handOver->address);
    print(QStringLiteral("status: ") + text(Text::CheckTheCart));
    return 0;
}

const CommandOption kServerOption{"--server", "URL", "the update server (default: the stored one)"};

const CommandRegistration updateRegistration(
    "update",
    {.summary = "the online update up to --today: appended records, a failing line, the status",
     .options = {kServerOption}},
    update);

const CommandRegistration cartRegistration(
    "cart",
    {.summary = "the portal hand-over of the sheet: the address that would open, the status",
     .options = {{"--server", "URL", "the update server (required)"}}},
    cart);

} // namespace

} // namespace vendrilo::cli
