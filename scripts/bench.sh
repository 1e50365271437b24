#!/usr/bin/env bash
# Every performance figure of Vantor in one run: the Google Benchmark programs (ratios measured
# in the same run), then the whole program under a virtual X server: time to its window, the
# CPU it uses while the clock runs at 10 ticks a second for 30 seconds, and its peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release

bin=$PWD/build/release/bin
for bench in vantor_bench_core vantor_bench_surface vantor_bench_window; do
    echo "== $bench"
    "$bin/$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_display_aggregates_only=true 2>/dev/null | grep -E "median|^-|Benchmark"
done

run_seconds=${VANTOR_BENCH_RUN_SECONDS:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/vantor.csv "$work/"
cat >"$work/whole.sh" <<SCRIPT
#!/usr/bin/env bash
set -euo pipefail
cd "$work"
hz=\$(getconf CLK_TCK)
start=\$(date +%s%N)
"$bin/vantor" & pid=\$!
# The window counts as up once the X server shows it as viewable.
until xwininfo -name "Vantor 2.00" 2>/dev/null | grep -q IsViewable; do sleep 0.002; done
up=\$(date +%s%N)
echo "start-up to a viewable window: \$(( (up - start) / 1000000 )) ms"
window=\$(xdotool search --onlyvisible --name '^Vantor 2.00\$' | head -1)
eval \$(xdotool getwindowgeometry --shell "\$window")
sleep 1
# "Run Time Forward": the fifth clock button.
xdotool mousemove --sync \$(( X + (120 + 2475 + 307) / 15 )) \$(( Y + HEIGHT - 456 + (300 + 190) / 15 )) click 1
sleep 1
cpu() { awk '{print \$14 + \$15}' /proc/\$pid/stat; }
before=\$(cpu); t0=\$(date +%s%N)
sleep $run_seconds
after=\$(cpu); t1=\$(date +%s%N)
awk -v c=\$(( after - before )) -v hz=\$hz -v ns=\$(( t1 - t0 )) \
    'BEGIN { printf "CPU while running at 10 ticks/s: %.2f %% of one core\n", 100 * c / hz / (ns / 1e9) }'
grep VmHWM /proc/\$pid/status | awk '{ printf "peak resident memory: %.1f MB\n", \$2 / 1024 }'
kill \$pid
SCRIPT
chmod +x "$work/whole.sh"
echo "== whole program (release, virtual X server)"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/whole.sh" 2>&1 | grep -v XDG_RUNTIME_DIR
