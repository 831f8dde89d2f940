// Figures of the launcher's hot paths: the recogniser, an idle sensing tick
// with 100 programs of which none or all have a shortcut key, a whole mouse
// action from first sample to start, and the load of the options and the
// program tables.  bench/idle_tick_callgrind.sh counts the idle tick's
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

void BM_LoadLauncherSettings(benchmark::State& state) {
  Launcher launcher(100);
  for (auto _ : state) launcher.form.LoadLauncherSettings();
}
BENCHMARK(BM_LoadLauncherSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
