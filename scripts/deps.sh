#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Vendrilo needs to build, test and run on Debian 12 (apt, as root or via sudo).
# Packages already present are not fetched again.
set -euo pipefail

# python3 runs the independent checkers that the command-line tests compare the tool against,
# and the raw HTTP client of the draw server's tests.
# libqt6sql6-sqlite is Qt SQL's SQLite driver, which keeps the ticket ledger.
# poppler-utils reads the manual PDF back in its test, unrtf the analysis report; libxcb1-dev
# builds the start-up benchmark's window watcher; libfontconfig-dev lets the program read the
# font configuration ahead at start.
packages=(build-essential cmake ninja-build ccache libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev libqt6sql6-sqlite
          qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core xvfb xauth python3
          poppler-utils unrtf libxcb1-dev libfontconfig-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
