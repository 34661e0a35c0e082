#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The display goes away under the program (its X server ends): Qt ends the program at once,
# without closing the window, and the settings and the sheet must still be stored as closing
# the window stores them.
set -u
app=$1
if ! command -v Xvfb >/dev/null; then
    echo "displaygone: no Xvfb here, skipped"
    exit 0
fi
tmp=$(mktemp -d)
pid=
xpid=
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; [ -n "$xpid" ] && kill -9 "$xpid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$tmp/prog"
cp "$app" "$tmp/prog/vendrilo"
conf=$tmp/config/Quirlend/Pelvano.conf

# A display of its own, on the first free number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 500); do [ -s "$tmp/display" ] && break; sleep 0.02; done
display=$(head -1 "$tmp/display")
[ -n "$display" ] || fail "Xvfb did not start"

# Qt's event log shows when the window is on the screen, its start-up done.
DISPLAY=:$display QT_LOGGING_RULES="qt.qpa.events=true" XDG_CONFIG_HOME="$tmp/config" \
    "$tmp/prog/vendrilo" >"$tmp/out" 2>"$tmp/err" &
pid=$!
for _ in $(seq 1500); do grep -q "XCB_EXPOSE" "$tmp/err" && break; sleep 0.02; done
grep -q "XCB_EXPOSE" "$tmp/err" || fail "the window was not exposed within 30 s"
sleep 0.5
kill -9 "$xpid"
wait "$xpid" 2>/dev/null
xpid=
for _ in $(seq 1500); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
kill -0 "$pid" 2>/dev/null && fail "still running 30 s after its display went away"
wait "$pid"
pid=
[ -f "$conf" ] || fail "no settings stored"
grep -q '^Edit1=' "$conf" || fail "the sheet is not stored"
echo "displaygone: passed"
