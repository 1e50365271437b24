// What the running program costs: one timer tick with everything shown, as a ratio to one plain
// copy of both surfaces' pixels measured in the same run; start-up; loading the star catalogue.
#include "assets/pictures.hpp"
#include "window/retroform.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The form over the window's own backgrounds.
struct Form : vantor::RetroForm {
    Form()
        : vantor::RetroForm({}, vantor::rasterOf(vantor::monthDial()),
                            vantor::rasterOf(vantor::starField())) {}
};

std::size_t bytesOf(const vantor::Raster& raster) {
    return static_cast<std::size_t>(raster.width()) * static_cast<std::size_t>(raster.height()) *
           sizeof(vantor::Pixel);
}

// Nanoseconds of one memcpy of both surfaces' pixels: the best of several batches.
double copyNanoseconds(vantor::RetroForm& form) {
    const vantor::Raster& plan = form.planSurface().Image();
    const vantor::Raster& sky = form.skySurface().Image();
    const std::size_t planBytes = bytesOf(plan);
    const std::size_t skyBytes = bytesOf(sky);
    std::vector<unsigned char> target(planBytes + skyBytes);
    double best = 1e300;
    for (int batch = 0; batch < 20; ++batch) {
        constexpr int kCopies = 200;
        const auto start = Clock::now();
        for (int i = 0; i < kCopies; ++i) {
            std::memcpy(target.data(), plan.data(), planBytes);
            std::memcpy(target.data() + planBytes, sky.data(), skyBytes);
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
        }
        const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
        best = std::min(best, spent.count() / kCopies);
    }
    return best;
}

// Every body, orbit, line of sight, disk and trail on, the clock running; argument 0 = helio,
// 1 = geo (the superior planet shown, so zoomed out), 2 = tycho.
void BM_Tick(benchmark::State& state) {
    Form form;
    form.startUp();
    vantor::Controls& c = form.controls();
    for (vantor::CheckBox* box : c.checkBoxes()) {
        if (box->value() == 0 && box != &c.topChk) {
            box->click();
        }
    }
    c.topChk.click();
    c.modelOpt.click(static_cast<int>(state.range(0)));
    c.FrunBut.click();
    const double copy = copyNanoseconds(form);
    const auto start = Clock::now();
    for (auto _ : state) {
        form.timerTick();
        benchmark::DoNotOptimize(form.planSurface().Image().data());
    }
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    state.counters["copy_ns"] = copy;
    state.counters["ratio_to_copy"] =
        spent.count() / static_cast<double>(state.iterations()) / copy;
}
BENCHMARK(BM_Tick)->Arg(0)->Arg(1)->Arg(2);

// The window's logic from nothing to the first drawing of both views.
void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        Form form;
        form.startUp();
        benchmark::DoNotOptimize(form.skySurface().Image().data());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMicrosecond);

// "Load Stars to Ecliptic" with the shipped catalogue of 2,000 stars: reading and plotting.
void BM_LoadShippedCatalogue(benchmark::State& state) {
    const auto here = std::filesystem::current_path();
    std::filesystem::current_path(VANTOR_DATA_DIR);
    Form form;
    form.startUp();
    for (auto _ : state) {
        form.controls().TloadEcMen.click();
    }
    state.counters["stars"] = form.state().starCount;
    std::filesystem::current_path(here);
}
BENCHMARK(BM_LoadShippedCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
