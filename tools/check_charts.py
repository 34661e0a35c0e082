#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent checker for `vendrilo-cli chart NAME`.

Recomputes every chart of the "Diagramm" tab from a draw file (and a tip
file for the `tips` chart) and compares the expected lines with the CLI's
output.

Usage:
  check_charts.py --cli PATH [--draws FILE] [--work DIR] [--cases N]

It builds its own draw files in --work (bonus numbers, Superzahlen, draws on
the first and last day, several weekdays, rounding ties, empty periods) and
tip files, and with --draws also checks that file (the shipped history);
--damaged adds a file with records no valid draw has.
Each file is checked over its whole span, a day wider, N random periods
between two of its draw days, and empty periods, with all four settings of
CheckBox16/CheckBox17. Exit status 1 when any output differs.

All cases go to the CLI through one `vendrilo-cli batch` process, which
works while the expected outputs are computed here.
"""

import argparse
import datetime
import functools
import os
import random
import struct
import sys

from cli_batch import Batch, run_one

EPOCH = datetime.date(1899, 12, 30)
PRIMES = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47}
RED = "#FF0000"
GREEN = "#008000"
SERIES = "#008000"  # the bar series' default colour (green)

MSG = {
    0: "Zahlenverteilung",
    1: "Ziehungen",
    2: "Quersumme",
    9: "Paare",
    10: "gefunden",
    11: "Dreier",
    13: "Quersummenverteilung",
    14: "Quersumme",
    15: "Vierer",
    28: "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?",
    29: "Zahlenverteilung des Tippes",
    38: "Welche Superzahl wurde am längsten nicht gezogen?",
    44: "Anzahl der Primzahlen pro Tipp bei",
    45: "waren Primzahlen",
    46: "Anzahl der ungeraden Zahlen pro Tipp bei",
    47: "waren Ungerade",
    48: "Anzahl der geraden Zahlen pro Tipp bei",
    49: "waren Gerade",
}

CHARTS = ["numbers", "crosssums", "tips", "pairs", "triples", "quads",
          "overdue", "superzahl", "primes", "odd", "even"]


def day_of(text):
    d, m, y = (int(p) for p in text.split("."))
    return (datetime.date(y, m, d) - EPOCH).days


def text_of(day):
    d = EPOCH + datetime.timedelta(days=int(day))
    return d.strftime("%d.%m.%Y")


@functools.lru_cache(maxsize=None)
def weekday(day):
    # Monday 0 .. Sunday 6
    return (EPOCH + datetime.timedelta(days=int(day))).weekday()


def read_draws(path):
    out = []
    with open(path, "rb") as f:
        data = f.read()
    for i in range(len(data) // 32):
        rec = data[i * 32:(i + 1) * 32]
        date = struct.unpack("<d", rec[0:8])[0]
        nums = list(rec[8:14])
        out.append((date, nums, rec[14], rec[15]))
    return out


def write_draws(path, draws):
    with open(path, "wb") as f:
        for date, nums, bonus, sz in draws:
            f.write(struct.pack("<d", float(date)) + bytes(nums) + bytes([bonus, sz]) + bytes(16))


def passes_filter(date, cb16, cb17):
    if cb16 and cb17:
        return True
    wd = weekday(date)
    if cb16 and wd in (5, 6):
        return True
    if cb17 and wd <= 4:  # Monday to Friday
        return True
    return False


def round_even(x):
    # Python's round() rounds ties to the even neighbour
    return int(round(x))


def colour(n):
    return RED if n in PRIMES else GREEN


def fmt_count(x):
    return str(int(x))


@functools.lru_cache(maxsize=None)
def runs_in(nums, L, starts):
    """The runs k..k+L-1 (k = 1..starts) that one draw completes.

    Row check: each drawn number against each field of the run, so the number of
    matches is the sum of how often each member was drawn. For the draws built here
    (six different numbers 1..49) this is the same as "all members drawn"; a damaged
    record with a number twice would differ. Only a run with a drawn member can reach
    L matches. Every period and filter setting asks again for the same draws, hence
    the cache.
    """
    drawn = {}
    for z in nums:
        drawn[z] = drawn.get(z, 0) + 1
    candidates = {k for z in drawn for k in range(z - L + 1, z + 1) if 1 <= k <= starts}
    return [k for k in sorted(candidates) if sum(drawn.get(m, 0) for m in range(k, k + L)) == L]


def chart(name, draws, start, end, cb16, cb17, tips=None):
    """Returns (title, axis line, list of point lines)."""
    flt = lambda d: passes_filter(d, cb16, cb17)
    if name == "numbers":
        cnt = [0] * 50
        n = 0
        total = 0
        for date, nums, bonus, sz in draws:
            if start <= date <= end and flt(date):
                for x in nums + [bonus]:
                    if 0 <= x < 50:
                        cnt[x] += 1
                n += 1
                total += sum(nums)
        vals = cnt[1:50]
        mean = round_even(total / n) if n else 0
        title = "%s     %s: %s    %s: %d" % (MSG[0], MSG[1], fmt_count(n), MSG[2], mean)
        axis = "axis: %d %d" % (min(vals), max(vals))
        pts = ["%d %d %s" % (k, cnt[k], colour(k)) for k in range(1, 50)]
        return title, axis, pts
    if name == "crosssums":
        cnt = {}
        n = 0
        total = 0
        lo, hi = 500, 0
        for date, nums, bonus, sz in draws:
            if start < date <= end:
                s = sum(nums)
                cnt[s] = cnt.get(s, 0) + 1
                lo = min(lo, s)
                hi = max(hi, s)
                n += 1
                total += s
        mean = round_even(total / n) if n else 0
        title = "%s     %s: %s    %s: %d" % (MSG[13], MSG[1], fmt_count(n), MSG[14], mean)
        pts = []
        if n:
            pts = ["%d %d %s" % (s, cnt.get(s, 0), SERIES) for s in range(lo, hi + 1)]
            ys = [cnt.get(s, 0) for s in range(lo, hi + 1)]
            axis = "axis: auto %d %d" % (0, max(ys))
        else:
            axis = "axis: auto 0 0"
        return title, axis, pts
    if name == "tips":
        cnt = [0] * 50
        stop = False
        for row in tips:
            for f in row:
                if f is None:
                    stop = True
                    break
                cnt[f] += 1
            if stop:
                break
        vals = cnt[1:50]
        return MSG[29], "axis: %d %d" % (min(vals), max(vals)), \
            ["%d %d %s" % (k, cnt[k], colour(k)) for k in range(1, 50)]
    if name in ("pairs", "triples", "quads"):
        L = {"pairs": 2, "triples": 3, "quads": 4}[name]
        starts = {"pairs": 48, "triples": 47, "quads": 47}[name]
        npts = {"pairs": 48, "triples": 47, "quads": 49}[name]
        word = {"pairs": MSG[9], "triples": MSG[11], "quads": MSG[15]}[name]
        cnt = [0] * 50
        n = 0
        runs = 0
        for date, nums, bonus, sz in draws:
            if start < date <= end and (name == "quads" or flt(date)):
                n += 1
                for k in runs_in(tuple(nums), L, starts):
                    cnt[k] += 1
                    runs += 1
        vals = [cnt[k] for k in range(1, npts + 1)]
        title = "%s: %d     %s %s : %d" % (MSG[1], n, word, MSG[10], runs)
        if name == "quads":
            axis = "axis: auto 0 %d" % max(vals)
        else:
            axis = "axis: %d %d" % (min(vals), max(vals))
        pts = ["%d %d %s" % (k, cnt[k], SERIES) for k in range(1, npts + 1)]
        return title, axis, pts
    if name == "overdue":
        cnt = [1] * 50
        for date, nums, bonus, sz in draws:
            if start < date <= end and flt(date):
                cnt = [c + 1 for c in cnt]
                for x in nums + [bonus]:
                    if 0 <= x < 50:
                        cnt[x] = 1
        vals = cnt[1:50]
        return MSG[28], "axis: %d %d" % (min(vals), max(vals)), \
            ["%d %d %s" % (k, cnt[k], colour(k)) for k in range(1, 50)]
    if name == "superzahl":
        s = max(start, day_of("01.08.1995"))
        cnt = [0] * 50
        for date, nums, bonus, sz in draws:
            if s < date <= end and flt(date):
                for i in range(10):
                    cnt[i] += 1
                if sz < 50:
                    cnt[sz] = 1
        vals = cnt[0:10]
        return MSG[38], "axis: %d %d" % (min(vals), max(vals)), \
            ["%d %d %s" % (i, cnt[i], SERIES) for i in range(10)]
    if name in ("primes", "odd", "even"):
        prop = {"primes": lambda x: x in PRIMES, "odd": lambda x: x % 2 == 1,
                "even": lambda x: x % 2 == 0}[name]
        l1, l2, sep = {"primes": (44, 45, ". "), "odd": (46, 47, ".  "),
                       "even": (48, 49, ".  ")}[name]
        cnt = [0] * 7
        n = 0
        for date, nums, bonus, sz in draws:
            if start < date <= end and flt(date):
                n += 1
                cnt[sum(1 for x in nums if prop(x))] += 1
        S = sum(c * cnt[c] for c in range(7))
        pct = round_even(100 * S / (6 * n)) if n else 0
        title = "%s %d %s%s%d%% %s." % (MSG[l1], n, MSG[1], sep, pct, MSG[l2])
        return title, "axis: %d %d" % (min(cnt), max(cnt)), \
            ["%d %d %s" % (c, cnt[c], SERIES) for c in range(7)]
    raise ValueError(name)


def read_tips(path):
    """Tip file rows as lists of int or None (field empty)."""
    rows = [[None] * 6 for _ in range(12)]
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    for r in range(min(12, len(lines))):
        s = lines[r]
        fields = []
        for p in range(5):
            i = s.find(",")
            if i >= 0:
                fields.append(s[:i])
                s = s[i + 1:]
            else:
                fields.append("")
        i = s.find(":")
        fields.append(s[:i] if i >= 0 else s)
        row = []
        for t in fields:
            t = t.strip()
            v = None
            if t.isdigit():
                v = int(t)
                if not 1 <= v <= 49:
                    v = None
            row.append(v)
        rows[r] = row
    return rows


def cli_args(draws, start, end, cb16, cb17, name, tips=None):
    args = ["--draws", draws, "--from", text_of(start), "--date", text_of(end),
            "--set", "CheckBox16=%d" % cb16, "--set", "CheckBox17=%d" % cb17]
    if tips:
        args += ["--tips", tips]
    return args + ["chart", name]


def make_tip_file(path, rng, empty_row=None):
    lines = []
    for r in range(12):
        if r == empty_row:
            lines.append(",,,,,")
        else:
            lines.append(",".join(str(x) for x in sorted(rng.sample(range(1, 50), 6))))
    lines.append("123456")
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("latin-1"))


def make_own_draws(path, rng, first, last, step_days):
    out = []
    d = first
    while d <= last:
        nums = rng.sample(range(1, 50), 6)
        rest = [x for x in range(1, 50) if x not in nums]
        out.append((d, nums, rng.choice(rest), rng.randrange(10)))
        d += rng.choice(step_days)
    write_draws(path, out)
    return out


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--cli", required=True)
    ap.add_argument("--draws", help="shipped draw file to check as well")
    ap.add_argument("--work", default="/tmp/check_charts")
    ap.add_argument("--cases", type=int, default=40)
    ap.add_argument("--damaged", action="store_true",
                    help="also check a draw file with damaged records (a number twice, 0, 50, 255)")
    args = ap.parse_args()
    os.makedirs(args.work, exist_ok=True)
    rng = random.Random(4711)

    files = []
    own = os.path.join(args.work, "own.dat")
    first = day_of("01.01.1996")
    draws = make_own_draws(own, rng, first, first + 600, [1, 2, 3, 4, 5])
    files.append((own, draws, []))
    # runs, bonus-completed runs, duplicates-free consecutive draws
    special = os.path.join(args.work, "special.dat")
    sd = day_of("05.08.1995")  # Saturday
    sdraws = [
        (sd - 7, [21, 22, 33, 40, 41, 42], 23, 5),
        (sd - 4, [5, 6, 8, 19, 26, 27], 7, 2),
        (sd, [3, 4, 5, 17, 30, 31], 6, 3),
        (sd + 1, [1, 2, 3, 4, 48, 49], 5, 9),
        (sd + 4, [10, 11, 12, 13, 14, 15], 16, 0),
        (sd + 7, [2, 3, 5, 7, 11, 13], 17, 3),
        (sd + 9, [44, 45, 46, 47, 1, 20], 48, 7),
        (sd + 11, [1, 9, 49, 2, 24, 36], 8, 1),
        (sd + 14, [6, 7, 8, 9, 10, 22], 11, 3),
    ]
    write_draws(special, sdraws)
    files.append((special, sdraws, []))
    # ties of the mean cross sum (166.5, 167.5) and of the percentages (32.5, 67.5)
    td = day_of("07.01.2012")  # Saturday
    ties = [(td, [20, 25, 30, 35, 40, 16], 1, 0), (td + 7, [20, 25, 30, 35, 40, 17], 2, 1),
            (td + 14, [20, 25, 30, 35, 40, 18], 3, 2)]
    ties += [(td + 21 + 7 * i, [2, 3, 4, 6, 8, 10] if i else [2, 4, 6, 8, 10, 12], 1, 0)
             for i in range(20)]
    ties += [(td + 161 + 7 * i, [1, 3, 4, 6, 8, 10] if i else [1, 4, 6, 8, 10, 12], 1, 0)
             for i in range(20)]
    tiefile = os.path.join(args.work, "ties.dat")
    write_draws(tiefile, ties)
    files.append((tiefile, ties, [(td, td + 7), (td + 7, td + 14), (td - 1, td + 7),
                                  (td + 20, td + 21 + 7 * 19), (td + 160, td + 161 + 7 * 19)]))
    if args.draws:
        files.append((args.draws, read_draws(args.draws), []))
    if args.damaged:
        # Records no valid draw has: the run charts count matches per drawn number (the row
        # check), so a number stored twice completes the runs on both sides of it, and a
        # stored 50 completes the run of four at 47.
        dd = day_of("04.07.2020")  # Saturday
        damaged = [(dd, [4, 4, 10, 20, 30, 40], 5, 1), (dd + 1, [12, 13, 13, 0, 33, 255], 14, 2),
                   (dd + 4, [47, 48, 49, 50, 1, 10], 2, 3), (dd + 7, [0, 0, 0, 7, 8, 9], 0, 4)]
        path = os.path.join(args.work, "damaged.dat")
        write_draws(path, damaged)
        files.append((path, damaged, []))

    tipfiles = []
    for i, er in enumerate([None, 1, 5]):
        tp = os.path.join(args.work, "tips%d.qkt" % i)
        make_tip_file(tp, rng, er)
        tipfiles.append(tp)
    # loose lines: leading zero, ":" suffix, short line, surplus field, out-of-range numbers,
    # a number twice, fewer than twelve lines
    tp = os.path.join(args.work, "tips-loose.qkt")
    with open(tp, "wb") as f:
        f.write("\r\n".join(["07,12,19,28,33,47", "5,5,19,28,33,47:x", "3,3,3,3,3,3",
                              "1,2,3", "5,12,19,28,33,47,8"]).encode("latin-1") + b"\r\n")
    tipfiles.append(tp)
    tp = os.path.join(args.work, "tips-range.qkt")
    with open(tp, "wb") as f:
        f.write(b"1,2,3,4,5,6\r\n10,11,12,13,14,50\r\n20,21,22,23,24,25\r\n")
    tipfiles.append(tp)

    cases = []  # (file, its draws, start, end, CheckBox16, CheckBox17, chart, tip file)
    for path, dr, extra in files:
        dates = sorted(set(int(d) for d, _, _, _ in dr))
        periods = list(extra)
        if dates:
            periods.append((dates[0], dates[-1]))
            periods.append((dates[0] - 1, dates[-1] + 1))
            for _ in range(args.cases if len(dates) > 1 else 0):
                a, b = sorted(rng.sample(dates, 2))
                periods.append((a, b))
            # empty period: a window with no draw inside
            periods.append((dates[-1] + 5, dates[-1] + 30))
            periods.append((dates[0] - 40, dates[0] - 1))
            periods.append((dates[0], dates[0]))
            periods.append((dates[-1], dates[-1]))
        for (a, b) in periods:
            for cb16, cb17 in [(1, 1), (1, 0), (0, 1), (0, 0)]:
                for name in CHARTS:
                    for tp in tipfiles if name == "tips" else [None]:
                        cases.append((path, dr, a, b, cb16, cb17, name, tp))

    cli_cases = [cli_args(path, a, b, cb16, cb17, name, tp)
                 for path, _, a, b, cb16, cb17, name, tp in cases]
    batch = Batch(args.cli, cli_cases)
    tips = {tp: read_tips(tp) for tp in tipfiles}
    expected = []
    for path, dr, a, b, cb16, cb17, name, tp in cases:
        title, axis, pts = chart(name, dr, a, b, cb16, cb17, tips.get(tp))
        expected.append("\n".join([title, axis] + pts) + "\n")

    try:
        results = batch.results()
    except RuntimeError as e:
        print(e)
        return 1
    bad = 0
    for case, cmd, exp, (rc, out) in zip(cases, cli_cases, expected, results):
        if rc == 0 and out == exp:
            continue
        bad += 1
        if bad > 30:
            continue
        path, _, a, b, cb16, cb17, name, tp = case
        print("MISMATCH %s %s..%s cb16=%d cb17=%d %s%s" %
              (os.path.basename(path), text_of(a), text_of(b), cb16, cb17, name,
               " " + os.path.basename(tp) if tp else ""))
        # The batch keeps no stderr per case: run this one alone to show its message.
        rc, out, err = run_one(args.cli, cmd)
        got = out + err
        el = exp.splitlines()
        gl = got.splitlines()
        for i in range(max(len(el), len(gl))):
            e = el[i] if i < len(el) else "<none>"
            g = gl[i] if i < len(gl) else "<none>"
            if e != g:
                print("  line %d expected: %r" % (i + 1, e))
                print("  line %d got:      %r" % (i + 1, g))
    print("compared %d cases, %d mismatches" % (len(cases), bad))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
