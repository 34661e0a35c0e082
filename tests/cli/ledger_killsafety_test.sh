#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The ledger survives a kill at any moment: `ledger add` and `ledger check` run again and again
# in one batch process that is killed with SIGKILL at a random moment, 50 times each. After
# every kill the file opens, passes SQLite's integrity check, and holds every ticket with all
# its rows or not at all, and the checks of one whole run or of another, never a mixture.
set -u
cli=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"
need_python3
# A kill tests what the process leaves behind, which is the same in a folder in memory, where the
# disk's syncs cost nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    rm -rf "$tmp"
    tmp=$(mktemp -d -p /dev/shm)
fi

mkdir "$tmp/p" "$tmp/a" "$tmp/b"
cp "$cli" "$tmp/p/vendrilo-cli"
"$tmp/p/vendrilo-cli" draws >/dev/null || fail "writing the shipped history"
cp "$tmp/p/ZahlenPL.dat" "$tmp/a/ZahlenPL.dat"

python3 - "$tmp" <<'END' || fail "the kill test broke off"
import datetime, os, random, signal, sqlite3, struct, subprocess, sys, time
tmp = sys.argv[1]
cli = os.path.join(tmp, "p", "vendrilo-cli")
rng = random.Random(2026)
epoch = datetime.date(1899, 12, 30)

# Draw file b: the last year of a with one number changed in every third draw.
data = bytearray(open(os.path.join(tmp, "a", "ZahlenPL.dat"), "rb").read())
for i in range(len(data) // 32 - 160, len(data) // 32, 3):
    numbers = set(data[i * 32 + 8:i * 32 + 14])
    data[i * 32 + 8] = rng.choice([n for n in range(1, 50) if n not in numbers])
open(os.path.join(tmp, "b", "ZahlenPL.dat"), "wb").write(data)
draws = {}
for name in ("a", "b"):
    raw = open(os.path.join(tmp, name, "ZahlenPL.dat"), "rb").read()
    draws[name] = {}
    for i in range(0, len(raw), 32):
        day = epoch + datetime.timedelta(days=round(struct.unpack("<d", raw[i:i + 8])[0]))
        draws[name].setdefault(day.isoformat(), ",".join(str(b) for b in raw[i + 8:i + 14]))

# Tip files with k rows; the ticket number says how many rows the ticket must hold.
tips = []
for k in range(1, 13):
    path = os.path.join(tmp, "tips%d.qkt" % k)
    rows = [",".join(map(str, sorted(rng.sample(range(1, 50), 6)))) for _ in range(k)]
    open(path, "w", newline="").write("\r\n".join(rows + [",,,,,"] * (12 - k) + ["R%d" % k]) + "\r\n")
    tips.append(path)

def add_line(ledger):
    k = rng.randint(1, 12)
    day = epoch + datetime.timedelta(days=rng.randint(45800, 46250))
    return "--ledger %s --date %s --tips %s ledger add --runs %d\n" % (
        ledger, day.strftime("%d.%m.%Y"), tips[k - 1], rng.randint(1, 10))

def whole(ledger, check_runs=False):
    """The ledger opens, is intact, and every ticket and check is whole."""
    if not os.path.exists(ledger):
        return []  # killed before the first ticket made the file
    db = sqlite3.connect(ledger)
    problems = []
    if db.execute("PRAGMA integrity_check").fetchone()[0] != "ok":
        problems.append("integrity check failed")
    for tid, number, draws_, stake in db.execute(
            "SELECT id, ticket_number, draws, stake FROM tickets"):
        rows = db.execute("SELECT count(*) FROM ticket_rows WHERE ticket = ?", (tid,)).fetchone()[0]
        if rows != int(number[1:]) or stake != rows * 300 * draws_:
            problems.append("ticket %d: %d rows, stake %d" % (tid, rows, stake))
    if check_runs:
        mixed = {name: 0 for name in draws}
        for ticket, day, basis in db.execute("SELECT ticket, day, basis FROM checks"):
            for name in draws:
                if draws[name].get(day) != basis:
                    mixed[name] += 1
        if all(count > 0 for count in mixed.values()):
            problems.append("checks of two runs mixed: %s" % mixed)
        for ticket, count in db.execute(
                "SELECT c.ticket, count(r.position) FROM checks c LEFT JOIN check_rows r ON "
                "r.ticket = c.ticket AND r.draw = c.draw AND r.game = c.game GROUP BY c.ticket, "
                "c.draw, c.game"):
            expected = int(db.execute("SELECT ticket_number FROM tickets WHERE id = ?",
                                      (ticket,)).fetchone()[0][1:])
            if count != expected:
                problems.append("a check of ticket %d holds %d rows" % (ticket, count))
    db.close()
    # The program's own opening is the next round's first step; had it found the file damaged,
    # the file would have been kept aside.
    if os.path.exists(ledger + ".bak"):
        problems.append("the program found the ledger damaged and kept it aside")
    return problems

def opens(ledger):
    opened = subprocess.run([cli, "--ledger", ledger, "ledger", "summary"], capture_output=True)
    return opened.returncode == 0 and not opened.stderr

def torture(lines, ledger, check_runs, longest, rounds=50):
    """Kills a batch of the lines at a random moment after its first command has ended, so that
    the kill lands in the middle of the work however slowly the process starts."""
    kills = failures = 0
    for _ in range(rounds):
        proc = subprocess.Popen([cli, "batch"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL)
        proc.stdin.write("".join(lines()).encode())
        proc.stdin.close()
        for line in iter(proc.stdout.readline, b""):
            if line.startswith(b"--- exit"):
                break
        time.sleep(rng.uniform(0, longest))
        if proc.poll() is None:
            proc.send_signal(signal.SIGKILL)
            kills += 1
        proc.wait()
        proc.stdout.close()
        problems = whole(ledger, check_runs)
        if problems:
            failures += 1
            print("FAIL:", "; ".join(problems[:3]))
    return kills, failures

ledger = os.path.join(tmp, "add.sqlite")
kills, failures = torture(lambda: [add_line(ledger) for _ in range(100)], ledger, False, 0.1)
tickets = sqlite3.connect(ledger).execute("SELECT count(*) FROM tickets").fetchone()[0]
print("add: %d kills, %d tickets, %d failures" % (kills, tickets, failures))
bad = failures > 0 or kills < 40 or not opens(ledger)

ledger = os.path.join(tmp, "check.sqlite")
subprocess.run([cli, "batch"], input="".join(add_line(ledger) for _ in range(40)).encode(),
               check=True, capture_output=True)
checks = ["--ledger %s --draws %s ledger check\n" % (ledger, os.path.join(tmp, name, "ZahlenPL.dat"))
          for name in ("a", "b")] * 50
kills, failures = torture(lambda: checks, ledger, True, 0.25)
count = sqlite3.connect(ledger).execute("SELECT count(*) FROM checks").fetchone()[0]
print("check: %d kills, %d checks stored, %d failures" % (kills, count, failures))
sys.exit(1 if bad or failures > 0 or kills < 40 or count == 0 or not opens(ledger) else 0)
END
[ $? -eq 0 ] && ok
finish "ledger kill safety"
