#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and scenario suites, the
# star-catalogue reader under the fuzzer, then the suites again under the address and
# undefined-behaviour sanitizers (whose summary is the last thing printed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen

[ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev -j2

# The star-catalogue reader under the coverage-guided fuzzer (clang, libFuzzer).
scripts/fuzz.sh

[ -f build/asan/build.ninja ] || cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2
