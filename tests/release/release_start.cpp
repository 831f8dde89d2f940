// The programs of an unpacked release, as a user first meets them:
//
//   release_start.exe <folder of the unpacked zip>
//
// Both programs' version resources say 2.3 (the fixed version 2.3.0.0 and
// the texts "FileVersion" and "ProductVersion").  Fesk.exe started from the
// folder comes up with its main window "TFFesk1" hidden; FeskINI.exe shows
// "TFFeskINI".  The editor's close box ends it at once (nothing was
// changed), the launcher's ends it after "終了確認" is answered with OK; both
// exit with code 0 and leave the sample settings as they were.  Run by
// tests/release/check_release.sh under Wine; the exit code is the number of
// failed checks.
#include <string>

#include "tests/e2e/driver/driver.h"

using namespace fesk::e2e;

namespace {

void CheckVersion(const std::wstring& exe) {
  const std::wstring name = FileName(exe);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  Check(size != 0, name + L" has a version resource");
  if (size == 0) return;
  std::string block(size, '\0');
  if (!GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) {
    Check(false, name + L": the version resource is read");
    return;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    CheckEqual(HIWORD(fixed->dwFileVersionMS), 2, name + L": file version, major");
    CheckEqual(LOWORD(fixed->dwFileVersionMS), 3, name + L": file version, minor");
    CheckEqual(HIWORD(fixed->dwProductVersionMS), 2, name + L": product version, major");
    CheckEqual(LOWORD(fixed->dwProductVersionMS), 3, name + L": product version, minor");
  } else {
    Check(false, name + L" has a fixed version");
  }
  struct Translation {
    WORD language, code_page;
  }* translation = nullptr;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
      length < sizeof(Translation)) {
    Check(false, name + L" names the language of its version texts");
    return;
  }
  wchar_t prefix[64];
  swprintf(prefix, 64, L"\\StringFileInfo\\%04x%04x\\", translation->language, translation->code_page);
  for (const wchar_t* key : {L"FileVersion", L"ProductVersion"}) {
    wchar_t* text = nullptr;
    std::wstring query = std::wstring(prefix) + key;
    bool found = VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) && text;
    CheckEqual(found ? std::wstring(text) : L"(none)", L"2.3", name + L": " + key);
  }
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 2) {
    Log(L"usage: release_start.exe <folder of the unpacked release>");
    return 1;
  }
  const std::wstring folder = FullPath(arguments[1]);
  LocalFree(arguments);
  Log(L"the unpacked release: " + folder);
  const std::wstring launcher = folder + L"\\Fesk.exe", editor = folder + L"\\FeskINI.exe";
  CheckVersion(launcher);
  CheckVersion(editor);
  const std::optional<std::string> settings = ReadFileBytes(folder + L"\\Fesk.Ini");
  const std::optional<std::string> groups = ReadFileBytes(folder + L"\\FESK.TBL");
  Check(settings && groups, L"the sample settings are there");

  Process fesk = Start(launcher, L"", folder);
  Check(fesk.started(), L"Fesk.exe starts");
  HWND main = WaitForTopWindow({L"TFFesk1", L"FESK", fesk.id()}, 30000);
  Check(main != nullptr, L"the launcher's main window \"TFFesk1\" exists");
  if (main) Check(!IsWindowVisible(main), L"and is hidden");

  Process feskini = Start(editor, L"", folder);
  Check(feskini.started(), L"FeskINI.exe starts");
  WindowQuery shown(L"TFFeskINI", L"FESK プログラム登録", feskini.id());
  shown.visible_only = true;
  HWND window = WaitForTopWindow(shown, 30000);
  Check(window != nullptr, L"the editor's main window \"MainForm\" is shown");
  Screenshot(L"release_start-editor");

  if (window) {
    Check(PostToWindow(window, WM_CLOSE), L"the editor's close box");
    Check(feskini.Wait(15000), L"ends the editor");
    CheckEqual(static_cast<long long>(feskini.ExitCode().value_or(999)), 0, L"the editor's exit code");
  }
  if (main) {
    Check(PostToWindow(main, WM_CLOSE), L"the launcher is closed");
    std::optional<MessageBoxInfo> box = AnswerMessageBox(L"終了確認", IDOK, 15000, fesk.id());
    Check(box.has_value(), L"it asks \"終了確認\" and gets OK");
    if (box) CheckEqual(box->text, L"FESKを終了します。", L"the question");
    Check(fesk.Wait(15000), L"the launcher ends");
    CheckEqual(static_cast<long long>(fesk.ExitCode().value_or(999)), 0, L"the launcher's exit code");
  }
  CheckEqual(CountProcesses(L"Fesk.exe") + CountProcesses(L"FeskINI.exe"), 0, L"no program of the release runs");
  Check(ReadFileBytes(folder + L"\\Fesk.Ini") == settings, L"Fesk.Ini is as it was unpacked");
  Check(ReadFileBytes(folder + L"\\FESK.TBL") == groups, L"FESK.TBL is as it was unpacked");
  return Finish("release_start");
}
