// SPDX-License-Identifier: GPL-3.0-or-later
// The ledger's rules without a database: tickets from the sheet, the checks against the draws
// (compared with a plain model over random histories that are corrected, cut and extended), the
// sums, and the amounts as users type them.
#include "core/ledger/ledgersummary.h"
#include "core/ledger/ticketcheck.h"
#include "core/program/ledgeractions.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace vendrilo;
using namespace vendrilo::ledger;

namespace {

// The store as plain memory.
class MemoryLedger : public LedgerStore {
public:
    std::vector<Ticket> list;
    std::map<CheckKey, DrawCheck> checked;
    int saves = 0;

    Result<qint64> addTicket(const Ticket& t) override
    {
        list.push_back(t);
        list.back().id = static_cast<qint64>(list.size());
        return list.back().id;
    }
    Result<std::vector<Ticket>> tickets() override { return list; }
    Result<std::vector<DrawCheck>> checks() override
    {
        std::vector<DrawCheck> all;
        for (const auto& [key, c] : checked)
            all.push_back(c);
        return all;
    }
    Status setNote(qint64, const QString&) override { return {}; }
    Status removeTicket(qint64) override { return {}; }
    Status saveChecks(const CheckChanges& changes) override
    {
        ++saves;
        for (const CheckKey& k : changes.dropped)
            checked.erase(k);
        for (const DrawCheck& c : changes.written)
            checked[c.key] = c;
        return {};
    }
    Status setEnteredPrize(const CheckKey& key, int position, std::optional<Money> amount) override
    {
        for (DrawCheck::Row& row : checked.at(key).rows)
            if (row.position == position)
                row.entered = amount;
        return {};
    }
};

// A random world: Lotto draws on some days, Plus draws on most of them, tickets, and which
// shared prizes are known.
struct World {
    std::map<int, std::array<int, 6>> lotto, plus; // by day
    std::vector<Ticket> tickets;
    std::map<std::tuple<int, int, int>, Money> known; // (game, day, hits) of shared classes

    std::vector<DrawRecord> records(const std::map<int, std::array<int, 6>>& draws) const
    {
        std::vector<DrawRecord> out;
        for (const auto& [day, numbers] : draws) {
            DrawRecord r;
            r.date = day;
            for (int i = 0; i < 6; ++i)
                r.numbers[i] = static_cast<std::uint8_t>(numbers[i]);
            out.push_back(r);
        }
        return out;
    }
    GameHistories histories() const { return {records(lotto), records(plus)}; }

    PrizeLookup prizes() const
    {
        return [this](Game game, double day, int hits) -> std::optional<Money> {
            if (hits == 3)
                return Money{game == Game::Plus ? 1000 : 2400};
            const auto it = known.find({int(game), int(day), hits});
            return it == known.end() ? std::nullopt : std::optional<Money>(it->second);
        };
    }
};

std::array<int, 6> randomRow(QRandomGenerator& random)
{
    std::set<int> numbers;
    while (numbers.size() < 6)
        numbers.insert(random.bounded(1, 15)); // few numbers: many wins
    std::array<int, 6> row{};
    std::copy(numbers.begin(), numbers.end(), row.begin());
    return row;
}

World randomWorld(QRandomGenerator& random)
{
    World w;
    int day = 45000;
    for (int i = 0; i < 40; ++i) {
        day += random.bounded(1, 4);
        w.lotto[day] = randomRow(random);
        if (random.bounded(10) < 8)
            w.plus[day] = randomRow(random);
        for (int hits = 4; hits <= 6; ++hits)
            for (int game = 0; game < 2; ++game)
                if (random.bounded(2))
                    w.known[{game, day, hits}] = Money{random.bounded(100, 100000)};
    }
    for (int t = 0; t < 15; ++t) {
        Ticket ticket;
        ticket.id = t + 1;
        ticket.firstDraw = 45000 + random.bounded(0, 110);
        ticket.draws = random.bounded(1, kMaxDraws + 1);
        ticket.plus = random.bounded(2) == 1;
        for (int position = 1; position <= 12; ++position)
            if (random.bounded(3) == 0 || (position == 12 && ticket.rows.empty()))
                ticket.rows.push_back({position, randomRow(random)});
        w.tickets.push_back(ticket);
    }
    return w;
}

// What the checks should be, computed straight from the world: the ticket's k-th Lotto draw day
// on or after its first, the game's draw of that day, the rows' common numbers.
std::map<CheckKey, DrawCheck> expectedChecks(const World& w)
{
    std::map<CheckKey, DrawCheck> expected;
    const auto prizes = w.prizes();
    for (const Ticket& t : w.tickets) {
        int k = 0;
        for (const auto& [day, unused] : w.lotto) {
            if (day < t.firstDraw || k == t.draws)
                continue;
            ++k;
            for (const Game game : t.games()) {
                const auto& draws = game == Game::Lotto ? w.lotto : w.plus;
                if (!draws.count(day))
                    continue;
                const std::set<int> drawn(draws.at(day).begin(), draws.at(day).end());
                DrawCheck c{{t.id, k, game}, double(day), {}, {}};
                for (const TicketRow& row : t.rows) {
                    int hits = 0;
                    for (const int n : row.numbers)
                        hits += int(drawn.count(n));
                    c.rows.push_back(
                        {row.position, hits,
                         hits < 3 ? std::optional<Money>(Money{}) : prizes(game, day, hits),
                         std::nullopt});
                }
                expected[c.key] = c;
            }
        }
    }
    return expected;
}

// The stored checks without their basis text, which only the checker itself reads.
std::map<CheckKey, DrawCheck> withoutBasis(std::map<CheckKey, DrawCheck> checks)
{
    for (auto& [key, c] : checks)
        c.basis.clear();
    return checks;
}

int winsIn(const std::map<CheckKey, DrawCheck>& checks, const std::set<CheckKey>& keys)
{
    int wins = 0;
    for (const CheckKey& key : keys)
        for (const DrawCheck::Row& row : checks.at(key).rows)
            wins += row.hits >= 3;
    return wins;
}

} // namespace

TEST(LedgerChecks, AgreeWithAPlainModelThroughCorrectionsDeletionsAndNewDraws)
{
    for (quint32 seed = 1; seed <= 150; ++seed) {
        QRandomGenerator random(seed);
        World w = randomWorld(random);
        MemoryLedger store;
        store.list = w.tickets;
        const auto first = checkLedger(store, w.histories(), w.prizes());
        ASSERT_TRUE(first.ok());
        auto expected = expectedChecks(w);
        ASSERT_EQ(withoutBasis(store.checked), expected) << "seed " << seed;
        std::set<CheckKey> all;
        for (const auto& [key, c] : expected)
            all.insert(key);
        EXPECT_EQ(first->checked, int(expected.size()));
        EXPECT_EQ(int(first->newWins.size()), winsIn(expected, all));

        // Nothing is checked twice.
        const int saves = store.saves;
        const auto again = checkLedger(store, w.histories(), w.prizes());
        EXPECT_TRUE(again->newWins.empty() && again->checked == 0 && again->rechecked == 0);
        EXPECT_EQ(store.saves, saves);

        // The user types the amount of every open prize.
        std::map<std::pair<CheckKey, int>, Money> typed;
        for (auto& [key, c] : store.checked)
            for (const DrawCheck::Row& row : c.rows)
                if (row.hits >= 3 && !row.prize) {
                    typed[{key, row.position}] = Money{777};
                    (void)store.setEnteredPrize(key, row.position, Money{777});
                }

        // A correction, a deleted draw, new draws, a prize that became known.
        std::vector<int> days;
        for (const auto& [day, numbers] : w.lotto)
            days.push_back(day);
        const int corrected = days[random.bounded(int(days.size()))];
        w.lotto[corrected] = randomRow(random);
        const int deleted = days[random.bounded(int(days.size()))];
        w.lotto.erase(deleted);
        w.plus.erase(deleted);
        for (int i = 1; i <= 5; ++i)
            w.lotto[days.back() + 2 * i] = randomRow(random);
        for (auto& [key, prize] : w.known)
            prize.grosze += 1;
        w.known[{0, corrected, 4}] = Money{12345};

        const auto before = store.checked;
        const auto third = checkLedger(store, w.histories(), w.prizes());
        expected = expectedChecks(w);
        std::set<CheckKey> redone;
        int rechecked = 0;
        for (auto& [key, c] : expected) {
            const auto old = before.find(key);
            const bool same = old != before.end() && old->second.day == c.day && [&] {
                for (std::size_t i = 0; i < c.rows.size(); ++i)
                    if (old->second.rows[i].hits != c.rows[i].hits)
                        return false;
                return true;
            }() && !(key.game == Game::Lotto && c.day == corrected);
            if (!same) {
                redone.insert(key);
                rechecked += old != before.end();
                continue;
            }
            for (DrawCheck::Row& row : c.rows) // the typed amounts stay with an unchanged draw
                if (const auto t = typed.find({key, row.position}); t != typed.end())
                    row.entered = t->second;
        }
        ASSERT_EQ(withoutBasis(store.checked), expected) << "seed " << seed;
        EXPECT_EQ(third->rechecked, rechecked) << "seed " << seed;
        EXPECT_EQ(int(third->newWins.size()), winsIn(expected, redone)) << "seed " << seed;
    }
}

TEST(LedgerSums, TotalsAndRunningBalanceAreTheSumsOfTheirLines)
{
    QRandomGenerator random(99);
    for (int round = 0; round < 50; ++round) {
        World w = randomWorld(random);
        for (Ticket& t : w.tickets)
            t.stake = Money{qint64(t.rows.size()) * (t.plus ? 400 : 300) * t.draws};
        MemoryLedger store;
        store.list = w.tickets;
        ASSERT_TRUE(checkLedger(store, w.histories(), w.prizes()).ok());
        const auto lines = ticketLines(store.list, *store.checks());
        ASSERT_EQ(lines.size(), w.tickets.size());
        const double from = 45000 + random.bounded(0, 60), to = from + random.bounded(0, 60);
        Money stake, won, running;
        int tickets = 0, open = 0, lottoThrees = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const TicketLine& line = lines[i];
            if (i > 0) { // by first draw day
                EXPECT_LE(lines[i - 1].ticket.firstDraw, line.ticket.firstDraw);
            }
            running.grosze += line.won.grosze - line.ticket.stake.grosze;
            EXPECT_EQ(line.balance, running);
            if (line.ticket.firstDraw < from || line.ticket.firstDraw > to)
                continue;
            ++tickets;
            stake += line.ticket.stake;
            won += line.won;
            open += line.openDraws;
            lottoThrees += line.wins[0][3];
        }
        const Totals totals = totalsOf(lines, from, to);
        EXPECT_EQ(totals.tickets, tickets);
        EXPECT_EQ(totals.stake, stake);
        EXPECT_EQ(totals.won, won);
        EXPECT_EQ(totals.openDraws, open);
        EXPECT_EQ(totals.wins[0][3], lottoThrees);
        EXPECT_EQ(csvLines(lines).size(), qsizetype(lines.size() + 1));
    }
}

TEST(LedgerSums, ATicketWonWhatItsWinningRowsPaidAndCountsItsDrawsNotYetChecked)
{
    Ticket t{7,           100, 3,  true,
             Money{2400}, {},  {}, {{1, {1, 2, 3, 4, 5, 6}}, {5, {7, 8, 9, 10, 11, 12}}}};
    const auto check = [](int draw, Game game, std::vector<DrawCheck::Row> rows) {
        return DrawCheck{{7, draw, game}, 100.0 + draw, QStringLiteral("x"), rows};
    };
    const std::vector<DrawCheck> checks{
        check(1, Game::Lotto, {{1, 3, Money{2400}, {}}, {5, 4, {}, {}}}),
        check(1, Game::Plus, {{1, 5, Money{350000}, {}}, {5, 1, Money{}, {}}}),
        check(2, Game::Lotto, {{1, 4, {}, Money{9000}}, {5, 0, Money{}, {}}}), // typed in
    };
    const auto lines = ticketLines({t}, checks);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].won.grosze, 2400 + 350000 + 9000);
    EXPECT_TRUE(lines[0].prizeOpen);  // row 5's four hits in draw 1
    EXPECT_EQ(lines[0].openDraws, 2); // draw 2 lacks Plus, draw 3 lacks both
    EXPECT_EQ(lines[0].wins[0][3], 1);
    EXPECT_EQ(lines[0].wins[0][4], 2);
    EXPECT_EQ(lines[0].wins[1][5], 1);
    EXPECT_EQ(lines[0].balance.grosze, 2400 + 350000 + 9000 - 2400);
}

TEST(LedgerTickets, TheSheetsCompleteRowsForTheNextDrawDayWithTheirStake)
{
    const std::vector<DrawRecord> draws{
        test::draw("04.08.2026", {1, 2, 3, 4, 5, 6}), test::draw("06.08.2026", {1, 2, 3, 4, 5, 6}),
        test::draw("08.08.2026", {1, 2, 3, 4, 5, 6}), test::draw("11.08.2026", {1, 2, 3, 4, 5, 6})};
    const struct {
        std::vector<std::pair<int, QString>> rows; // sheet row, its six fields
        bool plus;
        int draws;
        QString error;                    // empty: a ticket
        std::vector<int> played;          // its rows' positions
        qint64 stake;                     // grosze
        const char* shown = "08.08.2026"; // the first draw: the next stored one, else the
        const char* first = "11.08.2026"; // calendar's next draw day (Tuesday, Thursday, Saturday)
    } cases[] = {
        {{{1, "9,3,7,1,44,2"}}, false, 1, {}, {1}, 300},
        {{{2, "1,2,3,4,5,6"}, {7, "10,20,30,40,45,49"}}, true, 10, {}, {2, 7}, 2 * 400 * 10},
        {{{3, "1,2,3,4,5,"}, {4, "1,2,3,4,5,6"}}, false, 3, {}, {4}, 900}, // 3 is incomplete
        {{{3, "1,2,3,4,5,"}}, false, 1, "vollständige Reihe", {}, 0},
        {{}, true, 1, "vollständige Reihe", {}, 0},
        {{{1, "1,2,3,4,5,6"}, {6, "8,8,1,2,3,4"}}, false, 1, "Reihe 6", {}, 0},
        {{{12, "49,48,47,46,45,44"}}, true, 0, {}, {12}, 400}, // draws clamp to 1..10
        {{{1, "1,2,3,4,5,6"}}, false, 1, {}, {1}, 300, "11.08.2026", "13.08.2026"},
        {{{1, "1,2,3,4,5,6"}}, false, 1, {}, {1}, 300, "06.08.2026", "08.08.2026"},
    };
    for (const auto& c : cases) {
        ProgramState state;
        state.shown.date = test::day(c.shown);
        state.ticketNumber = QStringLiteral("0815");
        for (const auto& [row, text] : c.rows) {
            const QStringList fields = text.split(',');
            for (int p = 1; p <= 6; ++p)
                state.sheet.setField(row, p, fields.at(p - 1));
        }
        const auto ticket = ticketFromSheet(state, draws, c.plus, c.draws);
        if (!c.error.isEmpty()) {
            ASSERT_FALSE(ticket.ok());
            EXPECT_TRUE(ticket.error().contains(c.error)) << ticket.error().toStdString();
            continue;
        }
        ASSERT_TRUE(ticket.ok()) << ticket.error().toStdString();
        std::vector<int> played;
        for (const TicketRow& row : ticket->rows) {
            played.push_back(row.position);
            EXPECT_TRUE(std::is_sorted(row.numbers.begin(), row.numbers.end()));
        }
        EXPECT_EQ(played, c.played);
        EXPECT_EQ(formatDate(ticket->firstDraw), c.first);
        EXPECT_EQ(ticket->stake.grosze, c.stake);
        EXPECT_EQ(ticket->ticketNumber, QStringLiteral("0815"));
    }
}

TEST(LedgerAmounts, TypedAmountsAreReadAsUsersWriteThem)
{
    const struct {
        const char* text;
        std::optional<qint64> amount; // grosze
    } cases[] = {
        {"3,00 zł", 300},
        {"3.00", 300},
        {"3", 300},
        {"1.234,50", 123450},
        {"1,234.50", 123450},
        {"1 000 000", 100000000},
        {" 24 zł ", 2400},
        {"7,5", 750},
        {"0", 0},
        {"3,00 PLN", 300},
        {"1.000", 100000},
        {"12,345", 1234500},
        {"", std::nullopt},
        {"-3", std::nullopt},
        {"3,", std::nullopt},
        {"abc", std::nullopt},
        {"1,2,3", std::nullopt},
        {"3.456.7", std::nullopt},
        {"zł", std::nullopt},
        {"12.34.56", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto amount = parseTypedAmount(QString::fromUtf8(c.text));
        EXPECT_EQ(amount ? std::optional<qint64>(amount->grosze) : std::nullopt, c.amount)
            << c.text;
    }
    QRandomGenerator random(5);
    for (int i = 0; i < 2000; ++i) {
        const Money amount{random.bounded(0, 2000000000)};
        EXPECT_EQ(parseTypedAmount(formatZloty(amount)), amount)
            << formatZloty(amount).toStdString();
        EXPECT_EQ(parseTypedAmount(formatAmount(amount)), amount);
    }
}
