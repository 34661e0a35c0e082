#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# "vendrilo D FILE" as another program starts it from a script, on a machine without a display:
# the tips land in the settings store and the program ends by itself.
set -u
app=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

mkdir -p "$tmp/prog" "$tmp/config"
cp "$app" "$tmp/prog/vendrilo"
printf '3,11,17,25,38,44\r\n1,9,23,30,41,49\r\n5,6,7,8,9,10\r\n' >"$tmp/tips.txt"
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$tmp/config" \
    timeout 60 "$tmp/prog/vendrilo" "$@" >"$tmp/out" 2>"$tmp/err"; }

run D "$tmp/tips.txt"
status=$?
conf=$tmp/config/Quirlend/Pelvano.conf
[ $status -eq 0 ] || fail "import: exit $status ($(cat "$tmp/err"))"
[ -f "$conf" ] || fail "no settings written"
grep -qx "Edit1=3" "$conf" && grep -qx "Edit7=1" "$conf" && grep -qx "Edit18=10" "$conf" ||
    fail "the imported rows are not stored: $(grep '^Edit1[0-9]*=' "$conf" | head -3)"
[ -f "$tmp/prog/ZahlenPL.dat" ] || fail "the start-up did not run (no draw file)"

# A missing file: the error on stderr, the program ends (nobody could close a window here).
run D "$tmp/missing.txt"
status=$?
[ $status -ne 0 ] || fail "missing file: exit 0"
grep -q "missing.txt" "$tmp/err" || fail "missing file: stderr '$(cat "$tmp/err")'"
grep -qx "Edit1=3" "$conf" || fail "a failed import changed the stored tips"

# With an update server stored, the import asks it nothing: a listener that would hold any
# request open notes whether one came.
python3 - "$tmp/listener" <<'PY' &
import socket, sys
s = socket.socket()
s.bind(("127.0.0.1", 0))
s.listen(4)
with open(sys.argv[1] + ".port", "w") as f:
    f.write(str(s.getsockname()[1]))
s.settimeout(60)
try:
    conn, _ = s.accept()
    open(sys.argv[1] + ".asked", "w").close()
    conn.recv(1000)
except OSError:
    pass
PY
listener=$!
for _ in $(seq 250); do [ -s "$tmp/listener.port" ] && break; sleep 0.02; done
printf 'Server=http://127.0.0.1:%s\n' "$(cat "$tmp/listener.port")" >>"$conf"
run D "$tmp/tips.txt"
status=$?
[ $status -eq 0 ] || fail "import with a server set: exit $status ($(cat "$tmp/err"))"
[ ! -e "$tmp/listener.asked" ] || fail "the batch import asked the update server"
kill "$listener" 2>/dev/null
wait "$listener" 2>/dev/null

[ "$failed" -eq 0 ] && echo "batchmode: all passed"
[ "$failed" -eq 0 ]
