#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The parameter back-test on the shipped history from 19.11.1994, as `vendrilo-cli backtest`:
# the default options and the heavy set (CheckBox22 on, UpDown18 and UpDown21 at 500, where
# every pass uses up its 50,000 candidates). Prints the median wall-clock and CPU seconds of
# RUNS runs of each.
#
#   bench/backtest.sh NEW_CLI [OLD_CLI] [RUNS]
#
# With OLD_CLI (a vendrilo-cli built from an earlier commit) the two are also compared byte for
# byte, report, messages and exit status, over seeds, start dates and option sets, and OLD_CLI is
# timed alongside. Figures measured are in bench/README.md.
set -u
new=$1
old=${2:-}
runs=${3:-3}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Each tool in a folder of its own, with the shipped history as its draw file.
prepare() {
    mkdir -p "$tmp/$1"
    cp "$2" "$tmp/$1/vendrilo-cli"
    XDG_CONFIG_HOME=$tmp/config "$tmp/$1/vendrilo-cli" draws >/dev/null || exit 2
}
prepare new "$new"
[ -n "$old" ] && prepare old "$old"

cli() { XDG_CONFIG_HOME=$tmp/config "$tmp/$1/vendrilo-cli" --today 08.12.2026 "${@:2}"; }

heavy=(--set CheckBox22=1 --set UpDown18=500 --set UpDown21=500)

# "wall user" seconds of one back-test from 19.11.1994.
timed() {
    local TIMEFORMAT='%R %U'
    { time cli "$1" --date 19.11.1994 --from 19.11.1994 --seed 4711 "${@:2}" backtest \
        >/dev/null; } 2>&1
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

report() {
    local who=$1 name=$2
    shift 2
    : >"$tmp/times"
    for _ in $(seq "$runs"); do timed "$who" "$@" >>"$tmp/times"; done
    printf '%-4s %-8s wall %6.2f s   cpu %6.2f s   (median of %d)\n' "$who" "$name" \
        "$(cut -d' ' -f1 "$tmp/times" | median)" "$(cut -d' ' -f2 "$tmp/times" | median)" "$runs"
}

echo "processors: $(nproc)"
for who in new ${old:+old}; do
    report "$who" default
    report "$who" heavy "${heavy[@]}"
done

[ -z "$old" ] && exit 0
option_sets=(
    ""
    "--set CheckBox31=1"
    "--set UpDown17=2 --set UpDown18=40"
    "--set CheckBox35=0 --set UpDown18=200 --set UpDown8=6"
    "--set CheckBox22=1 --set UpDown10=3 --set UpDown7=5"
    "--set CheckBox13=0 --set CheckBox9=0"
    "--set UpDown7=2 --set UpDown18=300 --set UpDown21=300"
    "--set CheckBox8=1 --set UpDown3=1 --lock 2,7"
)
compared=0
differ=0
for opts in "${option_sets[@]}"; do
    for date in 01.01.2019 15.06.2023 03.03.2025; do
        for seed in 1 4711 99999; do
            # shellcheck disable=SC2086 # the option sets are word lists
            a=$(cli old --date "$date" --from 19.11.1994 --seed "$seed" $opts backtest 2>&1
                echo "exit $?")
            # shellcheck disable=SC2086
            b=$(cli new --date "$date" --from 19.11.1994 --seed "$seed" $opts backtest 2>&1
                echo "exit $?")
            compared=$((compared + 1))
            if [ "$a" != "$b" ]; then
                differ=$((differ + 1))
                echo "differs: --date $date --seed $seed $opts"
            fi
        done
    done
done
a=$(cli old --date 19.11.1994 --from 19.11.1994 --seed 4711 "${heavy[@]}" backtest | md5sum)
b=$(cli new --date 19.11.1994 --from 19.11.1994 --seed 4711 "${heavy[@]}" backtest | md5sum)
compared=$((compared + 1))
[ "$a" = "$b" ] || { differ=$((differ + 1)); echo "differs: the heavy back-test"; }
echo "reports compared byte for byte: $compared, differing: $differ"
[ "$differ" -eq 0 ]
