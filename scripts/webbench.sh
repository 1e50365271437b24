#!/usr/bin/env bash
# The browser edition's figures (bench/RESULTS.md): page size, page load to the first painted
# window, the WebAssembly tick against the native tick in the same run, and the main thread's
# time while the clock runs. Builds the page and the optimised native replay first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/web.sh >/dev/null
[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release --target vantor_replay >/dev/null
node bench/web/webbench.mjs "$(pwd)/build/web/vantor.html" build/release/bin/vantor_replay \
    "$(pwd)/data/vantor.csv" "$(pwd)/tests/web/session.txt" "$(mktemp -d)"
