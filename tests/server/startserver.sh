# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by tests/server/common.sh and tests/online/common.sh.

# start_server NAME ARGS...: the draw server $server with ARGS on a port the system picks,
# waited for until it prints its address. Sets $url, $port and $server_pid; stdout and stderr
# go to $tmp/NAME.out and .err; the server joins $pids, which are stopped at exit.
start_server() {
    local name=$1 line
    shift
    "$server" --port 0 "$@" >"$tmp/$name.out" 2>"$tmp/$name.err" &
    server_pid=$!
    pids+=("$server_pid")
    for _ in $(seq 250); do
        line=$(head -n1 "$tmp/$name.out")
        if [[ $line =~ ^listening\ on\ (http://127\.0\.0\.1:([0-9]+))$ ]]; then
            url=${BASH_REMATCH[1]}
            port=${BASH_REMATCH[2]}
            return 0
        fi
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.02
    done
    echo "FAIL: server $name did not start: $(cat "$tmp/$name.err")"
    exit 1
}
