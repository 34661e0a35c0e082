// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money/backtestmoney.h"

#include "core/draws/dates.h"

namespace vendrilo {

namespace {

QString amountOrDash(const std::optional<Money>& amount)
{
    return amount ? formatAmount(*amount) : QStringLiteral("-");
}

QString zloty(Money amount)
{
    return formatAmount(amount) + QStringLiteral(" zł");
}

} // namespace

void BacktestMoney::addPass(const TipSheet& sheet, const GameDraw& draw)
{
    const SheetPrizes prizes = sheetPrizes(sheet, draw, false, std::nullopt, prices, payouts);
    Pass pass{draw.day, static_cast<int>(prizes.rows.size()), prizes.stake, std::nullopt};
    // What the rows won counts only in a draw whose payouts were published: elsewhere the
    // shared classes are unknown, and counting only the fixed ones would understate the return.
    if (payouts.holdsDraw(draw.day) && prizes.wonComplete)
        pass.won = prizes.won;
    if (pass.stake) {
        stake += *pass.stake;
        if (pass.won) {
            knownStake += *pass.stake;
            knownWon += *pass.won;
            ++knownDraws;
        }
    }
    passes.push_back(pass);
}

QStringList backtestMoneyLines(const BacktestMoney& money, const MessageList& m)
{
    QStringList lines{QString(), m.text(Msg::BacktestMoneyHeading)};
    for (const BacktestMoney::Pass& pass : money.passes)
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(formatDate(pass.day))
                     .arg(pass.rows)
                     .arg(amountOrDash(pass.stake), amountOrDash(pass.won));
    const auto percent = formatPercent(money.knownWon, money.knownStake);
    lines << QString() << m.text(Msg::BacktestStake) + QLatin1Char(' ') + zloty(money.stake)
          << m.text(Msg::BacktestKnownDraws) + QLatin1Char(' ') + QString::number(money.knownDraws)
          << m.text(Msg::BacktestKnownStake) + QLatin1Char(' ') + zloty(money.knownStake)
          << m.text(Msg::BacktestKnownWon) + QLatin1Char(' ') + zloty(money.knownWon)
          << m.text(Msg::BacktestReturn) + QLatin1Char(' ') +
                 (percent ? *percent + QStringLiteral(" %") : QStringLiteral("-"));
    if (money.problem)
        lines << *money.problem;
    return lines;
}

} // namespace vendrilo
