#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The system's request to end the program (a shutdown's SIGTERM, a closed terminal's SIGHUP)
# closes the window as its close box does: the settings and the sheet are stored, and the
# program ends with status 0. The request comes while the window is still being made.
# Its display going away (the X server ends) makes Qt end the program at once, without closing
# the window: the settings and the sheet must be stored then too.
set -u
app=$1
tmp=$(mktemp -d)
pid=
xpid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; [ -n "$xpid" ] && kill -9 "$xpid" 2>/dev/null
    rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

mkdir -p "$tmp/prog"
cp "$app" "$tmp/prog/vendrilo"
conf=$tmp/config/Quirlend/Pelvano.conf

# ends SIGNAL: starts the program on a first start, sends SIGNAL once its start-up has made the
# draw file, and waits up to 30 s for its end.
ends() {
    rm -rf "$tmp/config" "$tmp/prog/ZahlenPL.dat"
    QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$tmp/config" "$tmp/prog/vendrilo" \
        >"$tmp/out" 2>"$tmp/err" &
    pid=$!
    for _ in $(seq 1500); do [ -f "$tmp/prog/ZahlenPL.dat" ] && break; sleep 0.02; done
    kill -"$1" "$pid"
    for _ in $(seq 1500); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "$1: still running after 30 s"
        kill -9 "$pid"
    fi
    wait "$pid"
    status=$?
    pid=
    [ "$status" -eq 0 ] || fail "$1: exit $status ($(cat "$tmp/err"))"
    [ -f "$conf" ] || fail "$1: no settings stored"
    grep -q '^Edit1=' "$conf" 2>/dev/null || fail "$1: the sheet is not stored"
}

for signal in TERM HUP; do
    ends "$signal"
done

# An X server of its own, on the first free display; the program on it until Qt's event log
# shows the window exposed, its start-up done; then the server is killed.
if command -v Xvfb >/dev/null; then
    rm -rf "$tmp/config"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
    xpid=$!
    for _ in $(seq 500); do [ -s "$tmp/display" ] && break; sleep 0.02; done
    # (A sanitized build: the system's libxkbcommon-x11 copies its names with strndup() from
    # buffers without a terminating zero, which the strict string checks report.)
    DISPLAY=:$(head -1 "$tmp/display") QT_LOGGING_RULES="qt.qpa.events=true" \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0" \
        XDG_CONFIG_HOME="$tmp/config" "$tmp/prog/vendrilo" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
    for _ in $(seq 1500); do grep -q "XCB_EXPOSE" "$tmp/err" && break; sleep 0.02; done
    grep -q "XCB_EXPOSE" "$tmp/err" || fail "display gone: no window within 30 s ($(grep -v qt.qpa "$tmp/err" | head -3))"
    sleep 0.5
    kill -9 "$xpid"
    wait "$xpid" 2>/dev/null
    xpid=
    for _ in $(seq 1500); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
    kill -0 "$pid" 2>/dev/null && fail "display gone: still running after 30 s"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=
    grep -q '^Edit1=' "$conf" 2>/dev/null || fail "display gone: the sheet is not stored"
    ! grep -E "ERROR: AddressSanitizer|runtime error:" "$tmp/err" || fail "display gone: see above"
else
    echo "endsignal: no Xvfb here, the display's end not tried"
fi

[ "$failed" -eq 0 ] && echo "endsignal: all passed"
[ "$failed" -eq 0 ]
