#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts it beside its star catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release --target vantor
cd build/release/bin
exec ./vantor "$@"
