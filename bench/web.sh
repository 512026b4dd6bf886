#!/usr/bin/env bash
# The browser page's speed, memory and size (bench/web.mjs, headless Chromium),
# written into the section "In the browser" of docs/performance.md.
#   bench/web.sh             builds the site in build-web/ first
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ferrino_build_web build-web >/dev/null
(cd web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
table="$(FERRINO_WEB_SITE="$PWD/build-web/web/site" node bench/web.mjs)"

doc=docs/performance.md
kept="$(sed '/^## In the browser/,$d' "$doc")"
{
    printf '%s\n\n' "$kept"
    echo "## In the browser"
    echo
    echo "$table"
} > "$doc.new"
mv "$doc.new" "$doc"
sed -n '/^## In the browser/,$p' "$doc"
