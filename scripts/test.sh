#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit, scenario, window and
# end-to-end suites, then the same suites under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2

[ -f build/asan/build.ninja ] || cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2

# The star-catalogue reader under the coverage-guided fuzzer.
scripts/fuzz.sh
