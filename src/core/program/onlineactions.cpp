// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/onlineactions.h"

#include "core/draws/drawfile.h"
#include "core/draws/game.h"
#include "core/program/drawactions.h"
#include "core/program/moneyactions.h"
#include "core/texts/textlist.h"

namespace vendrilo {

namespace {

// Each game's update speaks with its name in the status bar; the game not shown leaves the
// window's shown draw alone.
class GameObserver : public UpdateObserver {
public:
    GameObserver(UpdateObserver& inner, Game game, bool shown)
        : m_inner(inner), m_game(game), m_shown(shown)
    {
    }
    QString proxyHost() override { return m_inner.proxyHost(); }
    QString proxyPort() override { return m_inner.proxyPort(); }
    void status(int panel, const QString& text) override
    {
        m_inner.status(panel, panel == 0 ? titled(m_game, text) : text);
    }
    void drawStored(const DrawRecord& record, const ShownDraw& shown) override
    {
        if (m_shown)
            m_inner.drawStored(record, shown);
    }
    bool goOn() override { return m_inner.goOn(); }

    static QString titled(Game game, const QString& text)
    {
        return QLatin1String(gameInfo(game).title) + QStringLiteral(": ") + text;
    }

private:
    UpdateObserver& m_inner;
    Game m_game;
    bool m_shown;
};

// One game of the window's update, into the game's own file.
UpdateResult updateGame(ProgramState& state, Game game, double today, HttpGet& http,
                        UpdateObserver& observer)
{
    const bool shown = state.game == game;
    DatePicker elsewhereChosen = state.chosenDate;
    ShownDraw elsewhereShown = state.shown;
    // A results list names no game: the window, which updates both games from one address,
    // merges one into Lotto only.
    const UpdateRequest request{state.drawPathOf(game), game, state.internet.server, today,
                                game == Game::Lotto};
    GameObserver named(observer, game, shown);
    return runOnlineUpdate(request, shown ? state.chosenDate : elsewhereChosen,
                           shown ? state.shown : elsewhereShown, http, named);
}

void updateBothGames(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer,
                     DrawUpdate& result)
{
    UpdateResult lotto = updateGame(state, Game::Lotto, today, http, observer);
    UpdateResult plus;
    if (lotto.resultsList) {
        // The address was a results list: it belongs to Lotto, not to Lotto Plus.
        plus.lastStatus = text(Text::UpdatePlusNotFromResultsList);
        GameObserver(observer, Game::Plus, false).status(0, plus.lastStatus);
    } else if (!lotto.fileError && observer.goOn()) {
        plus = updateGame(state, Game::Plus, today, http, observer);
    }
    const bool showsLotto = state.game == Game::Lotto;
    result.update = showsLotto ? std::move(lotto) : std::move(plus);
    result.otherGame = GameUpdate{showsLotto ? Game::Plus : Game::Lotto,
                                  showsLotto ? std::move(plus) : std::move(lotto)};
}

} // namespace

DrawUpdate updateDraws(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer,
                       bool bothGames)
{
    DrawUpdate result;
    if (bothGames) {
        updateBothGames(state, today, http, observer, result);
    } else {
        // The command line: the game it was told, into its file or the one named in its place.
        const UpdateRequest request{state.drawPath(), state.game, state.internet.server, today,
                                    true};
        result.update = runOnlineUpdate(request, state.chosenDate, state.shown, http, observer);
    }
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

QString bothGamesStatus(const DrawUpdate& update, Game stateGame)
{
    if (!update.otherGame)
        return update.update.lastStatus;
    const bool lottoFirst = stateGame == Game::Lotto;
    const UpdateResult& lotto = lottoFirst ? update.update : update.otherGame->result;
    const UpdateResult& plus = lottoFirst ? update.otherGame->result : update.update;
    // A game left out (the stop button came first) has nothing to say.
    if (plus.lastStatus.isEmpty())
        return fillIn(text(Text::UpdateLottoOnly), {lotto.lastStatus});
    return fillIn(text(Text::UpdateBothGames), {lotto.lastStatus, plus.lastStatus});
}

Result<PortalHandOver> handOverSheet(const ProgramState& state, HttpGet& http)
{
    const InternetOptions& net = state.internet;
    const auto port = parseProxyPort(net.proxyPort);
    if (!net.proxyHost.trimmed().isEmpty() && !port)
        return Error{fillIn(text(Text::ProxyPortNoNumber), {net.proxyPort}), ErrorKind::BadInput};
    PortalRequest request;
    request.server = net.server;
    request.proxy = {net.proxyHost.trimmed(), port.value_or(80)};
    request.rowCount = state.options.value(Option::RowCount);
    request.messagePage = drawfile::pathIn(state.programFolder, QStringLiteral("Meldung.htm"));
    return handOverToPortal(request, state.sheet, http);
}

} // namespace vendrilo
