// The screen-class tests and the view rectangle, which every painter asks many times per paint.
#include <benchmark/benchmark.h>

#include "core/frame_state.h"
#include "core/screen_class.h"
#include "platform/user.h"
#include "ui/layout.h"

namespace {

void ScreenClassTests(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsLandscapeScreen());
        benchmark::DoNotOptimize(IsQvgaScreen());
        benchmark::DoNotOptimize(IsScreen240Plus());
    }
}
BENCHMARK(ScreenClassTests);

void ViewRectOfTheMainWindow(benchmark::State& state) {
    RECT r{};
    for (auto _ : state) {
        GetViewRect(r);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(ViewRectOfTheMainWindow);

}  // namespace
