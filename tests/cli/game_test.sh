#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli --game: Lotto Plus as a second game. Its shipped history written on a first start
# beside the Lotto file, printed and shown; every command on the game's own file exactly as on
# that file named with --draws; charts and hits counted from the shipped CSV in awk; the history
# kept by hand changing only the game's file.
set -u
cli=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
plus_csv=$data/polish-lotto-plus.csv

cp "$cli" "$tmp/vendrilo-cli"
run() { "$tmp/vendrilo-cli" --today 08.12.2026 "$@"; }

# The shipped history, line for line from the CSV: numbers without padding, bonus and Superzahl 0.
run --game plus draws >"$tmp/plus.txt" || fail "--game plus draws: exit $?"
awk -F, '{ printf "%s", $2; for (i = 3; i <= 8; i++) printf ",%d", $i; print ",0,0" }' \
    "$plus_csv" | cmp -s - "$tmp/plus.txt" && ok || fail "the Lotto Plus history differs"
[ "$(wc -l <"$tmp/plus.txt")" -eq 2181 ] && ok || fail "$(wc -l <"$tmp/plus.txt") lines"
[ "$(tail -1 "$tmp/plus.txt")" = "20.08.2026,2,12,13,14,36,44,0,0" ] && ok || fail "last line"
[ "$(stat -c %s "$tmp/ZahlenPLPlus.dat")" -eq $((2181 * 32)) ] && ok || fail "file size"
run draws | cmp -s - <(run --game lotto draws) && ok || fail "lotto is the default game"
[ "$(run draws | wc -l)" -eq 7394 ] && ok || fail "the Lotto history"

run --game plus --date 20.08.2026 show >"$tmp/out" || fail "show: exit $?"
grep -q " 20.08.26 2 12 13 14 36 44$" <(sed -n 1p "$tmp/out" | tr -s ' ') && ok ||
    fail "show: $(sed -n 1p "$tmp/out")"
[ "$(sed -n 2,3p "$tmp/out" | tr '\n' '|')" = "QS: 121|Position: 2180|" ] && ok ||
    fail "show: $(cat "$tmp/out")"

# The number distribution of 2026: per number the draws of the CSV in the period holding it.
run --game plus --from 01.01.2026 --date 20.08.2026 chart numbers >"$tmp/chart" ||
    fail "chart: exit $?"
awk -F, '{ split($2, d, "."); if (d[3] d[2] d[1] >= "20260101") for (i = 3; i <= 8; i++) n[$i + 0]++ }
    END { for (k = 1; k <= 49; k++) print k, n[k] + 0 }' "$plus_csv" >"$tmp/expected"
tail -n +3 "$tmp/chart" | cut -d' ' -f1,2 | diff -q - "$tmp/expected" >/dev/null && ok ||
    fail "chart numbers: bars differ"
draws2026=$(grep -c ',[0-9][0-9]\.[0-9][0-9]\.2026,' "$plus_csv")
head -1 "$tmp/chart" | grep -q "Ziehungen: $draws2026 " && ok || fail "chart: $(head -1 "$tmp/chart")"

# Every command reads the game's own file: the same output as with that file named.
printf '2,12,13,14,36,44\r\n1,2,3,4,5,6\r\n5,6,12,38,41,43\r\n' >"$tmp/tips.qkt"
for command in "--date 20.08.2026 --tips $tmp/tips.qkt evaluate" "--seed 4711 generate" \
    "--from 01.01.2020 chart pairs" "--date 01.06.2026 --seed 5 backtest" \
    "--date 20.08.2026 --tips $tmp/tips.qkt printout"; do
    # shellcheck disable=SC2086
    run --game plus $command >"$tmp/game" 2>&1
    # shellcheck disable=SC2086
    run --draws "$tmp/ZahlenPLPlus.dat" $command >"$tmp/named" 2>&1
    cmp -s "$tmp/game" "$tmp/named" && [ -s "$tmp/game" ] && ok || fail "--game plus $command"
done
# Row 1 holds the Lotto Plus draw of 20.08.2026; the hits in Lotto counted from the Lotto CSV.
run --game plus --date 20.08.2026 --tips "$tmp/tips.qkt" evaluate | cut -f3 | head -3 >"$tmp/out"
lotto=$(awk -F, '$2 == "20.08.2026" { for (i = 3; i <= 8; i++) print $i + 0 }' \
    "$data/polish-lotto-6of49.csv")
hits() { echo "$lotto" | grep -cxF -f <(tr ',' '\n' <<<"$1"); }
printf '6\n1\n' | cmp -s - <(head -2 "$tmp/out") && ok || fail "hits in Lotto Plus: $(cat "$tmp/out")"
run --date 20.08.2026 --tips "$tmp/tips.qkt" evaluate | cut -f3 | head -3 >"$tmp/out"
[ "$(sed -n 1p "$tmp/out")" = "$(hits 2,12,13,14,36,44)" ] &&
    [ "$(sed -n 3p "$tmp/out")" = "$(hits 5,6,12,38,41,43)" ] && ok ||
    fail "hits in Lotto: $(cat "$tmp/out")"

# The history by hand: only the game's own file changes.
cp "$tmp/ZahlenPL.dat" "$tmp/lotto-before.dat"
run --game plus enter 22.08.2026 1,2,3,4,5,6 >/dev/null || fail "enter: exit $?"
[ "$(run --game plus draws | tail -1)" = "22.08.2026,1,2,3,4,5,6,0,0" ] && ok || fail "entered"
run --game plus --date 22.08.2026 delete >/dev/null || fail "delete: exit $?"
run --game plus draws | cmp -s - "$tmp/plus.txt" && ok || fail "deleted"
echo "7395. 22.08.2026 7,8,9,10,11,12" >"$tmp/results.txt"
[ "$(run --game plus import-draws "$tmp/results.txt" | head -1)" = "added 1" ] && ok ||
    fail "import"
cmp -s "$tmp/lotto-before.dat" "$tmp/ZahlenPL.dat" && ok || fail "the Lotto file changed"

# A game of another name: one line on stderr, status 2.
run --game keno draws >"$tmp/out" 2>"$tmp/err"
[ $? -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok ||
    fail "--game keno: $(cat "$tmp/err")"
finish game
