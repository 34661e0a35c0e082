#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli generate against the independent model of the generation run in
# tools/generate_model_check.py: random seeds, dates, statistics starts and up to twelve changed
# options per run, some with one draw day left out; over the shipped history (bonus numbers and
# Superzahlen all 0) and over the same draws with bonus numbers and Superzahlen, which the
# bonus-number options and the draws A, B and C then meet. The runs and the charts they read go
# through one batch process per check.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
checker=$here/../../tools/generate_model_check.py
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3

# The checker reads the program folder's draw file: one folder per draw file.
mkdir "$tmp/shipped" "$tmp/bonus"
cp "$cli" "$tmp/shipped/vendrilo-cli"
cp "$cli" "$tmp/bonus/vendrilo-cli"
"$tmp/shipped/vendrilo-cli" draws >/dev/null || fail "writing the shipped history"
python3 - "$tmp/shipped/ZahlenPL.dat" "$tmp/bonus/ZahlenPL.dat" <<'END'
import random, sys
rng = random.Random(5)
data = open(sys.argv[1], "rb").read()
out = bytearray()
for i in range(len(data) // 32):
    record = bytearray(data[i * 32:(i + 1) * 32])
    record[14] = rng.choice([n for n in range(1, 50) if n not in record[8:14]])
    record[15] = rng.randrange(10)
    out += record
open(sys.argv[2], "wb").write(out)
END

# check FOLDER SEED CASES MAX-OPTIONS [filter]
check() {
    local folder=$1 cases=$3
    shift
    python3 "$checker" "$folder/vendrilo-cli" "$@" >"$tmp/log" 2>&1
    local status=$?
    if [ $status -eq 0 ] && grep -qx "mismatches 0 of $cases" "$tmp/log"; then ok
    else fail "$(basename "$folder") $*: status $status"; grep -v '^ok' "$tmp/log" | head -30; fi
}
check "$tmp/shipped" 2 30 12
check "$tmp/shipped" 5 30 12 filter
check "$tmp/bonus" 21 30 12
check "$tmp/bonus" 23 20 12 filter

finish "generate model"
