// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/onlineactions.h"

#include "core/draws/drawfile.h"
#include "core/draws/game.h"
#include "core/program/drawactions.h"

namespace vendrilo {

namespace {

// The other game's update speaks with its name in the status bar and leaves the window's shown
// draw alone.
class OtherGameObserver : public UpdateObserver {
public:
    OtherGameObserver(UpdateObserver& inner, Game game) : m_inner(inner), m_game(game) {}
    QString proxyHost() override { return m_inner.proxyHost(); }
    QString proxyPort() override { return m_inner.proxyPort(); }
    void status(int panel, const QString& text) override
    {
        m_inner.status(panel, panel == 0 ? titled(m_game, text) : text);
    }
    bool goOn() override { return m_inner.goOn(); }

    static QString titled(Game game, const QString& text)
    {
        return QLatin1String(gameInfo(game).title) + QStringLiteral(": ") + text;
    }

private:
    UpdateObserver& m_inner;
    Game m_game;
};

Game otherGameThan(Game game)
{
    return game == Game::Lotto ? Game::Plus : Game::Lotto;
}

GameUpdate updateOtherGame(const ProgramState& state, const UpdateRequest& first, double today,
                           HttpGet& http, UpdateObserver& observer)
{
    GameUpdate other{otherGameThan(state.game), {}};
    UpdateRequest request = first;
    request.game = other.game;
    request.drawPath =
        drawfile::pathIn(state.programFolder, QLatin1String(gameInfo(other.game).drawFileName));
    // A results list names no game: it is merged into Lotto only.
    request.takesResultsList = other.game == Game::Lotto;
    DatePicker chosen(today, state.chosenDate.minimum());
    ShownDraw shown;
    OtherGameObserver named(observer, other.game);
    other.result = runOnlineUpdate(request, chosen, shown, http, named);
    return other;
}

// The first game's address was a results list: it belongs to that game, not to this one.
GameUpdate skipAfterResultsList(Game game, UpdateObserver& observer)
{
    GameUpdate skipped{game, {}};
    skipped.result.lastStatus = QStringLiteral("nicht aktualisiert, die Adresse unter "
                                               "\"Update-Server\" ist eine Ergebnisliste");
    OtherGameObserver(observer, game).status(0, skipped.result.lastStatus);
    return skipped;
}

} // namespace

DrawUpdate updateDraws(ProgramState& state, double today, HttpGet& http, UpdateObserver& observer,
                       bool bothGames)
{
    DrawUpdate result;
    // A results list names no game. The command line merges it into the game it was told; the
    // window, which updates both games from one address, into Lotto only.
    UpdateRequest request{state.drawPath(), state.game, state.internet.server, today,
                          !bothGames || state.game == Game::Lotto};
    result.update = runOnlineUpdate(request, state.chosenDate, state.shown, http, observer);
    if (bothGames && result.update.resultsList)
        result.otherGame = skipAfterResultsList(otherGameThan(state.game), observer);
    else if (bothGames && observer.goOn())
        result.otherGame = updateOtherGame(state, request, today, http, observer);
    if (result.update.fileError)
        return result;
    const auto shown = showDrawForChosenDate(state);
    if (shown)
        result.evaluation = *shown;
    else
        result.searchError = shown.error();
    return result;
}

QString bothGamesStatus(const DrawUpdate& update, Game stateGame)
{
    QString text = OtherGameObserver::titled(stateGame, update.update.lastStatus);
    if (update.otherGame)
        text +=
            QStringLiteral(" – ") +
            OtherGameObserver::titled(update.otherGame->game, update.otherGame->result.lastStatus);
    return text;
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
