#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lotto Plus through the draw service: an update of a file cut at 31.12.2025 brings it back to
# the shipped history byte for byte; a server without Lotto Plus gives none of its Lotto draws
# for it; and a service killed while it merges a source leaves each file old or new, whole.
set -u
cli=$1 server=$2 data=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
publisher=$here/../server/publisher.py

# csv2dat CSV OUT [LAST]: the draws of a shipped CSV up to the day LAST (DD.MM.YYYY) as a draw
# file, written without the program's writer; all of them without LAST.
csv2dat() {
    python3 - "$@" <<'PY'
import datetime, struct, sys
epoch = datetime.date(1899, 12, 30)
day = lambda text: datetime.date(*reversed([int(x) for x in text.split(".")]))
last = day(sys.argv[3]) if len(sys.argv) > 3 else datetime.date.max
with open(sys.argv[2], "wb") as f:
    for line in open(sys.argv[1]):
        if not line.strip():
            continue
        number, date, *numbers = line.strip().split(",")
        if day(date) <= last:
            f.write(struct.pack("<d6BBB", float((day(date) - epoch).days), *map(int, numbers), 0, 0)
                    + bytes(16))
PY
}
csv2dat "$data/polish-lotto-6of49.csv" "$tmp/lotto.dat"
csv2dat "$data/polish-lotto-plus.csv" "$tmp/plus.dat"

# --- The shipped Lotto Plus history back, byte for byte, from a file cut at 31.12.2025.
start_server both --draws "$tmp/lotto.dat" --plus-draws "$tmp/plus.dat"
csv2dat "$data/polish-lotto-plus.csv" "$tmp/client.dat" 31.12.2025
cut=$(($(stat -c %s "$tmp/client.dat") / 32))
"$cli" --game plus --draws "$tmp/client.dat" --today 20.08.2026 update --server "$url" >"$tmp/out" 2>&1
cmp -s "$tmp/client.dat" "$tmp/plus.dat" && ok || fail "not the shipped history: $(tail -2 "$tmp/out")"
[ "$(grep -c ',0,0$' "$tmp/out")" -eq $(($(stat -c %s "$tmp/plus.dat") / 32 - cut)) ] && ok ||
    fail "appended lines: $(grep -c ',0,0$' "$tmp/out")"
# The Lotto update of the same server still gives the Lotto draws.
csv2dat "$data/polish-lotto-6of49.csv" "$tmp/client.dat" 31.12.2025
"$cli" --draws "$tmp/client.dat" --today 20.08.2026 update --server "$url" >"$tmp/out" 2>&1
cmp -s "$tmp/client.dat" "$tmp/lotto.dat" && ok || fail "lotto: $(tail -2 "$tmp/out")"
kill "$server_pid"

# --- A server without Lotto Plus: nothing stored for it, the status says so.
start_server lottoonly --draws "$tmp/lotto.dat"
csv2dat "$data/polish-lotto-plus.csv" "$tmp/client.dat" 31.12.2025
cp "$tmp/client.dat" "$tmp/client-before.dat"
"$cli" --game plus --draws "$tmp/client.dat" --today 20.08.2026 update --server "$url" >"$tmp/out" 2>&1
cmp -s "$tmp/client.dat" "$tmp/client-before.dat" && ok || fail "lotto draws taken for plus"
grep -q "^status: Der Update-Server liefert kein Lotto Plus (404" "$tmp/out" && ok ||
    fail "no plus: $(cat "$tmp/out")"
kill "$server_pid"

# --- Killed while it merges: each file is its old self or the merged one, never torn.
mkdir "$tmp/pub"
python3 "$publisher" list "$data/polish-lotto-6of49.csv" >"$tmp/pub/lotto.txt"
python3 "$publisher" list "$data/polish-lotto-plus.csv" >"$tmp/pub/plus.txt"
python3 "$publisher" "$tmp/pub" >"$tmp/pub.out" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
    pub=$(sed -n 's/^listening on //p' "$tmp/pub.out")
    [ -n "$pub" ] && break
    sleep 0.05
done
csv2dat "$data/polish-lotto-6of49.csv" "$tmp/lotto-old.dat" 31.12.1999
csv2dat "$data/polish-lotto-plus.csv" "$tmp/plus-old.dat" 31.12.2015
# How long the two merges take on this machine: the kills are spread over twice that, so that
# they land before, during and after the merges however fast or slow the machine is.
cp "$tmp/lotto-old.dat" "$tmp/l.dat"
cp "$tmp/plus-old.dat" "$tmp/p.dat"
started=$(date +%s%N)
"$server" --port 0 --draws "$tmp/l.dat" --plus-draws "$tmp/p.dat" --today 20.08.2026 \
    --source "lotto=$pub/lotto.txt" --source "plus=$pub/plus.txt" >/dev/null 2>&1 &
victim=$!
for _ in $(seq 5000); do
    cmp -s "$tmp/l.dat" "$tmp/lotto.dat" && cmp -s "$tmp/p.dat" "$tmp/plus.dat" && break
    sleep 0.002
done
span_ms=$((($(date +%s%N) - started) / 500000 + 2))
kill -9 "$victim" 2>/dev/null
wait "$victim" 2>/dev/null
outcomes=()
for round in $(seq 15); do
    cp "$tmp/lotto-old.dat" "$tmp/l.dat"
    cp "$tmp/plus-old.dat" "$tmp/p.dat"
    "$server" --port 0 --draws "$tmp/l.dat" --plus-draws "$tmp/p.dat" --today 20.08.2026 \
        --source "lotto=$pub/lotto.txt" --source "plus=$pub/plus.txt" >/dev/null 2>&1 &
    victim=$!
    # The first kill comes before any merge, the second after both, the rest anywhere.
    delay_ms=$((round == 1 ? 0 : round == 2 ? span_ms : RANDOM % span_ms))
    sleep "$(awk -v ms=$delay_ms 'BEGIN { printf "%.3f", ms / 1000 }')"
    kill -9 "$victim" 2>/dev/null
    wait "$victim" 2>/dev/null
    for game in lotto plus; do
        file=$tmp/${game:0:1}.dat
        if cmp -s "$file" "$tmp/$game-old.dat"; then outcomes+=("$game:old"); ok
        elif cmp -s "$file" "$tmp/$game.dat"; then outcomes+=("$game:new"); ok
        else fail "round $round: $game torn, $(stat -c %s "$file") bytes"; fi
    done
    # What a kill leaves beside the files is gone at the next start of a program.
    "$cli" --draws "$tmp/l.dat" draws >/dev/null 2>&1
    [ -z "$(find "$tmp" -maxdepth 1 -name 'l.dat.vendrilo-*')" ] && ok || fail "round $round: temporaries left"
done
echo "merges took about $((span_ms / 2)) ms; outcomes: ${outcomes[*]}"
# The kills must land before and after merges, or the test proves nothing.
printf '%s\n' "${outcomes[@]}" | grep -q ':old' && printf '%s\n' "${outcomes[@]}" | grep -q ':new' &&
    ok || fail "the kills all landed on one side of the merges"
finish plus
