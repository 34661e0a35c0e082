#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The portal hand-over: the address template (the server's own cart page with every placeholder,
# or the one given), refused template requests, the answers that make the program show a
# message page or fall back, and the cart page a browser lands on.
set -u
server=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

python3 "$makedraws" "$tmp/draws.dat" "03.10.2024 3 11 19 27 35 43"
portal() { echo "/lotto/lotto.asp?Spiel=PELVANO&Wo=Lottoland&Tipps=$1"; }
# template AUTHORITY [TIPS]: the default template of a server reached at AUTHORITY, asked for
# TIPS rows (default 3).
template() {
    local text="http://$1/lotto/warenkorb2.asp?" row
    for row in $(seq 12); do
        text+="t$row=[KASTEN$row]&"
    done
    echo "${text}n=[ANZAHL]&m=[Anzahl]&tipps=${2:-3}"
}

# --- The default template points at the server the client reached, with every placeholder.
start_server default --draws "$tmp/draws.dat"
for tips in 1 6 12 05; do
    expect "$(portal $tips)" 200 "$(template "127.0.0.1:$port" $((10#$tips)))"
done
has_header "Content-Type: text/html; charset=ISO-8859-1"
# The client's Host header, or the authority of an absolute request, is the client's to choose:
# never copied into the template.
for host in "lotto.club.example:8080" '"><script>' "evil.example"; do
    get "$(portal 3)" --header "Host: $host"
    answered "Host $host" 200 "$(template "127.0.0.1:$port")"
done
expect "http://evil.example:$port$(portal 3)" 200 "$(template "127.0.0.1:$port")"
stop
# Reached by another name (a club's server behind a proxy): --public-url names it.
start_server public --draws "$tmp/draws.dat" --public-url https://lotto.club.example/
get "$(portal 3)" --header "Host: evil.example"
answered "--public-url" 200 "$(template lotto.club.example | sed 's|^http:|https:|')"
stop
start_server default --draws "$tmp/draws.dat"

# --- Refused template requests.
for tips in 0 13 -1 1.5 +3 abc "" 100; do
    expect "$(portal "$tips")" 400
done
expect "/lotto/lotto.asp?Spiel=PELVANO&Wo=Lottoland" 400
expect "/lotto/lotto.asp?Spiel=LOTTO&Wo=Lottoland&Tipps=3" 400
expect "/lotto/lotto.asp?Spiel=PELVANO&Wo=Elsewhere&Tipps=3" 400
expect "/lotto/lotto.asp?spiel=PELVANO&Wo=Lottoland&Tipps=3" 400

# --- The cart page lists the rows it received, escaped, empty rows as such. The whole round
# trip: the template filled as the program fills it, then followed as a browser would.
get "$(portal 2)"
filled=$(sed -e 's/\[KASTEN1\]/3,11,19,27,35,43/' -e 's/\[KASTEN2\]/,,,,,/' \
    -e 's/\[KASTEN[0-9]*\]/,,,,,/g' -e 's/\[ANZAHL\]/1/' -e 's/\[Anzahl\]/1/' "$tmp/a.body")
expect "${filled#http://127.0.0.1:"$port"}" 200
grep -qF "<tr><td>1. Tipp</td><td>3,11,19,27,35,43</td></tr>" "$tmp/a.body" && ok ||
    fail "cart lacks row 1: $(cat "$tmp/a.body")"
[ "$(grep -c "<i>leer</i>" "$tmp/a.body")" -eq 11 ] && ok || fail "cart: not 11 empty rows"
grep -qF "Anzahl der Tipps: 1<" "$tmp/a.body" && ok || fail "cart lacks the count"
has_header "Content-Type: text/html; charset=ISO-8859-1"
expect "/lotto/warenkorb2.asp?t3=%3Cb%3E1%26%22&t12=5,,7%E2%82%AC" 200
grep -qF '<td>3. Tipp</td><td>&lt;b&gt;1&amp;&quot;</td>' "$tmp/a.body" && ok ||
    fail "cart does not escape markup: $(cat "$tmp/a.body")"
grep -qF '<td>12. Tipp</td><td>5,,7&#8364;</td>' "$tmp/a.body" && ok ||
    fail "cart: a character beyond ISO-8859-1 is no reference: $(cat "$tmp/a.body")"
expect "/lotto/warenkorb2.asp?" 200
grep -qF "Keine Tipps" "$tmp/a.body" && ! grep -q "<table>" "$tmp/a.body" && ok ||
    fail "empty cart: $(cat "$tmp/a.body")"
stop

# --- A template of the operator's choice, sent as given (ISO-8859-1).
start_server own --draws "$tmp/draws.dat" --portal-template "https://portal.example/k?a=[KASTEN1]&ü=[ANZAHL]"
expect "$(portal 4)" 200 'https://portal.example/k?a=[KASTEN1]&\xfc=[ANZAHL]'
expect "$(portal 13)" 400
stop

# --- A refusal with a message page (the program shows it) and one without (it falls back).
start_server message --draws "$tmp/draws.dat" --portal-status 404 \
    --portal-body '<html><body>Mitteilung: gesperrt\nbis Montag</body></html>'
expect "$(portal 4)" 404 '<html><body>Mitteilung: gesperrt\nbis Montag</body></html>'
expect "$(portal 0)" 400
stop
start_server fallback --draws "$tmp/draws.dat" --portal-status 503
expect "$(portal 4)" 503 'Service Unavailable'
stop
start_server body --draws "$tmp/draws.dat" --portal-body 'http://elsewhere.example/[KASTEN1]'
expect "$(portal 4)" 200 'http://elsewhere.example/[KASTEN1]'
stop

finish server_portal
