#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Files the user has arranged stay as arranged: a draw file kept elsewhere and linked stays a
# link through entry, deletion and import; a read-only one is left alone with a message; a
# program folder that became read-only hands its draws on and says where; dates no draw can
# have are refused; what a kill left beside a --draws file goes at the next start.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

mkdir "$tmp/p" "$tmp/elsewhere"
cp "$cli" "$tmp/p/vendrilo-cli"
"$tmp/p/vendrilo-cli" draws >"$tmp/full.txt"
run() { "$tmp/p/vendrilo-cli" --today 20.08.2026 "$@"; }
printf '%s\n' "7395. 22.08.2026 1,2,3,4,5,6" >"$tmp/results.txt"

# --- A linked draw file: each change replaces the file behind the link, the link stays.
mv "$tmp/p/ZahlenPL.dat" "$tmp/elsewhere/ZahlenPL.dat"
ln -s "$tmp/elsewhere/ZahlenPL.dat" "$tmp/p/ZahlenPL.dat"
for change in "enter 20.08.2026 40,2,17,9,33,21" "--date 20.08.2026 delete" \
    "--today 22.08.2026 import-draws $tmp/results.txt"; do
    # shellcheck disable=SC2086
    run $change >"$tmp/out" 2>"$tmp/err" || fail "$change: exit $?, $(cat "$tmp/err")"
    [ -L "$tmp/p/ZahlenPL.dat" ] && ok || fail "$change: the link was replaced"
    [ -z "$(ls "$tmp/elsewhere" | grep -v '^ZahlenPL.dat$')" ] && ok || fail "$change: debris $(ls "$tmp/elsewhere")"
done
run draws | tail -2 >"$tmp/tail"
{ sed -n 7393p "$tmp/full.txt"; echo "22.08.2026,1,2,3,4,5,6,0,0"; } | cmp -s - "$tmp/tail" && ok ||
    fail "through the link: $(cat "$tmp/tail")"
rm "$tmp/p/ZahlenPL.dat"
mv "$tmp/elsewhere/ZahlenPL.dat" "$tmp/p/ZahlenPL.dat"

# --- A read-only draw file (444) is not replaced, whoever runs the tool; the message says why.
chmod 444 "$tmp/p/ZahlenPL.dat"
cp "$tmp/p/ZahlenPL.dat" "$tmp/before.dat"
printf '%s\n' "7396. 25.08.2026 1,2,3,4,5,7" >"$tmp/newer.txt"
for change in "enter 20.08.2026 1,2,3,4,5,6" "--date 18.08.2026 delete" \
    "--today 25.08.2026 import-draws $tmp/newer.txt"; do
    # shellcheck disable=SC2086
    run $change >"$tmp/out" 2>"$tmp/err"
    status=$?
    [ $status -eq 3 ] && grep -q "ist schreibgeschützt und wird nicht geändert" "$tmp/err" && ok ||
        fail "read-only, $change: exit $status, $(cat "$tmp/err")"
    cmp -s "$tmp/p/ZahlenPL.dat" "$tmp/before.dat" && [ "$(stat -c %a "$tmp/p/ZahlenPL.dat")" = 444 ] &&
        ok || fail "read-only, $change: the file changed"
done
chmod 644 "$tmp/p/ZahlenPL.dat"

# --- Dates no draw can have: after today, before the game's first draw.
run draws >"$tmp/before.txt"
for date in 21.08.2026 31.12.9999 26.01.1957; do
    run enter "$date" 1,2,3,4,5,6 >"$tmp/out" 2>"$tmp/err"
    [ $? -eq 3 ] && grep -q "nichts gespeichert" "$tmp/err" && ok || fail "enter $date: $(cat "$tmp/err")"
done
printf '%s\n' "1. 31.12.9999 1,2,3,4,5,6" "2. 26.01.1957 1,2,3,4,5,6" >"$tmp/bad.txt"
run import-draws "$tmp/bad.txt" >"$tmp/out"
printf '%s\n' "refused 1: 31.12.9999 lies after today" \
    "refused 2: 26.01.1957 lies before the game's first draw (27.01.1957)" "added 0" "present 0" \
    "refused 2" | cmp -s - "$tmp/out" && ok || fail "import of impossible dates: $(cat "$tmp/out")"
run draws | cmp -s - "$tmp/before.txt" && ok || fail "impossible dates changed the history"

# --- What a kill left beside a --draws file outside the program folder is gone at the next start.
cp "$tmp/p/ZahlenPL.dat" "$tmp/elsewhere/mine.dat"
: >"$tmp/elsewhere/mine.dat.vendrilo-Ab12Cd"
: >"$tmp/elsewhere/notes.txt"
"$cli" --draws "$tmp/elsewhere/mine.dat" show >/dev/null
[ "$(ls "$tmp/elsewhere" | tr '\n' ' ')" = "mine.dat notes.txt " ] && ok ||
    fail "beside --draws: $(ls "$tmp/elsewhere")"

# --- A program folder that became read-only: the draws go along to the user's folder, and the
# user is told both folders; the shipped history does not take their place.
home=$tmp/home
run --today 22.08.2026 enter 22.08.2026 7,8,9,10,11,12 >/dev/null
chmod 555 "$tmp/p"
HOME=$home XDG_DATA_HOME=$home/data "$tmp/p/vendrilo-cli" draws >"$tmp/out" 2>"$tmp/err"
chmod 755 "$tmp/p"
grep -qF "Der Programmordner \"$tmp/p\" ist schreibgeschützt. Vendrilo legt seine Dateien darum in \"$home/data/Vendrilo\" ab." "$tmp/err" &&
    ok || fail "read-only folder: $(cat "$tmp/err")"
[ "$(tail -1 "$tmp/out")" = "22.08.2026,7,8,9,10,11,12,0,0" ] && ok || fail "the draws stayed behind: $(tail -1 "$tmp/out")"
finish protected
