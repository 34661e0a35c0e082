#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The draw history by hand and the print-out through vendrilo-cli: enter, delete, import-draws
# and printout on copies of the shipped history.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

# A program folder of its own per case: the tool and the shipped history.
fresh() {
    rm -rf "$tmp/p"
    mkdir "$tmp/p"
    cp "$cli" "$tmp/p/vendrilo-cli"
    "$tmp/p/vendrilo-cli" draws >"$tmp/full.txt"
}
run() { "$tmp/p/vendrilo-cli" --today 08.12.2026 "$@"; }

# Entry: a correction keeps the length and the place, sorted; the day after the newest draw is
# shown afterwards.
fresh
run --date 18.08.2026 enter 18.08.2026 40,2,17,9,33,21 >"$tmp/out" || fail "enter: exit $?"
run draws >"$tmp/after.txt"
[ "$(wc -l <"$tmp/after.txt")" -eq 7394 ] && ok || fail "correction changed the length"
[ "$(sed -n 7393p "$tmp/after.txt")" = "18.08.2026,2,9,17,21,33,40,0,0" ] && ok ||
    fail "correction: $(sed -n 7393p "$tmp/after.txt")"
[ "$(sed -n 3p "$tmp/out")" = "Position: 7393" ] && ok || fail "shown after entry: $(cat "$tmp/out")"
# A new draw after the newest: added at the end and shown.
fresh
run enter 22.08.2026 1,2,3,4,5,6 7 >"$tmp/out" || fail "enter new: exit $?"
[ "$(run draws | tail -1)" = "22.08.2026,1,2,3,4,5,6,7,0" ] && ok || fail "new draw: $(run draws | tail -1)"
grep -q "22.08.26" "$tmp/out" && ok || fail "the new draw is not shown: $(cat "$tmp/out")"
# Between two stored draws: inserted in date order.
run enter 19.08.2026 11,12,13,14,15,16 >/dev/null || fail "enter between: exit $?"
[ "$(run draws | tail -3 | head -1 | cut -d, -f1)" = "19.08.2026" ] && ok || fail "not inserted"
# Duplicates and bad numbers are refused, nothing written.
cp "$tmp/p/ZahlenPL.dat" "$tmp/before.dat"
for numbers in 1,2,3,4,5,5 1,2,3,4,5,50 1,2,3; do
    run enter 23.08.2026 $numbers >/dev/null 2>&1
    [ $? -eq 2 ] && ok || fail "enter $numbers: not refused"
done
cmp -s "$tmp/before.dat" "$tmp/p/ZahlenPL.dat" && ok || fail "a refused entry changed the file"

# Deletion: both records of a day with two draws go; the next draw is shown.
fresh
day=$(awk -F, 'seen[$1]++ { print $1; exit }' "$tmp/full.txt")
run --date "$day" delete >"$tmp/out" || fail "delete: exit $?"
[ "$(run draws | grep -c "^$day,")" -eq 0 ] && ok || fail "delete: $day still stored"
[ "$(run draws | wc -l)" -eq 7392 ] && ok || fail "delete removed $((7394 - $(run draws | wc -l))) records"

# Import: the history without its last 100 draws, then the shipped CSV.
fresh
python3 -c "import sys; p=sys.argv[1]; d=open(p,'rb').read(); open(p,'wb').write(d[:-3200])" \
    "$tmp/p/ZahlenPL.dat"
run import-draws "$here/../../data/polish-lotto-6of49.csv" >"$tmp/out" || fail "import: exit $?"
printf 'added 100\npresent 7294\nrefused 0\n' | diff -u - "$tmp/out" && ok || fail "import counts"
run draws | cmp -s - "$tmp/full.txt" && ok || fail "import: the history differs"
# Three bad lines among good ones: exactly those three refused.
{
    echo "1,21.08.2026,1,2,3,4,5,6"
    echo "2,22.08.2026,1,2,3,4,5"
    echo "3. 23.08.2026 7 8 9 10 11 12"
    echo "4,30.02.2027,1,2,3,4,5,6"
    echo "5,20.08.2026,1,2,3,4,5,6"
    echo "6,25.08.2026,13,14,15,16,17,18"
} >"$tmp/results.txt"
run import-draws "$tmp/results.txt" >"$tmp/out" || fail "import results: exit $?"
{
    echo "refused 2: 5 numbers instead of six"
    echo "refused 4: 30.02.2027 is no calendar date"
    echo "refused 5: differs from the stored draw of that day"
    printf 'added 3\npresent 0\nrefused 3\n'
} | diff -u - "$tmp/out" && ok || fail "three bad lines"
# A picture: nothing changed, exit 3.
cp "$tmp/p/ZahlenPL.dat" "$tmp/before.dat"
run import-draws "$here/../../docs/mainwindow.png" >"$tmp/out" 2>"$tmp/err"
[ $? -eq 3 ] && [ ! -s "$tmp/out" ] && [ -s "$tmp/err" ] && ok || fail "picture: $(cat "$tmp/err")"
cmp -s "$tmp/before.dat" "$tmp/p/ZahlenPL.dat" && ok || fail "picture changed the file"

# The print-out: rows 1 and 3 of a sheet, dated the next draw day after the shown one as the
# stored Tuesday/Thursday/Saturday draws give it; with one draw-day box ticked, a week on.
printf '3,7,12,25,33,49\r\n\r\n1,2,10,20,30,40\r\n' >"$tmp/tips.qkt"
run --date 15.08.2026 --tips "$tmp/tips.qkt" printout >"$tmp/out" || fail "printout: exit $?"
[ "$(wc -l <"$tmp/out")" -eq 5 ] && ok || fail "printout: $(wc -l <"$tmp/out") lines"
for case in "15.08.2026 Tuesday 18.08.26" "18.08.2026 Thursday 20.08.26" \
    "20.08.2026 Saturday 22.08.26" "15.08.2026 Saturday 22.08.26 --set CheckBox17=0"; do
    set -- $case
    title=$(LC_ALL=C LANG=C run --date "$1" "${@:4}" printout | head -1)
    [ "${title##*Tipp für }" = "$2 $3" ] && ok || fail "print-out after $1 $4: $title"
done
[ "$(sed -n 4p "$tmp/out")" = " 1. Tipp:  3    7   12   25   33   49" ] && ok || fail "row 1"
[ "$(sed -n 5p "$tmp/out")" = " 3. Tipp:  1    2   10   20   30   40" ] && ok || fail "row 3"
run --date 15.08.2026 printout | wc -l | grep -qx 3 && ok || fail "empty sheet"
printf '3,7,,25,33,49\r\n' >"$tmp/bad.qkt"
run --tips "$tmp/bad.qkt" printout >"$tmp/out" 2>"$tmp/err"
[ $? -eq 3 ] && grep -q "kein gültiger Integerwert" "$tmp/err" && ok || fail "empty field: $(cat "$tmp/err")"
finish history
