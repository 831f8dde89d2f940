// Under Wine: the reads of one program load through SettingsFile and through
// GetPrivateProfileStringA on the same 100-program file, in the same run,
// printed side by side with their ratio.
#include "platform/win32/windows_api.h"

#include <cstdio>
#include <string>

#include "bench/settings_fixture.h"
#include "common/file_io.h"
#include "common/settings_file.h"

namespace {

double Seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Load>
double MicrosecondsPerLoad(int rounds, Load&& load) {
  std::size_t sink = 0;
  double start = Seconds();
  for (int i = 0; i < rounds; ++i) sink += load();
  double elapsed = Seconds() - start;
  if (sink == 0) std::printf("(nothing read)\n");
  return elapsed * 1e6 / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = std::string(temp) + "fesk-bench-Fesk.Ini";
  fesk::fileio::WriteWholeFile(fesk::FilePath(path), fesk::bench::HundredProgramsFile());

  double ours = MicrosecondsPerLoad(rounds, [&] {
    fesk::SettingsFile file{fesk::FilePath(path)};
    return fesk::bench::ReadLikeALoad(
        [&](const char* section, const char* key) { return file.ReadString(section, key, ""); });
  });
  double platform = MicrosecondsPerLoad(rounds, [&] {
    return fesk::bench::ReadLikeALoad([&](const char* section, const char* key) {
      char buffer[1024];
      DWORD length = GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, path.c_str());
      return std::string(buffer, length);
    });
  });
  std::printf("load of 100 programs + SYSTEM (%d rounds)\n", rounds);
  std::printf("  SettingsFile:              %10.1f us per load\n", ours);
  std::printf("  GetPrivateProfileStringA:  %10.1f us per load\n", platform);
  std::printf("  ratio (platform / ours):   %10.1f\n", platform / ours);
  DeleteFileA(path.c_str());
  return 0;
}
