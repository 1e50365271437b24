#!/usr/bin/env bash
# Every performance figure of Vantor in one run: the Google Benchmark programs (ratios measured
# in the same run), then the whole program under a virtual X server: start-up to the first
# complete frame against a bare Qt window of the same size, the CPU it uses while the clock runs
# at 10 ticks a second (several 30-second runs, each followed by one of the bare window repainting
# two small rectangles at the same rate), and its peak memory at the normal size and at
# the largest zoom. The machine's load average is printed with every whole-program figure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release

bin=$PWD/build/release/bin
if [ "${VANTOR_BENCH_WHOLE_ONLY:-0}" != 1 ]; then
    for bench in vantor_bench_core vantor_bench_surface vantor_bench_window; do
        echo "== $bench"
        "$bin/$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
            --benchmark_display_aggregates_only=true 2>/dev/null | grep -E "median|^-|Benchmark"
    done
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp data/vantor.csv "$work/"
cat >"$work/whole.sh" <<'SCRIPT'
#!/usr/bin/env bash
set -euo pipefail
bin=$1 runs=$2 seconds=$3 starts=$4
load() { cut -d' ' -f1 /proc/loadavg; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
spread() { sort -g | awk 'NR == 1 { lo = $1 } { hi = $1 } END { print lo "-" hi }'; }

# Start-up: Vantor and the bare window take turns, each timed from process start to its first
# complete frame (the settled picture: every control and both views painted).
: >vantor.ms; : >bare.ms
for ((i = 0; i < starts; i++)); do
    read -r _ frame width height < <("$bin/vantor_firstframe" Vantor 600 "$bin/vantor" 2>/dev/null)
    echo "$frame" >>vantor.ms
    read -r _ bare _ < <("$bin/vantor_firstframe" "Bare window" 600 \
        "$bin/vantor_barewindow" "$width" "$height" 2>/dev/null)
    echo "$bare" >>bare.ms
    echo "start-up run $((i + 1)): Vantor $frame ms, bare window $bare ms (load $(load))"
done
v=$(median <vantor.ms); b=$(median <bare.ms)
awk -v v="$v" -v b="$b" -v vs="$(spread <vantor.ms)" -v bs="$(spread <bare.ms)" 'BEGIN {
    printf "start-up to the first complete frame, median of %d: Vantor %.0f ms (%s), bare window %.0f ms (%s), ratio %.2f\n", '"$starts"', v, vs, b, bs, v / b }'

# Starts a program (the arguments after its window's title), waits for its window and gives it
# the keyboard focus.
open_window() {
    local title=$1; shift
    "$@" 2>/dev/null & pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -1)
    xdotool windowfocus --sync "$window"
    sleep 1
}
start() { open_window '^Vantor 2.00$' "$bin/vantor"; }
shot() { import -window "$window" rgb:- | md5sum; }
# Presses the run-forward key and makes sure the clock runs: the window (its date label above
# all) is still while the clock stands and keeps changing once it runs.
run_clock() {
    local still moved later
    still=$(shot)
    [ "$(shot)" = "$still" ] || { echo "the window changes before the clock runs" >&2; exit 1; }
    xdotool key ctrl+shift+Right
    sleep 0.5; moved=$(shot)
    sleep 0.5; later=$(shot)
    if [ "$moved" = "$still" ] || [ "$later" = "$moved" ]; then
        echo "Ctrl+Shift+Right did not start the clock: the date label stands still" >&2
        kill "$pid"; exit 1
    fi
}
# CPU time of every thread of the program, in nanoseconds.
cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
peak_mb() { awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' /proc/"$pid"/status; }

: >cpu.pc; : >barecpu.pc
measure_cpu() {
    local before after t0 t1
    before=$(cpu_ns); t0=$(date +%s%N)
    sleep "$seconds"
    after=$(cpu_ns); t1=$(date +%s%N)
    awk -v c=$((after - before)) -v w=$((t1 - t0)) 'BEGIN { printf "%.3f", 100 * c / w }'
}
# Vantor and the bare window repainting two small rectangles at the same rate take turns: the
# bare window's figure is the floor that the toolkit, the X connection and this machine's
# wake-ups set under any running clock.
for ((i = 0; i < runs; i++)); do
    start; run_clock
    pc=$(measure_cpu)
    echo "$pc" >>cpu.pc
    peak=$(peak_mb)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    open_window '^Bare window$' "$bin/vantor_barewindow" "$width" "$height" --tick
    [ "$(shot)" != "$(sleep 0.3; shot)" ] || { echo "the bare window does not repaint" >&2; exit 1; }
    bare=$(measure_cpu)
    echo "$bare" >>barecpu.pc
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "CPU run $((i + 1)): Vantor $pc %, bare window repainting $bare % of one core over ${seconds} s each, Vantor's peak resident $peak MB (load $(load))"
done
v=$(median <cpu.pc); b=$(median <barecpu.pc)
echo "CPU while running at 10 ticks/s, median of $runs: $v % of one core (spread $(spread <cpu.pc)); bare window repainting two rectangles $b % ($(spread <barecpu.pc)), ratio $(awk -v v="$v" -v b="$b" 'BEGIN { printf "%.2f", v / b }')"

# Peak memory at the largest zoom: Ctrl+Plus three times makes the window four times its size.
start
small=$(xdotool getwindowgeometry --shell "$window" | grep WIDTH)
for _ in 1 2 3; do xdotool key ctrl+plus; done
sleep 1
large=$(xdotool getwindowgeometry --shell "$window" | grep WIDTH)
echo "zoom: window ${small#WIDTH=} px wide, after Ctrl+Plus three times ${large#WIDTH=} px"
[ "${large#WIDTH=}" -ge $((4 * ${small#WIDTH=})) ] || { echo "the window did not grow fourfold" >&2; exit 1; }
run_clock
sleep 5
echo "peak resident memory at the largest zoom with the clock running: $(peak_mb) MB"
kill "$pid"
SCRIPT
chmod +x "$work/whole.sh"
echo "== whole program (release, virtual X server)"
cd "$work"
# A screen large enough for the window at four times its size. Both programs find a session bus
# in the environment, as a desktop session gives it: without one, every start of the bare window
# would run the bus helper program, a cost no desktop user pays.
dbus-run-session -- xvfb-run -a -s "-screen 0 2560x2048x24" ./whole.sh "$bin" "${VANTOR_BENCH_RUNS:-5}" \
    "${VANTOR_BENCH_RUN_SECONDS:-30}" "${VANTOR_BENCH_STARTS:-5}" 2>&1 | grep -v XDG_RUNTIME_DIR
