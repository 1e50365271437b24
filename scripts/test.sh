#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and scenario suites, the logic's
# suites again in a build without Qt, the browser page in headless Chromium, the fuzz targets
# (VANTOR_FUZZ_SECONDS each, default 60), then the suites again under the address and
# undefined-behaviour sanitizers (whose summary is the last thing printed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2

# The logic alone, configured and built with Qt out of reach, as the browser edition builds it.
[ -f build/logic/build.ninja ] || cmake --preset logic >/dev/null
cmake --build --preset logic
ctest --preset logic -j2

# The browser edition: builds build/web/vantor.html and drives it in headless Chromium.
scripts/webtest.sh

# The fuzz targets (clang, libFuzzer, sanitizers), one at a time: each replays its committed
# corpus, then fuzzes.
cmake --preset fuzz -DVANTOR_FUZZ_SECONDS="${VANTOR_FUZZ_SECONDS:-60}" >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

[ -f build/asan/build.ninja ] || cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2
