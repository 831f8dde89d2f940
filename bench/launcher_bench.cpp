// Figures of the launcher's hot paths: the recogniser, an idle sensing tick
// with 100 programs of which none or all have a shortcut key, a whole mouse
// action from first sample to start, a tick of a long movement, and the
// load of the options and the program tables.  bench/idle_tick_callgrind.sh counts the idle tick's
// instructions.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/launcher_fixture.h"
#include "launcher/core/stroke_recognizer.h"

namespace {

using namespace fesk;

using fesk::bench::Launcher;

void BM_RecognizeStroke(benchmark::State& state) {
  std::vector<Point> samples;
  for (int i = 0; i < 50; ++i) samples.push_back(Point{100 + (i % 10) * 20, 100 + (i / 10) * 40});
  for (auto _ : state) benchmark::DoNotOptimize(RecognizeStroke(samples, 5));
}
BENCHMARK(BM_RecognizeStroke);

// The argument is the number of shortcut keys.
void BM_IdleTick(benchmark::State& state) {
  Launcher launcher(static_cast<int>(state.range(0)));
  for (auto _ : state) launcher.form.SensingTick();
}
BENCHMARK(BM_IdleTick)->Arg(0)->Arg(100);

void BM_MouseActionToStart(benchmark::State& state) {
  Launcher launcher(100);
  for (auto _ : state) {
    launcher.input.held = {vk::kShift, vk::kControl};
    for (int i = 0; i < 50; ++i) {
      launcher.input.cursor = Point{400 + i * 4, 300};
      launcher.form.SensingTick();
    }
    launcher.input.held.clear();
    launcher.form.SensingTick();
    launcher.shell.opens.clear();
  }
}
BENCHMARK(BM_MouseActionToStart)->Unit(benchmark::kMicrosecond);

// The argument is the movement's moving ticks: up to 50 every one is kept,
// beyond that the samples are thinned now and then.  Per tick, release
// included.
void BM_MovingTick(benchmark::State& state) {
  Launcher launcher(100);
  const auto ticks = static_cast<int>(state.range(0));
  for (auto _ : state) {
    launcher.input.held = {vk::kShift, vk::kControl};
    for (int i = 0; i < ticks; ++i) {
      launcher.input.cursor = Point{100 + i % 400, 300 + i / 400};
      launcher.form.SensingTick();
    }
    launcher.input.held.clear();
    launcher.form.SensingTick();
    launcher.shell.opens.clear();
  }
  state.SetItemsProcessed(state.iterations() * ticks);
}
BENCHMARK(BM_MovingTick)->Arg(50)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_LoadLauncherSettings(benchmark::State& state) {
  Launcher launcher(100);
  for (auto _ : state) launcher.form.LoadLauncherSettings();
}
BENCHMARK(BM_LoadLauncherSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
