#!/usr/bin/env bash
# Builds the star catalogue reader's libFuzzer target with clang and runs it for
# VANTOR_FUZZ_SECONDS seconds (default 60). Fails on any crash, sanitizer report or broken invariant.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${VANTOR_FUZZ_SECONDS:-60}"
out=build/fuzz
mkdir -p "$out/corpus" "$out/artifacts"

clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. fuzz/catalogue_fuzz.cpp skyview/starcatalogue.cpp -o "$out/catalogue_fuzz"

# Seeds: the committed small files, plus one over-long file so that the table-full path is reached.
cp fuzz/corpus/* "$out/corpus/"
{
    echo "name,ra_hours,dec_deg,ecl_lon_deg,ecl_lat_deg,vmag,designation"
    for i in $(seq 1 2003); do echo "S$i,1,2,3,4,5,x"; done
} >"$out/corpus/over-long.csv"

# The corpus grows between runs in build/fuzz/corpus; -timeout catches anything slower than linear.
"$out/catalogue_fuzz" "$out/corpus" \
    -max_total_time="$seconds" -max_len=40000 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/artifacts/" -print_final_stats=1
