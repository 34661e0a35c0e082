#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vendrilo-cli's usage: the help text, --version, arguments in the wrong place, a failed write to
# stdout, and errors that must stay one line on stderr even where Qt would add its own.
set -u
cli=$1 data=$2
here=$(cd "$(dirname "$0")" && pwd)
draws=$here/../fixtures/draws-three.dat
# shellcheck source-path=SCRIPTDIR source=common.sh
source "$here/common.sh"

# error "WHAT" ARGS...: status 2, nothing on stdout, exactly one line on stderr.
error() {
    local what=$1
    shift
    "$cli" "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    if [ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ]; then ok
    else fail "$what: status $status, stdout $(wc -c <"$tmp/out") bytes, stderr: $(cat "$tmp/err")"; fi
}
# names "TEXT": the last error line contains TEXT.
names() { grep -qF -- "$1" "$tmp/err" && ok || fail "error does not name '$1': $(cat "$tmp/err")"; }

# --- The help: the same text for --help, -h and no arguments at all, on stdout, status 0.
"$cli" >"$tmp/help" 2>"$tmp/err" && [ ! -s "$tmp/err" ] && ok || fail "no arguments: status or stderr"
for flag in --help -h; do
    "$cli" $flag >"$tmp/out" 2>"$tmp/err" && [ ! -s "$tmp/err" ] && cmp -s "$tmp/out" "$tmp/help" \
        && ok || fail "$flag differs from the plain help"
done
# Global options before --help are read and then left alone.
"$cli" --draws "$draws" --help | cmp -s - "$tmp/help" && ok || fail "--draws F --help"
grep -qxF "Usage: vendrilo-cli [GLOBAL OPTIONS] COMMAND [ARGS]" "$tmp/help" && ok || fail "synopsis"
for command in batch chart draws evaluate generate show; do
    # the command's line: its name (and arguments), then a description
    grep -qE "^  $command( [^ ]+)* +[a-z]" "$tmp/help" && ok || fail "help lacks command $command"
done
for option in --draws --date --from --set --tips --lock --seed --today --version; do
    grep -qE -- "^  $option( [A-Z.=]+)? +[a-z]" "$tmp/help" && ok || fail "help lacks option $option"
done
grep -qE -- "^  --help, -h +[a-z]" "$tmp/help" && ok || fail "help lacks --help, -h"
grep -qF -- '"--- exit N"' "$tmp/help" && ok || fail "help does not explain batch's exit lines"
# Every chart name is listed below the chart command.
for name in numbers crosssums tips pairs triples quads overdue superzahl primes odd even; do
    grep -A1 "^  chart NAME" "$tmp/help" | grep -qw "$name" && ok || fail "help lacks chart $name"
done

# --- The version is the project's.
version=$(sed -n 's/^project(Vendrilo VERSION \([0-9.]*\).*/\1/p' "$data/../CMakeLists.txt")
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
[ "$("$cli" --version 2>&1)" = "vendrilo-cli $version" ] && ok || fail "--version: $("$cli" --version 2>&1)"

# --- A global option after the command would be ignored: it is an error that names it.
error "show --date" --draws "$draws" show --date 01.01.2000
names "--date"
grep -qF "before the command" "$tmp/err" && ok || fail "the error does not say where the option goes"
error "draws --draws" draws --draws "$draws"
names "--draws"
error "chart numbers --from" --draws "$draws" chart numbers --from 01.01.2020
names "--from"
error "evaluate --lock" --draws "$draws" evaluate --lock 1
error "generate --seed" --draws "$draws" generate --seed 1
error "show --today" --draws "$draws" show --today 01.01.2021
error "show --set" --draws "$draws" show --set CheckBox16=0
error "evaluate --tips" --draws "$draws" evaluate --tips "$tmp/none.qkt"
error "draws --version" --draws "$draws" draws --version

# --- Stray arguments: commands without arguments take none, chart takes exactly one.
for command in draws show evaluate generate; do
    error "$command extra" --draws "$draws" "$command" extra
    names '"extra"'
done
error "chart without a name" --draws "$draws" chart
error "chart with two names" --draws "$draws" chart numbers odd
names '"odd"'
error "unknown option after the command" --draws "$draws" show --verbose
names "--verbose"
error "options without a command" --draws "$draws"
error "unknown command" --draws "$draws" frobnicate
names "frobnicate"
error "bad --today" --today 31.02.2021 show
names "--today"

# --- A failed write to stdout: status 2 and the system's reason, small output (lost when the
# buffer is flushed at the end) as well as large output (lost while writing).
if [ -w /dev/full ]; then
    for args in "--draws $draws draws" "--draws $draws show" "--version" "--help"; do
        # shellcheck disable=SC2086
        "$cli" $args >/dev/full 2>"$tmp/err"
        status=$?
        if [ $status -eq 2 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] \
            && grep -qF "No space left on device" "$tmp/err"; then ok
        else fail "'$args' > /dev/full: status $status, stderr: $(cat "$tmp/err")"; fi
    done
    cp "$cli" "$tmp/vendrilo-cli"
    "$tmp/vendrilo-cli" draws >/dev/full 2>"$tmp/err"
    [ $? -eq 2 ] && grep -qF "No space left on device" "$tmp/err" && ok \
        || fail "the shipped history > /dev/full: $(cat "$tmp/err")"
    printf '%s\n' "--draws $draws show" "--draws $draws draws" | "$cli" batch >/dev/full 2>"$tmp/err"
    status=$?
    [ $status -eq 2 ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] && ok \
        || fail "batch > /dev/full: status $status, stderr: $(cat "$tmp/err")"
else
    echo "note: no /dev/full, failed writes not checked"
fi

# --- Paths Qt itself complains about: still exactly one line on stderr.
mkdir "$tmp/folder"
error "empty --draws" --draws "" draws
error "empty --tips" --draws "$draws" --tips "" evaluate
error "empty --tips, tip chart" --draws "$draws" --tips "" chart tips
error "folder as --draws" --draws "$tmp/folder" show
error "folder as --tips" --draws "$draws" --tips "$tmp/folder" evaluate
error "missing folder" --draws "$tmp/no/such/folder.dat" show
error "a line break in the file name" --draws "$tmp/two"$'\n'"lines.dat" show
# Without a runtime folder or a home the tool runs as ever, and says nothing about it.
env -u XDG_RUNTIME_DIR -u HOME "$cli" --draws "$draws" --date 06.01.2021 show >"$tmp/out" 2>"$tmp/err" \
    && [ ! -s "$tmp/err" ] && [ "$(sed -n 3p "$tmp/out")" = "Position: 1" ] && ok \
    || fail "no XDG_RUNTIME_DIR: $(cat "$tmp/err")"
env -u XDG_RUNTIME_DIR "$cli" --draws "$tmp/folder" show >/dev/null 2>"$tmp/err"
[ "$(wc -l <"$tmp/err")" -eq 1 ] && ok || fail "no XDG_RUNTIME_DIR, bad draw file: $(cat "$tmp/err")"
# Unreadable files: as root only through an unprivileged user.
cp "$draws" "$tmp/locked.dat"
printf '1,2,3,4,5,6\r\n' >"$tmp/locked.qkt"
chmod 000 "$tmp/locked.dat" "$tmp/locked.qkt"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null 2>&1 && id nobody >/dev/null 2>&1; then
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        chmod 755 "$tmp"
        cp "$cli" "$tmp/cli-copy"
        cp "$draws" "$tmp/readable.dat"
        chmod 644 "$tmp/readable.dat"
    fi
fi
if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
    unreadable() {
        local what=$1
        shift
        "${as_user[@]}" "${tool:-$cli}" "$@" >"$tmp/out" 2>"$tmp/err"
        local status=$?
        if [ $status -eq 2 ] && [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ]; then ok
        else fail "$what: status $status, stderr: $(cat "$tmp/err")"; fi
    }
    tool=$cli readable=$draws
    [ ${#as_user[@]} -gt 0 ] && tool=$tmp/cli-copy readable=$tmp/readable.dat
    unreadable "unreadable draw file, draws" --draws "$tmp/locked.dat" draws
    unreadable "unreadable draw file, show" --draws "$tmp/locked.dat" show
    unreadable "unreadable draw file, chart" --draws "$tmp/locked.dat" chart numbers
    unreadable "unreadable tip file" --draws "$readable" --tips "$tmp/locked.qkt" evaluate
else
    echo "note: running as root without setpriv, unreadable files not checked"
fi

finish "usage"
