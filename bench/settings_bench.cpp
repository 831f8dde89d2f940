// Time of one program load's reads through SettingsFile: the file is read
// and parsed once per access, then every key is a lookup.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench/settings_fixture.h"
#include "common/settings_file.h"

namespace {

void BM_LoadHundredPrograms(benchmark::State& state) {
  std::string path = (std::filesystem::temp_directory_path() / "fesk-bench-Fesk.Ini").string();
  std::ofstream(path, std::ios::binary) << fesk::bench::HundredProgramsFile();
  for (auto _ : state) {
    fesk::SettingsFile file{fesk::FilePath(path)};
    std::size_t total = fesk::bench::ReadLikeALoad(
        [&](const char* section, const char* key) { return file.ReadString(section, key, ""); });
    benchmark::DoNotOptimize(total);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadHundredPrograms)->Unit(benchmark::kMicrosecond);

}  // namespace
