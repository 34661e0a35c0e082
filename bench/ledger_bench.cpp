// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the ledger when draws arrive: every ticket read from the SQLite file, compared with
// the stored draws, the new checks written in one transaction. The window does it at every
// start and after every update, so the run with nothing new to check is the one that counts.
#include "core/draws/drawfile.h"
#include "core/ledger/ticketcheck.h"
#include "ledger/sqliteledger.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <stdexcept>

using namespace vendrilo;
using namespace vendrilo::ledger;

namespace {

struct Fixture {
    QTemporaryDir dir;
    GameHistories histories;
    std::unique_ptr<SqliteLedger> store;

    explicit Fixture(int tickets)
    {
        if (!drawfile::prepare(dir.path() + QLatin1Char('/')))
            throw std::runtime_error("cannot write the shipped history");
        histories.lotto = *drawfile::read(dir.filePath(QStringLiteral("ZahlenPL.dat")));
        histories.plus = histories.lotto; // a second game of the same size
        auto opened = openLedger(dir.filePath(QStringLiteral("Vendrilo.sqlite")));
        if (!opened)
            throw std::runtime_error(opened.error().toStdString());
        store = std::move(opened->ledger);
        QRandomGenerator random(7);
        const double last = histories.lotto.back().date;
        for (int i = 0; i < tickets; ++i) {
            Ticket t{0, last - random.bounded(365), random.bounded(1, 11), true, Money{}, {}, {}, {}};
            for (int position = 1; position <= 6; ++position)
                t.rows.push_back({position, {1 + position, 10, 20, 30, 40, 41 + position}});
            (void)store->addTicket(t);
        }
    }
    Result<CheckReport> check()
    {
        return checkLedger(*store, histories, [](Game, double, int) { return std::optional<Money>(Money{2400}); });
    }
};

void BM_FirstCheckOfAllTickets(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        CheckChanges none;
        for (const DrawCheck& c : *f.store->checks())
            none.dropped.push_back(c.key);
        (void)f.store->saveChecks(none);
        state.ResumeTiming();
        benchmark::DoNotOptimize(f.check());
    }
    state.SetLabel(std::to_string(state.range(0)) + " tickets");
}
BENCHMARK(BM_FirstCheckOfAllTickets)->Arg(150)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_CheckWithNothingNew(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)));
    (void)f.check();
    for (auto _ : state) {
        const auto report = f.check();
        if (!report || report->checked + report->rechecked > 0)
            state.SkipWithError("a draw was checked twice");
    }
    state.SetLabel(std::to_string(state.range(0)) + " tickets");
}
BENCHMARK(BM_CheckWithNothingNew)->Arg(150)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
