#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli cart against vendrilo-server over real HTTP: the template filled from the sheet,
# the error page, the fallback and the refusals.
set -u
cli=$1 server=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

drawfile "$tmp/draws.dat" "03.10.2023 1 2 3 4 5 6"
# Rows 1 and 5 filled, row 5 with an empty third field.
printf '%s\r\n' "3,11,17,25,38,44" ",,,,," ",,,,," ",,,,," "1,9,,30,41,49" >"$tmp/tips.qkt"
cart() { "$cli" --draws "$tmp/draws.dat" --tips "$tmp/tips.qkt" "$@" cart --server "$url" \
    >"$tmp/out" 2>"$tmp/err"; }

# The server's own template: every row, the used rows (5) and the rows asked for (12).
start_server default --draws "$tmp/draws.dat"
cart
row() { echo "t$1=$2&"; }
expected="$url/lotto/warenkorb2.asp?$(row 1 3,11,17,25,38,44)"
for r in 2 3 4; do expected+=$(row $r ,,,,,); done
expected+="$(row 5 1,9,,30,41,49)"
for r in 6 7 8 9 10 11 12; do expected+=$(row $r ,,,,,); done
expected+="n=5&m=5&tipps=12"
printf '%s\n' "$expected" "status: Überprüfen Sie den Tipp im Warenkorb!!!" | cmp -s - "$tmp/out" &&
    ok || { fail "default template"; cat "$tmp/out" "$tmp/err"; }
cart --set UpDown8=2
grep -q "&tipps=2$" "$tmp/out" && grep -q "n=5&m=5" "$tmp/out" && ok ||
    fail "Tipps follows the row count: $(head -1 "$tmp/out")"
kill "$server_pid"

# A template with "[KASTEN1]" twice, and one without placeholders.
start_server twice --draws "$tmp/draws.dat" --portal-template "http://p.example/?a=[KASTEN1]&b=[KASTEN1]&n=[ANZAHL]"
cart
[ "$(head -1 "$tmp/out")" = "http://p.example/?a=3,11,17,25,38,44&b=[KASTEN1]&n=5" ] && ok ||
    fail "first occurrence only: $(head -1 "$tmp/out")"
kill "$server_pid"
start_server plain --draws "$tmp/draws.dat" --portal-template "https://p.example/warenkorb"
cart
[ "$(head -1 "$tmp/out")" = "https://p.example/warenkorb" ] && ok || fail "no placeholders"
kill "$server_pid"

# An error with a "Mitteilung": the page is written beside the draw file, CR LF, no status.
start_server message --draws "$tmp/draws.dat" --portal-status 404 \
    --portal-body '<html>Mitteilung: Wartung\nbis 12 Uhr</html>'
cart
printf '%s\n' "page: $tmp/Meldung.htm" "status: " | cmp -s - "$tmp/out" && ok ||
    { fail "message page"; cat "$tmp/out"; }
# The page is the program's own: the message as text, every line ended by CR LF.
grep -qF $'<pre>\r\nMitteilung: Wartung\r\nbis 12 Uhr\r\n</pre>\r\n' <(tr -d '\0' <"$tmp/Meldung.htm") &&
    [ "$(grep -c $'[^\r]$' "$tmp/Meldung.htm")" -eq 0 ] && ok ||
    fail "Meldung.htm: $(cat "$tmp/Meldung.htm")"
kill "$server_pid"
# A hostile service: nothing of its markup reaches the page, no script runs, no frame shows a
# local file; its words are still there, escaped.
start_server hostile --draws "$tmp/draws.dat" --portal-status 503 \
    --portal-body '<html><body onload="steal()">Mitteilung: <b>5 > 3</b><script>alert(1)</script>\n<iframe src=file:///etc/passwd></iframe><a href="javascript:x()">hier</a><img src=x onerror=y()></body></html>'
cart
tags=$(grep -o '<[^>]*>' "$tmp/Meldung.htm" | sort -u | tr '\n' ' ')
[ "$tags" = "$(printf '%s\n' '<!DOCTYPE html>' '<html>' '<head>' '<meta charset="ISO-8859-1">' \
    "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'\">" '<title>' \
    '</title>' '</head>' '<body>' '<h1>' '</h1>' '<pre>' '</pre>' '</body>' '</html>' |
    sort -u | tr '\n' ' ')" ] && ok || fail "the page holds foreign tags: $tags"
grep -qF 'Mitteilung: 5 &gt; 3' "$tmp/Meldung.htm" && ok || fail "the message is lost: $(cat "$tmp/Meldung.htm")"
grep -qiE 'script|iframe|file:|javascript|onload|onerror' "$tmp/Meldung.htm" &&
    fail "hostile parts in the page: $(cat "$tmp/Meldung.htm")" || ok
kill "$server_pid"
# An error without one: the fallback template.
start_server fallback --draws "$tmp/draws.dat" --portal-status 500
cart
[ "$(head -1 "$tmp/out")" = "$url/lotto/warenkorb2.asp?" ] && ok || fail "fallback: $(cat "$tmp/out")"
kill "$server_pid"

# Refused: a template over 2048 characters, one that is no web address, no server at all.
long=$(printf 'x%.0s' $(seq 2100))
for template in "http://p.example/?$long" "file:///etc/passwd" "/usr/bin/xterm"; do
    start_server refused --draws "$tmp/draws.dat" --portal-template "$template"
    cart
    status=$?
    [ $status -eq 3 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok ||
        fail "template ${template:0:30}: exit $status, $(cat "$tmp/out" "$tmp/err" | head -2)"
    kill "$server_pid"
done
cart
[ $? -eq 3 ] && grep -q "Keine Antwort" "$tmp/err" && ok || fail "no server: $(cat "$tmp/err")"
finish cart
