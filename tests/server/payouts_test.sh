#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The payout answers: the lines of every draw since the requested day, in the file's order and
# layout, following the file as it changes; refused queries; a file that cannot be used; and a
# server started without --payouts, which answers as one that does not know the request.
set -u
server=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

draws=$tmp/ZahlenPL.dat
python3 "$makedraws" "$draws" "01.10.2024 5 10 15 20 25 30"
payouts=$tmp/QuotenPL.csv
newer='7395,22.08.2026,6,0,0.00\n7395,22.08.2026,5,60,7000.00\n'
older='6888,27.05.2023,4,2801,269.60\n'
printf "$newer$older"'7394,20.08.2026,3,57122,35.00\n' >"$payouts"
since() { echo "/lotto/quoten.asp?Programm=PELVANO&Seit=$1"; }

start_server payouts --draws "$draws" --payouts "$payouts"
expect "$(since 20260822)" 200 "$newer"
has_header "Content-Type: text/plain; charset=ISO-8859-1"
expect "$(since 20260821)" 200 "$newer"
expect "$(since 20260820)" 200 "$newer"'7394,20.08.2026,3,57122,35.00\n'
expect "$(since 19570127)" 200 "$newer$older"'7394,20.08.2026,3,57122,35.00\n'
expect "$(since 20260823)" 200 ''
for bad in "" 2026082 20260231 2026-08-22 x; do
    expect "$(since "$bad")" 400
done
expect "/lotto/quoten.asp?Programm=LOTTO&Seit=20260822" 400
# The file is read for every request: a line added is served at once.
printf '7395,22.08.2026,4,3000,150.10\n' >>"$payouts"
expect "$(since 20260822)" 200 "$newer"'7395,22.08.2026,4,3000,150.10\n'
# A line that is no payout line spoils the whole file until it is mended.
printf 'garbage\n' >>"$payouts"
expect "$(since 20260822)" 500
rm "$payouts"
expect "$(since 20260822)" 500
stop

# Without --payouts the request is unknown, as for a server from before payouts.
start_server plain --draws "$draws"
expect "$(since 20260822)" 404
stop
finish server_payouts
