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

# "D" without a file name: said on stderr, and the program ends.
run D
status=$?
[ $status -ne 0 ] || fail "D alone: exit 0"
grep -q '"D"' "$tmp/err" || fail "D alone: stderr '$(cat "$tmp/err")'"

# An import stores the rows and the file's ticket number, nothing else: a stored window width,
# the options and the ticket number of an earlier file stay as they were.
sed -i -e 's/^width=.*/width=1000/' "$conf"
grep -q '^width=' "$conf" || printf 'width=1000\n' >>"$conf"
grep -q '^Losnummer=' "$conf" && sed -i 's/^Losnummer=.*/Losnummer=4711/' "$conf" ||
    printf 'Losnummer=4711\n' >>"$conf"
printf '2,4,6,8,10,12\n' >"$tmp/second.txt"
run D "$tmp/second.txt"
status=$?
[ $status -eq 0 ] || fail "second import: exit $status ($(cat "$tmp/err"))"
grep -qx "Edit1=2" "$conf" || fail "second import: rows not stored"
grep -qx "width=1000" "$conf" || fail "the import changed the window width: $(grep width "$conf")"
grep -qx "Losnummer=" "$conf" || grep -q "^Losnummer=\"\"" "$conf" ||
    fail "an earlier ticket number stayed: $(grep Losnummer "$conf")"

# An unreadable setting outside the groups: the import still runs, the value is named.
sed -i 's/^RadioGroup1=.*/RadioGroup1=abc/' "$conf"
grep -q '^RadioGroup1=' "$conf" || printf 'RadioGroup1=abc\n' >>"$conf"
run D "$tmp/tips.txt"
status=$?
[ $status -eq 0 ] || fail "import after a damaged value: exit $status"
grep -q "RadioGroup1" "$tmp/err" || fail "damaged value not named: '$(cat "$tmp/err")'"
grep -qx "Edit1=3" "$conf" || fail "import after a damaged value: rows not stored"

# The sheet cannot be stored (the settings folder is a file): said, and a failing status.
mkdir -p "$tmp/badconfig"
: >"$tmp/badconfig/Quirlend"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$tmp/badconfig" \
    timeout 60 "$tmp/prog/vendrilo" D "$tmp/tips.txt" >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -ne 0 ] && [ $status -ne 124 ] || fail "unstorable sheet: exit $status"
[ -s "$tmp/err" ] || fail "unstorable sheet: nothing said"

[ "$failed" -eq 0 ] && echo "batchmode: all passed"
[ "$failed" -eq 0 ]
