#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Independent checker of `vendrilo-cli wheel NUMBERS --guarantee G`.

Written from the output contract alone: the rows, one per line as six ascending numbers
separated by commas, then `rows: N`, then `verified: K if M` (or `verified: full`). Every
printed wheel is checked here by brute force: each way K..M of the winning numbers can fall
among NUMBERS is tried against every row (a full wheel must hold every six of NUMBERS exactly
once). Refused calls must print nothing on stdout.

  check_wheel.py verify NUMBERS G < OUTPUT      check one output
  check_wheel.py fuzz --cli PATH [--cases N] [--seed S]
      random numbers and guarantees through one batch process; exit 1 on any mismatch
"""
import argparse
import itertools
import math
import random
import sys

from cli_batch import Batch, run_one


def parse_guarantee(text):
    if text == "full":
        return None
    k, m = text.split("if")
    return int(k), int(m)


def check_output(numbers, guarantee, out):
    """The problems of one output, as a list of words for the report."""
    lines = out.split("\n")
    if lines[-1] != "":
        return ["no line end at the end"]
    lines = lines[:-1]
    if len(lines) < 2:
        return ["too few lines"]
    g = parse_guarantee(guarantee)
    want = "verified: full" if g is None else "verified: %d if %d" % g
    problems = []
    if lines[-1] != want:
        problems.append("last line %r, wanted %r" % (lines[-1], want))
    rows = []
    for line in lines[:-2]:
        parts = line.split(",")
        try:
            row = [int(p) for p in parts]
        except ValueError:
            return ["not a row: %r" % line]
        if len(row) != 6 or row != sorted(set(row)) or any(x not in numbers for x in row):
            return ["bad row %r" % line]
        if ",".join(str(x) for x in row) != line:
            return ["row not written plainly: %r" % line]
        rows.append(row)
    if lines[-2] != "rows: %d" % len(rows):
        problems.append("%r for %d rows" % (lines[-2], len(rows)))
    # Bit masks over the chosen numbers for a quick brute force.
    bit = {x: 1 << i for i, x in enumerate(sorted(numbers))}
    masks = [sum(bit[x] for x in row) for row in rows]
    if g is None:
        if sorted(masks) != sorted(sum(bit[x] for x in c) for c in itertools.combinations(numbers, 6)):
            problems.append("not every six exactly once")
        return problems
    k, m = g
    for draw in itertools.combinations(sorted(numbers), m):
        d = sum(bit[x] for x in draw)
        if not any((d & r).bit_count() >= k for r in masks):
            problems.append("no row holds %d of %s" % (k, draw))
            break
    return problems


def random_case(rng):
    """Numbers and a guarantee whose brute force stays quick."""
    while True:
        n = rng.choice([7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 23, 26, 30, 33, 40])
        numbers = sorted(rng.sample(range(1, 50), n))
        if rng.random() < 0.15 and n <= 10:
            return numbers, "full", math.comb(n, 6)
        k = rng.randint(2, 5)
        m = rng.randint(k, 6)
        work = math.comb(n, m)
        if work * (5 if k <= 3 else 50) <= 3_000_000 and (n <= 30 or k <= m // 2):
            return numbers, "%dif%d" % (k, m), work


def fuzz(args):
    rng = random.Random(args.seed)
    cases = []
    for _ in range(args.cases):
        numbers, g, _ = random_case(rng)
        extra = ["--seed", str(rng.randint(1, 10**6))] if rng.random() < 0.5 else []
        # A choice beyond the library is searched for; a second is enough for these sizes.
        cases.append((numbers, g, extra + ["wheel", ",".join(map(str, numbers)), "--guarantee", g,
                                           "--seconds", "1"]))
    batch = Batch(args.cli, [c[2] for c in cases])
    bad = 0
    for (numbers, g, argv), (status, out) in zip(cases, batch.results()):
        problems = ["exit %d" % status] if status != 0 else check_output(set(numbers), g, out)
        if problems:
            bad += 1
            print("MISMATCH %s: %s" % (" ".join(argv), "; ".join(problems)))
            if bad <= 3:
                print(run_one(args.cli, argv)[2])
    print("cases %d, mismatches %d" % (len(cases), bad))
    return 1 if bad else 0


def main():
    parser = argparse.ArgumentParser()
    sub = parser.add_subparsers(dest="mode", required=True)
    v = sub.add_parser("verify")
    v.add_argument("numbers")
    v.add_argument("guarantee")
    f = sub.add_parser("fuzz")
    f.add_argument("--cli", required=True)
    f.add_argument("--cases", type=int, default=100)
    f.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if args.mode == "fuzz":
        return fuzz(args)
    numbers = set(int(x) for x in args.numbers.split(","))
    problems = check_output(numbers, args.guarantee, sys.stdin.read())
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
