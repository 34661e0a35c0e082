#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The draw file survives a kill at any moment: `enter`, `delete` and `import-draws` killed with
# SIGKILL at random moments on a copy of the shipped history leave the file either as it was or
# as the finished command writes it, byte for byte.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

mkdir "$tmp/p"
cp "$cli" "$tmp/p/vendrilo-cli"
"$tmp/p/vendrilo-cli" draws >/dev/null
cp "$tmp/p/ZahlenPL.dat" "$tmp/full.dat"
# The history without its last 100 draws, for the import.
python3 -c "import sys; d=open(sys.argv[1],'rb').read(); open(sys.argv[2],'wb').write(d[:-3200])" \
    "$tmp/full.dat" "$tmp/short.dat"

# What each command leaves when it is not disturbed.
expected() { # start-file command...
    cp "$1" "$tmp/p/ZahlenPL.dat"
    shift
    "$tmp/p/vendrilo-cli" --today 08.12.2026 "$@" >/dev/null || fail "$*: exit $?"
    cp "$tmp/p/ZahlenPL.dat" "$tmp/expected.dat"
}
kills=0
torture() { # start-file rounds command...
    local start=$1 rounds=$2
    shift 2
    expected "$start" "$@"
    for _ in $(seq 1 "$rounds"); do
        cp "$start" "$tmp/p/ZahlenPL.dat"
        "$tmp/p/vendrilo-cli" --today 08.12.2026 "$@" >/dev/null 2>&1 &
        local pid=$!
        # Anywhere from before the file is read to after it is written (the whole command
        # takes a few milliseconds).
        sleep "0.00$((RANDOM % 9))$((RANDOM % 10))"
        kill -9 $pid 2>/dev/null && kills=$((kills + 1))
        wait $pid 2>/dev/null
        if cmp -s "$tmp/p/ZahlenPL.dat" "$start" || cmp -s "$tmp/p/ZahlenPL.dat" "$tmp/expected.dat"; then
            ok
        else
            fail "$*: the draw file is neither the old nor the new one ($(stat -c %s "$tmp/p/ZahlenPL.dat") bytes)"
        fi
    done
}
torture "$tmp/full.dat" 15 --date 18.08.2026 enter 18.08.2026 40,2,17,9,33,21
torture "$tmp/full.dat" 15 --date 18.08.2026 delete
torture "$tmp/short.dat" 15 import-draws "$here/../../data/polish-lotto-6of49.csv"
echo "killed $kills times"
[ $kills -ge 20 ] && ok || fail "only $kills kills landed"
finish killsafety
