#!/usr/bin/env bash
# The browser tests: builds the page (scripts/web.sh also installs Debian's chromium and the pinned
# browser driver, never a browser of its own) and the native replay, and runs them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh

[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev --target vantor_replay
node tests/web/browser_test.mjs "$(pwd)/build/web/vantor.html" build/dev/bin/vantor_replay \
    data/vantor.csv build/web/test
