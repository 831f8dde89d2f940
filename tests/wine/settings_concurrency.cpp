// Two Windows processes rewrite the same settings file at the same time,
// each its own keys, as the launcher (LINK, its options) and the editor (a
// save) may.  Every key of both must be in the file at the end.  Run without
// arguments it is the coordinator; with "writer N PATH" it is one writer.
#include <windows.h>

#include <string>

#include "common/settings_file.h"
#include "tests/wine/wine_check.h"

namespace {

constexpr int kKeys = 120;

int RunWriter(int number, const std::string& path) {
  std::string section = number == 0 ? "SYSTEM" : "CMD0";
  for (int i = 0; i < kKeys; ++i) {
    fesk::SettingsFile(fesk::FilePath(path)).WriteInteger(section, "K" + std::to_string(i), i);
  }
  return 0;
}

HANDLE StartWriter(int number, const std::string& path) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "\"" + std::string(self) + "\" writer " + std::to_string(number) + " \"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "writer") return RunWriter(std::atoi(argv[2]), argv[3]);

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = std::string(temp) + "fesk-concurrency-" + std::to_string(GetCurrentProcessId()) + ".ini";
  DeleteFileA(path.c_str());
  HANDLE writers[2] = {StartWriter(0, path), StartWriter(1, path)};
  fesk::winetest::Check(writers[0] && writers[1], "both writers started");
  WaitForMultipleObjects(2, writers, TRUE, 120000);
  fesk::SettingsFile file{fesk::FilePath(path)};
  int lost = 0;
  for (int i = 0; i < kKeys; ++i) {
    if (file.ReadInteger("SYSTEM", "K" + std::to_string(i), -1) != i) ++lost;
    if (file.ReadInteger("CMD0", "K" + std::to_string(i), -1) != i) ++lost;
  }
  fesk::winetest::Check(lost == 0, std::to_string(lost) + " keys lost by concurrent writers");
  DeleteFileA(path.c_str());
  return fesk::winetest::Finish("settings_concurrency");
}
