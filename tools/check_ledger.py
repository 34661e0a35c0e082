#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent checker for `vendrilo-cli ledger`.

Plays a year of random tickets on past draws with `ledger add`, then compares what
`ledger check`, `ledger list` and `ledger summary` print with a computation of its own: the
hits of every row come from `vendrilo-cli evaluate` on the ticket's draws (Lotto, and with
`--draws` the Lotto Plus file), the prizes from the payout table and the fixed prize rules,
the draws and sums from the draw files read here.  Then draws are corrected and deleted with
`enter` and `delete`, and the checks must follow.  Written from the documented behaviour, not
from the C++ code.

  check_ledger.py --cli PATH --payouts CSV [--tickets N] [--seed S]

PATH is a copy of vendrilo-cli in a folder of its own (its program folder), which holds
ZahlenPL.dat and, for Lotto Plus, ZahlenPLPlus.dat.  Exit status 1 on any difference.
"""
import argparse
import datetime
import os
import random
import struct
import sys

from cli_batch import Batch

EPOCH = datetime.date(1899, 12, 30)
ROW_PRICE, PLUS_SURCHARGE = 300, 100                    # grosze
PLUS_PRIZES = {3: 1000, 4: 10000, 5: 350000, 6: 100000000}
LOTTO_THREE, LOTTO_THREE_NEW, NEW_FROM = 2400, 3500, "20.08.2026"


def day_of(text):
    d, m, y = (int(x) for x in text.split("."))
    return (datetime.date(y, m, d) - EPOCH).days


def text_of(day):
    return (EPOCH + datetime.timedelta(days=day)).strftime("%d.%m.%Y")


def read_draws(path):
    """{day: set of the six numbers} of a draw file of 32-byte records."""
    draws = {}
    if not os.path.exists(path):
        return draws
    data = open(path, "rb").read()
    for i in range(0, len(data) - 31, 32):
        (date,) = struct.unpack("<d", data[i:i + 8])
        draws.setdefault(int(round(date)), tuple(data[i + 8:i + 14]))
    return draws


def read_payouts(path):
    table = {}
    for line in open(path, encoding="utf-8"):
        parts = line.strip().split(",")
        if len(parts) == 5:
            # A class nobody won paid nothing that a ticket could claim: its amount is unknown.
            if int(parts[3]) > 0:
                table[(day_of(parts[1]), int(parts[2]))] = round(float(parts[4]) * 100)
    return table


def money(grosze):
    return "%d.%02d" % (grosze // 100, grosze % 100) if grosze >= 0 else "-" + money(-grosze)


def next_draw(days, shown):
    """The ticket's first draw: the next stored draw after the shown one, else the next day
    whose weekday the draws of the eight weeks up to the shown one used."""
    later = [d for d in days if d > shown]
    if later:
        return min(later)
    weekdays = {(EPOCH + datetime.timedelta(days=d)).weekday() for d in days
                if shown - 55 <= d <= shown}
    day = shown + 1
    while (EPOCH + datetime.timedelta(days=day)).weekday() not in weekdays:
        day += 1
    return day


class Ticket:
    def __init__(self, rng, index, date, lotto_days, lotto, plus):
        self.index, self.date = index, date
        self.runs = rng.randint(1, 10)
        self.plus = rng.random() < 0.5
        shown = min([d for d in lotto_days if d >= date] or [lotto_days[-1]])
        self.first = next_draw(lotto_days, shown)
        ahead = [d for d in lotto_days if d >= self.first][:self.runs]
        self.rows = {}
        for position in rng.sample(range(1, 13), rng.randint(1, 12)):
            numbers = set()
            if ahead and rng.random() < 0.2:   # aimed at one of its draws: more and higher wins
                day = rng.choice(ahead)
                draws = plus if self.plus and day in plus and rng.random() < 0.5 else lotto
                numbers = set(rng.sample(list(draws[day]), rng.randint(3, 5)))
            while len(numbers) < 6:
                numbers.add(rng.randint(1, 49))
            self.rows[position] = sorted(numbers)

    def tip_file(self, path):
        lines = [",".join(map(str, self.rows[r])) if r in self.rows else ",,,,," for r in range(1, 13)]
        open(path, "w", newline="").write("\r\n".join(lines + ["T%d" % self.index]) + "\r\n")

    def stake(self):
        return len(self.rows) * (ROW_PRICE + (PLUS_SURCHARGE if self.plus else 0)) * self.runs


def prize(game, day, hits, payouts):
    if hits < 3:
        return 0
    if game == "plus":
        return PLUS_PRIZES[hits]
    if hits == 3:
        return LOTTO_THREE_NEW if day >= day_of(NEW_FROM) else LOTTO_THREE
    return payouts.get((day, hits))                      # None: not known


class Model:
    """What the ledger should say, from the draw files and `evaluate`."""

    def __init__(self, cli, folder, tickets, payouts):
        self.cli, self.folder, self.tickets, self.payouts = cli, folder, tickets, payouts
        self.hits = {}          # (ticket, game, day, drawn numbers) -> {row: hits}

    def evaluate_missing(self, lotto, plus):
        wanted = []
        for t in self.tickets:
            for day in [d for d in sorted(lotto) if d >= t.first][:t.runs]:
                for game, draws in (("lotto", lotto), ("plus", plus if t.plus else {})):
                    key = (t.index, game, day, draws.get(day))
                    if day in draws and key not in self.hits:
                        wanted.append(key)
        cases = []
        for (index, game, day, _) in wanted:
            args = ["--date", text_of(day), "--tips", self.tip(index)]
            if game == "plus":
                args = ["--draws", os.path.join(self.folder, "ZahlenPLPlus.dat")] + args
            cases.append(args + ["evaluate"])
        for key, (status, out) in zip(wanted, Batch(self.cli, cases).results()):
            rows = {}
            for line in out.splitlines()[:12]:
                r, _, label, _ = line.split("\t")
                rows[int(r)] = int(label.split()[0]) if label else 0
            self.hits[key] = rows

    def tip(self, index):
        return os.path.join(self.folder, "t%03d.qkt" % index)

    def expect(self, lotto, plus):
        self.evaluate_missing(lotto, plus)
        check, listing = [], []
        totals = {"stake": 0, "won": 0, "open": False, "draws": 0}
        for t in self.tickets:
            days = [d for d in sorted(lotto) if d >= t.first][:t.runs]
            won, open_prize = 0, False
            done = sum(1 for d in days if not t.plus or d in plus)
            for day in days:
                for game, draws in (("lotto", lotto), ("plus", plus if t.plus else {})):
                    if day not in draws:
                        continue
                    rows = self.hits[(t.index, game, day, draws[day])]
                    for r in sorted(t.rows):
                        h = rows[r]
                        if h < 3:
                            continue
                        p = prize(game, day, h, self.payouts)
                        check.append((t.index, day, r, game, "%d\t%s\t%d\t%s\t%d\t%s" % (
                            t.index, text_of(day), r, game, h, "?" if p is None else money(p))))
                        won += p or 0
                        open_prize = open_prize or p is None
            listing.append("%d\t%s\t%d\t%d\t%d\t%s\t%s%s" % (
                t.index, text_of(t.first), t.runs, len(t.rows), int(t.plus), money(t.stake()),
                money(won), "?" if open_prize else ""))
            totals["stake"] += t.stake()
            totals["won"] += won
            totals["open"] = totals["open"] or open_prize
            totals["draws"] += t.runs - done
        check.sort(key=lambda c: (c[0], c[1], c[2], c[3]))
        lines = [c[4] for c in check]
        mark = " ?" if totals["open"] else ""
        summary = ["tickets: %d" % len(self.tickets), "stake: %s" % money(totals["stake"]),
                   "won: %s%s" % (money(totals["won"]), mark),
                   "balance: %s%s" % (money(totals["won"] - totals["stake"]), mark),
                   "open draws: %d" % totals["draws"]]
        return lines, listing, summary


def compare(what, got, expected, log):
    if got == expected:
        return 0
    log.append("%s: %d lines, %d expected" % (what, len(got), len(expected)))
    for g, e in zip(got + [""] * len(expected), expected + [""] * len(got)):
        if g != e:
            log.append("  got      %r\n  expected %r" % (g, e))
            break
    return 1


def ledger_outputs(cli, extra):
    """`ledger check` (twice: nothing changes the second time), `list` and `summary`."""
    cases = extra + [["ledger", "check"], ["ledger", "check"], ["ledger", "list"],
                     ["ledger", "summary"]]
    results = Batch(cli, cases).results()
    for status, out in results:
        if status != 0:
            raise RuntimeError("a command ended with %d: %s" % (status, out))
    outs = [out.splitlines() for _, out in results[len(extra):]]
    return outs, results[:len(extra)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--payouts", required=True)
    parser.add_argument("--tickets", type=int, default=150)
    parser.add_argument("--seed", type=int, default=1)
    a = parser.parse_args()
    folder = os.path.dirname(os.path.abspath(a.cli))
    lotto_path, plus_path = (os.path.join(folder, n) for n in ("ZahlenPL.dat", "ZahlenPLPlus.dat"))
    lotto, plus = read_draws(lotto_path), read_draws(plus_path)
    payouts = read_payouts(a.payouts)
    rng = random.Random(a.seed)
    days = sorted(lotto)
    # A year up to a week after the last draw (the last tickets wait for their draws), and a
    # few from the spring before the payout table begins.
    dates = [rng.randint(days[-1] - 365, days[-1] + 7) for _ in range(a.tickets - a.tickets // 15)]
    dates += [rng.randint(day_of("01.04.2023"), day_of("15.06.2023")) for _ in range(a.tickets // 15)]
    tickets = []
    adds = []
    for i, date in enumerate(sorted(dates), 1):
        t = Ticket(rng, i, date, days, lotto, plus)
        tickets.append(t)
        model_tip = os.path.join(folder, "t%03d.qkt" % i)
        t.tip_file(model_tip)
        adds.append(["--date", text_of(date), "--tips", model_tip, "ledger", "add", "--runs",
                     str(t.runs)] + (["--plus"] if t.plus else []))
    model = Model(a.cli, folder, tickets, payouts)
    log, mismatches = [], 0
    outs, added = ledger_outputs(a.cli, adds)
    mismatches += compare("add", [out.strip() for _, out in added],
                          ["ticket %d" % t.index for t in tickets], log)

    wins = 0
    kinds = set()

    def compare_round(outs, draws):
        nonlocal wins, mismatches
        check, listing, summary = model.expect(draws, plus)
        mismatches += compare("ledger check", outs[0], check, log)
        mismatches += compare("ledger check, again", outs[1], check, log)
        mismatches += compare("ledger list", outs[2], listing, log)
        mismatches += compare("ledger summary", outs[3], summary, log)
        wins += len(check)
        kinds.update((c.split("\t")[3], c.split("\t")[4], c.split("\t")[5] == "?") for c in check)
        # The summary's sums are the sums of the list's lines.
        stake = sum(round(float(l.split("\t")[5]) * 100) for l in outs[2])
        won = sum(round(float(l.split("\t")[6].rstrip("?")) * 100) for l in outs[2])
        open_mark = " ?" if any(l.endswith("?") for l in outs[2]) else ""
        mismatches += compare("summary = sum of lines", outs[3][1:3],
                              ["stake: %s" % money(stake), "won: %s%s" % (money(won), open_mark)],
                              log)

    compare_round(outs, lotto)
    # Draws corrected and deleted: the checks follow.
    used = sorted({d for t in tickets for d in [x for x in days if x >= t.first][:t.runs]})
    changes = []
    for day in rng.sample(used, 6):
        numbers = list(lotto[day])
        numbers[rng.randrange(6)] = rng.choice([n for n in range(1, 50) if n not in numbers])
        changes.append(["--date", text_of(day), "enter", text_of(day), ",".join(map(str, numbers))])
    for day in rng.sample(used, 3):
        changes.append(["--date", text_of(day), "delete"])
    outs, _ = ledger_outputs(a.cli, changes)
    compare_round(outs, read_draws(lotto_path))
    print("\n".join(log))
    print("tickets %d, check lines %d, classes %s, mismatches %d" % (
        len(tickets), wins, " ".join(sorted("%s%s%s" % (g, h, "?" if o else "") for g, h, o in kinds)),
        mismatches))
    return 1 if mismatches else 0


if __name__ == "__main__":
    sys.exit(main())
