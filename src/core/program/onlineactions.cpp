// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/onlineactions.h"

#include "core/draws/drawfile.h"
#include "core/program/drawactions.h"
#include "core/program/moneyactions.h"
#include "core/texts/textlist.h"

namespace vendrilo {

DrawUpdate updateDraws(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer)
{
    DrawUpdate result;
    // The draw server answers with Lotto draws: they go into the Lotto file whatever game is
    // shown, and the draws the update shows as it stores them are shown only while that is Lotto.
    const bool showsLotto = state.game == Game::Lotto;
    DatePicker elsewhereChosen = state.chosenDate;
    ShownDraw elsewhereShown = state.shown;
    result.update = runOnlineUpdate(state.drawPathOf(Game::Lotto), state.internet.server, today,
                                    showsLotto ? state.chosenDate : elsewhereChosen,
                                    showsLotto ? state.shown : elsewhereShown, http, observer);
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
        return Error{fillIn(text(Text::ProxyPortNoNumber), {net.proxyPort})};
    PortalRequest request;
    request.server = net.server;
    request.proxy = {net.proxyHost.trimmed(), port.value_or(80)};
    request.rowCount = state.options.value(Option::RowCount);
    request.messagePage = drawfile::pathIn(state.programFolder, QStringLiteral("Meldung.htm"));
    return handOverToPortal(request, state.sheet, http);
}

} // namespace vendrilo
