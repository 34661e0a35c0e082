#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The draw-update answers: one line per draw of the requested day in file order, empty days,
# the newest day and the days after it, refused queries, the request forms a proxy or a hand
# sends, and a draw file that changes while the server runs.
set -u
server=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

draws=$tmp/ZahlenPL.dat
# The newest day (05.10.) stands before two draws of 03.10.; the numbers are stored unsorted.
python3 "$makedraws" "$draws" "01.10.2024 5 10 15 20 25 30" "05.10.2024 9 8 7 6 5 4" \
    "03.10.2024 40 7 12 1 49 23" "03.10.2024 3 11 19 27 35 43"
start_server days --draws "$draws"
day() { echo "/lotto/PELVANO.asp?Programm=PELVANO&Datum=$1"; }

# --- Answers of the days, byte for byte: no bonus number, Superzahl or other bytes of the record.
two='03.10.2024,40,7,12,1,49,23;;;\r\n03.10.2024,3,11,19,27,35,43;;;\r\n'
expect "$(day 20241003)" 200 "$two"
has_header "Content-Type: text/plain; charset=ISO-8859-1"
has_header "Connection: close"
expect "$(day 20241001)" 200 '01.10.2024,5,10,15,20,25,30;;;\r\n'
expect "$(day 20241005)" 200 '05.10.2024,9,8,7,6,5,4;;;\r\n'
for empty in 20241002 20241004 20240930 19570101; do
    expect "$(day $empty)" 200 ''
done
for later in 20241006 20250101 99991231; do
    expect "$(day $later)" 500 'noch nicht da'
done

# --- Query values are percent-decoded, keys may come in any order, "+" is a blank.
expect "/lotto/PELVANO.asp?Datum=%32%30%32%34%31%30%30%33&Programm=PELV%41NO" 200 "$two"
expect "/lotto/PELVANO.asp?Programm=PELVANO&Datum=20241003&extra=1" 200 "$two"
# A server address typed with a trailing slash doubles the path's first slash.
expect "/$(day 20241003)" 200 "$two"

# --- Refused: no such day, a wrong program, keys in the wrong case.
for datum in "" 2024103 202410033 20241032 20240230 2024-10-03 2024100a "+20241003" \
    "2024%2010"; do
    expect "/lotto/PELVANO.asp?Programm=PELVANO&Datum=$datum" 400
done
expect "/lotto/PELVANO.asp?Programm=PELVANO" 400
expect "/lotto/PELVANO.asp?Programm=PELVANO&datum=20241003" 400
for program in "" LOTTO pelvano "PELVANO%20"; do
    expect "/lotto/PELVANO.asp?Programm=$program&Datum=20241003" 400
done
expect "/lotto/PELVANO.asp?Datum=20241003" 400
expect "/lotto/PELVANO.asp?programm=PELVANO&Datum=20241003" 400

# --- Other pages and methods.
for path in / /lotto/ /lotto/pelvano.asp /PELVANO.asp /lotto/PELVANO.aspx /lotto/PELVANO.asp/x; do
    expect "$path?Programm=PELVANO&Datum=20241003" 404
done
get "$(day 20241003)" --method POST
answered "POST" 405
has_header "Allow: GET"

# --- The request forms of a proxy client (absolute form), of HTTP/1.0 and of a hand at a
# terminal (bare line feeds).
expect "http://127.0.0.1:$port$(day 20241003)" 200 "$two"
expect "HTTP://club.example:81$(day 20241005)" 200 '05.10.2024,9,8,7,6,5,4;;;\r\n'
expect "http://127.0.0.1:$port" 404
expect "http://$(day 20241003)" 400
printf 'GET %s HTTP/1.0\r\n\r\n' "$(day 20241003)" >"$tmp/http10"
raw "$tmp/http10"
answered "HTTP/1.0" 200 "$two"
printf 'GET %s HTTP/1.1\nHost: x\n\n' "$(day 20241001)" >"$tmp/lf"
raw "$tmp/lf"
answered "bare line feeds" 200 '01.10.2024,5,10,15,20,25,30;;;\r\n'

# --- The draw file changes under the running server: a new draw, a changed draw of the same
# size, then the file goes away (the last draws read stay, and the operator is told once).
python3 "$makedraws" "$draws" "01.10.2024 5 10 15 20 25 30" "05.10.2024 9 8 7 6 5 4" \
    "03.10.2024 40 7 12 1 49 23" "03.10.2024 3 11 19 27 35 43" "06.10.2024 2 4 6 8 10 12"
expect "$(day 20241006)" 200 '06.10.2024,2,4,6,8,10,12;;;\r\n'
expect "$(day 20241007)" 500
python3 "$makedraws" "$draws" "01.10.2024 5 10 15 20 25 30" "05.10.2024 9 8 7 6 5 4" \
    "03.10.2024 40 7 12 1 49 23" "03.10.2024 3 11 19 27 35 44" "06.10.2024 2 4 6 8 10 12"
expect "$(day 20241003)" 200 '03.10.2024,40,7,12,1,49,23;;;\r\n03.10.2024,3,11,19,27,35,44;;;\r\n'
rm "$draws"
expect "$(day 20241006)" 200 '06.10.2024,2,4,6,8,10,12;;;\r\n'
expect "$(day 20241001)" 200 '01.10.2024,5,10,15,20,25,30;;;\r\n'
[ "$(wc -l <"$tmp/days.err")" -eq 1 ] && grep -qF "$draws" "$tmp/days.err" && ok ||
    fail "a vanished draw file is not reported once: $(cat "$tmp/days.err")"
python3 "$makedraws" "$draws" "07.10.2024 1 2 3 4 5 6"
expect "$(day 20241007)" 200 '07.10.2024,1,2,3,4,5,6;;;\r\n'
expect "$(day 20241006)" 200 ''
stop

# --- An empty draw file: no day is there yet.
: >"$tmp/empty.dat"
start_server empty --draws "$tmp/empty.dat"
expect "$(day 19000101)" 500
expect "$(day 20241003)" 500
stop

finish server_days
