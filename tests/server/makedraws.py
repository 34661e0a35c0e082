#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a draw file for the server tests, independently of the program's own writer.

  makedraws.py FILE 'DD.MM.YYYY n1 n2 n3 n4 n5 n6' ...

Each argument becomes one 32-byte record in the order given: the date as a little-endian double
of days since 30.12.1899, the six numbers, bonus 17 and Superzahl 3 (which no answer may show),
and Spiel77, Super6 and spare bytes filled with 9s for the same reason. The file is written to
a temporary name and renamed, as an updating program would.
"""
import datetime
import os
import struct
import sys

EPOCH = datetime.date(1899, 12, 30)


def record(text):
    date, *numbers = text.split()
    day, month, year = (int(x) for x in date.split("."))
    days = (datetime.date(year, month, day) - EPOCH).days
    return struct.pack("<d6BBB", float(days), *(int(n) for n in numbers), 17, 3) + b"\x09" * 16


def main():
    path = sys.argv[1]
    with open(path + ".new", "wb") as f:
        for text in sys.argv[2:]:
            f.write(record(text))
    os.replace(path + ".new", path)


if __name__ == "__main__":
    main()
