#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the window tests
# offscreen). The engine tests run twice: also built with AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ferrino_install_missing
ferrino_build build-sanitized -DFERRINO_ENGINE_ONLY=ON -DFERRINO_SANITIZE=ON -DFERRINO_BUILD_BENCH=OFF
ferrino_build build -DFERRINO_SANITIZED_ENGINE_TESTS="$PWD/build-sanitized/tests/ferrino_engine_tests"

cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
