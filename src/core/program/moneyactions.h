// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/onlineupdate.h"
#include "core/io/result.h"
#include "core/money/backtestmoney.h"
#include "core/money/payouttable.h"
#include "core/money/payoutupdate.h"
#include "core/money/sheetmoney.h"
#include "core/program/programstate.h"

#include <optional>

namespace vendrilo {

// The money side of the sheet, shared by the window and the command line: prices from the fee
// fields, the payout table beside the draw files, the Lotto Plus draw of the evening.

// The row price and the Lotto Plus surcharge as the fee fields of the "Internet-Optionen" tab
// hold them (zł with a decimal comma).
TicketPrices ticketPrices(const InternetOptions& internet);

// The payout table of the program folder (the shipped one while the folder has none).
Result<PayoutTable> readPayouts(const ProgramState& state);

// The Lotto Plus draw on `day` from the Lotto Plus draw file beside the Lotto one; nothing when
// that file or a draw of that day is missing.
Result<std::optional<GameDraw>> plusDrawOn(const ProgramState& state, double day);

// The sheet against the shown draw in money, with the Lotto Plus draw of the same day when it
// is played with Plus.
Result<SheetPrizes> shownDrawPrizes(const ProgramState& state, bool withPlus,
                                    const PayoutTable& payouts);

// After the draw update: the payouts the update server knows beyond the program folder's table,
// added to its payout file (through the observer's proxy). Nothing when the update was stopped.
PayoutUpdate updatePayoutFile(const ProgramState& state, HttpGet& http, UpdateObserver& observer);

// The money part of a back-test about to run on the state: its prices and payout table.
BacktestMoney startBacktestMoney(const ProgramState& state);

} // namespace vendrilo
