#!/usr/bin/env bash
# A fuzzing campaign with one of the "fuzz" preset's targets, longer than the test suite's minute:
#   scripts/fuzz.sh catalogue -runs=10000000
# The corpus grows in build/fuzz/campaign/TARGET (seeded from fuzz/corpus/TARGET); further
# arguments go to libFuzzer. Afterwards, to fold what it found into the committed corpus:
#   build/fuzz/bin/vantor_TARGET_fuzz -merge=1 fuzz/corpus/TARGET build/fuzz/campaign/TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)" # absolute paths: the window target changes folder while it runs
target="${1:?usage: scripts/fuzz.sh TARGET [libFuzzer flags...]}"
shift
[ -f build/fuzz/build.ninja ] || cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work="$root/build/fuzz/campaign/$target"
mkdir -p "$work"
exec nice -n 10 "$root/build/fuzz/bin/vantor_${target}_fuzz" "$work" "$root/fuzz/corpus/$target" \
    -max_len=4096 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work-" \
    -print_final_stats=1 "$@"
