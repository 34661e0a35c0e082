#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `vendrilo-cli generate` against its contract: twelve row strings, the status text and the pass
# count; the same seed gives the same output; exit status 3 when the run cannot start.
# --today pins the chosen day and the default statistics start, which otherwise follow the
# machine's clock.
set -u
CLI=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Every line of a run's output: 12 rows of six ascending different numbers 1..49 (or ",,,,,"),
# then the status text and "passes: N".
check_shape() { # name file
    awk -v name="$1" '
        NR <= 12 {
            if ($0 == ",,,,,") next
            n = split($0, f, ",")
            if (n != 6) { print name ": row " NR " has " n " fields: " $0; bad = 1; next }
            for (i = 1; i <= 6; i++) {
                if (f[i] !~ /^[1-9][0-9]?$/ || f[i] + 0 > 49) { print name ": row " NR ": " $0; bad = 1 }
                if (i > 1 && f[i] + 0 <= f[i - 1] + 0) { print name ": row " NR " not ascending: " $0; bad = 1 }
            }
        }
        NR == 13 && $0 != "Tipps wurden neu berechnet" && $0 != "Ändern Sie die Parameter um 12 Tipps zuberechnen" {
            print name ": status " $0; bad = 1 }
        NR == 14 && $0 !~ /^passes: [0-9]+$/ { print name ": " $0; bad = 1 }
        END { if (NR != 14) { print name ": " NR " lines"; bad = 1 } exit bad }
    ' "$2" >&2 || fail "$1: shape"
}

# Determinism: the same seed, date and options twice give the same output.
for seed in 1 4711 99999999; do
    "$CLI" --seed $seed --today 01.06.2023 generate >"$tmp/a" 2>"$tmp/err" || fail "seed $seed: exit $?"
    "$CLI" --seed $seed --today 01.06.2023 generate >"$tmp/b" 2>>"$tmp/err" || fail "seed $seed: exit $?"
    cmp -s "$tmp/a" "$tmp/b" || fail "seed $seed: two runs differ"
    check_shape "seed $seed" "$tmp/a"
    [ "$(sed -n 13p "$tmp/a")" = "Tipps wurden neu berechnet" ] || fail "seed $seed: status"
done
"$CLI" --seed 2 --today 01.06.2023 generate >"$tmp/c"
cmp -s "$tmp/a" "$tmp/c" && fail "seeds 99999999 and 2 give the same sheet"

# With the defaults no row holds a number or the bonus number of draw A, the first draw on or
# after the chosen date.
"$CLI" draws >"$tmp/draws.txt" || fail "draws listing"
for date in 02.01.2019 14.03.2020 01.06.2023; do
    "$CLI" --seed 17 --today 01.06.2023 --date $date generate >"$tmp/run" || fail "$date: exit $?"
    check_shape "date $date" "$tmp/run"
    awk -F, -v date=$date '
        function key(d) { split(d, p, "."); return p[3] p[2] p[1] }
        FNR == NR { if (!found && key($1) >= key(date)) { found = 1; for (i = 2; i <= 8; i++) a[$i] = 1 } next }
        FNR <= 12 && $0 != ",,,,," { for (i = 1; i <= 6; i++) if ($i in a) { print date ": row " FNR " holds " $i " of draw A"; bad = 1 } }
        END { exit bad }
    ' "$tmp/draws.txt" "$tmp/run" >&2 || fail "$date: numbers of draw A"
done

# A budget too small for rows no candidate can meet: every row empty, the budget used up.
"$CLI" --seed 5 --today 01.06.2023 --set UpDown7=1 --set UpDown1=21 --set UpDown2=21 \
    --set CheckBox18=1 generate >"$tmp/out" || fail "unreachable rows: exit $?"
{
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12; do echo ",,,,,"; done
    echo "Ändern Sie die Parameter um 12 Tipps zuberechnen"
    echo "passes: 1000"
} | diff -u - "$tmp/out" >&2 || fail "unreachable rows"

# Limits that no row can meet together are refused before anything runs, and named.
"$CLI" --seed 5 --today 01.06.2023 --set CheckBox25=1 --set CheckBox26=1 \
    --set UpDown15=4 --set UpDown16=4 generate >"$tmp/out" 2>"$tmp/err"
[ $? -eq 3 ] || fail "impossible options: not refused"
[ -s "$tmp/out" ] && fail "impossible options: rows printed"
grep -q "ungeraden" "$tmp/err" || fail "impossible options: '$(cat "$tmp/err")'"

# Three active rows and a locked row from a tip file: rows 4..12 empty but the locked one.
printf '\r\n\r\n\r\n\r\n\r\n\r\n7,14,21,28,35,42\r\n\r\n\r\n\r\n\r\n\r\n\r\n' >"$tmp/tips.qkt"
"$CLI" --seed 9 --today 01.06.2023 --set UpDown8=3 --tips "$tmp/tips.qkt" --lock 7 generate \
    >"$tmp/out" || fail "locked row: exit $?"
check_shape "locked row" "$tmp/out"
[ "$(sed -n 7p "$tmp/out")" = "7,14,21,28,35,42" ] || fail "locked row 7 changed"
for r in 4 5 6 8 9 10 11 12; do
    [ "$(sed -n ${r}p "$tmp/out")" = ",,,,," ] || fail "row $r beyond the active count is filled"
done
for r in 1 2 3; do
    [ "$(sed -n ${r}p "$tmp/out")" != ",,,,," ] || fail "row $r is empty"
done

# The run cannot start: a locked row without six numbers, a pool without six numbers.
"$CLI" --seed 1 --today 01.06.2023 --lock 2 generate >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 3 ] || fail "empty locked row: exit $status"
[ -s "$tmp/out" ] && fail "empty locked row: rows printed"
grep -q "2. Tipp" "$tmp/err" || fail "empty locked row: message does not name the row: $(cat "$tmp/err")"

"$CLI" --seed 1 --today 01.06.2023 --set CheckBox15=1 --set CheckBox14=0 --set CheckBox10=0 generate >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 3 ] || fail "empty pool: exit $status"
[ -s "$tmp/out" ] && fail "empty pool: rows printed"
[ -s "$tmp/err" ] || fail "empty pool: no message"

# A bad option is a usage error.
"$CLI" --seed 1 --today 01.06.2023 --set UpDown99=1 generate >"$tmp/out" 2>/dev/null
status=$?
[ $status -eq 2 ] || fail "unknown option: exit $status"

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "generate: all checks passed"
