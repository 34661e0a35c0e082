#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A second, independent model of the two analyses of the "Datenbank" tab, written from their
rules, checked against `vendrilo-cli backtest` and `vendrilo-cli similarity`.

  tools/check_analysis.py path/to/vendrilo-cli random-seed cases

The back-test model drives the tool's own `generate` and `evaluate` (each checked elsewhere
against a model of its own) through one interactive `vendrilo-cli batch` process and does the
back-test's part itself: the pass loop, the date steps, the draw search, the tally by weekday,
the reuse of a sheet without a 3, the end and the report, with its money lines: the stake of
every pass and what its rows won where the payout table (data/polish-lotto-payouts.csv, read
here) holds the draw. The similarity model needs nothing but the draws. With a draw file as the
fourth argument every run reads that file instead of the program folder's.
Exit status 1 when any case differs.
"""
import bisect
import datetime
import os
import random
import shlex
import subprocess
import sys
import tempfile

CLI = sys.argv[1]
RNG = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 1)
CASES = int(sys.argv[3]) if len(sys.argv) > 3 else 6
DRAWS_ARGS = ["--draws", sys.argv[4]] if len(sys.argv) > 4 else []
PAYOUTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data",
                       "polish-lotto-payouts.csv")
ROW_PRICE = 300  # grosze: the first fee field's default
TODAY = "08.12.2026"
BASE = datetime.date(1899, 12, 30)


def day(text):
    d, m, y = map(int, text.split("."))
    return (datetime.date(y, m, d) - BASE).days


def fmt(n):
    return (BASE + datetime.timedelta(days=n)).strftime("%d.%m.%Y")


def weekday(n):  # 1 Monday .. 7 Sunday
    return (BASE + datetime.timedelta(days=n)).isoweekday()


class Tool:
    """One `vendrilo-cli batch` process answering one invocation at a time."""

    def __init__(self):
        self.proc = subprocess.Popen([CLI, "batch"], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, text=True, encoding="utf-8")

    def __call__(self, *args):
        self.proc.stdin.write(shlex.join(str(a) for a in DRAWS_ARGS + list(args)) + "\n")
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


def read_draws():
    out = subprocess.run([CLI, *DRAWS_ARGS, "draws"], capture_output=True, text=True,
                         check=True).stdout
    draws = []
    for line in out.splitlines():
        f = line.split(",")
        draws.append((day(f[0]), [int(x) for x in f[1:7]]))
    return draws


DRAWS = read_draws()
DATES = [d for d, _ in DRAWS]
ORDERED = DATES == sorted(DATES)
MASKS = [sum(1 << n for n in set(numbers) if n >= 1) for _, numbers in DRAWS]
PAID = {}  # (day, hits) -> (winners, grosze)
with open(PAYOUTS) as f:
    for line in f:
        _, date, hits, winners, prize = line.strip().split(",")
        PAID[(day(date), int(hits))] = (int(winners), round(float(prize) * 100))
PAID_DAYS = {d for d, _ in PAID}


def zl(grosze):
    return "%d.%02d zł" % divmod(grosze, 100)


def pass_money(shown, rows):
    """Rows, stake and what the rows won (None unless the table holds the draw and every prize
    of it is known) of a pass from the evaluation's lines."""
    playable = [line for line in rows if "" not in line.split("\t")[1].split(",")]
    won = 0 if shown in PAID_DAYS else None
    for line in playable:
        hits = int(line.split("\t")[2].split()[0])
        winners, amount = PAID.get((shown, hits), (0, 0))
        if won is None or hits < 3:
            continue
        won = won + amount if winners > 0 else None
    return len(playable), len(playable) * ROW_PRICE, won


def money_lines(passes):
    lines = ["", "Ziehung, Tipps, Einsatz und Gewinn in zł (- wo die Gewinnquoten der Ziehung "
             "nicht bekannt sind)"]
    for shown, rows, stake, won in passes:
        lines.append("%s\t%d\t%s\t%s" % (fmt(shown), rows, zl(stake)[:-3],
                                          "-" if won is None else zl(won)[:-3]))
    known = [(stake, won) for _, _, stake, won in passes if won is not None]
    known_stake, known_won = sum(s for s, _ in known), sum(w for _, w in known)
    ratio = ("%d.%02d %%" % divmod((known_won * 20000 + known_stake) // (2 * known_stake), 100)
             if known_stake else "-")
    return lines + ["", "Einsatz in allen Ziehungen: " + zl(sum(p[2] for p in passes)),
                    "Ziehungen mit bekannten Gewinnquoten: %d" % len(known),
                    "Einsatz in diesen Ziehungen: " + zl(known_stake),
                    "Gewinn in diesen Ziehungen: " + zl(known_won),
                    "Rückfluss (Gewinn / Einsatz): " + ratio]


def search(date):
    """Index of the first draw on or after the date in file order, else the last draw."""
    for i, (d, _) in enumerate(DRAWS):
        if d >= date:
            return i
    return len(DRAWS) - 1


def backtest(tool, start, seed, stats_from, sets, folder):
    common = ["--today", TODAY, "--from", stats_from] + [a for s in sets for a in ("--set", s)]
    options = dict(s.split("=") for s in sets)
    reuse = options.get("CheckBox31") == "1"
    both = options.get("CheckBox16", "1") == "1" and options.get("CheckBox17", "1") == "1"
    tips = os.path.join(folder, "sheet.qkt")
    tally = [[0] * 4 for _ in range(7)]
    passes = 0
    p = start
    picker = DRAWS[search(start)][0]
    q = day(TODAY)
    threes = 4
    sheet = None
    money = []
    while q != p:
        q = p
        if not reuse or threes > 0:
            status, out = tool("--seed", seed, "--date", fmt(picker), *common, "generate")
            if status != 0:
                return None
            sheet = out[:12]
        # Both boxes: the first stored draw of a later day than the one just scored; one box:
        # the first draw six days on.
        shown = DRAWS[search(picker + 1 if both else picker + 6)][0]
        picker = shown
        with open(tips, "w") as f:
            f.write("\n".join(sheet) + "\n\n")
        status, out = tool("--date", fmt(picker), "--tips", tips, *common, "evaluate")
        sheet = [line.split("\t")[1] for line in out[:12]]
        money.append((shown, *pass_money(shown, out[:12])))
        counts = [int(x) for x in out[12].split()[1:]]
        column = 0 if weekday(shown) in (6, 7) else 2
        for i in range(7):
            tally[i][column] += counts[2 * i]
            tally[i][column + 1] += counts[2 * i + 1]
        threes = sum(counts[6:])
        passes += 1
        p = picker
    lines = ["Aktuelle Einstellung brachten für Sa. bzw. Mi."]
    for i in range(7):
        lines.append("%dx\t=>\t%d\t=>\t%d" % (i, tally[i][0], tally[i][2]))
        if i < 6:
            lines.append("%dx + Bonus\t=>\t%d\t=>\t%d" % (i, tally[i][1], tally[i][3]))
    lines += ["", "%d Ziehungen" % passes]
    return lines + money_lines(money)


def similarity(start, stats_from):
    counts = [[0] * 7 for _ in range(4)]
    p = search(start)
    since = start
    end = start + 10
    last = DRAWS[-1][0]
    while DRAWS[p][0] < end:
        row = DRAWS[p][1]
        # Every draw of the file dated since <= d < D counts; with the dates in order they are
        # one stretch of the file.
        first = bisect.bisect_left(DATES, since) if ORDERED else 0
        row_mask = sum(1 << n for n in set(row) if n >= 1)
        for i in range(first, len(DRAWS)):
            d = DATES[i]
            if ORDERED and d >= DRAWS[p][0]:
                break
            if since <= d < DRAWS[p][0]:
                counts[0][(MASKS[i] & row_mask).bit_count()] += 1
        end = last
        for k in (1, 2, 3):
            if p + k < len(DRAWS):
                counts[k][sum(1 for n in row if n >= 1 and n in DRAWS[p + k][1])] += 1
        p = min(p + 1, len(DRAWS) - 1)
        since = stats_from
    headings = ["Treffer von Ziehungen in der Datenbank",
                "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen",
                "Wie oft gab es bei der übernächsten Ziehung ähnliche Zahlen",
                "Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"]
    lines = []
    for k in range(4):
        if k:
            lines.append(" ")
        lines.append(headings[k])
        lines += ["%dx    =>%d" % (i, counts[k][i]) for i in range(7)]
    return lines


OPTION_SETS = [[], ["CheckBox31=1"], ["CheckBox17=0"], ["CheckBox31=1", "UpDown8=6"],
               ["CheckBox22=1", "UpDown10=2"], ["CheckBox16=0", "CheckBox31=1"],
               ["CheckBox2=1", "CheckBox14=0", "UpDown12=40"]]


def main():
    failures = 0
    tool = Tool()
    last = DRAWS[-1][0]
    with tempfile.TemporaryDirectory() as folder:
        for case in range(CASES):
            # Short stretches near the end and one that runs into "today"'s end of the file.
            start = last - RNG.randrange(0, 120) if case else last + 3
            seed = RNG.randrange(0, 99999)
            stats_from = fmt(day("19.11.1994") + RNG.randrange(0, 9000))
            sets = OPTION_SETS[case % len(OPTION_SETS)]
            args = ["--today", TODAY, "--date", fmt(start), "--from", stats_from, "--seed", seed]
            args += [a for s in sets for a in ("--set", s)]
            expected = backtest(tool, start, seed, stats_from, sets, folder)
            got = subprocess.run([CLI, *DRAWS_ARGS, *map(str, args), "backtest"],
                                 capture_output=True, text=True)
            if expected is None or got.returncode != 0 or got.stdout.splitlines() != expected:
                failures += 1
                print("backtest %s: differs\n  model: %s\n  tool:  %s %s" % (
                    " ".join(map(str, args)), expected, got.stdout.splitlines(), got.stderr))
            threshold = RNG.choice([6, 7])
            sim_start = RNG.choice([day("27.01.1957"), last - RNG.randrange(0, 3000), last])
            # A period from 2005 on keeps the model's scan of the earlier draws short.
            sim_from = fmt(day("01.01.2005") + RNG.randrange(0, 7600))
            got = subprocess.run([CLI, *DRAWS_ARGS, "--today", TODAY, "--date", fmt(sim_start),
                                  "--from", sim_from, "similarity", "--threshold", str(threshold)],
                                 capture_output=True, text=True)
            expected = similarity(sim_start, day(sim_from))
            if got.returncode != 0 or got.stdout.splitlines() != expected:
                failures += 1
                print("similarity from %s, period from %s: differs\n  model: %s\n  tool:  %s" % (
                    fmt(sim_start), sim_from, expected, got.stdout.splitlines()))
    tool.close()
    print("analyses: %d cases, %d differ" % (CASES, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
