#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the documentation's screenshots: the main window in a real X window (Xvfb with a small
# window manager, so that the caption shows), and offscreen the chart tab, the sheet during a run,
# the cross-sum chart, every tab for the manual (docs/manual) and the main window in each of the
# nine languages (docs/languages).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
if ! command -v openbox >/dev/null || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y --no-install-recommends openbox xdotool imagemagick
fi
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target vendrilo vendrilo-cli vendrilo-screenshot vendrilo-chartshot \
    vendrilo-prizeshot
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home/config" # the user's own settings stay out of the pictures
cp build/bin/vendrilo "$home/"

xvfb-run -a -s "-screen 0 1000x760x24" bash -c '
    openbox & sleep 1
    "$1/vendrilo" & pid=$!
    sleep 3
    win=$(xdotool search --sync --name "Quirlends Vendrilo" | head -1)
    xdotool windowmove --sync "$win" 10 40 windowactivate --sync "$win" key ctrl+r
    sleep 2
    import -window root "$2.full.png"
    convert "$2.full.png" -trim +repage "$2"   # the desktop around the window is plain black
    rm -f "$2.full.png"
    kill $pid' _ "$home" docs/mainwindow.png

QT_QPA_PLATFORM=offscreen build/bin/vendrilo-screenshot --from 19.11.1994 "$home" "$home"
cp "$home/tab2.png" docs/diagramm.png
cp "$home/running.png" docs/running.png
QT_QPA_PLATFORM=offscreen build/bin/vendrilo-chartshot --size 900x520 crosssums 19.11.1994 20.08.2026 \
    docs/crosssums.png
# The manual: a computed sheet with its ticket number, every tab and page, a run, the cross sums.
export QT_QPA_PLATFORM=offscreen
cp -r data/land "$home/land"
build/bin/vendrilo-cli --seed 4711 generate | head -12 >"$home/tips.qkt"
echo 1234567 >>"$home/tips.qkt"
mkdir -p "$home/de" docs/manual docs/languages
build/bin/vendrilo-screenshot --from 19.11.1994 "$home" "$home/de" "$home/tips.qkt"
while read -r shot name; do
    cp "$home/de/$shot.png" "docs/manual/$name.png"
done <<'SHOTS'
tab0 lottotipp
running lauf
options0 berechnung-statistisch
options1 berechnung-optimierung
options2 berechnung-mathematisch
options3 berechnung-allgemein
tab2 diagramm
tab3 datenbank
tab4 internet
weightinglist gewichtungsliste
singletip tippformular
SHOTS
cp docs/crosssums.png docs/manual/quersummen.png
# The sheet in money: rows with three to five hits on 20.08.2026 and rows without.
printf '%s\r\n' 6,12,19,21,1,2 6,12,19,21,23,2 6,12,19,3,4,5 7,13,22,30,41,44 2,9,17,28,35,47 \
    6,15,23,33,40,49 11,18,26,31,38,45 4,10,21,27,39,48 "" "" "" "" >"$home/money.qkt"
build/bin/vendrilo-prizeshot "$home" "$home/money.qkt" 20.08.2026 docs/prizes.png
cp docs/prizes.png docs/manual/gewinne.png

# The main window in every language, as the language menu shows it.
codes=(de en fr sp tr ru nl cz pl)
for n in "${!codes[@]}"; do
    mkdir -p "$home/lang$n"
    build/bin/vendrilo-screenshot --from 19.11.1994 --language "$n" "$home" "$home/lang$n" \
        "$home/tips.qkt"
    cp "$home/lang$n/tab0.png" "docs/languages/mainwindow-${codes[$n]}.png"
done
echo "docs/*.png, docs/manual/*.png and docs/languages/*.png written"
