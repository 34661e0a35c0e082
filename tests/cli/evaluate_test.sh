#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `vendrilo-cli evaluate` against its contract: a tiny draw file with known answers, then random
# sheets and dates on the shipped history, each checked by an independent computation in awk.
set -u
CLI=$1
DATA=$2
FIXTURES=$DATA/../tests/fixtures
DRAWS=$FIXTURES/draws-three.dat
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expect_output() { # name expected-file command...
    local name=$1 expected=$2
    shift 2
    if ! "$@" >"$tmp/out" 2>"$tmp/err"; then
        fail "$name: exit status $? ($(cat "$tmp/err"))"
        return
    fi
    diff -u "$expected" "$tmp/out" >"$tmp/diff" || { fail "$name"; cat "$tmp/diff" >&2; }
}

printf '49,3,22,14,41,30\r\n1,2,3,4,5,6\r\n1,2,3\r\n14,22,30,3,41,048\r\n' >"$tmp/tips.qkt"

# Against the draw of 06.01.2021: 3 14 22 30 41 48, bonus 49.
{
    printf '1\t3,14,22,30,41,49\t5 + B\t159\n'
    printf '2\t1,2,3,4,5,6\t1\t21\n'
    printf '3\t1,2,,,,3\t\t\n'
    printf '4\t3,14,22,30,41,48\t6\t158\n'
    for r in 5 6 7 8 9 10 11 12; do printf '%s\t,,,,,\t\t\n' "$r"; done
    printf 'Statistik: 0 0 1 0 0 0 0 0 0 0 0 1 1 0\n'
} >"$tmp/expected-jan6"
# A day between two draws shows the later one.
expect_output "between draws" "$tmp/expected-jan6" \
    "$CLI" --draws "$DRAWS" --date 04.01.2021 --tips "$tmp/tips.qkt" evaluate
expect_output "on the draw day" "$tmp/expected-jan6" \
    "$CLI" --draws "$DRAWS" --date 06.01.2021 --tips "$tmp/tips.qkt" evaluate

# Before the first draw: the first draw, 1 2 3 4 5 6 bonus 7.
{
    printf '1\t3,14,22,30,41,49\t1\t159\n'
    printf '2\t1,2,3,4,5,6\t6\t21\n'
    printf '3\t1,2,,,,3\t\t\n'
    printf '4\t3,14,22,30,41,48\t1\t158\n'
    for r in 5 6 7 8 9 10 11 12; do printf '%s\t,,,,,\t\t\n' "$r"; done
    printf 'Statistik: 0 0 2 0 0 0 0 0 0 0 0 0 1 0\n'
} >"$tmp/expected-first"
expect_output "before the first draw" "$tmp/expected-first" \
    "$CLI" --draws "$DRAWS" --date 01.01.2000 --tips "$tmp/tips.qkt" evaluate

# After the last draw: the last draw, 10..15 bonus 16; a locked row is read like any other.
{
    printf '1\t3,14,22,30,41,49\t1\t159\n'
    printf '2\t1,2,3,4,5,6\t0\t21\n'
    printf '3\t1,2,,,,3\t\t\n'
    printf '4\t3,14,22,30,41,48\t1\t158\n'
    for r in 5 6 7 8 9 10 11 12; do printf '%s\t,,,,,\t\t\n' "$r"; done
    printf 'Statistik: 1 0 2 0 0 0 0 0 0 0 0 0 0 0\n'
} >"$tmp/expected-last"
expect_output "after the last draw" "$tmp/expected-last" \
    "$CLI" --draws "$DRAWS" --date 31.12.2030 --lock 2,12 --tips "$tmp/tips.qkt" evaluate

# A date before 30.12.1899 (a negative day number) is taken as given: the first draw, not the
# draw of today.
printf 'Sat 02.01.21     1  2  3  4  5  6\nQS: 21\nPosition: 0\n' >"$tmp/expected-1850"
expect_output "date before day 0" "$tmp/expected-1850" \
    "$CLI" --draws "$DRAWS" --date 01.01.1850 show
expect_output "date before day 0, evaluated" "$tmp/expected-first" \
    "$CLI" --draws "$DRAWS" --date 29.12.1899 --tips "$tmp/tips.qkt" evaluate

# No tips: twelve empty rows, nothing counted.
{
    for r in 1 2 3 4 5 6 7 8 9 10 11 12; do printf '%s\t,,,,,\t\t\n' "$r"; done
    printf 'Statistik: 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n'
} >"$tmp/expected-empty"
expect_output "empty sheet" "$tmp/expected-empty" "$CLI" --draws "$DRAWS" --date 06.01.2021 evaluate

# An unreadable tips file: one line on stderr, status 2, nothing on stdout.
"$CLI" --draws "$DRAWS" --tips "$tmp/missing.qkt" evaluate >"$tmp/out" 2>"$tmp/err"
status=$?
[ "$status" -eq 2 ] || fail "missing tips file: status $status"
[ ! -s "$tmp/out" ] || fail "missing tips file: wrote to stdout"
[ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "missing tips file: stderr is not one line"
grep -q "missing.qkt" "$tmp/err" || fail "missing tips file: stderr does not name the file"

# Random sheets and dates on the shipped history (the program folder's draw file, written from
# it on first use), against an awk reading of the `draws` listing.
"$CLI" --date 01.01.2000 show >/dev/null || fail "show on the program folder's draw file"
"$CLI" draws >"$tmp/draws.txt" || fail "draws listing"
RANDOM=4711
for iteration in $(seq 1 40); do
    date=$(printf '%02d.%02d.%04d' $((1 + RANDOM % 28)) $((1 + RANDOM % 12)) $((1956 + RANDOM % 72)))
    : >"$tmp/random.qkt"
    for r in $(seq 1 12); do
        line=""
        hole=$((RANDOM % 5 == 0 ? 1 + RANDOM % 6 : 0))
        for p in 1 2 3 4 5 6; do
            n=$((1 + RANDOM % 49))
            [ $((RANDOM % 8)) -eq 0 ] && n=0$n
            [ "$p" -eq "$hole" ] && n=""
            [ "$p" -gt 1 ] && line=$line,
            line=$line$n
        done
        printf '%s\r\n' "$line" >>"$tmp/random.qkt"
    done
    "$CLI" --date "$date" --tips "$tmp/random.qkt" evaluate >"$tmp/got" 2>"$tmp/err" ||
        { fail "random $iteration: status $? ($(cat "$tmp/err"))"; continue; }
    awk -v when="$date" '
        function key(d) { return substr(d, 7, 4) substr(d, 4, 2) substr(d, 1, 2) }
        FNR == NR {
            split($0, f, ",")
            last = $0
            if (chosen == "" && key(f[1]) >= key(when)) chosen = $0
            next
        }
        FNR == 1 {
            if (chosen == "") chosen = last
            split(chosen, d, ",")
        }
        FNR <= 12 {
            sub(/\r$/, "")
            n = split($0, v, ",")
            full = 1
            for (p = 1; p <= 6; p++) { x[p] = v[p] + 0; if (v[p] == "") full = 0 }
            if (!full) {
                s = ""
                for (p = 1; p <= 6; p++) s = s (p > 1 ? "," : "") (v[p] == "" ? "" : v[p] + 0)
                printf "%d\t%s\t\t\n", FNR, s
                next
            }
            for (i = 1; i <= 6; i++) for (j = i + 1; j <= 6; j++) if (x[j] < x[i]) { t = x[i]; x[i] = x[j]; x[j] = t }
            hits = 0; sum = 0; s = ""
            for (p = 1; p <= 6; p++) {
                sum += x[p]
                s = s (p > 1 ? "," : "") x[p]
                for (i = 2; i <= 7; i++) if (x[p] == d[i]) hits++
            }
            stat[hits]++
            printf "%d\t%s\t%d\t%d\n", FNR, s, hits, sum
        }
        END {
            line = "Statistik:"
            for (h = 0; h <= 6; h++) line = line " " (stat[h] + 0) " 0"
            print line
        }' "$tmp/draws.txt" "$tmp/random.qkt" >"$tmp/expected"
    diff -u "$tmp/expected" "$tmp/got" >"$tmp/diff" ||
        { fail "random $iteration ($date)"; head -20 "$tmp/diff" >&2; }
done

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "evaluate: all checks passed"
