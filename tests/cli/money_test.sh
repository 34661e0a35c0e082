#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli prizes [--plus] and odds: the acceptance examples, then random sheets and dates
# against the independent model in tools/check_money.py.
set -u
cli=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3
cp "$cli" "$tmp/vendrilo-cli"
cli=$tmp/vendrilo-cli
"$cli" draws >/dev/null || fail "writing the shipped history"
cmp -s "$tmp/QuotenPL.csv" "$data/polish-lotto-payouts.csv" && ok || fail "payout table written"
: >"$tmp/ZahlenPLPlus.dat"
"$cli" --draws "$tmp/ZahlenPLPlus.dat" import-draws "$here/../fixtures/lotto-plus-2025-2026.csv" \
    >/dev/null || fail "Lotto Plus draws"

tips() { printf '%s\r\n' "$@" >"$tmp/tips.qkt"; }
prizes() { "$cli" --tips "$tmp/tips.qkt" --date "$1" prizes "${@:2}"; }

# 27.05.2023 drew 24 31 33 34 44 49: four hits pay 269.60, five 6672.70; nobody had six.
tips 24,31,33,34,1,2 24,31,33,34,44,2 24,31,33,34,44,49 24,31,33,1,2,3 1,2,3,4,5,6 ",,,,,"
printf '1\t4\t269.60\n2\t5\t6672.70\n3\t6\t?\n4\t3\t24.00\n5\t0\t0.00\nstake: 15.00\nwon: 6966.30 ?\n' |
    diff -u - <(prizes 27.05.2023) && ok || fail "27.05.2023"
# Three hits: 24.00 on 18.08.2026, 35.00 on 20.08.2026; with Plus the Lotto Plus draw of the day.
tips 9,17,20,1,2,3
[ "$(prizes 18.08.2026)" = "$(printf '1\t3\t24.00\nstake: 3.00\nwon: 24.00')" ] && ok ||
    fail "18.08.2026: $(prizes 18.08.2026)"
tips 6,12,19,13,14,36 2,12,13,14,36,44 2,12,13,14,36,45 2,12,13,14,1,3 2,12,13,1,3,5
printf '%s\n' "1	3	35.00	4	100.00" "2	1	0.00	6	1000000.00" "3	1	0.00	5	3500.00" \
    "4	1	0.00	4	100.00" "5	1	0.00	3	10.00" "stake: 20.00" "won: 1003745.00" |
    diff -u - <(prizes 20.08.2026 --plus) && ok || fail "20.08.2026 with Plus"
# A draw the table does not hold: shared classes unknown; no Lotto Plus draw of that day.
tips 16,19,29,36,46,47 16,19,29,36,46,1 16,19,29,1,2,3
printf '%s\n' "1	6	?	-	-" "2	5	?	-	-" "3	3	24.00	-	-" "stake: 12.00" "won: 24.00 ?" |
    diff -u - <(prizes 31.12.2022 --plus) && ok || fail "a draw before the table"

if python3 "$here/../../tools/check_money.py" "$cli" "$data/polish-lotto-payouts.csv" 22 30; then
    ok
else
    fail "model"
fi
"$cli" odds extra >/dev/null 2>&1
[ $? -eq 2 ] && ok || fail "odds with an argument: not a usage error"
# A damaged prize table: both commands fail before they print anything.
cp "$tmp/QuotenPL.csv" "$tmp/QuotenPL.good"
printf 'not a prize table\n' >"$tmp/QuotenPL.csv"
for command in prizes odds; do
    out=$("$cli" --tips "$tmp/tips.qkt" --date 20.08.2026 "$command" 2>"$tmp/err")
    status=$?
    [ $status -eq 2 ] && [ -z "$out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok ||
        fail "$command with a damaged prize table: status $status, stdout '$out'"
done
mv "$tmp/QuotenPL.good" "$tmp/QuotenPL.csv"
finish money
