#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ and
# runs every test there; any report (a leak, an overflow, undefined behaviour) fails the run.
# Uses the packages scripts/deps.sh installs; the compiler cache makes a second build quick.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
# Release flags (no debug info) let the compiler cache share objects between checkouts.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENDRILO_SANITIZE=ON \
    -DVENDRILO_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -- -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" --timeout 600
