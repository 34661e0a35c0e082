#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An update killed at any moment leaves whole records only, and the ones stored before stay.
set -u
cli=$1 server=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

# A server with a draw on every day of two months, answering a little slowly.
days=()
for d in $(seq 0 60); do
    days+=("$(date -u -d "2023-01-01 + $d days" +%d.%m.%Y) 1 2 3 4 5 $((6 + d % 40))")
done
drawfile "$tmp/server.dat" "${days[@]}"
start_server slow --draws "$tmp/server.dat" --delay 3
counts=()
for i in $(seq 20); do
    drawfile "$tmp/client.dat" "31.12.2022 1 2 3 4 5 6"
    "$cli" --draws "$tmp/client.dat" --today 02.03.2023 update --server "$url" >/dev/null 2>&1 &
    victim=$!
    # 10..250 ms: the start and the whole update (about 180 ms here, longer in a sanitizer
    # build) both get their share of the kills.
    sleep "0.$(printf %03d $((RANDOM % 240 + 10)))"
    kill -9 "$victim" 2>/dev/null
    wait "$victim" 2>/dev/null
    size=$(stat -c %s "$tmp/client.dat")
    [ $((size % 32)) -eq 0 ] && ok || fail "kill $i: $size bytes, not whole records"
    # Every record is a real draw of the server, in order, after the one that was there.
    "$cli" --draws "$tmp/client.dat" draws >"$tmp/got" 2>"$tmp/err"
    [ ! -s "$tmp/err" ] && ok || fail "kill $i: $(cat "$tmp/err")"
    n=$(($(wc -l <"$tmp/got") - 1))
    "$cli" --draws "$tmp/server.dat" draws | head -n "$n" | sed 's/,[0-9]*,[0-9]*$/,0,0/' >"$tmp/want"
    tail -n +2 "$tmp/got" | cmp -s - "$tmp/want" && ok || fail "kill $i: records differ"
    counts+=("$n")
done
echo "records stored when killed: ${counts[*]}"
# The kills must land in the middle of updates, or the test proves nothing.
[ "$(printf "%s\n" "${counts[@]}" | sort -u | wc -l)" -ge 3 ] && ok || fail "kills at too few moments"
finish kill
