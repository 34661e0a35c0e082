#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent checker for `vendrilo-cli show` and `vendrilo-cli evaluate`.

Computes the expected output from a draw file, a date, a tip file and row
locks, written from the program's documented behaviour without looking at
the C++ code.  Two modes:

  check_evaluate.py expect --draws F --date DD.MM.YYYY [--tips T] [--lock L] show|evaluate
      print the expected output

  check_evaluate.py fuzz --cli PATH --draws F [--cases N] [--seed S] [--workdir D]
      run many random sheets and dates through the CLI (all of them through one
      `vendrilo-cli batch` process) and report differences; exit status 1 when
      any output differs
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
WEEKDAYS = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]


# ---------------------------------------------------------------- draw file
@functools.lru_cache(maxsize=None)  # a file is read once; the fuzzer asks for it in every case
def read_draws(path):
    data = open(path, "rb").read()
    recs = []
    for i in range(len(data) // 32):
        chunk = data[i * 32:(i + 1) * 32]
        (date,) = struct.unpack("<d", chunk[:8])
        recs.append((date, tuple(chunk[8:16])))
    return recs


def day_number(text):
    d, m, y = (int(x) for x in text.split("."))
    return float((datetime.date(y, m, d) - EPOCH).days)


def fmt_label_date(value):
    day = EPOCH + datetime.timedelta(days=int(value // 1))
    return "%s %02d.%02d.%02d" % (WEEKDAYS[day.weekday()], day.day, day.month, day.year % 100)


class Shown:
    def __init__(self):
        self.zahl = [0] * 8
        self.label29 = ""
        self.label13 = "QS: "
        self.position = 0


def show_record(state, rec, blanks):
    date, nums = rec
    state.zahl = list(nums)
    text = fmt_label_date(date) + " " * blanks
    for n in state.zahl[:6]:
        text += "  " + str(n)
    state.label29 = text
    state.label13 = "QS: " + str(sum(state.zahl[:6]))


def date_search(recs, akt, state):
    """Draw search: first record on or after akt, else the last record."""
    akt = float(round(akt))
    state.position = 1
    idx = 0
    last = None
    if recs:
        last = recs[0]
        idx = 1
        if last[0] >= akt:
            show_record(state, last, 3)
    while idx < len(recs) and akt > last[0]:
        last = recs[idx]
        idx += 1
        state.position += 1
        if last[0] >= akt:
            show_record(state, last, 2)
    state.position -= 1
    if idx >= len(recs) and last is not None and last[0] > 0:
        show_record(state, last, 2)
    return state


# ---------------------------------------------------------------- tip sheet
def to_int(text):
    """Whole-number conversion: leading blanks, optional sign, decimal digits."""
    t = text.lstrip(" \t")
    if not t:
        return None
    body = t[1:] if t[0] in "+-" else t
    if not body or not all(c in "0123456789" for c in body):
        return None
    v = int(t)
    if v < -2 ** 31 or v > 2 ** 31 - 1:
        return None
    return v


def normalise(text):
    v = to_int(text)
    if v is None or v >= 50 or v <= 0:
        return ""
    return str(v)


def split_lines(data):
    """Lines of a text file: CR LF, LF or a lone CR end a line."""
    lines = []
    cur = bytearray()
    i = 0
    n = len(data)
    while i < n:
        c = data[i]
        if c == 0x0D:
            lines.append(bytes(cur))
            cur = bytearray()
            if i + 1 < n and data[i + 1] == 0x0A:
                i += 1
        elif c == 0x0A:
            lines.append(bytes(cur))
            cur = bytearray()
        else:
            cur.append(c)
        i += 1
    if cur:
        lines.append(bytes(cur))
    return [l.decode("latin-1") for l in lines]


def split_row(s):
    fields = []
    for _ in range(5):
        k = s.find(",")
        if k < 0:
            fields.append("")
        else:
            fields.append(s[:k])
            s = s[k + 1:]
    k = s.find(":")
    fields.append(s[:k] if k >= 0 else s)
    return fields


def load_tips(path, sheet, locks):
    # clearing empties unlocked rows; the sheet starts empty anyway
    for r in range(12):
        if r not in locks:
            sheet[r] = [""] * 6
    if path is None:
        return
    lines = split_lines(open(path, "rb").read())
    for r in range(12):
        if r >= len(lines):
            break
        sheet[r] = [normalise(f) for f in split_row(lines[r])]


def evaluate(sheet, zahl):
    stat = [[0, 0] for _ in range(7)]
    out = []
    for r in range(12):
        row = sheet[r]
        nums = [to_int(f) for f in row]
        if any(v is None for v in nums):
            out.append("%d\t%s\t\t" % (r + 1, ",".join(row)))
            continue
        qs = sum(nums)
        nums.sort()
        row = [str(v) for v in nums]
        sheet[r] = row
        gewinn = 0
        for i in range(6):
            for k in range(6):
                if nums[k] == zahl[i]:
                    gewinn += 1
        zusatz = any(nums[k] == zahl[6] for k in range(6))
        stat[min(gewinn, 6)][1 if zusatz else 0] += 1
        label = str(gewinn) + (" + B" if zusatz else "")
        out.append("%d\t%s\t%s\t%d" % (r + 1, ",".join(row), label, qs))
    flat = []
    for h in range(7):
        flat += stat[h]
    out.append("Statistik: " + " ".join(str(x) for x in flat))
    return out


def expected(draws_path, date_text, tips_path, locks, command):
    recs = read_draws(draws_path)
    state = date_search(recs, day_number(date_text), Shown())
    if command == "show":
        return [state.label29, state.label13, "Position: %d" % state.position]
    sheet = [[""] * 6 for _ in range(12)]
    load_tips(tips_path, sheet, locks)
    return evaluate(sheet, state.zahl)


# ---------------------------------------------------------------- fuzzing
def rand_field(rng):
    k = rng.random()
    if k < 0.55:
        return str(rng.randint(1, 49))
    choices = ["", "0", "50", "07", "007", "49", "x", "-3", "+5", "12a", "99",
               "00", "1", "-0", "0049", "5x", "100", "4294967301", "é", "1.0",
               " 7", "\t12", "+49", " +3", "8 ", "$10", "0x10", "1 2", "--5"]
    return rng.choice(choices)


def rand_line(rng):
    k = rng.random()
    if k < 0.45:
        nums = rng.sample(range(1, 50), 6)
        return ",".join(map(str, nums))
    if k < 0.55:
        nums = [rng.randint(1, 49) for _ in range(6)]
        nums[rng.randrange(6)] = nums[rng.randrange(6)]
        return ",".join(map(str, nums))
    if k < 0.8:
        nfields = rng.choice([1, 2, 3, 4, 5, 6, 6, 6, 7, 8])
        line = ",".join(rand_field(rng) for _ in range(nfields))
    else:
        line = rng.choice([",,,,,", "", "1,2,3", "5,12,19,28,33,47:x",
                           "5,12,19,28,33,47,8", "07,8,9,10,11,12",
                           "1,2,3,4,5,6:7,8", "1:2,3,4,5,6,7", "a,b,c,d,e,f"])
    if rng.random() < 0.1:
        line += ":" + rand_field(rng)
    if rng.random() < 0.05:
        line += ","
    return line


def rand_tipfile(rng, path):
    nlines = rng.choice([0, 1, 3, 5, 11, 12, 12, 12, 13, 13, 13, 14, 16])
    lines = [rand_line(rng) for _ in range(min(nlines, 12))]
    if nlines >= 13:
        lines.append(str(rng.randint(0, 9999999)))
    for _ in range(13, nlines):
        lines.append(rand_line(rng))
    eol = rng.choice(["\r\n", "\r\n", "\r\n", "\n", "\r"])
    text = eol.join(lines)
    if lines and rng.random() < 0.8:
        text += eol
    open(path, "wb").write(text.encode("latin-1"))


def fmt_date(day):
    d = EPOCH + datetime.timedelta(days=day)
    return "%02d.%02d.%04d" % (d.day, d.month, d.year)


def rand_date(rng, recs):
    dates = sorted({int(r[0]) for r in recs if r[0] > 1000}) or [45000]
    k = rng.random()
    if k < 0.35:
        return fmt_date(rng.choice(dates))
    if k < 0.7:
        return fmt_date(rng.randint(dates[0], dates[-1]))
    if k < 0.85:
        return fmt_date(rng.randint(max(1, dates[0] - 800), dates[0]))
    return fmt_date(rng.randint(dates[-1], dates[-1] + 800))


def fuzz(cli, draws, cases, seed, workdir, draw_tips=None):
    rng = random.Random(seed)
    recs = read_draws(draws)
    os.makedirs(workdir, exist_ok=True)
    runs = []  # (case, command, arguments, tip file, locks)
    for c in range(cases):
        date = rand_date(rng, recs)
        tip = os.path.join(workdir, "t%d.qkt" % c)
        rand_tipfile(rng, tip)
        locks = sorted(rng.sample(range(12), rng.choice([0, 0, 1, 3])))
        for cmd in ("show", "evaluate"):
            args = ["--draws", draws, "--date", date]
            if cmd == "evaluate":
                args += ["--tips", tip]
                if locks:
                    args += ["--lock", ",".join(str(r + 1) for r in locks)]
            args.append(cmd)
            runs.append((c, cmd, args, tip, locks))
    # The weekday names of the show line are the C locale's.
    env = dict(os.environ, LC_ALL="C")
    batch = Batch(cli, [args for _, _, args, _, _ in runs], env=env)
    wanted = [expected(draws, args[3], tip if cmd == "evaluate" else None, set(locks), cmd)
              for _, cmd, args, tip, locks in runs]
    bad = 0
    for (c, cmd, args, tip, locks), want, (rc, out) in zip(runs, wanted, batch.results()):
        got = out.split("\n")
        if got and got[-1] == "":
            got.pop()
        if rc != 0 or got != want:
            bad += 1
            if bad <= 10:
                # The batch keeps no stderr per case: run this one alone to show its message.
                err = run_one(cli, args, env)[2]
                print("MISMATCH case %d: %s (rc %d) %s" % (c, " ".join(args), rc, err.strip()))
                for i in range(max(len(got), len(want))):
                    g = got[i] if i < len(got) else None
                    w = want[i] if i < len(want) else None
                    if g != w:
                        print("   line %d got  %r" % (i + 1, g))
                        print("   line %d want %r" % (i + 1, w))
    print("cases %d, commands %d, mismatches %d" % (cases, cases * 2, bad))
    return bad


def main():
    ap = argparse.ArgumentParser()
    sub = ap.add_subparsers(dest="mode", required=True)
    e = sub.add_parser("expect")
    e.add_argument("--draws", required=True)
    e.add_argument("--date", required=True)
    e.add_argument("--tips")
    e.add_argument("--lock", default="")
    e.add_argument("command", choices=["show", "evaluate"])
    f = sub.add_parser("fuzz")
    f.add_argument("--cli", required=True)
    f.add_argument("--draws", required=True)
    f.add_argument("--cases", type=int, default=200)
    f.add_argument("--seed", type=int, default=1)
    f.add_argument("--workdir", default="/tmp/check_evaluate")
    a = ap.parse_args()
    if a.mode == "expect":
        locks = {int(x) - 1 for x in a.lock.split(",") if x}
        for line in expected(a.draws, a.date, a.tips, locks, a.command):
            print(line)
        return 0
    return 1 if fuzz(a.cli, a.draws, a.cases, a.seed, a.workdir) else 0


if __name__ == "__main__":
    sys.exit(main())
