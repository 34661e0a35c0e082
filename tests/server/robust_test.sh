#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Bad clients: heads beyond 8 KiB, malformed requests, clients that send nothing, trickle or hang
# up half-way, and many clients at once. The server refuses or drops them and answers the others.
set -u
server=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

python3 "$makedraws" "$tmp/draws.dat" "03.10.2024 3 11 19 27 35 43"
target="/lotto/PELVANO.asp?Programm=PELVANO&Datum=20241003"
line='03.10.2024,3,11,19,27,35,43;;;\r\n'
start_server robust --draws "$tmp/draws.dat"
# still_answers WHAT: the server answers a proper request after WHAT.
still_answers() {
    get "$target"
    answered "a request after $1" 200 "$line"
}

# --- A head of 8 KiB is taken, one byte more is refused; a head of a megabyte too, and the
# client reads the refusal instead of a reset connection.
# pad N: N filler bytes for a header value.
pad() { printf '%*s' "$1" '' | tr ' ' a; }
printf "GET $target HTTP/1.1\r\nHost: x\r\nX-Pad: \r\n\r\n" >"$tmp/base"
base=$(wc -c <"$tmp/base")
for size in 8192 8193 1048576; do
    printf "GET $target HTTP/1.1\r\nHost: x\r\nX-Pad: %s\r\n\r\n" "$(pad $((size - base)))" \
        >"$tmp/head"
    [ "$(wc -c <"$tmp/head")" -eq "$size" ] || fail "the test's head is not $size bytes"
    raw "$tmp/head"
    if [ "$size" -eq 8192 ]; then answered "a head of $size bytes" 200 "$line"
    else answered "a head of $size bytes" 400; fi
done
still_answers "oversized heads"

# --- Malformed requests are refused as a whole.
while IFS= read -r request; do
    printf "$request" >"$tmp/bad"
    raw "$tmp/bad"
    answered "request '$request'" 400
done <<'REQUESTS'
GARBAGE\r\n\r\n
GET /lotto/PELVANO.asp HTTP/2.0\r\n\r\n
GET lotto/PELVANO.asp HTTP/1.1\r\n\r\n
GET  /lotto/PELVANO.asp HTTP/1.1\r\n\r\n
GET /lotto/PELVANO.asp HTTP/1.1\r\nNo colon here\r\n\r\n
GET /lotto/PELVANO.asp HTTP/1.1\r\nHost: x\r\n folded: y\r\n\r\n
GET /lotto/PELVANO.asp HTTP/1.1\r\nHost : x\r\n\r\n
\0\1\2\377\n\n
REQUESTS
printf 'GET /lotto/PEL' >"$tmp/partial"
request partial "$port" "$tmp/partial" "$tmp/a"
still_answers "a client that hung up half-way"

# --- Clients that send nothing hold up nobody; by default they may wait a while. Meanwhile
# sixteen clients of one address at once are answered; the rest of that address are turned away
# with 503 at once, not left hanging.
python3 "$client" silent "$port" 0.7 >"$tmp/silent" &
silent=$!
sleep 0.2
still_answers "a silent client connected"
awk -v s="$(cat "$tmp/a.seconds")" 'BEGIN { exit !(s < 0.5) }' && ok ||
    fail "a silent client held up the answer for $(cat "$tmp/a.seconds") s"
# With the silent client, sixteen of this address.
python3 "$client" many "$port" "$target" 15 >"$tmp/many"
[ "$(head -n1 "$tmp/many")" = "200 x15" ] && ok || fail "15 clients: $(cat "$tmp/many")"
wait $silent
[ "$(cat "$tmp/silent")" = open ] && ok || fail "a silent client was dropped at once"
stop
start_server crowded --draws "$tmp/draws.dat" --delay 500
python3 "$client" many "$port" "$target" 300 >"$tmp/many"
[ "$(head -n1 "$tmp/many")" = "200 x16 503 x284" ] && ok || fail "300 clients: $(cat "$tmp/many")"
stop
start_server flooded --draws "$tmp/draws.dat"
# 300 idle connections of another address (a flood) hold up no one: a request of this address is
# answered at once, and the flood's connections beyond sixteen are answered 503 at once.
python3 "$client" flood "$port" 127.0.0.2 300 3 >"$tmp/flood" &
flood=$!
for _ in $(seq 100); do [ -s "$tmp/flood" ] && break; sleep 0.05; done
get "$target"
answered "a request during a flood" 200
awk -v s="$(cat "$tmp/a.seconds")" 'BEGIN { exit !(s < 1) }' && ok ||
    fail "a request during a flood took $(cat "$tmp/a.seconds") s"
wait $flood
[ "$(head -n1 "$tmp/flood")" = "connected 300, answered 503 at once 284" ] && ok ||
    fail "flood: $(cat "$tmp/flood")"
stop

# --- With a short head time-out, a silent client and one that trickles its head are dropped.
start_server impatient --draws "$tmp/draws.dat" --head-timeout 200
[ "$(python3 "$client" silent "$port" 2)" = closed ] && ok || fail "silent client not dropped"
[ "$(python3 "$client" trickle "$port" 2)" = closed ] && ok || fail "trickling client not dropped"
still_answers "dropped clients"
[ ! -s "$tmp/robust.err" ] && [ ! -s "$tmp/impatient.err" ] && ok ||
    fail "the server complained: $(cat "$tmp"/*.err)"

finish server_robust
