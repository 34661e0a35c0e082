#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli batch: every line of stdin runs as its own invocation would, split into words as
# the shell splits them, and is followed by "--- exit N".
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
three=$here/../fixtures/draws-three.dat
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

# A draw file and a tip file whose paths need quoting.
mkdir "$tmp/my draws"
cp "$three" "$tmp/my draws/it's here.dat"
printf '3,14,22,30,41,49\r\n1,2,3,4,5,6\r\n' >"$tmp/my draws/tips \"A\".qkt"
d=$tmp/my\ draws
escaped=${d// /\\ } # the folder with its blank escaped by a backslash
blank=" "

# Lines as a shell reads them: the expected output is each line run by bash on its own. Among
# them errors in the middle (a global option after the command, a missing file, a run that
# cannot start), options that a later line must not inherit, and an empty line (the help).
cat >"$tmp/lines" <<END
--draws '$d/it'\\''s here.dat' --date 05.01.2021 show
--draws "$d/it's here.dat" show --date 01.01.2000
--draws $three draws
--draws '$d/missing.dat' draws
--draws "$d/it's here.dat" --date 06.01.2021 --tips "$d/tips \\"A\\".qkt" --lock 2 evaluate
--draws $three --date 06.01.2021 evaluate
--draws $escaped/it\\'s\\ here.dat --from 01.01.2021 --date 31.12.2021 --set CheckBox16=0 chart numbers
	--draws   $three   --from 01.01.2021  --date 31.12.2021 chart numbers$blank
--seed 1 --draws $three --lock 2 generate

--version
--draws $three --date 01.01.2021 --set CheckBox99=1 show
--draws $three --date 09.01.2021 show
END
: >"$tmp/expected"
: >"$tmp/expected-err"
while IFS= read -r line; do
    eval "\"\$cli\" $line" >>"$tmp/expected" 2>>"$tmp/expected-err"
    echo "--- exit $?" >>"$tmp/expected"
done <"$tmp/lines"
"$cli" batch <"$tmp/lines" >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 0 ] && ok || fail "batch exited $status"
cmp -s "$tmp/expected" "$tmp/out" && ok || { fail "stdout differs from single runs"; diff "$tmp/expected" "$tmp/out" | head -20; }
cmp -s "$tmp/expected-err" "$tmp/err" && ok || { fail "stderr differs from single runs"; diff "$tmp/expected-err" "$tmp/err"; }
# The comparison is only as good as its reference: the lines did what they were meant to.
[ "$(grep -c '^--- exit' "$tmp/out")" -eq 13 ] && ok || fail "not 13 exit lines"
[ "$(grep '^--- exit' "$tmp/out" | tr -d '\n')" = "--- exit 0--- exit 2--- exit 0--- exit 2--- exit 0--- exit 0--- exit 0--- exit 0--- exit 3--- exit 0--- exit 0--- exit 2--- exit 0" ] \
    && ok || fail "exit lines: $(grep '^--- exit' "$tmp/out" | tr '\n' ' ')"
[ "$(wc -l <"$tmp/err")" -eq 4 ] && ok || fail "not one stderr line per failed line: $(cat "$tmp/err")"
head -1 "$tmp/out" | grep -q "^Wed 06.01.21 " && ok || fail "quoted path: $(head -1 "$tmp/out")"
grep -qxF "1	3,14,22,30,41,49	5 + B	159" "$tmp/out" && ok || fail "quoted tip file not read"
# the tips of line 5 did not stay: line 6 scores an empty sheet
[ "$(grep -c '^1	,,,,,		$' "$tmp/out")" -eq 1 ] && ok || fail "state carried over between lines"

# Line ends: CR LF, and a last line without one.
printf -- '--draws %s --date 02.01.2021 show\r\n--version' "$three" | "$cli" batch >"$tmp/out" 2>"$tmp/err"
printf 'Sat 02.01.21     1  2  3  4  5  6\nQS: 21\nPosition: 0\n--- exit 0\nvendrilo-cli 0.1\n--- exit 0\n' \
    >"$tmp/expected"
sed -i "s/^vendrilo-cli .*/$("$cli" --version)/" "$tmp/expected"
cmp -s "$tmp/expected" "$tmp/out" && [ ! -s "$tmp/err" ] && ok || { fail "CR LF and last line"; diff "$tmp/expected" "$tmp/out"; }

# A line that cannot be split is that line's error; the batch goes on. An empty quoted word
# is an argument of its own (here an empty draw file name).
printf '%s\n' "--draws \"$three show" "--draws '' show" "--version" | "$cli" batch >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 0 ] && [ "$(grep '^--- exit' "$tmp/out" | tr '\n' ' ')" = "--- exit 2 --- exit 2 --- exit 0 " ] \
    && ok || fail "unterminated quote: status $status, $(tr '\n' ' ' <"$tmp/out")"
sed -n 1p "$tmp/err" | grep -q "line 1" && ok || fail "the error does not name line 1: $(cat "$tmp/err")"
sed -n 2p "$tmp/err" | grep -qF -- '--draws: cannot read ""' && ok || fail "'' is no empty argument: $(cat "$tmp/err")"

# No batch inside a batch (it would read the outer one's lines), and no global options for it.
printf 'batch\n--version\n' | "$cli" batch >"$tmp/out" 2>"$tmp/err"
[ "$(grep '^--- exit' "$tmp/out" | tr '\n' ' ')" = "--- exit 2 --- exit 0 " ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] \
    && ok || fail "nested batch: $(cat "$tmp/out" "$tmp/err")"
echo "--version" | "$cli" --draws "$three" batch >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok \
    || fail "global options before batch: status $status"
"$cli" batch </dev/null >"$tmp/out" 2>"$tmp/err" && [ ! -s "$tmp/out" ] && [ ! -s "$tmp/err" ] && ok \
    || fail "empty input"
# Lines beyond 64 KiB are not run (nor held): each says so, the batch goes on. 64 KiB itself runs.
{ printf -- '--version %*s\n' $((65536 - 10)) ''; printf -- '--version %*s\n' $((65536 - 9)) '';
  head -c 50000000 /dev/zero | tr '\0' x; echo; echo "--version"; } |
    "$cli" batch >"$tmp/out" 2>"$tmp/err"
[ "$(grep '^--- exit' "$tmp/out" | tr '\n' ' ')" = "--- exit 0 --- exit 2 --- exit 2 --- exit 0 " ] &&
    grep -q "batch line 2: longer than 64 KiB" "$tmp/err" && grep -q "batch line 3: longer" "$tmp/err" &&
    ok || fail "long lines: $(grep '^--- exit' "$tmp/out" | tr '\n' ' ') $(cat "$tmp/err")"
# Input that cannot be read is the batch's own error.
"$cli" batch <"$tmp" >"$tmp/out" 2>"$tmp/err"
status=$?
[ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok \
    || fail "a folder as input: status $status, $(cat "$tmp/err")"

finish "batch"
