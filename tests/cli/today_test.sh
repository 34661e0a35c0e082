#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli --today: the date taken as today decides the default of --date and whether the
# default statistics start (07.10.2015) goes back to 19.11.1994 because it lies within the last
# seven days of today or later. Explicit --date and --from are taken as given.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
three=$here/../fixtures/draws-three.dat # draws on 02.01., 06.01. and 09.01.2021
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

# same "WHAT" "ARGS A" "ARGS B": both runs succeed with the same output.
same() {
    : >"$tmp/a"
    : >"$tmp/b"
    # shellcheck disable=SC2086
    "$cli" $2 >"$tmp/a" 2>"$tmp/err" && "$cli" $3 >"$tmp/b" 2>>"$tmp/err" && cmp -s "$tmp/a" "$tmp/b" \
        && ok || { fail "$1: '$2' and '$3' differ"; diff "$tmp/a" "$tmp/b" | head -4; cat "$tmp/err"; }
}

# --- The default --date is --today: the draw shown for that day.
for day in 01.01.2021 02.01.2021 05.01.2021 06.01.2021 07.01.2021 31.12.2030; do
    same "--today $day" "--draws $three --today $day show" "--draws $three --date $day show"
done
[ "$("$cli" --draws "$three" --today 07.01.2021 show | head -1)" = "Sat 09.01.21    10  11  12  13  14  15" ] \
    && ok || fail "--today 07.01.2021 does not show the draw of 09.01.2021"
# --date wins, before or after --today.
same "--date before --today" "--draws $three --date 02.01.2021 --today 09.01.2021 show" \
    "--draws $three --date 02.01.2021 show"
same "--date after --today" "--draws $three --today 09.01.2021 --date 02.01.2021 show" \
    "--draws $three --date 02.01.2021 show"
# The sheet is scored against the draw of --today too.
printf '1,2,3,4,5,6\r\n' >"$tmp/tips.qkt"
same "evaluate on --today" "--draws $three --tips $tmp/tips.qkt --today 03.01.2021 evaluate" \
    "--draws $three --tips $tmp/tips.qkt --date 03.01.2021 evaluate"

# --- The statistics start, seen in the draw count of the number chart up to 31.12.2015, over
# the shipped history.
cp "$cli" "$tmp/vendrilo-cli"
"$tmp/vendrilo-cli" draws >/dev/null || fail "writing the shipped history"
history="--draws $tmp/ZahlenPL.dat --date 31.12.2015"
# The last day that resets: 07.10.2015 lies within the seven days up to 13.10.2015.
same "reset on 13.10.2015" "$history --today 13.10.2015 chart numbers" \
    "$history --from 19.11.1994 chart numbers"
# A week later it stays.
same "no reset on 14.10.2015" "$history --today 14.10.2015 chart numbers" \
    "$history --from 07.10.2015 chart numbers"
same "no reset much later" "$history --today 01.01.2030 chart numbers" \
    "$history --from 07.10.2015 chart numbers"
# A start after today resets as well, and so does a start on today itself.
same "reset when the start is later" "$history --today 01.01.2000 chart numbers" \
    "$history --from 19.11.1994 chart numbers"
same "reset on the start day" "$history --today 07.10.2015 chart numbers" \
    "$history --from 19.11.1994 chart numbers"
# The two starts really count different periods.
# shellcheck disable=SC2086 # $history is a list of arguments
"$cli" $history --from 19.11.1994 chart numbers | head -1 >"$tmp/long"
# shellcheck disable=SC2086
"$cli" $history --from 07.10.2015 chart numbers | head -1 >"$tmp/short"
cmp -s "$tmp/long" "$tmp/short" && fail "both statistics starts give: $(cat "$tmp/long")" || ok
# An explicit --from is not reset.
same "explicit --from" "$history --today 13.10.2015 --from 07.10.2015 chart numbers" \
    "$history --from 07.10.2015 chart numbers"
# Without --date, --today is also the period's end.
same "--today ends the period" "--draws $tmp/ZahlenPL.dat --today 13.10.2015 chart numbers" \
    "--draws $tmp/ZahlenPL.dat --from 19.11.1994 --date 13.10.2015 chart numbers"

finish "today"
