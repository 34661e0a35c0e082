# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the command-line test scripts: a temporary folder that goes away at exit, and the
# count of passed and failed checks.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
passed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
ok() { passed=$((passed + 1)); }
# finish NAME: the summary line; the status says whether every check passed.
finish() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
# The independent checkers are Python programs; scripts/deps.sh installs python3.
need_python3() {
    command -v python3 >/dev/null 2>&1 && return
    echo "FAIL: python3 missing (scripts/deps.sh installs it)"
    exit 1
}
