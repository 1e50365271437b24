// Cost of one position recomputation in each world model, as nanoseconds per call and as a
// ratio to 30 plain sine calls timed in the same benchmark run, so figures compare across
// machines.

#include "core/positions.hpp"
#include "core/startup.hpp"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace {

using Clock = std::chrono::steady_clock;

[[nodiscard]] double nanosecondsPer(Clock::duration elapsed, std::int64_t count) {
    return std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(count);
}

// Nanoseconds for one batch of 30 sine calls, averaged over `batches` batches.
[[nodiscard]] double thirtySinNs(std::int64_t batches) {
    double x = 0.1;
    double sum = 0.0;
    const auto start = Clock::now();
    for (std::int64_t i = 0; i < batches; ++i) {
        for (int k = 0; k < 30; ++k) {
            benchmark::DoNotOptimize(x);
            sum += std::sin(x);
            x += 0.001;
        }
    }
    const auto elapsed = Clock::now() - start;
    benchmark::DoNotOptimize(sum);
    return nanosecondsPer(elapsed, batches);
}

void calcPositionsBench(benchmark::State& state, vantor::WorldModel model) {
    vantor::SimState s;
    vantor::initFlags(s);
    vantor::initClock(s);
    vantor::initBodies(s);
    s.worldModel = model;
    const auto start = Clock::now();
    for (auto _ : state) {
        // Stay within a century either side, where the clock usually is.
        s.simTime = s.simTime > 36525.0 ? -36525.0 : s.simTime + 3.0;
        vantor::calcPositions(s);
        benchmark::DoNotOptimize(s);
        benchmark::ClobberMemory();
    }
    const double callNs = nanosecondsPer(Clock::now() - start, state.iterations());
    state.counters["ns_per_call"] = callNs;
    state.counters["ratio_to_30_sin"] = callNs / thirtySinNs(state.iterations());
}

void thirtySinBench(benchmark::State& state) {
    double x = 0.1;
    for (auto _ : state) {
        double sum = 0.0;
        for (int k = 0; k < 30; ++k) {
            benchmark::DoNotOptimize(x);
            sum += std::sin(x);
            x += 0.001;
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(thirtySinBench)->Name("ThirtySin");
BENCHMARK_CAPTURE(calcPositionsBench, helio, vantor::WorldModel::Helio);
BENCHMARK_CAPTURE(calcPositionsBench, geo, vantor::WorldModel::Geo);
BENCHMARK_CAPTURE(calcPositionsBench, tycho, vantor::WorldModel::Tycho);

BENCHMARK_MAIN();
