#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manuals the build writes into the program folder: real PDFs that hold every chapter title
# of their text as text, and the screenshots of every tab.
set -u
bin=$1
docs=$2
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

check() {
    local source=$1 pdf=$2
    [ -s "$bin/$pdf" ] || { fail "$pdf was not built"; return; }
    pdfinfo "$bin/$pdf" >"$tmp/info" 2>&1 || fail "$pdf: pdfinfo cannot read it: $(cat "$tmp/info")"
    pages=$(sed -n 's/^Pages: *//p' "$tmp/info")
    [ "${pages:-0}" -ge 10 ] || fail "$pdf: only ${pages:-0} pages"
    # Line breaks, blanks, hyphens where a long title wraps and the typesetter's ligatures are
    # layout, not text.
    plain() { sed 's/ﬁ/fi/g; s/ﬂ/fl/g' | tr -d ' \n\f-'; }
    pdftotext "$bin/$pdf" - | plain >"$tmp/text"
    chapters=0
    while IFS= read -r title; do
        chapters=$((chapters + 1))
        grep -qF -- "$(printf '%s' "$title" | plain)" "$tmp/text" ||
            fail "$pdf: chapter title missing: $title"
    done < <(sed -n 's/^# //p' "$docs/$source")
    [ $chapters -ge 10 ] || fail "$source: only $chapters chapters"
    # Every image the text shows is in the PDF, and each tab has its screenshot.
    images=$(grep -o '!\[[^]]*\]([^)]*)' "$docs/$source" | wc -l)
    embedded=$(pdfimages -list "$bin/$pdf" | awk 'NR > 2 && $3 == "image"' | wc -l)
    [ "$embedded" -ge "$images" ] || fail "$pdf: $embedded images, the text shows $images"
    for shot in lottotipp berechnung-statistisch berechnung-optimierung berechnung-mathematisch \
        berechnung-allgemein diagramm datenbank internet; do
        grep -q "($shot.png)" "$docs/$source" || fail "$source: no screenshot $shot.png"
    done
}

check Handbuch.md Vendrilo.pdf
check Manual.md Vendrilo-en.pdf
[ $failed -eq 0 ] && echo "manual: all checks passed"
exit $failed
