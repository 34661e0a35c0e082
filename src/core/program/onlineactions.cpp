// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/onlineactions.h"

#include "core/draws/drawfile.h"
#include "core/program/drawactions.h"
#include "core/program/moneyactions.h"

namespace vendrilo {

DrawUpdate updateDraws(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer)
{
    DrawUpdate result;
    result.update = runOnlineUpdate(state.drawPath(), state.internet.server, today,
                                    state.chosenDate, state.shown, http, observer);
    if (result.update.fileError)
        return result;
    result.payouts = updatePayoutFile(state, http, observer);
    const auto shown = showDrawForChosenDate(state);
    if (shown)
        result.evaluation = *shown;
    else
        result.searchError = shown.error();
    return result;
}

Result<PortalHandOver> handOverSheet(const ProgramState& state, HttpGet& http)
{
    const InternetOptions& net = state.internet;
    const auto port = parseProxyPort(net.proxyPort);
    if (!net.proxyHost.trimmed().isEmpty() && !port)
        return Error{QStringLiteral("Der Proxy-Port \"%1\" ist keine Zahl.").arg(net.proxyPort)};
    PortalRequest request;
    request.server = net.server;
    request.proxy = {net.proxyHost.trimmed(), port.value_or(80)};
    request.rowCount = state.options.value(Option::RowCount);
    request.messagePage = drawfile::pathIn(state.programFolder, QStringLiteral("Meldung.htm"));
    return handOverToPortal(request, state.sheet, http);
}

} // namespace vendrilo
