#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The update brings the payouts the draw server knows beyond the client's payout table: added
# at the end of the program folder's payout file after the draws; a server without payouts and
# one that answers garbage leave the file as it was.
set -u
cli=$1 server=$2 data=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

shipped=$data/polish-lotto-payouts.csv
newer='7395,22.08.2026,6,0,0.00\n7395,22.08.2026,5,60,7000.00\n7395,22.08.2026,4,3000,150.10\n7395,22.08.2026,3,50000,35.00\n'
{ printf "$newer"; cat "$shipped"; } >"$tmp/server.csv"
drawfile "$tmp/server.dat" "20.08.2026 6 12 19 21 23 26" "22.08.2026 1 2 3 4 5 6"
mkdir "$tmp/client"
drawfile "$tmp/client/ZahlenPL.dat" "20.08.2026 6 12 19 21 23 26"
update() {
    "$cli" --draws "$tmp/client/ZahlenPL.dat" --today 22.08.2026 update --server "$url" \
        >"$tmp/out" 2>"$tmp/err"
}

# An older server: the draws come, the payout file stays the shipped table.
start_server plain --draws "$tmp/server.dat"
update
grep -qx "22.08.2026,1,2,3,4,5,6,0,0" "$tmp/out" && ok || fail "draw: $(cat "$tmp/out" "$tmp/err")"
[ ! -e "$tmp/client/QuotenPL.csv" ] && ok || fail "a server without payouts wrote a payout file"
kill "$server_pid"; wait "$server_pid" 2>/dev/null

# A server with payouts: the newer draw's lines go after the shipped ones.
cp "$shipped" "$tmp/client/QuotenPL.csv"
drawfile "$tmp/client/ZahlenPL.dat" "20.08.2026 6 12 19 21 23 26"
start_server payouts --draws "$tmp/server.dat" --payouts "$tmp/server.csv"
update
{ cat "$shipped"; printf "$newer"; } | cmp -s - "$tmp/client/QuotenPL.csv" && ok ||
    fail "payouts added: $(tail -5 "$tmp/client/QuotenPL.csv")"
# The status is still the draw update's own.
[ "$(tail -1 "$tmp/out")" = "status: Received 27 bytes" ] && ok || fail "status: $(cat "$tmp/out")"
# The next update asks from 23.08.2026 on: nothing new, nothing written twice.
update
{ cat "$shipped"; printf "$newer"; } | cmp -s - "$tmp/client/QuotenPL.csv" && ok || fail "twice"
# The prizes of the new draw are known now.
printf '1,2,3,4,5,7\r\n' >"$tmp/tips.qkt"
"$cli" --draws "$tmp/client/ZahlenPL.dat" --tips "$tmp/tips.qkt" --date 22.08.2026 prizes \
    >"$tmp/out"
[ "$(head -1 "$tmp/out")" = "$(printf '1\t5\t7000.00')" ] && ok || fail "prize: $(cat "$tmp/out")"
kill "$server_pid"; wait "$server_pid" 2>/dev/null

# A payout file on the server that is damaged: 500, the client's file unchanged.
printf '7396,25.08.2026,4,x\n' >>"$tmp/server.csv"
cp "$tmp/client/QuotenPL.csv" "$tmp/before.csv"
drawfile "$tmp/client/ZahlenPL.dat" "20.08.2026 6 12 19 21 23 26"
start_server damaged --draws "$tmp/server.dat" --payouts "$tmp/server.csv"
update
cmp -s "$tmp/before.csv" "$tmp/client/QuotenPL.csv" && ok || fail "damaged server file"
finish online_payouts
