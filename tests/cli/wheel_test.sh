#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `vendrilo-cli wheel`: every printed wheel passes the brute-force check of tools/check_wheel.py
# (written apart from the program's check), the full wheel on eight numbers has its 28 rows,
# a live search beyond the library prints a checked wheel, and refused calls print nothing.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
checker=$here/../../tools/check_wheel.py
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3

# verify NUMBERS G [GLOBAL OPTION...] [-- COMMAND OPTION...]: one call whose output the checker
# accepts.
verify() {
    local numbers=$1 g=$2
    shift 2
    local global=() own=()
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do global+=("$1"); shift; done
    [ $# -gt 0 ] && shift && own=("$@")
    if ! "$cli" "${global[@]}" wheel "$numbers" --guarantee "$g" "${own[@]}" >"$tmp/out" \
        2>"$tmp/err"; then
        fail "wheel $numbers $g: exit $?: $(cat "$tmp/err")"
        return
    fi
    if python3 "$checker" verify "$numbers" "$g" <"$tmp/out" >"$tmp/why"; then ok
    else fail "wheel $numbers $g: $(head -3 "$tmp/why")"; fi
}

verify 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18 3if6
[ "$(tail -2 "$tmp/out" | head -1)" = "rows: $(($(wc -l <"$tmp/out") - 2))" ] && ok || fail "row count line"
verify 3,9,12,18,22,27,33,41 full
if [ "$(grep -c , "$tmp/out")" -eq 28 ] && [ "$(tail -1 "$tmp/out")" = "verified: full" ]; then ok
else fail "full wheel on 8 numbers: $(grep -c , "$tmp/out") rows"; fi
# Beyond the library (31 numbers, no parts can keep "3 if 3"): a live search of two seconds.
verify "$(seq -s, 1 31)" 3if3 --seed 5 -- --seconds 2
# Shuffled over the numbers by --seed: still checked, same size as in order.
verify 2,4,6,8,10,12,14,16,18,20,22,24,26,28 3if4 --seed 77
rows_shuffled=$(tail -2 "$tmp/out" | head -1)
verify 2,4,6,8,10,12,14,16,18,20,22,24,26,28 3if4
[ "$(tail -2 "$tmp/out" | head -1)" = "$rows_shuffled" ] && ok || fail "shuffled size differs"

# Refused: bad numbers or guarantee (exit 2), a wheel no search may look for (exit 3); nothing
# on stdout, one line on stderr.
refused() {
    local want=$1
    shift
    "$cli" "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    if [ "$status" -eq "$want" ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ]; then ok
    else fail "$* : exit $status (wanted $want), $(wc -c <"$tmp/out") bytes out"; fi
}
refused 2 wheel 1,2,3,4,5,6 --guarantee 3if6
refused 2 wheel 1,2,3,4,5,6,6,7 --guarantee 3if6
refused 2 wheel 1,2,3,4,5,6,50 --guarantee 3if6
refused 2 wheel 1,2,3,4,5,6,7 --guarantee 4if3
refused 2 wheel 1,2,3,4,5,6,7 --guarantee 3if6 --seconds soon
refused 3 wheel "$(seq -s, 1 49)" --guarantee 4if6
refused 3 wheel "$(seq -s, 1 21)" --guarantee full
refused 3 wheel "$(seq -s, 1 40)" --guarantee 5if5 --seconds 0

# Many random choices through one batch process.
if python3 "$checker" fuzz --cli "$cli" --cases 80 --seed 3 >"$tmp/log" 2>&1 &&
    grep -qx "cases 80, mismatches 0" "$tmp/log"; then ok
else fail "fuzz"; head -20 "$tmp/log"; fi

finish "wheel"
