#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the window tests
# offscreen). The engine and window tests run twice: also built with
# AddressSanitizer and UndefinedBehaviorSanitizer. Last, every engine fuzz
# target replays its corpus and fuzzes for a few seconds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ferrino_install_missing
ferrino_build build-sanitized -DFERRINO_SANITIZE=ON -DFERRINO_BUILD_BENCH=OFF
ferrino_build build -DFERRINO_SANITIZED_BUILD="$PWD/build-sanitized"

fuzz/run.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
