// Runs sensing ticks of the headless launcher, for counting their
// instructions under callgrind (bench/idle_tick_callgrind.sh):
//
//   idle_tick_count SHORTCUTS TICKS [moving]
//
// The launcher has 100 programs, the first SHORTCUTS of them with a shortcut
// key.  Idle: no key is held and the cursor stands still.  With "moving":
// one movement, Shift+Ctrl held and the cursor a pixel further on each tick,
// released by one more tick after the last.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/launcher_fixture.h"

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 4 && std::strcmp(argv[3], "moving") == 0)) {
    std::fprintf(stderr, "usage: idle_tick_count SHORTCUTS TICKS [moving]\n");
    return 2;
  }
  const int shortcuts = std::atoi(argv[1]), ticks = std::atoi(argv[2]);
  const bool moving = argc == 4;
  fesk::bench::Launcher launcher(shortcuts);
  launcher.input.cursor = fesk::Point{500, 400};
  if (moving) launcher.input.held = {fesk::vk::kShift, fesk::vk::kControl};
  for (int i = 0; i < ticks; ++i) {
    if (moving) launcher.input.cursor = fesk::Point{100 + i % 800, 300 + i / 800};
    launcher.form.SensingTick();
  }
  if (moving) {
    launcher.input.held.clear();
    launcher.form.SensingTick();
    return 0;
  }
  if (!launcher.shell.opens.empty() || launcher.form.loop.SampleCount != 0) {
    std::fprintf(stderr, "an idle tick did something\n");
    return 1;
  }
  return 0;
}
