#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli update against vendrilo-server over real HTTP on 127.0.0.1: the days asked, the
# answers stored, every status text, and a file filled from the shipped history.
set -u
cli=$1 server=$2 data=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

# The server knows 04.10. (two draws), 05.10. (none), 07.10.; the client's newest draw is 03.10.
drawfile "$tmp/server.dat" "01.10.2023 1 2 3 4 5 6" "04.10.2023 3 11 19 27 35 43" \
    "04.10.2023 7 8 9 10 11 12" "07.10.2023 40 41 42 43 44 45"
start_server days --draws "$tmp/server.dat"
drawfile "$tmp/client.dat" "03.10.2023 1 2 3 4 5 6"
update() { "$cli" --draws "$tmp/client.dat" --today "$1" update --server "$url" >"$tmp/out" 2>"$tmp/err"; }

update 07.10.2023
printf '%s\n' "04.10.2023,3,11,19,27,35,43,0,0" "04.10.2023,7,8,9,10,11,12,0,0" \
    "07.10.2023,40,41,42,43,44,45,0,0" "status: Received 33 bytes" | cmp -s - "$tmp/out" && ok ||
    { fail "days 4..7 October"; cat "$tmp/out" "$tmp/err"; }
[ "$(stat -c %s "$tmp/client.dat")" -eq $((4 * 32)) ] && ok || fail "records stored"
# The newest draw is today: no request, nothing appended, no status text.
update 07.10.2023
[ "$(cat "$tmp/out")" = "status: " ] && ok || fail "newest draw today: $(cat "$tmp/out")"
# After the server's newest draw: 500 and " noch nicht da!".
update 08.10.2023
[ "$(cat "$tmp/out")" = "status: 08.10.2023 noch nicht da!" ] && ok || fail "500: $(cat "$tmp/out")"

# An empty file starts after the chosen date (--date).
: >"$tmp/client.dat"
"$cli" --draws "$tmp/client.dat" --date 03.10.2023 --today 05.10.2023 update --server "$url" >"$tmp/out"
[ "$(grep -c '^04.10.2023' "$tmp/out")" -eq 2 ] && [ "$(tail -1 "$tmp/out")" = "status: Received 0 bytes" ] &&
    ok || fail "empty file: $(cat "$tmp/out")"
stop_server() { kill "$server_pid"; wait "$server_pid" 2>/dev/null; }
stop_server

# A line without its leading field fails at N5: the message shows "43"; the draw before it stays,
# the days after it are not asked.
drawfile "$tmp/client.dat" "03.10.2023 1 2 3 4 5 6"
start_server lines --draws "$tmp/server.dat" --body '05.10.2023=3,11,19,27,35,43' \
    --status 06.10.2023=503 --delay 30
update 07.10.2023
printf '%s\n' "04.10.2023,3,11,19,27,35,43,0,0" "04.10.2023,7,8,9,10,11,12,0,0" "message: 43" \
    "status: Received 16 bytes" | cmp -s - "$tmp/out" && ok ||
    { fail "failing line"; cat "$tmp/out"; }
# The next update goes on at 05.10. again and meets the same line; 503 would be "Failed : 503".
"$cli" --draws "$tmp/client.dat" --today 06.10.2023 update --server "$url" >"$tmp/out"
grep -qx "message: 43" "$tmp/out" && ok || fail "second update: $(cat "$tmp/out")"
stop_server

# A server that is not running: the update ends at once, the status names the reason.
drawfile "$tmp/client.dat" "03.10.2023 1 2 3 4 5 6"
"$cli" --draws "$tmp/client.dat" --today 07.10.2023 update --server "$url" >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 0 ] && grep -q "^status: Keine Antwort vom Update-Server: .*refused" "$tmp/out" && ok ||
    fail "no server: exit $status, $(cat "$tmp/out" "$tmp/err")"
# Without --server and without a stored one: exit 3.
"$cli" --draws "$tmp/client.dat" update >"$tmp/out" 2>"$tmp/err"
[ $? -eq 3 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok || fail "no server given"

# The shipped history: a file ending on 31.12.2025 is filled up to 20.08.2026 and then holds
# exactly the shipped history.
mkdir "$tmp/prog" && cp "$cli" "$tmp/prog/vendrilo-cli"
"$tmp/prog/vendrilo-cli" draws >"$tmp/all.txt"
start_server history --draws "$tmp/prog/ZahlenPL.dat"
keep=$(grep -c -E '^[0-9]{2}\.[0-9]{2}\.(19[0-9]{2}|20[01][0-9]|202[0-5]),' "$tmp/all.txt")
head -c $((keep * 32)) "$tmp/prog/ZahlenPL.dat" >"$tmp/partial.dat"
"$cli" --draws "$tmp/partial.dat" --today 20.08.2026 update --server "$url" >"$tmp/out" 2>"$tmp/err"
"$cli" --draws "$tmp/partial.dat" draws | cmp -s - "$tmp/all.txt" && ok ||
    fail "filled from the shipped history: $(tail -2 "$tmp/out") $(cat "$tmp/err")"
[ "$(grep -c ',0,0$' "$tmp/out")" -eq $(($(wc -l <"$tmp/all.txt") - keep)) ] && ok || fail "appended lines"
[ ! -s "$tmp/err" ] && ok || fail "warnings: $(cat "$tmp/err")"
finish update
