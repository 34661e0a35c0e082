#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The options for tests of a client: a fixed status or body for a day, and a delay before every
# answer that holds up no other client.
set -u
server=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

python3 "$makedraws" "$tmp/draws.dat" "01.10.2024 5 10 15 20 25 30" "03.10.2024 3 11 19 27 35 43"
day() { echo "/lotto/PELVANO.asp?Programm=PELVANO&Datum=$1"; }

# --- Fixed answers win over the draw file; the other days answer from it.
start_server fixed --draws "$tmp/draws.dat" --status 03.10.2024=503 --status 2.10.2024=404 \
    --body '01.10.2024=Wartung: Zähler\nbis 12 Uhr' --body '05.10.2024=05.10.2024,1,2,3,4,5,6;;;' \
    --status 06.10.2024=500 --body '06.10.2024=Mitteilung' --body 07.10.2024=a\\nb\\\\nc \
    --status 08.10.2024=204
expect "$(day 20241003)" 503 'Service Unavailable'
expect "$(day 20241002)" 404 'Not Found'
expect "$(day 20241001)" 200 'Wartung: Z\xe4hler\nbis 12 Uhr'
has_header "Content-Type: text/plain; charset=ISO-8859-1"
# A day after the newest draw answered with a draw line, as a server with news would.
expect "$(day 20241005)" 200 '05.10.2024,1,2,3,4,5,6;;;'
expect "$(day 20241006)" 500 'Mitteilung'
expect "$(day 20241007)" 200 'a\nb\\nc'
expect "$(day 20241008)" 204 ''
expect "$(day 20241004)" 500 'noch nicht da'
# A fixed day still needs a well-formed request.
expect "/lotto/PELVANO.asp?Programm=LOTTO&Datum=20241003" 400
stop

# --- A delay holds every answer, refusals too, but no client waits for another: sixteen clients
# of one address at once are answered together.
start_server slow --draws "$tmp/draws.dat" --delay 300
seconds() { awk -v s="$(cat "$tmp/a.seconds")" -v lo="$1" -v hi="$2" 'BEGIN { exit !(s >= lo && s < hi) }'; }
expect "$(day 20241003)" 200 '03.10.2024,3,11,19,27,35,43;;;\r\n'
seconds 0.3 2 && ok || fail "--delay 300: answered after $(cat "$tmp/a.seconds") s"
expect "/nothing" 404
seconds 0.3 2 && ok || fail "--delay 300, 404: answered after $(cat "$tmp/a.seconds") s"
python3 "$client" many "$port" "$(day 20241001)" 16 >"$tmp/many"
[ "$(head -n1 "$tmp/many")" = "200 x16" ] && ok || fail "16 delayed clients: $(cat "$tmp/many")"
awk 'NR == 2 { exit !($1 >= 0.3 && $1 < 1.5) }' "$tmp/many" && ok ||
    fail "16 clients with --delay 300 took $(tail -n1 "$tmp/many") s: answered one after another?"
stop

finish server_options
