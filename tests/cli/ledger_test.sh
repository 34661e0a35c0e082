#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli ledger: a year of random tickets against the independent checker in
# tools/check_ledger.py (hits from `evaluate`, prizes from the payout table), corrections and
# deletions of draws followed by the checks; an older ledger layout keeps every ticket; a file
# that is no ledger is kept aside; the command's errors.
set -u
cli=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3

# The shipped histories of both games, as a first start writes them.
mkdir "$tmp/p"
cp "$cli" "$tmp/p/vendrilo-cli"
"$tmp/p/vendrilo-cli" draws >/dev/null || fail "writing the shipped history"
if [ ! -f "$tmp/p/ZahlenPLPlus.dat" ]; then
    python3 - "$data/polish-lotto-plus.csv" "$tmp/p/ZahlenPLPlus.dat" <<'END'
import datetime, struct, sys
epoch = datetime.date(1899, 12, 30)
out = []
for line in open(sys.argv[1]):
    p = line.strip().split(",")
    d, m, y = map(int, p[1].split("."))
    out.append(struct.pack("<d", (datetime.date(y, m, d) - epoch).days) +
               bytes(int(n) for n in p[2:8]) + bytes(18))
open(sys.argv[2], "wb").write(b"".join(out))
END
fi

python3 "$here/../../tools/check_ledger.py" --cli "$tmp/p/vendrilo-cli" \
    --payouts "$data/polish-lotto-payouts.csv" --tickets 150 --seed 24 >"$tmp/log" 2>&1
status=$?
if [ $status -eq 0 ] && grep -q "mismatches 0" "$tmp/log"; then ok; else fail "checker: status $status"; fi
cat "$tmp/log"
# The fixture reaches every kind of line: wins of every Lotto class with known prizes, open
# shared prizes, and Plus wins.
for kind in lotto3 lotto4 lotto4? plus3 plus4; do
    grep -q "classes.* $kind\( \|$\)" "$tmp/log" && ok || fail "no line of class $kind"
done

# A ledger in the first layout (no notes) is brought up to date with every ticket.
mkdir "$tmp/old"
python3 -c "import sqlite3, sys; sqlite3.connect(sys.argv[1]).executescript(open(sys.argv[2]).read())" \
    "$tmp/old/Vendrilo.sqlite" "$here/../fixtures/ledger-v1.sql"
printf '1\t02.09.2025\t1\t2\t0\t6.00\t24.00\n2\t04.09.2025\t3\t1\t1\t12.00\t0.00\n5\t20.08.2026\t10\t1\t0\t30.00\t0.00\n' >"$tmp/expected"
"$tmp/p/vendrilo-cli" --ledger "$tmp/old/Vendrilo.sqlite" ledger list >"$tmp/out" 2>"$tmp/err"
cmp -s "$tmp/out" "$tmp/expected" && [ ! -s "$tmp/err" ] && ok || { fail "older layout"; cat "$tmp/out" "$tmp/err"; }
[ "$(python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('PRAGMA user_version').fetchone()[0])" "$tmp/old/Vendrilo.sqlite")" = 2 ] \
    && ok || fail "the older layout was not brought up to date"

# A text file in the ledger's place is kept aside, byte for byte, and the user told.
mkdir "$tmp/text"
printf 'Meine Scheine:\n1,2,3,4,5,6\n' >"$tmp/text/Vendrilo.sqlite"
cp "$tmp/text/Vendrilo.sqlite" "$tmp/text.orig"
"$tmp/p/vendrilo-cli" --ledger "$tmp/text/Vendrilo.sqlite" ledger summary >"$tmp/out" 2>"$tmp/err"
[ $? -eq 0 ] && cmp -s "$tmp/text.orig" "$tmp/text/Vendrilo.sqlite.bak" && ok || fail "text file not kept aside"
grep -q "^vendrilo-cli: warning: .*Vendrilo.sqlite.bak" "$tmp/err" && ok || { fail "no warning"; cat "$tmp/err"; }
grep -qx "tickets: 0" "$tmp/out" && ok || fail "a new ledger after the text file"

# Errors: a sheet without a complete row, a row with a number twice, runs out of range, options
# of add elsewhere, an unknown subcommand; nothing is recorded.
printf ',,,,,\r\n' >"$tmp/empty.qkt"
printf '1,2,3,4,5,5\r\n' >"$tmp/twice.qkt"
check_error() { # expected-status pattern args...
    local want=$1 pattern=$2
    shift 2
    "$tmp/p/vendrilo-cli" --ledger "$tmp/errors.sqlite" "$@" >"$tmp/out" 2>"$tmp/err"
    local got=$?
    if [ $got -eq "$want" ] && [ ! -s "$tmp/out" ] && grep -q "$pattern" "$tmp/err"; then ok
    else fail "$*: exit $got, $(cat "$tmp/err")"; fi
}
check_error 3 "keine vollständige Reihe" --tips "$tmp/empty.qkt" ledger add
check_error 3 "Reihe 1 steht eine Zahl doppelt" --tips "$tmp/twice.qkt" ledger add
check_error 2 "1 to 10" ledger add --runs 11
check_error 2 "belong to" ledger list --plus
check_error 2 "none of add" ledger frob
[ ! -e "$tmp/errors.sqlite" ] && ok || fail "a refused command made a ledger"

finish ledger
