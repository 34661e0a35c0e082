#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The draw service keeps itself current: vendrilo-server polls a results list for Lotto and the
# operator's results API (a local stand-in) for Lotto Plus, adds exactly the new draws, and
# changes nothing for a list that changes a stored draw, shrinks or holds garbage, saying so in
# its log. The clients then get the new draws from it.
set -u
cli=$1 server=$2 data=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
publisher=$here/../server/publisher.py

# csv2dat CSV OUT [COUNT]: the first COUNT draws of a shipped CSV (all without COUNT) as a draw
# file, written without the program's writer.
csv2dat() {
    python3 - "$@" <<'PY'
import datetime, struct, sys
epoch = datetime.date(1899, 12, 30)
rows = [l.strip().split(",") for l in open(sys.argv[1]) if l.strip()]
if len(sys.argv) > 3:
    rows = rows[:int(sys.argv[3])]
with open(sys.argv[2], "wb") as f:
    for number, date, *numbers in rows:
        d, m, y = (int(x) for x in date.split("."))
        f.write(struct.pack("<d6BBB", float((datetime.date(y, m, d) - epoch).days),
                            *map(int, numbers), 0, 0) + bytes(16))
PY
}
lotto_csv=$data/polish-lotto-6of49.csv plus_csv=$data/polish-lotto-plus.csv
lotto_all=$(wc -l <"$lotto_csv") plus_all=$(wc -l <"$plus_csv")
csv2dat "$lotto_csv" "$tmp/lotto-full.dat"
"$cli" --draws "$tmp/lotto-full.dat" draws >"$tmp/lotto-full.txt"
csv2dat "$plus_csv" "$tmp/plus-full.dat"
csv2dat "$lotto_csv" "$tmp/lotto.dat" $((lotto_all - 5))
csv2dat "$plus_csv" "$tmp/plus.dat" $((plus_all - 5))
cp "$tmp/lotto.dat" "$tmp/lotto-before.dat"

mkdir "$tmp/pub"
python3 "$publisher" list "$lotto_csv" >"$tmp/pub/lotto.txt"
python3 "$publisher" api "$lotto_csv" "$plus_csv" 20 >"$tmp/pub/api.json"
echo "the-key" >"$tmp/pub/api.key"
python3 "$publisher" "$tmp/pub" >"$tmp/pub.out" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
    pub=$(sed -n 's/^listening on //p' "$tmp/pub.out")
    [ -n "$pub" ] && break
    sleep 0.05
done

start_server service --draws "$tmp/lotto.dat" --plus-draws "$tmp/plus.dat" --today 20.08.2026 \
    --source "lotto=$pub/lotto.txt" --source plus=api:the-key --api-base "$pub/api" --poll 0.005
log=$tmp/service.out
# wait_log GAME N: until the log holds N lines of GAME; prints the last.
wait_log() {
    for _ in $(seq 300); do
        [ "$(grep -c " $1 " "$log")" -ge "$2" ] && break
        sleep 0.05
    done
    grep " $1 " "$log" | sed -n "$2p"
}

# The first polls add the five newer draws of each game, exactly those.
[[ $(wait_log lotto 1) == *"lotto $pub/lotto.txt: 5 new draw(s), the newest of 20.08.2026" ]] &&
    ok || fail "lotto's first poll: $(cat "$log")"
[[ $(wait_log plus 1) == *"plus api: 5 new draw(s), the newest of 20.08.2026" ]] && ok ||
    fail "plus's first poll: $(cat "$log")"
cmp -s "$tmp/lotto.dat" "$tmp/lotto-full.dat" && ok || fail "lotto: not the whole history"
cmp -s "$tmp/plus.dat" "$tmp/plus-full.dat" && ok || fail "plus: not the whole history"
[[ $(wait_log lotto 2) == *"no new draws ($lotto_all in the list)" ]] && ok ||
    fail "lotto's second poll: $(wait_log lotto 2)"
# A client's update now gets the new draws of both games from the service.
csv2dat "$plus_csv" "$tmp/client-plus.dat" $((plus_all - 2))
"$cli" --game plus --draws "$tmp/client-plus.dat" --today 20.08.2026 update --server "$url" \
    >"$tmp/out" 2>&1
cmp -s "$tmp/client-plus.dat" "$tmp/plus-full.dat" && ok || fail "client update: $(cat "$tmp/out")"

# A single user needs no service: "Update-Server" may name a results list itself. The update
# tells it from a draw service by the answer and merges it as import-draws does.
csv2dat "$lotto_csv" "$tmp/single.dat" $((lotto_all - 3))
"$cli" --draws "$tmp/single.dat" --today 20.08.2026 update --server "$pub/lotto.txt" >"$tmp/out" 2>&1
cmp -s "$tmp/single.dat" "$tmp/lotto-full.dat" && ok || fail "results list as the server: $(cat "$tmp/out")"
{ tail -n 3 "$tmp/lotto-full.txt"; echo "status: Ergebnisliste: 3 neue Ziehungen, $((lotto_all - 3)) schon vorhanden, 0 Zeilen abgelehnt"; } |
    cmp -s - "$tmp/out" && ok || fail "results list output: $(tail -4 "$tmp/out")"

# Lists the service must not take: each changes nothing and says why.
cp "$tmp/pub/lotto.txt" "$tmp/good.txt"
# publish: the list in $tmp/list.txt takes the published one's place in one step.
publish() { mv "$tmp/list.txt" "$tmp/pub/lotto.txt"; }
# check_refused WHAT PATTERN: a lotto poll after the list changed (the one after any poll under
# way) is refused as PATTERN, and the file stays as it was.
check_refused() {
    local before line
    before=$(grep -c " lotto " "$log")
    line=$(wait_log lotto $((before + 2)))
    [[ $line == *"refused, nothing changed: "*$2* ]] && ok || fail "$1: $line"
    cmp -s "$tmp/lotto.dat" "$tmp/lotto-full.dat" && ok || fail "$1: the file changed"
}
sed '100s/^\(100\. [0-9.]*\) .*$/\1 1,2,3,4,5,6/' "$tmp/good.txt" >"$tmp/list.txt" && publish
check_refused "a changed old draw" "line 100: differs from the stored draw of that day"
head -n -1 "$tmp/good.txt" >"$tmp/list.txt" && publish
check_refused "a shorter list" "the list holds $((lotto_all - 1)) draws, $lotto_all at the last poll"
{ cat "$tmp/good.txt"; echo "<html>Wartung</html>"; } >"$tmp/list.txt" && publish
check_refused "garbage" "line $((lotto_all + 1)): not a draw line"
{ cat "$tmp/good.txt"; echo "$((lotto_all + 1)). 21.08.2026 1,2,3,4,5,6"; } >"$tmp/list.txt" && publish
check_refused "a draw after today" "lies after today"
# A wrong key: the API answers 401, the service logs it and keeps its draws.
before=$(grep -c " plus " "$log")
echo "another-key" >"$tmp/pub/api.key"
line=$(wait_log plus $((before + 2)))
[[ $line == *"plus api: refused, nothing changed: the answer is 401"* ]] && ok || fail "wrong key: $line"
cmp -s "$tmp/plus.dat" "$tmp/plus-full.dat" && ok || fail "wrong key: the file changed"
[ ! -s "$tmp/service.err" ] && ok || fail "stderr: $(cat "$tmp/service.err")"
finish sources
