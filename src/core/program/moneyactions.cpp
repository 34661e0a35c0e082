// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/moneyactions.h"

#include "core/draws/drawfile.h"
#include "core/draws/game.h"
#include "core/money/payoutfile.h"

#include <QFileInfo>

#include <cmath>

namespace vendrilo {

TicketPrices ticketPrices(const InternetOptions& internet)
{
    return {parseAmount(internet.rowPrice), parseAmount(internet.plusSurcharge)};
}

Result<PayoutTable> readPayouts(const ProgramState& state)
{
    return payoutfile::read(state.programFolder);
}

Result<std::optional<GameDraw>> plusDrawOn(const ProgramState& state, double day)
{
    const QString path = drawfile::pathIn(state.programFolder,
                                          QString::fromLatin1(gameInfo(Game::Plus).drawFileName));
    if (!QFileInfo::exists(path))
        return std::optional<GameDraw>();
    const auto records = drawfile::read(path);
    if (!records)
        return records.failure();
    for (const DrawRecord& record : *records)
        if (std::floor(record.date) == std::floor(day))
            return std::optional<GameDraw>(GameDraw{record.date, drawNumbersOf(record)});
    return std::optional<GameDraw>();
}

Result<SheetPrizes> shownDrawPrizes(const ProgramState& state, bool withPlus,
                                    const PayoutTable& payouts)
{
    std::optional<GameDraw> plus;
    if (withPlus) {
        const auto found = plusDrawOn(state, state.shown.date);
        if (!found)
            return found.failure();
        plus = *found;
    }
    return sheetPrizes(state.sheet, {state.shown.date, state.shown.numbers}, withPlus, plus,
                       ticketPrices(state.internet), payouts);
}

PayoutUpdate updatePayoutFile(const ProgramState& state, HttpGet& http, UpdateObserver& observer)
{
    if (!observer.goOn())
        return {};
    const auto port = parseProxyPort(observer.proxyPort());
    return updatePayouts(state.programFolder, state.internet.server,
                         {observer.proxyHost().trimmed(), port.value_or(80)}, http);
}

BacktestMoney startBacktestMoney(const ProgramState& state)
{
    BacktestMoney money;
    money.prices = ticketPrices(state.internet);
    if (auto payouts = readPayouts(state))
        money.payouts = std::move(payouts).value();
    else
        money.problem = payouts.error();
    return money;
}

} // namespace vendrilo
