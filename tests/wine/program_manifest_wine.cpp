// The manifest both programs carry: it asks for the rights of whoever
// starts the program, without UI access (asInvoker), names the systems from
// Windows 7 to Windows 10 and 11 (without them a program is told it runs on
// Windows 8 and gets older behaviour), and keeps the common controls 6 and
// per-monitor DPI awareness (v2).  Fesk.exe and FeskINI.exe carry exactly
// the manifest this test program carries.
#include <string>

#include "platform/win32/windows_api.h"
#include "tests/wine/wine_check.h"

namespace {

std::string ManifestOf(HMODULE module) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

std::string ManifestOfProgram(const std::wstring& path) {
  HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!program) return {};
  std::string manifest = ManifestOf(program);
  FreeLibrary(program);
  return manifest;
}

// The build folder of the programs, two levels above tests\wine.
std::wstring BuildFolder() {
  wchar_t path[MAX_PATH * 2] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring folder = path;
  for (int level = 0; level < 3; ++level) folder = folder.substr(0, folder.find_last_of(L'\\'));
  return folder;
}

}  // namespace

int main() {
  using fesk::winetest::Check;
  const std::string own = ManifestOf(nullptr);
  auto declares = [&own](const std::string& text) { return own.find(text) != std::string::npos; };
  Check(declares("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
        "the manifest asks for the rights of whoever starts the program, without UI access");
  const char* systems[][2] = {{"Windows 7", "35138b9a-5d96-4fbd-8e2d-a2440225f93a"},
                              {"Windows 8", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38"},
                              {"Windows 8.1", "1f676c76-80e1-4239-95bb-83d0f6d0da78"},
                              {"Windows 10 and 11", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}};
  for (const auto& [name, id] : systems) {
    Check(declares(std::string("<supportedOS Id=\"{") + id + "}\"/>"), std::string("the manifest names ") + name);
  }
  Check(declares("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
        "the manifest keeps the common controls 6");
  Check(declares(">PerMonitorV2, PerMonitor</dpiAwareness>"), "the manifest keeps per-monitor DPI awareness (v2)");

  const std::wstring build = BuildFolder();
  Check(ManifestOfProgram(build + L"\\launcher\\win32\\Fesk.exe") == own, "Fesk.exe carries this manifest");
  Check(ManifestOfProgram(build + L"\\editor\\win32\\FeskINI.exe") == own, "FeskINI.exe carries this manifest");
  return fesk::winetest::Finish("program_manifest_wine");
}
