# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the online tests: the tool and the draw server, servers on free ports stopped at
# exit, and the counters of tests/cli/common.sh.
# shellcheck source-path=SCRIPTDIR source=../cli/common.sh
source "$here/../cli/common.sh"
need_python3
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$tmp"' EXIT

# shellcheck source-path=SCRIPTDIR source=../server/startserver.sh
source "$here/../server/startserver.sh"

# drawfile FILE 'DD.MM.YYYY n1 .. n6' ...: a draw file written without the program's own writer.
drawfile() {
    python3 - "$@" <<'PY'
import datetime, struct, sys
epoch = datetime.date(1899, 12, 30)
with open(sys.argv[1], 'wb') as f:
    for text in sys.argv[2:]:
        date, *numbers = text.split()
        d, m, y = (int(x) for x in date.split('.'))
        days = (datetime.date(y, m, d) - epoch).days
        f.write(struct.pack('<d6BBB', float(days), *map(int, numbers), 0, 0) + bytes(16))
PY
}
