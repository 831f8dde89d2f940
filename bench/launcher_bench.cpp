// Figures of the launcher's hot paths: the recogniser, an idle sensing tick
// with a full program list, a whole mouse action from first sample to start,
// and the load of the options and the program tables.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "launcher/core/stroke_recognizer.h"
#include "tests/support/headless_launcher.h"

namespace {

using namespace fesk;


// A settings file with all 100 programs, each with a code, a mask and a
// shortcut; the code "lr" belongs to the last one.
std::string WriteFullSettings() {
  std::string path = (std::filesystem::temp_directory_path() / "fesk-launcher-bench.ini").string();
  std::ofstream out(path, std::ios::binary);
  out << "[SYSTEM]\r\nTRIGGER3=1\r\n";
  for (int slot = 0; slot < 100; ++slot) {
    out << "[CMD" << slot << "]\r\nDISCRIPTION=Program " << slot << "\r\nCMDLINE=C:\\p\\" << slot
        << ".exe\r\nCMDSHOW=SW_SHOW\r\nWORKDIR=\r\nOPTION=\r\nACTCODE="
        << (slot == 99 ? "lr" : "lRlRl") << "\r\nRUNPOS=111111111\r\nHOTKEY=Ctrl+Alt+F"
        << (slot % 24 + 1) << "\r\nDISPLAYPOS=" << (slot % 9) << "\r\n";
  }
  return path;
}

// The launcher created on the settings file, as at start-up.
struct Launcher : fesk::testing::HeadlessLauncher {
  explicit Launcher(const std::string& path) : HeadlessLauncher(path) { form.FormCreate(); }
};

void BM_RecognizeStroke(benchmark::State& state) {
  std::vector<Point> samples;
  for (int i = 0; i < 50; ++i) samples.push_back(Point{100 + (i % 10) * 20, 100 + (i / 10) * 40});
  for (auto _ : state) benchmark::DoNotOptimize(RecognizeStroke(samples, 5));
}
BENCHMARK(BM_RecognizeStroke);

void BM_IdleTick(benchmark::State& state) {
  Launcher launcher(WriteFullSettings());
  for (auto _ : state) launcher.form.SensingTick();
}
BENCHMARK(BM_IdleTick);

void BM_MouseActionToStart(benchmark::State& state) {
  Launcher launcher(WriteFullSettings());
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
  Launcher launcher(WriteFullSettings());
  for (auto _ : state) launcher.form.LoadLauncherSettings();
}
BENCHMARK(BM_LoadLauncherSettings)->Unit(benchmark::kMicrosecond);

}  // namespace
