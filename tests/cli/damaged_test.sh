#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draw files that are no proper draw files: damaged records are printed as they stand with one
# warning on stderr; a file far too large is refused with one line, without reading it.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
need_python3

# Three records: a number 66, a NaN date, a date beyond the year 9999; one sound record.
python3 - "$tmp/damaged.dat" <<'PY'
import struct, sys
def record(date, numbers, bonus=0, superzahl=0):
    return struct.pack('<d', date) + bytes(numbers + [bonus, superzahl]) + bytes(16)
with open(sys.argv[1], 'wb') as f:
    f.write(record(35434.0, [1, 2, 3, 4, 5, 66]))
    f.write(record(float('nan'), [7, 8, 9, 10, 11, 12]))
    f.write(record(1e300, [1, 2, 3, 4, 5, 6], 7, 3))
    f.write(record(35441.0, [3, 11, 19, 27, 35, 43], 1, 5))
PY
cp "$tmp/damaged.dat" "$tmp/before.dat"
"$cli" --draws "$tmp/damaged.dat" draws >"$tmp/out" 2>"$tmp/err"
status=$?
printf '%s\n' "04.01.1997,1,2,3,4,5,66,0,0" "??.??.????,7,8,9,10,11,12,0,0" \
    "??.??.????,1,2,3,4,5,6,7,3" "11.01.1997,3,11,19,27,35,43,1,5" >"$tmp/expected"
[ $status -eq 0 ] && ok || fail "damaged file: exit $status"
cmp -s "$tmp/out" "$tmp/expected" && ok || { fail "damaged records"; diff "$tmp/expected" "$tmp/out"; }
[ "$(wc -l <"$tmp/err")" -eq 1 ] && grep -q " 3 beschädigte" "$tmp/err" && ok ||
    fail "damaged file: warning '$(cat "$tmp/err")'"
cmp -s "$tmp/damaged.dat" "$tmp/before.dat" && ok || fail "the damaged file was changed"
# The date search takes the first record dated on or after the day: the one beyond 9999.
"$cli" --draws "$tmp/damaged.dat" --date 20.01.1997 show >"$tmp/out" 2>/dev/null
printf '%s\n' "?? ??.??.??    1  2  3  4  5  6" "QS: 21" "Position: 2" | cmp -s - "$tmp/out" && ok ||
    fail "show on a damaged file: $(cat "$tmp/out")"

# A sparse terabyte: refused at once with its size, nothing on stdout.
truncate -s 1T "$tmp/huge.dat" 2>/dev/null || { echo "note: no sparse files here"; finish damaged; exit; }
"$cli" --draws "$tmp/huge.dat" draws >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok ||
    fail "huge file: exit $status, stderr '$(cat "$tmp/err")'"
grep -q "keine Ziehungsdatei" "$tmp/err" && ok || fail "huge file: message '$(cat "$tmp/err")'"
finish damaged
