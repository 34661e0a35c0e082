#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the window against the barest Qt window, under Xvfb: the time from the process's
# start to its first window mapped, and to the first drawing in it (vendrilo-startup-watch), as
# medians of RUNS starts, taken in turn. Three starts are measured:
#   bare    vendrilo-bare-window, a QLabel window of the main window's size
#   window  vendrilo with its files as installed (language files, sound) and no update server
#   server  the same with an update server that answers each request after 150 ms
#           (vendrilo-server --delay 150) and a draw file 100 days behind today
#   polish  a returning user who chose the Polish texts: the shipped histories (as the build
#           leaves them in BUILD_BIN_DIR) and a settings file naming the language, which the
#           program fills with the rest of its settings when each start is ended
# The starts run with a session bus of their own, as on a desktop (NO_BUS=1: without one).
# Each figure is followed by its ratio to bare (window, polish) or to window (server).
#
#   bench/startup.sh BUILD_BIN_DIR [RUNS] [EARLIER_VENDRILO]
#
# BUILD_BIN_DIR holds vendrilo with its modules, vendrilo-server, vendrilo-bare-window,
# vendrilo-startup-watch and land/ (as the build leaves them). With EARLIER_VENDRILO (the
# program of an earlier build) its start without a server is measured in the same turns.
# Figures are in bench/README.md.
set -u
bin=$(cd "$1" && pwd)
runs=${2:-15}
earlier=${3:+$(cd "$(dirname "$3")" && pwd)/$(basename "$3")}
if [ -z "${DISPLAY:-}" ]; then
    # -noreset: the server must outlive each program, or the next start finds it resetting.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
# A desktop has a session bus, which Qt's accessibility connects to at the first text: the
# starts get one of their own, unless NO_BUS=1 (or there is no dbus-run-session).
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] && [ -z "${NO_BUS:-}" ] &&
    command -v dbus-run-session >/dev/null; then
    exec dbus-run-session -- bash "$0" "$@" 2> >(grep -v "fd limit" >&2)
fi
tmp=$(mktemp -d)
server_pid=
trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$tmp"' EXIT

# draws FILE FIRST_DAY LAST_DAY: a Wednesday and a Saturday draw each week between the two days
# (days counted from 30.12.1899), numbers varying with the day.
draws() {
    python3 - "$@" <<'PY'
import struct, sys
path, first, last = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
with open(path, 'wb') as f:
    for day in range(first, last + 1):
        if day % 7 not in (0, 4):  # Saturday, Wednesday
            continue
        numbers = sorted((day + 7 * i) % 49 + 1 for i in range(6))
        f.write(struct.pack('<d6BBB', float(day), *numbers, 0, 0) + bytes(16))
PY
}
today=$(python3 -c 'import datetime; print((datetime.date.today() - datetime.date(1899, 12, 30)).days)')

# A program folder as installed, and one whose settings name the server.
setup() {
    mkdir -p "$tmp/$1/prog" "$tmp/$1/config/Quirlend"
    cp "$bin/vendrilo" "$tmp/$1/prog/"
    cp -r "$bin/land" "$tmp/$1/prog/"
    [ -f "$bin/yippee.wav" ] && cp "$bin/yippee.wav" "$tmp/$1/prog/"
    cp "$bin"/vendrilo-*.so "$tmp/$1/prog/" 2>/dev/null
    draws "$tmp/$1/prog/ZahlenPL.dat" $((today - 400)) $((today - 100))
}
setup window
setup server
setup polish
for shipped in ZahlenPL.dat ZahlenPLPlus.dat QuotenPL.csv; do
    [ -f "$bin/$shipped" ] && cp "$bin/$shipped" "$tmp/polish/prog/"
done
if [ -n "$earlier" ]; then
    setup earlier
    cp "$earlier" "$tmp/earlier/prog/vendrilo"
fi
draws "$tmp/server.dat" $((today - 400)) "$today"
"$bin/vendrilo-server" --port 0 --delay 150 --draws "$tmp/server.dat" >"$tmp/server.out" 2>&1 &
server_pid=$!
for _ in $(seq 250); do
    url=$(sed -n 's/^listening on \(http:.*\)$/\1/p' "$tmp/server.out")
    [ -n "$url" ] && break
    sleep 0.02
done
[ -n "$url" ] || { echo "the server did not start"; exit 2; }
printf '[General]\nServer=%s\n' "$url" >"$tmp/server/config/Quirlend/Pelvano.conf"

# start NAME PROGRAM: "mapped drawn" in ms; the server case starts from its file anew each time.
start() {
    if [ "$1" = server ]; then
        draws "$tmp/server/prog/ZahlenPL.dat" $((today - 400)) $((today - 100))
    fi
    XDG_CONFIG_HOME=$tmp/$1/config "$bin/vendrilo-startup-watch" "$2" 2>/dev/null
}
# A first start of each writes what a first start writes.
start window "$tmp/window/prog/vendrilo" >/dev/null
start server "$tmp/server/prog/vendrilo" >/dev/null
start polish "$tmp/polish/prog/vendrilo" >/dev/null
printf '[General]\nSprache=8\n' >"$tmp/polish/config/Quirlend/Pelvano.conf"
[ -n "$earlier" ] && start earlier "$tmp/earlier/prog/vendrilo" >/dev/null

: >"$tmp/times"
for _ in $(seq "$runs"); do
    line="$(start bare "$bin/vendrilo-bare-window") $(start window "$tmp/window/prog/vendrilo")"
    line="$line $(start server "$tmp/server/prog/vendrilo")"
    line="$line $(start polish "$tmp/polish/prog/vendrilo")"
    [ -n "$earlier" ] && line="$line $(start earlier "$tmp/earlier/prog/vendrilo")"
    echo "$line" >>"$tmp/times"
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
fields=$([ -n "$earlier" ] && echo 10 || echo 8)
column() { awk -v c="$1" -v n="$fields" 'NF == n { print $c }' "$tmp/times" | median; }
ratio() { awk -v a="$1" -v b="$2" -v n="$fields" 'NF == n { print $a / $b }' "$tmp/times" | median; }
bus=$([ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && echo "a session bus" || echo "no session bus")
echo "median of $(awk -v n="$fields" 'NF == n' "$tmp/times" | wc -l) starts with $bus, ms"
echo "                                 mapped   drawn"
printf 'bare                            %7.0f %7.0f\n' "$(column 1)" "$(column 2)"
printf 'window, no server               %7.0f %7.0f   to bare: %.2f %.2f\n' "$(column 3)" \
    "$(column 4)" "$(ratio 3 1)" "$(ratio 4 2)"
printf 'window, server, 100 days behind %7.0f %7.0f   to window: %.2f %.2f\n' "$(column 5)" \
    "$(column 6)" "$(ratio 5 3)" "$(ratio 6 4)"
printf 'returning Polish user           %7.0f %7.0f   to bare: %.2f %.2f\n' "$(column 7)" \
    "$(column 8)" "$(ratio 7 1)" "$(ratio 8 2)"
if [ -n "$earlier" ]; then
    printf 'earlier build, no server        %7.0f %7.0f   to bare: %.2f %.2f\n' "$(column 9)" \
        "$(column 10)" "$(ratio 9 1)" "$(ratio 10 2)"
fi
