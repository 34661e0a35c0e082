#!/usr/bin/env bash
# Takes the documentation's screenshots: the main window in a real X window (Xvfb with a small
# window manager, so that the caption shows), and offscreen the chart tab, the sheet during a run
# and the cross-sum chart.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
if ! command -v openbox >/dev/null || ! command -v xdotool >/dev/null || ! command -v import >/dev/null; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y --no-install-recommends openbox xdotool imagemagick
fi
bash scripts/build.sh
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
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
echo "docs/mainwindow.png, diagramm.png, running.png and crosssums.png written"
