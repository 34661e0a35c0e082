#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli draws: the shipped history written on a first start, printed record by record.
set -u
cli=$1 data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A copy of the tool in an empty folder starts like a fresh installation.
cp "$cli" "$tmp/vendrilo-cli"
"$tmp/vendrilo-cli" draws >"$tmp/first.txt" || fail "draws on a first start"
[ -f "$tmp/ZahlenPL.dat" ] || fail "no draw file written"
[ "$(stat -c %s "$tmp/ZahlenPL.dat")" -eq $((7394 * 32)) ] || fail "draw file size"

# Expected lines from the shipped CSV: date, numbers without padding, bonus and Superzahl 0.
awk -F, '{ printf "%s", $2; for (i = 3; i <= 8; i++) printf ",%d", $i; print ",0,0" }' \
    "$data/polish-lotto-6of49.csv" >"$tmp/expected.txt"
cmp -s "$tmp/first.txt" "$tmp/expected.txt" || fail "output differs from the shipped history"
[ "$(head -1 "$tmp/first.txt")" = "27.01.1957,8,12,31,39,43,45,0,0" ] || fail "first line"
[ "$(wc -l <"$tmp/first.txt")" -eq 7394 ] || fail "line count"
grep -qx "09.09.2006,3,6,7,12,28,32,0,0" "$tmp/first.txt" || fail "corrected date of draw 4323"

# --draws reads any file; the program folder's file stays as it is.
"$cli" --draws "$tmp/ZahlenPL.dat" draws | cmp -s - "$tmp/expected.txt" || fail "--draws FILE"
head -c 100 "$tmp/ZahlenPL.dat" >"$tmp/short.dat"
[ "$("$cli" --draws "$tmp/short.dat" draws | wc -l)" -eq 3 ] || fail "a short tail is ignored"

# Errors: one line on stderr, status 2, nothing on stdout.
for args in "--draws $tmp/missing.dat draws" "--bogus draws" "--date 32.13.2000 draws" \
            "--set NoSuch=1 draws" "--draws $tmp/ZahlenPL.dat frobnicate"; do
    # shellcheck disable=SC2086
    "$cli" $args >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ $status -eq 2 ] || fail "'$args' exited $status"
    [ ! -s "$tmp/out" ] || fail "'$args' printed to stdout"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "'$args' stderr is not one line"
done
echo "draws: 1 passed, 0 failed"
