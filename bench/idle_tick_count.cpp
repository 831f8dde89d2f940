// Runs idle sensing ticks of the headless launcher, for counting their
// instructions under callgrind (bench/idle_tick_callgrind.sh):
//
//   idle_tick_count SHORTCUTS TICKS
//
// The launcher has 100 programs, the first SHORTCUTS of them with a shortcut
// key; no key is held and the cursor stands still.
#include <cstdio>
#include <cstdlib>

#include "bench/launcher_fixture.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: idle_tick_count SHORTCUTS TICKS\n");
    return 2;
  }
  const int shortcuts = std::atoi(argv[1]), ticks = std::atoi(argv[2]);
  fesk::bench::Launcher launcher(shortcuts);
  launcher.input.cursor = fesk::Point{500, 400};
  for (int i = 0; i < ticks; ++i) launcher.form.SensingTick();
  if (!launcher.shell.opens.empty() || launcher.form.loop.SampleCount != 0) {
    std::fprintf(stderr, "an idle tick did something\n");
    return 1;
  }
  return 0;
}
