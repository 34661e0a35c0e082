#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli chart NAME: heading, value axis and bars of every chart, line by line.
set -u
cli=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)
week=$here/../fixtures/chartweek.dat
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

# The six draws of the fixture, in stored order (the last one unsorted), with bonus and Superzahl.
cat >"$tmp/week.txt" <<'END'
01.01.2020,1,2,3,4,5,6,7,3
02.01.2020,10,11,20,21,22,49,2,5
04.01.2020,3,4,5,17,30,31,6,0
05.01.2020,44,45,46,47,48,49,1,9
07.01.2020,2,3,5,7,11,13,40,3
08.01.2020,31,4,19,8,40,12,33,7
END
"$cli" --draws "$week" draws | cmp -s - "$tmp/week.txt" || { echo "FAIL: fixture content"; exit 1; }

# chart NAME over 01.01.2020 (a Wednesday, with a draw) .. 08.01.2020, extra options first.
chart() {
    local name=$1
    shift
    "$cli" --draws "$week" --from 01.01.2020 --date 08.01.2020 "$@" chart "$name"
}
# expect NAME "OPTIONS" <<< expected whole output
expect() {
    local name=$1 opts=$2
    # shellcheck disable=SC2086
    if chart "$name" $opts >"$tmp/out" 2>"$tmp/err" && cmp -s - "$tmp/out"; then ok
    else fail "chart $name $opts"; diff <(cat) "$tmp/out" | head -5; fi
}
# has NAME "OPTIONS" LINE...: the output holds each line; the first two lines are compared exactly.
has() {
    local name=$1 opts=$2
    shift 2
    # shellcheck disable=SC2086
    chart "$name" $opts >"$tmp/out" 2>"$tmp/err" || { fail "chart $name $opts: status"; return; }
    local head1=$1 head2=$2
    shift 2
    [ "$(sed -n 1p "$tmp/out")" = "$head1" ] || { fail "$name $opts heading: $(sed -n 1p "$tmp/out")"; return; }
    [ "$(sed -n 2p "$tmp/out")" = "$head2" ] || { fail "$name $opts axis: $(sed -n 2p "$tmp/out")"; return; }
    for line in "$@"; do
        grep -qxF -- "$line" "$tmp/out" || { fail "$name $opts lacks '$line'"; return; }
    done
    ok
}
bars() { echo $(($(wc -l <"$tmp/out") - 2)); }

# Number distribution: the first day counts, bonus numbers count, the cross sums do not
# include them (678 / 6 = 113).
has numbers "" "Zahlenverteilung     Ziehungen: 6    Quersumme: 113" "axis: 0 3" \
    "1 2 #008000" "2 3 #FF0000" "4 3 #008000" "7 2 #FF0000" "9 0 #008000" "33 1 #008000" \
    "40 2 #008000" "47 1 #FF0000" "49 2 #008000"
[ "$(bars)" -eq 49 ] && ok || fail "numbers: 49 bars"
# Saturday/Sunday only (CheckBox17 off): 90 + 279 = 369 / 2 = 184.5 shows 184.
has numbers "--set CheckBox17=0" "Zahlenverteilung     Ziehungen: 2    Quersumme: 184" \
    "axis: 0 1" "1 1 #008000" "49 1 #008000" "3 1 #FF0000" "2 0 #FF0000"
# The other days only (CheckBox16 off): both Wednesdays (the first day is in), Thursday and
# Tuesday; 21 + 133 + 41 + 114 = 309 / 4 = 77.25 shows 77; 2 drawn twice and once as a bonus.
has numbers "--set CheckBox16=0" "Zahlenverteilung     Ziehungen: 4    Quersumme: 77" \
    "axis: 0 3" "2 3 #FF0000" "4 2 #008000" "31 1 #FF0000" "9 0 #008000"

# Cross sums: the first day is left out, no draw-day filter; one bar per sum 41..279.
has crosssums "" "Quersummenverteilung     Ziehungen: 5    Quersumme: 131" "axis: auto 0 1" \
    "41 1 #008000" "42 0 #008000" "90 1 #008000" "114 1 #008000" "133 1 #008000" "279 1 #008000"
[ "$(bars)" -eq 239 ] && ok || fail "crosssums: 239 bars"
[ "$(sed -n 3p "$tmp/out")" = "41 1 #008000" ] && [ "$(tail -1 "$tmp/out")" = "279 1 #008000" ] \
    && ok || fail "crosssums: first and last bar"
has crosssums "--set CheckBox16=0" "Quersummenverteilung     Ziehungen: 5    Quersumme: 131" \
    "axis: auto 0 1"

# Runs: pairs 10 20 21 | 3 4 30 | 44..48 | 2; the Wednesday draw on the first day is out.
has pairs "" "Ziehungen: 5     Paare gefunden : 12" "axis: 0 1" "1 0 #008000" "2 1 #008000" \
    "48 1 #008000" "21 1 #008000"
[ "$(bars)" -eq 48 ] && ok || fail "pairs: 48 bars"
has pairs "--set CheckBox17=0" "Ziehungen: 2     Paare gefunden : 8" "axis: 0 1" "2 0 #008000"
# The other days after the first: Thursday 10 20 21, Tuesday 2, the last Wednesday none.
has pairs "--set CheckBox16=0" "Ziehungen: 3     Paare gefunden : 4" "axis: 0 1" "2 1 #008000" \
    "10 1 #008000" "21 1 #008000" "44 0 #008000"
has triples "" "Ziehungen: 5     Dreier gefunden : 6" "axis: 0 1" "3 1 #008000" "20 1 #008000" \
    "47 1 #008000" "2 0 #008000"
[ "$(bars)" -eq 47 ] && ok || fail "triples: 47 bars"
# Quads take every weekday and leave the axis automatic.
has quads "--set CheckBox17=0" "Ziehungen: 5     Vierer gefunden : 3" "axis: auto 0 1" \
    "44 1 #008000" "46 1 #008000" "47 0 #008000" "49 0 #008000"
[ "$(bars)" -eq 49 ] && ok || fail "quads: 49 bars"

# Overdue numbers: 1 in the last draw (33 only as its bonus number), 6 when never drawn.
has overdue "" "Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht gezogen?" \
    "axis: 1 6" "33 1 #008000" "40 1 #008000" "2 2 #FF0000" "1 3 #008000" "17 4 #FF0000" \
    "10 5 #008000" "9 6 #008000" "49 3 #008000"
expect superzahl "" <<'END'
Welche Superzahl wurde am längsten nicht gezogen?
axis: 1 5
0 4 #008000
1 5 #008000
2 5 #008000
3 2 #008000
4 5 #008000
5 5 #008000
6 5 #008000
7 1 #008000
8 5 #008000
9 3 #008000
END

# Per-draw properties: 14 primes of 30 numbers = 46.7 %, 17 odd = 56.7 %, 13 even = 43.3 %.
expect primes "" <<'END'
Anzahl der Primzahlen pro Tipp bei 5 Ziehungen. 47% waren Primzahlen.
axis: 0 2
0 0 #008000
1 2 #008000
2 1 #008000
3 0 #008000
4 1 #008000
5 0 #008000
6 1 #008000
END
expect odd "" <<'END'
Anzahl der ungeraden Zahlen pro Tipp bei 5 Ziehungen.  57% waren Ungerade.
axis: 0 2
0 0 #008000
1 0 #008000
2 1 #008000
3 2 #008000
4 1 #008000
5 1 #008000
6 0 #008000
END
expect even "" <<'END'
Anzahl der geraden Zahlen pro Tipp bei 5 Ziehungen.  43% waren Gerade.
axis: 0 2
0 0 #008000
1 1 #008000
2 1 #008000
3 2 #008000
4 1 #008000
5 0 #008000
6 0 #008000
END

# An empty period still draws: zero bars, or no bar at all for the cross sums, and 0 where the
# title would divide by zero.
empty="--from 01.01.2021 --date 31.12.2021"
has numbers "$empty" "Zahlenverteilung     Ziehungen: 0    Quersumme: 0" "axis: 0 0" "1 0 #008000"
[ "$(bars)" -eq 49 ] && ok || fail "empty numbers: 49 bars"
expect crosssums "$empty" <<'END'
Quersummenverteilung     Ziehungen: 0    Quersumme: 0
axis: auto 0 0
END
has even "$empty" "Anzahl der geraden Zahlen pro Tipp bei 0 Ziehungen.  0% waren Gerade." "axis: 0 0" \
    "6 0 #008000"

# The tip distribution without --tips: an empty sheet.
has tips "" "Zahlenverteilung des Tippes" "axis: 0 0" "2 0 #FF0000" "49 0 #008000"
# With a tip file: rows 1 and 2 count; row 4 stands after the empty row 3 and does not.
printf '%s\r\n' "3,11,17,25,38,44" "1,9,3,30,41,49" ",,,,," "5,6,7,8,10,12" ",,,,," ",,,,," \
    ",,,,," ",,,,," ",,,,," ",,,,," ",,,,," ",,,,," "1234567" >"$tmp/sheet.qkt"
has tips "--tips $tmp/sheet.qkt" "Zahlenverteilung des Tippes" "axis: 0 2" "3 2 #FF0000" \
    "1 1 #008000" "49 1 #008000" "5 0 #FF0000" "12 0 #008000"

# The number distribution of the shipped history against a count straight from its CSV
# (bonus numbers are unknown there), for a period that starts on a draw day.
cp "$cli" "$tmp/vendrilo-cli"
"$tmp/vendrilo-cli" draws >/dev/null
"$cli" --draws "$tmp/ZahlenPL.dat" --from 03.01.2015 --date 31.12.2016 chart numbers >"$tmp/out"
awk -F, '
    { split($2, d, "."); key = d[3] d[2] d[1] }
    key >= "20150103" && key <= "20161231" {
        draws++
        for (i = 3; i <= 8; i++) { c[$i + 0]++; sum += $i }
    }
    END {
        q = int(sum / draws); r = sum - q * draws
        if (2 * r > draws || (2 * r == draws && q % 2 == 1)) q++
        printf "Zahlenverteilung     Ziehungen: %d    Quersumme: %d\n", draws, q
        lo = 1e9; hi = 0
        for (n = 1; n <= 49; n++) { v = c[n] + 0; if (v < lo) lo = v; if (v > hi) hi = v }
        printf "axis: %d %d\n", lo, hi
        for (n = 1; n <= 49; n++) {
            p = (n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13 || n == 17 ||
                 n == 19 || n == 23 || n == 29 || n == 31 || n == 37 || n == 41 || n == 43 || n == 47)
            printf "%d %d %s\n", n, c[n] + 0, p ? "#FF0000" : "#008000"
        }
    }' "$data/polish-lotto-6of49.csv" >"$tmp/expected"
cmp -s "$tmp/out" "$tmp/expected" && ok || { fail "shipped history numbers"; diff "$tmp/expected" "$tmp/out" | head; }
grep -q "Ziehungen: 0" "$tmp/out" && fail "shipped history period is empty"

# Every chart against the independent model in tools/check_charts.py: own draw files (bonus
# numbers, Superzahlen, draws on the first and last day, several weekdays, empty periods) and
# the shipped history, rounding ties, all four draw-day filter settings, regular and loose
# tip files; 2,700 cases through one batch process. scripts/deps.sh installs python3.
checker=$here/../../tools/check_charts.py
if ! command -v python3 >/dev/null 2>&1; then
    fail "python3 missing: the model comparison cannot run (scripts/deps.sh installs it)"
elif python3 "$checker" --cli "$cli" --draws "$tmp/ZahlenPL.dat" --work "$tmp/model" \
    --cases 4 >"$tmp/model.log" 2>&1 && grep -qx "compared 2700 cases, 0 mismatches" "$tmp/model.log"
then ok
else fail "charts differ from the model"; head -20 "$tmp/model.log"; fi

# Errors: one line on stderr, status 2, nothing on stdout.
for args in "chart" "chart bogus" "chart numbers extra"; do
    # shellcheck disable=SC2086
    "$cli" --draws "$week" $args >"$tmp/out" 2>"$tmp/err"
    status=$?
    if [ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ]; then ok
    else fail "'$args': status $status, stdout $(wc -c <"$tmp/out") bytes"; fi
done

finish "chart"
