#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A second, independent model of the sheet in money, written from the prize rules, checked
against `vendrilo-cli prizes [--plus]` and `vendrilo-cli odds`.

  tools/check_money.py path/to/vendrilo-cli PAYOUTS.csv random-seed cases

The tool's program folder must hold the Lotto draw file and a Lotto Plus draw file
(ZahlenPLPlus.dat); the model reads both through `vendrilo-cli draws`, the payouts from the CSV
itself, and does the rest on its own: the draw shown for a date, hits, prizes (fixed, from the
table, or unknown), stake, what was won; for the odds the class counts, the sheet's chance by
inclusion and exclusion over the regions its rows cut the numbers into, and the expected prize.
Exit status 1 when any case differs.
"""
import datetime
import itertools
import os
import random
import shlex
import subprocess
import sys
import tempfile
from fractions import Fraction
from math import comb

CLI = sys.argv[1]
PAYOUTS = sys.argv[2]
RNG = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
CASES = int(sys.argv[4]) if len(sys.argv) > 4 else 20
FOLDER = os.path.dirname(os.path.abspath(CLI))
BASE = datetime.date(1899, 12, 30)
ALL_DRAWS = comb(49, 6)
ROW_PRICE = 300  # grosze: the fee fields' defaults
PLUS_SURCHARGE = 100
PLUS_PRIZES = {3: 1000, 4: 10000, 5: 350000, 6: 100000000}
# The fixed Lotto prize for three hits: 24 zł, 35 zł from 20.08.2026 on.
LOTTO_THREE = [(datetime.date(1900, 1, 1), 2400), (datetime.date(2026, 8, 20), 3500)]


def parse_date(text):
    d, m, y = map(int, text.split("."))
    return datetime.date(y, m, d)


def read_draws(path):
    out = subprocess.run([CLI, "--draws", path, "draws"], capture_output=True, text=True,
                         check=True).stdout
    return [(parse_date(f[0]), [int(x) for x in f[1:7]])
            for f in (line.split(",") for line in out.splitlines())]


LOTTO = read_draws(os.path.join(FOLDER, "ZahlenPL.dat"))
PLUS = {d: numbers for d, numbers in read_draws(os.path.join(FOLDER, "ZahlenPLPlus.dat"))}
TABLE = {}  # (date, hits) -> (winners, grosze)
with open(PAYOUTS) as f:
    for line in f:
        number, date, hits, winners, prize = line.strip().split(",")
        whole, cents = prize.split(".")
        TABLE[(parse_date(date), int(hits))] = (int(winners), int(whole) * 100 + int(cents))
TABLE_DAYS = {d for d, _ in TABLE}


def zl(grosze):
    return "%d.%02d" % divmod(grosze, 100)


def shown_draw(date):
    for d, numbers in LOTTO:
        if d >= date:
            return d, numbers
    return LOTTO[-1]


def three_in_force(date):
    """The three-hit amount for a draw the table does not hold: the newer of the rule's amount
    and the newest one the table paid by then."""
    since, amount = max((s, a) for s, a in LOTTO_THREE if s <= date)
    paid = [(d, TABLE[(d, 3)][1]) for d in TABLE_DAYS if d <= date and TABLE[(d, 3)][0] > 0]
    if paid and max(paid)[0] > since:
        return max(paid)[1]
    return amount


def lotto_prize(hits, date):
    if hits < 3:
        return 0
    winners, amount = TABLE.get((date, hits), (0, 0))
    if winners > 0:
        return amount
    return three_in_force(date) if hits == 3 else None


def prizes_model(date, rows, plus):
    d, numbers = shown_draw(date)
    lines, won, unknown = [], 0, False
    for r, row in rows:
        hits = len(set(row) & set(numbers))
        prize = lotto_prize(hits, d)
        line = "%d\t%d\t%s" % (r, hits, "?" if prize is None else zl(prize))
        unknown |= prize is None
        won += prize or 0
        if plus:
            if d in PLUS:
                plus_hits = len(set(row) & set(PLUS[d]))
                plus_prize = PLUS_PRIZES.get(plus_hits, 0)
                line += "\t%d\t%s" % (plus_hits, zl(plus_prize))
                won += plus_prize
            else:
                line += "\t-\t-"
        lines.append(line)
    stake = len(rows) * (ROW_PRICE + (PLUS_SURCHARGE if plus else 0))
    lines += ["stake: " + zl(stake), "won: " + zl(won) + (" ?" if unknown else "")]
    return lines


def all_win(rows):
    """Draws in which every row has three hits or more, by the numbers taken from each region
    of the rows' diagram."""
    sizes = {}
    for n in range(1, 50):
        key = tuple(n in row for row in rows)
        sizes[key] = sizes.get(key, 0) + 1
    regions = list(sizes.items())
    total = 0
    for takes in itertools.product(*[range(min(6, size) + 1) for _, size in regions]):
        if sum(takes) != 6:
            continue
        if all(sum(t for (key, _), t in zip(regions, takes) if key[r]) >= 3
               for r in range(len(rows))):
            ways = 1
            for (_, size), t in zip(regions, takes):
                ways *= comb(size, t)
            total += ways
    return total


def sheet_winning_draws(rows):
    rows = [set(r) for r in {frozenset(r) for r in rows}]
    return sum((-1) ** (k + 1) * all_win(list(subset))
               for k in range(1, len(rows) + 1) for subset in itertools.combinations(rows, k))


def one_in(count):
    hundredths = (Fraction(ALL_DRAWS * 100, count) + Fraction(1, 2)).__floor__()
    return "%d.%02d" % divmod(hundredths, 100)


def class_count(hits):
    return comb(6, hits) * comb(43, 6 - hits)


def expected_model(date, rows):
    try:
        year_before = date.replace(year=date.year - 1)
    except ValueError:  # 29 February
        year_before = date.replace(year=date.year - 1, day=28)
    value, unknown = Fraction(class_count(3) * three_in_force(date), ALL_DRAWS), False
    for hits in (4, 5, 6):
        paid = [TABLE[(d, hits)][1] for d in TABLE_DAYS
                if year_before < d <= date and TABLE[(d, hits)][0] > 0]
        if paid:
            value += Fraction(class_count(hits) * sum(paid), len(paid) * ALL_DRAWS)
        else:
            unknown = True
    grosze = (value * len(rows) + Fraction(1, 2)).__floor__()
    return zl(grosze) + (" ?" if unknown else "")


def odds_model(date, rows):
    lines = ["%d\t%d\t1 in %s" % (h, class_count(h), one_in(class_count(h))) for h in (6, 5, 4, 3)]
    any_prize = sum(class_count(h) for h in (3, 4, 5, 6))
    lines.append("any\t%d\t1 in %s" % (any_prize, one_in(any_prize)))
    if rows:
        winning = sheet_winning_draws(rows)
        lines += ["rows: %d" % len({frozenset(r) for r in rows}),
                  "sheet any\t%d\t1 in %s" % (winning, one_in(winning)),
                  "stake: " + zl(len(rows) * ROW_PRICE), "expected: " + expected_model(date, rows)]
    return lines


def random_sheet(numbers, count):
    """`count` rows, each sharing a random number of its numbers with the draw."""
    rows = []
    for _ in range(count):
        shared = RNG.choice([0, 1, 2, 3, 3, 4, 4, 5, 6])
        row = RNG.sample(numbers, shared)
        row += RNG.sample([n for n in range(1, 50) if n not in numbers], 6 - shared)
        rows.append(row)
    return rows


class Tool:
    """One `vendrilo-cli batch` process answering one invocation at a time."""

    def __init__(self):
        self.proc = subprocess.Popen([CLI, "batch"], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, encoding="utf-8")
        self.tips = tempfile.NamedTemporaryFile("w", suffix=".qkt", delete=False)
        self.tips.close()

    def __call__(self, args, tips):
        with open(self.tips.name, "w") as f:
            for r in range(1, 13):
                f.write(",".join(map(str, tips.get(r, []))) + "\r\n")
        self.proc.stdin.write(shlex.join(["--tips", self.tips.name] + args) + "\n")
        self.proc.stdin.flush()
        lines = []
        while True:
            line = self.proc.stdout.readline()
            if not line:
                raise RuntimeError("the batch ended")
            if line.startswith("--- exit "):
                return int(line[9:]), lines
            lines.append(line.rstrip("\n"))

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()
        os.unlink(self.tips.name)


def check(what, expected, status, got):
    if status == 0 and got == expected:
        return 0
    print("%s differs (exit %d)\n  model: %s\n  tool:  %s" % (what, status, expected, got))
    return 1


def main():
    failures = 0
    run = Tool()
    days = sorted(TABLE_DAYS)
    for case in range(CASES):
        date = RNG.choice([RNG.choice(days), RNG.choice(days), days[-1], days[-1] +
                           datetime.timedelta(days=2), datetime.date(2019, 1, 1) +
                           datetime.timedelta(days=RNG.randrange(1500))])
        _, numbers = shown_draw(date)
        places = sorted(RNG.sample(range(1, 13), RNG.randint(1, 12)))
        tips = dict(zip(places, random_sheet(numbers, len(places))))
        text = date.strftime("%d.%m.%Y")
        for plus in (False, True):
            status, got = run(["--date", text, "prizes"] + (["--plus"] if plus else []), tips)
            failures += check("prizes %s%s %s" % (text, " --plus" if plus else "", tips),
                              prizes_model(date, sorted(tips.items()), plus), status, got)
        # Inclusion and exclusion stay quick up to four rows.
        small = dict(list(tips.items())[:RNG.randint(0, 4)])
        status, got = run(["--date", text, "odds"], small)
        failures += check("odds %s %s" % (text, small), odds_model(date, list(small.values())),
                          status, got)
    run.close()
    print("money: %d cases, %d differ" % (CASES, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
