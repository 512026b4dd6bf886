#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the window tests
# offscreen). The engine and window tests run twice: also built with
# AddressSanitizer and UndefinedBehaviorSanitizer. Every engine fuzz target
# replays its corpus and fuzzes for a few seconds. Last, the browser page:
# its engine under Node's test runner, the page in headless Chromium.
# The output ends with the summary of each test runner.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ferrino_install_missing
ferrino_build build-sanitized -DFERRINO_SANITIZE=ON -DFERRINO_BUILD_BENCH=OFF
ferrino_build build -DFERRINO_SANITIZED_BUILD="$PWD/build-sanitized"
ferrino_build_web build-web

# Every runner runs, whatever the one before it found; the summaries end the
# output and the status is the worst of them.
status=0
fuzz/run.sh || status=1
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)") | tee build/ctest.log || status=1

# The page's tests: puppeteer-core as locked in web/package-lock.json, and
# Debian's Chromium (nothing is downloaded).
(cd web && npm ci --no-audit --no-fund --loglevel=error >/dev/null) || status=1
(cd web && FERRINO_WEB_SITE="$PWD/../build-web/web/site" node --test --test-reporter=tap test/*.test.mjs) |
    tee build-web/node-test.log || status=1

echo
echo "ctest: $(grep -E 'tests passed|tests failed' build/ctest.log | tail -1)"
echo "node --test:"
grep -E '^# (tests|pass|fail|cancelled|skipped|todo) ' build-web/node-test.log || true
exit $status
