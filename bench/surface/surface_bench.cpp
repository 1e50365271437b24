// Cost of drawing and erasing one figure, as a ratio to one plain copy of the surface's pixels
// measured in the same run: a timer tick draws some thirty figures, each should stay well below it.
#include "surface/surface.hpp"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

enum class View { Plan, Sky };

vantor::Surface makeSurface(View view) {
    if (view == View::Plan) {
        vantor::Surface plan(223, 224);
        plan.setScaleHeight(6.0F);
        plan.setScaleTop(-3.0F);
        plan.setScaleWidth(6.0F);
        plan.setScaleLeft(-3.0F);
        return plan;
    }
    vantor::Surface sky(471, 159);
    sky.setScaleHeight(50.0F);
    sky.setScaleTop(-25.0F);
    sky.setScaleWidth(360.0F);
    sky.setScaleLeft(0.0F);
    return sky;
}

// Nanoseconds of one memcpy of the surface's image bytes: the best of several batches.
double copyNanoseconds(const vantor::Surface& surface) {
    const vantor::Raster& image = surface.Image();
    const auto bytes = static_cast<std::size_t>(image.width()) *
                       static_cast<std::size_t>(image.height()) * sizeof(vantor::Pixel);
    std::vector<unsigned char> target(bytes);
    double best = 1e300;
    for (int batch = 0; batch < 20; ++batch) {
        constexpr int kCopies = 200;
        const auto start = Clock::now();
        for (int i = 0; i < kCopies; ++i) {
            std::memcpy(target.data(), image.data(), bytes);
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
        }
        const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
        best = std::min(best, spent.count() / kCopies);
    }
    return best;
}

template <typename Draw>
void measure(benchmark::State& state, vantor::Surface& surface, Draw draw) {
    const double copy = copyNanoseconds(surface);
    const auto start = Clock::now();
    for (auto _ : state) {
        draw();
        benchmark::DoNotOptimize(surface.Image().data());
    }
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    const double perIteration = spent.count() / static_cast<double>(state.iterations());
    state.counters["copy_ns"] = copy;
    state.counters["ratio_to_copy"] = perIteration / copy;
}

View viewOf(const benchmark::State& state) {
    return state.range(0) == 0 ? View::Plan : View::Sky;
}

// A body marker: a filled disc with the exclusive-or pen, drawn and erased.
void BM_FilledDisc(benchmark::State& state) {
    const View view = viewOf(state);
    vantor::Surface surface = makeSurface(view);
    surface.setDrawMode(vantor::DrawMode::Xor);
    surface.setFillStyle(vantor::FillStyle::Solid);
    surface.setFillColor(0x0000FF);
    surface.setDrawWidth(view == View::Sky ? 2 : 1);
    const double x = view == View::Plan ? 1.0 : 200.0;
    const double radius = view == View::Plan ? 0.3 : 7.2;
    measure(state, surface, [&] {
        surface.Circle(x, 0.2, radius, 0x0000FF);
        surface.Circle(x, 0.2, radius, 0x0000FF);
    });
}

// An orbit: a dotted circle of a radius like the geocentric deferent's.
void BM_DottedCircle(benchmark::State& state) {
    const View view = viewOf(state);
    vantor::Surface surface = makeSurface(view);
    surface.setDrawMode(vantor::DrawMode::Xor);
    surface.setDrawStyle(vantor::DrawStyle::Dotted);
    surface.setFillStyle(vantor::FillStyle::Transparent);
    const double x = view == View::Plan ? 0.1 : 180.0;
    const double radius = view == View::Plan ? 1.8 : 40.0;
    measure(state, surface, [&] {
        surface.Circle(x, 0.1, radius, 0xFFFFFF);
        surface.Circle(x, 0.1, radius, 0xFFFFFF);
    });
}

// A line of sight or grid line, dotted, across most of the view.
void BM_DottedLine(benchmark::State& state) {
    const View view = viewOf(state);
    vantor::Surface surface = makeSurface(view);
    surface.setDrawMode(vantor::DrawMode::Xor);
    surface.setDrawStyle(vantor::DrawStyle::Dotted);
    const double x1 = view == View::Plan ? 2.4 : 0.0;
    const double y1 = view == View::Plan ? -1.8 : -10.0;
    const double x2 = view == View::Plan ? -1.0 : 360.0;
    const double y2 = view == View::Plan ? 0.3 : 12.0;
    measure(state, surface, [&] {
        surface.Line(x1, y1, x2, y2, 0xFFFFFF);
        surface.Line(x1, y1, x2, y2, 0xFFFFFF);
    });
}

// A trail dot two pixels across.
void BM_Dot(benchmark::State& state) {
    vantor::Surface surface = makeSurface(viewOf(state));
    surface.setDrawMode(vantor::DrawMode::Xor);
    surface.setDrawWidth(2);
    measure(state, surface, [&] {
        surface.PSet(0.5, 0.5, 0x00FFFF);
        surface.PSet(0.5, 0.5, 0x00FFFF);
    });
}

// A body marker of the given radius in pixels, as the tick draws them from 2 to 20 pixels.
void BM_SmallDisc(benchmark::State& state) {
    const View view = viewOf(state);
    vantor::Surface surface = makeSurface(view);
    surface.setDrawMode(vantor::DrawMode::Xor);
    surface.setFillStyle(vantor::FillStyle::Solid);
    surface.setFillColor(0x00FF00);
    const double pixel = surface.mapping().scaleWidth() / surface.width();
    const double radius = static_cast<double>(state.range(1)) * pixel;
    const double x = view == View::Plan ? 0.7 : 123.4;
    measure(state, surface, [&] {
        surface.Circle(x, 0.3, radius, 0x0000FF);
        surface.Circle(x, 0.3, radius, 0x0000FF);
    });
}

// The largest orbit of the plan view: a dotted circle some 110 pixels across its radius.
void BM_LargeOrbit(benchmark::State& state) {
    vantor::Surface surface = makeSurface(View::Plan);
    surface.setDrawMode(vantor::DrawMode::Xor);
    surface.setDrawStyle(vantor::DrawStyle::Dotted);
    const double radius = 110.0 * 6.0 / 223.0;
    measure(state, surface, [&] {
        surface.Circle(0.02, -0.01, radius, 0xFFFFFF);
        surface.Circle(0.02, -0.01, radius, 0xFFFFFF);
    });
}

// Pixels of one plain copy of both views: the budget of a whole timer tick.
double bothCopiesNanoseconds(const vantor::Surface& plan, const vantor::Surface& sky) {
    return copyNanoseconds(plan) + copyNanoseconds(sky);
}

// One timer tick: some thirty figures on the two views, each erased where it was drawn one tick
// earlier and drawn where it has moved to (by about a pixel per tick, with the discs of the sky
// growing as the views' markers do), measured against one plain copy of both views' pixels.
void BM_Tick(benchmark::State& state) {
    vantor::Surface plan = makeSurface(View::Plan);
    vantor::Surface sky = makeSurface(View::Sky);
    for (vantor::Surface* surface : {&plan, &sky}) {
        surface->setDrawMode(vantor::DrawMode::Xor);
    }
    const double planPixel = 6.0 / 223.0;
    const double skyPixel = 360.0 / 471.0;
    auto figures = [&](double t) {
        plan.setFillStyle(vantor::FillStyle::Solid);
        plan.setDrawStyle(vantor::DrawStyle::Solid);
        plan.setDrawWidth(1);
        for (int i = 0; i < 8; ++i) {
            plan.Circle(-2.0 + 0.5 * i + t * planPixel, 0.3 * i - 1.0 - 0.6 * t * planPixel,
                        (3.0 + 2.0 * i) * planPixel, 0x0000FF);
        }
        plan.setFillStyle(vantor::FillStyle::Transparent);
        plan.setDrawStyle(vantor::DrawStyle::Dotted);
        for (const double radius : {30.0, 60.0, 85.0, 110.0}) {
            plan.Circle(0.02 + 0.7 * t * planPixel, -0.01, radius * planPixel, 0xFFFFFF);
        }
        plan.Line(0.02, -0.01, 2.9, 1.2 - t * planPixel, 0xFFFFFF);
        plan.Line(-2.9 + t * planPixel, 2.9, 2.9, -2.9, 0xFFFFFF);
        plan.Line(0.5, -2.5, -1.5 - t * planPixel, 2.0, 0xFFFFFF);
        plan.setDrawStyle(vantor::DrawStyle::Solid);
        plan.setDrawWidth(2);
        for (int i = 0; i < 5; ++i) {
            plan.PSet(-1.0 + 0.4 * i, 0.2 * i, 0x00FFFF);
        }
        sky.setFillStyle(vantor::FillStyle::Solid);
        sky.setDrawStyle(vantor::DrawStyle::Solid);
        sky.setDrawWidth(2);
        for (int i = 0; i < 6; ++i) {
            sky.Circle(30.0 + 55.0 * i - t * skyPixel, 4.0 * i - 10.0,
                       (2.0 + 3.5 * i + 0.01 * t) * skyPixel, 0x0000FF);
        }
        sky.setDrawWidth(1);
        sky.setDrawStyle(vantor::DrawStyle::Dotted);
        sky.Line(10.0, -20.0, 240.0, 20.0, 0xFFFFFF);
        sky.Line(120.0, 0.0, 350.0, 0.0, 0xFFFFFF);
        sky.setDrawWidth(2);
        sky.PSet(100.0, 5.0, 0x00FFFF);
        sky.PSet(101.5, 5.2, 0x00FFFF);
    };
    const double copy = bothCopiesNanoseconds(plan, sky);
    double t = 0.0;
    figures(t);
    const auto start = Clock::now();
    for (auto _ : state) {
        figures(t);
        // The figures come back to a place every 40 ticks, long after the surface has let go of
        // what it kept of them.
        t = t < 39.0 ? t + 1.0 : 0.0;
        figures(t);
        benchmark::DoNotOptimize(plan.Image().data());
        benchmark::DoNotOptimize(sky.Image().data());
    }
    const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    state.counters["copy_ns"] = copy;
    state.counters["ratio_to_copy"] =
        spent.count() / static_cast<double>(state.iterations()) / copy;
}

// Back to the background and a first figure on it: the picture's pixels are copied once, by
// whichever of the two does it.
void BM_Cls(benchmark::State& state) {
    vantor::Surface surface = makeSurface(viewOf(state));
    measure(state, surface, [&] {
        surface.Cls();
        surface.PSet(0.5, 0.5, 0x00FFFF);
    });
}

// Argument 0: the plan view (223 x 224), 1: the sky view (471 x 159).
BENCHMARK(BM_FilledDisc)->Arg(0)->Arg(1);
BENCHMARK(BM_DottedCircle)->Arg(0)->Arg(1);
BENCHMARK(BM_DottedLine)->Arg(0)->Arg(1);
BENCHMARK(BM_Dot)->Arg(0)->Arg(1);
// Arguments: the view, then the disc's radius in pixels.
BENCHMARK(BM_SmallDisc)->Args({0, 2})->Args({0, 8})->Args({0, 20})->Args({1, 2})->Args({1, 20});
BENCHMARK(BM_LargeOrbit);
BENCHMARK(BM_Tick);
BENCHMARK(BM_Cls)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
