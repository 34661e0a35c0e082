#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli show and evaluate against the independent model in tools/check_evaluate.py:
# random dates (on, between, before and after the draws), random tip files (loose fields, signs,
# blanks, short and long files, three kinds of line ends) and row locks, over the shipped
# history, the fixtures with bonus numbers, and a file with records out of order, on day 0 and
# with numbers no valid draw has. All cases of a file go through one batch process.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
checker=$here/../../tools/check_evaluate.py
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3

# The shipped history, as a first start writes it.
cp "$cli" "$tmp/vendrilo-cli"
"$tmp/vendrilo-cli" draws >/dev/null || fail "writing the shipped history"

python3 - "$tmp/odd.dat" <<'END'
import random, struct, sys
rng = random.Random(17)
day = 43900.0  # 10.03.2020
records = []
for i in range(80):
    numbers = rng.sample(range(1, 50), 6)
    if i % 9 == 0:
        numbers[2] = numbers[1]                   # a number twice
    if i % 13 == 0:
        numbers[0] = rng.choice([0, 50, 255])     # no lottery number
    date = day
    if i % 11 == 5:
        date = day - rng.randint(1, 20)           # out of order
    if i % 17 == 3:
        date = 0.0                                # day 0
    records.append(struct.pack("<d", date) + bytes(numbers) +
                   bytes([rng.randint(0, 49), rng.randrange(10)]) + bytes(16))
    day += rng.randint(1, 4)
open(sys.argv[1], "wb").write(b"".join(records))
END

# check FILE CASES SEED
check() {
    python3 "$checker" fuzz --cli "$cli" --draws "$1" --cases "$2" --seed "$3" --workdir "$tmp/work" \
        >"$tmp/log" 2>&1
    local status=$?
    if [ $status -eq 0 ] && grep -qx "cases $2, commands $(($2 * 2)), mismatches 0" "$tmp/log"; then ok
    else fail "$(basename "$1"): status $status"; head -30 "$tmp/log"; fi
}
check "$tmp/ZahlenPL.dat" 400 1
check "$here/../fixtures/draws-three.dat" 300 2
check "$here/../fixtures/chartweek.dat" 300 3
check "$tmp/odd.dat" 300 4

finish "evaluate model"
