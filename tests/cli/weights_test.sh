#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `vendrilo-cli generate --weights FILE.qkw`: the run draws only from the list's ticked numbers,
# the same seed gives the same rows, and a list that is not 49 lines of empty or whole numbers
# 0..1000000 is refused with the line named (exit 2).
set -u
CLI=$1
source "$(dirname "$0")/common.sh"

# list FILE LINE...: 49 lines, line k for number k.
list() {
    local file=$1
    shift
    printf '%s\n' "$@" >"$file"
}
odd=()
for k in $(seq 1 49); do
    if [ $((k % 2)) -eq 1 ]; then odd+=("$((k % 5 + 1))"); else odd+=(""); fi
done
list "$tmp/odd.qkw" "${odd[@]}"
ones=()
for k in $(seq 1 49); do ones+=(1); done
list "$tmp/ones.qkw" "${ones[@]}"

# Many seeds in one process: no even number in any row; every run twice with the same seed.
cases=""
for seed in $(seq 1 150); do
    cases+="--seed $seed --today 01.06.2023 generate --weights $tmp/odd.qkw"$'\n'
done
for seed in 7 4711 99999; do
    for _ in 1 2; do
        cases+="--seed $seed --today 01.06.2023 generate --weights $tmp/ones.qkw"$'\n'
    done
done
printf '%s' "$cases" | "$CLI" batch >"$tmp/out" 2>"$tmp/err" || fail "batch: exit $?"
awk '
    /^--- exit / { runs++; if ($3 != 0) { print "run " runs ": exit " $3; bad = 1 } line = 0; next }
    { line++ }
    runs < 150 && line <= 12 && $0 != ",,,,," {
        rows++
        n = split($0, f, ",")
        for (i = 1; i <= n; i++) if (f[i] % 2 == 0) { print "run " runs + 1 ": even number in " $0; bad = 1 }
    }
    END {
        if (runs != 156) { print runs " runs"; bad = 1 }
        if (rows < 150 * 6) { print "only " rows " rows made"; bad = 1 }
        exit bad
    }' "$tmp/out" || fail "odd numbers only"
ok
# The runs with the list of ones, pairwise: the same seed, the same output.
awk '/^--- exit / { runs++; next } runs >= 150 { print > (FILENAME "." int((runs - 150) / 2) "." (runs - 150) % 2) }' \
    "$tmp/out"
for pair in 0 1 2; do
    cmp -s "$tmp/out.$pair.0" "$tmp/out.$pair.1" && [ -s "$tmp/out.$pair.0" ] ||
        fail "ones, pair $pair: the same seed gave different rows"
done
ok

# Lists the tool refuses, each naming the first bad line.
bad() { # name expected-in-message line...
    local name=$1 expect=$2
    shift 2
    list "$tmp/$name.qkw" "$@"
    "$CLI" --seed 1 generate --weights "$tmp/$name.qkw" >"$tmp/bad.out" 2>"$tmp/bad.err"
    local status=$?
    [ $status -eq 2 ] || fail "$name: exit $status"
    [ -s "$tmp/bad.out" ] && fail "$name: rows printed"
    grep -qF -- "$expect" "$tmp/bad.err" || fail "$name: message '$(cat "$tmp/bad.err")'"
    ok
}
short=("${ones[@]:0:48}")
bad short "Zeile 48" "${short[@]}"
bad long "Zeile 50" "${ones[@]}" 1
text=("${ones[@]}"); text[11]="zwölf"
bad text "Zeile 12" "${text[@]}"
negative=("${ones[@]}"); negative[2]="-1"
bad negative "Zeile 3" "${negative[@]}"
huge=("${ones[@]}"); huge[48]="1000001"
bad huge "Zeile 49" "${huge[@]}"
"$CLI" generate --weights "$tmp/missing.qkw" >/dev/null 2>"$tmp/bad.err"
[ $? -eq 2 ] && grep -q "missing.qkw" "$tmp/bad.err" || fail "missing file"
ok
# Blanks around a weight and the largest weight are fine.
spaced=("${ones[@]}"); spaced[0]="  5 "; spaced[6]="1000000"
list "$tmp/spaced.qkw" "${spaced[@]}"
"$CLI" --seed 3 --today 01.06.2023 generate --weights "$tmp/spaced.qkw" >"$tmp/spaced.out" ||
    fail "spaced weights: exit $?"
grep -c '\b7\b' "$tmp/spaced.out" | grep -q '^1[0-2]$' || fail "weight 1000000 on 7: $(head -12 "$tmp/spaced.out")"
ok

finish weights
