#!/usr/bin/env bash
# The browser tests: builds the page and the native replay, installs the pinned browser driver
# (never a browser of its own: Debian's chromium is used), and runs them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh

need=()
command -v chromium >/dev/null || need+=(chromium)
command -v npm >/dev/null || need+=(npm)
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
[ -d tests/web/node_modules/playwright-core ] ||
    (cd tests/web && npm ci --no-audit --no-fund --ignore-scripts >/dev/null)

[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev --target vantor_replay
node tests/web/browser_test.mjs "$(pwd)/build/web/vantor.html" build/dev/bin/vantor_replay \
    data/vantor.csv build/web/test
