#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The update against servers that misbehave on one day: it stops there, stores nothing of that
# day and no draw that is none, names the day, stays small; and the next update against a
# healthy server brings the file to the full history, record for record.
set -u
cli=$1 server=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

# A month of Tuesday, Thursday and Saturday draws, one evening with two; the client has the
# first. The bad day is the sixth draw day.
python3 - "$tmp/server.dat" "$tmp/client-start.dat" <<'PY'
import datetime, struct, sys
epoch = datetime.date(1899, 12, 30)
draws, d, i = [], datetime.date(2026, 9, 1), 0
while d <= datetime.date(2026, 9, 30):
    if d.weekday() in (1, 3, 5):
        draws.append((d, [1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 9 + i % 40]))
        if i == 8:
            draws.append((d, [11, 22, 33, 44, 45, 46]))
        i += 1
    d += datetime.timedelta(1)
for path, part in ((sys.argv[1], draws), (sys.argv[2], draws[:1])):
    with open(path, "wb") as f:
        for day, numbers in part:
            f.write(struct.pack("<d6BBB", float((day - epoch).days), *numbers, 0, 0) + bytes(16))
PY
"$cli" --draws "$tmp/server.dat" draws >"$tmp/history.txt"
start_server healthy --draws "$tmp/server.dat"
python3 "$here/hostile.py" "$cli" "$tmp/history.txt" "$tmp/client-start.dat" 15.09.2026 "$url" "$tmp"
