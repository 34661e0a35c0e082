# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the server test scripts: servers on free ports that are stopped at exit, requests
# through httpclient.py, and the counters of tests/cli/common.sh.
# shellcheck source-path=SCRIPTDIR source=../cli/common.sh
source "$here/../cli/common.sh"
need_python3
client=$here/httpclient.py
makedraws=$here/makedraws.py
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$tmp"' EXIT
# One Python answers all of a script's requests: starting one per request would cost a tenth of
# a second each.
coproc HTTP { python3 "$client" serve; }
pids+=("$HTTP_PID")

# shellcheck source-path=SCRIPTDIR source=../server/startserver.sh
source "$here/../server/startserver.sh"

stop() {
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null
}

# get TARGET [--method M] [--header 'Name: value']...: the answer of the server on $port in
# $tmp/a.status, $tmp/a.headers, $tmp/a.body and $tmp/a.seconds.
get() {
    request get "$port" "$1" "$tmp/a" "${@:2}"
}
# raw FILE: the same for the bytes of FILE sent as they are.
raw() {
    request raw "$port" "$1" "$tmp/a"
}
# request COMMAND ARGS...: one command of httpclient.py through the running Python.
request() {
    local status IFS=$'\t'
    rm -f "$tmp"/a.*
    echo "$*" >&"${HTTP[1]}"
    read -r status <&"${HTTP[0]}"
    [ "$status" = 0 ] || echo "?" >"$tmp/a.status"
}

# answered WHAT STATUS [BODY]: the last answer had STATUS and, when given, exactly the bytes of
# BODY (printf %b escapes: \r, \n).
answered() {
    local what=$1 status=$2 got
    got=$(cat "$tmp/a.status")
    if [ "$got" != "$status" ]; then
        fail "$what: status $got, expected $status $(cat "$tmp/a.error" "$tmp/a.body" 2>/dev/null)"
        return
    fi
    if [ $# -ge 3 ]; then
        printf '%b' "$3" >"$tmp/expected"
        if ! cmp -s "$tmp/expected" "$tmp/a.body"; then
            fail "$what: body $(od -c "$tmp/a.body" | head -4)"
            return
        fi
    fi
    ok
}

# expect TARGET STATUS [BODY]: GET TARGET answers STATUS (and BODY).
expect() {
    get "$1"
    answered "GET $1" "${@:2}"
}

# has_header LINE: the last answer carried this header line.
has_header() {
    grep -qxF -- "$1" "$tmp/a.headers" && ok || fail "no header '$1' in: $(cat "$tmp/a.headers")"
}
