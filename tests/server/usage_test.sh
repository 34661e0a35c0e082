#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-server's command line: the help, and every mistake (a bad option or value, a draw
# file that cannot be read, a port in use) as one line on stderr with status 2.
set -u
server=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

draws=$tmp/draws.dat
python3 "$makedraws" "$draws" "03.10.2024 3 11 19 27 35 43"

# --- The help: on stdout, status 0, every option with its line, whatever else is given.
for args in "--help" "-h" "--port 99999 --help"; do
    # shellcheck disable=SC2086
    "$server" $args >"$tmp/out" 2>"$tmp/err"
    [ $? -eq 0 ] && [ ! -s "$tmp/err" ] && ok || fail "$args: status or stderr"
done
grep -q "^Usage: vendrilo-server --draws FILE" "$tmp/out" && ok || fail "help lacks the synopsis"
for option in --draws --port --address --portal-template --help --delay --status --body \
    --portal-status --portal-body --head-timeout; do
    grep -qE -- "^  $option[ ,]" "$tmp/out" && ok || fail "help lacks $option"
done

# error WHAT ARGS...: status 2, nothing on stdout, exactly one line on stderr naming WHAT.
error() {
    local what=$1
    shift
    timeout 5 "$server" "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    if [ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] &&
        grep -qF -- "$what" "$tmp/err"; then ok
    else fail "$*: status $status, stdout $(wc -c <"$tmp/out") bytes, stderr: $(cat "$tmp/err")"; fi
}

error "--draws"
error '""' ""
error "--draws" --port 0
error "--draws" --draws
error "$tmp/none.dat" --draws "$tmp/none.dat" --port 0
error "$tmp" --draws "$tmp" --port 0
# A file beyond the draw file's 64 MB bound (sparse, so it costs nothing).
truncate -s 65M "$tmp/huge.dat"
error "$tmp/huge.dat" --draws "$tmp/huge.dat" --port 0
# A name with a line break still makes one line.
error "none" --draws "$tmp/line
break/none.dat" --port 0
error '"--verbose"' --draws "$draws" --verbose
error '"stray"' --draws "$draws" stray
for port in 65536 -1 abc "" 8o80; do
    error "--port" --draws "$draws" --port "$port"
done
error "--address" --draws "$draws" --address 127.0.0.300
for value in 03.10.2024 03.10.2024=99 03.10.2024=600 03.10.2024=abc 31.02.2024=503 \
    2024-10-03=503 =503; do
    error "--status" --draws "$draws" --status "$value"
done
error "--status" --draws "$draws" --status 03.10.2024=503 --status 3.10.2024=404
error "--body" --draws "$draws" --body 32.10.2024=x
error "--body" --draws "$draws" --body 03.10.2024=x --body 03.10.2024=y
for value in -5 abc 600001; do
    error "--delay" --draws "$draws" --delay "$value"
done
error "--head-timeout" --draws "$draws" --head-timeout 0
error "--portal-status" --draws "$draws" --portal-status 700

# --- A port in use: the second server cannot listen there.
start_server first --draws "$draws"
error "port $port" --draws "$draws" --port "$port"
# "--port=N" is the same as "--port N"; the first line names the port the system chose.
"$server" --draws="$draws" --port=0 --delay=0 >"$tmp/eq.out" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -qE "^listening on http://127\.0\.0\.1:[1-9][0-9]*$" "$tmp/eq.out" && break
    sleep 0.02
done
grep -qE "^listening on http://127\.0\.0\.1:[1-9][0-9]*$" "$tmp/eq.out" && ok ||
    fail "--port=0: $(cat "$tmp/eq.out")"

finish server_usage
