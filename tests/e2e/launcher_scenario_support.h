// What the launcher scenarios (tests/e2e/launcher_*.cpp) share: a test folder
// with Fesk.exe, recorder copies and a Fesk.Ini; the running launcher with
// Wine's tray window out of the way; settings text built key by key; waits
// that prove that nothing more happened.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/driver/driver.h"
// After driver.h, which brings <windows.h>.
#include <commctrl.h>

namespace fesk::e2e::launcher {

using Keys = std::vector<std::pair<std::wstring, std::wstring>>;

// One section of Fesk.Ini: "[name]" and its keys, CRLF line ends.
inline std::wstring Section(const std::wstring& name, const Keys& keys) {
  std::wstring text = L"[" + name + L"]\r\n";
  for (const auto& [key, value] : keys) text += key + L"=" + value + L"\r\n";
  return text;
}

// Puts into a test folder (MakeTestFolder) Fesk.exe, the recorder under each
// of `recorders` and Fesk.Ini (written in code page 932) with `settings`.
inline void FillFolder(const std::wstring& folder, const std::vector<std::wstring>& recorders,
                       const std::wstring& settings) {
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");
  for (const std::wstring& recorder : recorders) {
    Check(!CopyInto(RecorderExe(), folder, recorder).empty(), recorder + L" is in the test folder");
  }
  Check(WriteCp932File(folder + L"\\Fesk.Ini", settings), L"Fesk.Ini is written");
}

// Starts the launcher of `folder` and waits until its hidden main window
// exists; once its tray icon has come, Wine's tray window is moved off the
// top left corner.  Null when the launcher did not come up.
inline HWND StartLauncher(const std::wstring& folder, Process& fesk) {
  fesk = Start(folder + L"\\Fesk.exe", L"", folder);
  HWND main = WaitForTopWindow({L"TFFesk1", L"FESK", fesk.id()}, 30000);
  Check(main != nullptr, L"the launcher's main window exists");
  if (!main) return nullptr;
  Check(!IsWindowVisible(main), L"the main window is hidden");
  if (WaitForWineTray(10000)) Check(MoveWineTrayAway(), L"Wine's tray window is out of the way");
  return main;
}

// Waits `quiet_ms` and then reads the records once more: for checks that
// something did NOT start.  The launcher acts within a few ticks; a second
// is several hundred of them.
inline std::vector<LaunchRecord> RecordsAfterQuiet(const std::wstring& folder, int quiet_ms,
                                                   std::wstring_view exe = {}) {
  Pause(quiet_ms);
  return ReadRecords(folder, exe);
}

// The sensing ticks the launcher has run, asked of its window (registered
// message "FeskSensingTicks"); nothing when it does not answer.  While its
// message loop runs they go on: a hundred a second while the fast timer
// runs, at least one a second while it sleeps.
inline std::optional<long long> SensingTicks(HWND main) {
  static const UINT message = RegisterWindowMessageW(L"FeskSensingTicks");
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(main, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return std::nullopt;
  return static_cast<long long>(answer);
}

// Left click on the launcher's tray icon: its dialog comes up.
inline bool ShowDialog(HWND main) {
  PostTrayMessage(main, 0, WM_LBUTTONDOWN);
  return WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000);
}

inline bool WaitHidden(HWND main) {
  return WaitUntil([&] { return IsWindowVisible(main) == 0; }, 10000);
}

inline bool IsChecked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Chooses a page of the dialog as a click on its tab does: the tab control
// takes the focus and tells the dialog (TCN_SELCHANGE).
inline bool ChoosePage(HWND tab, int page) {
  SendMessageW(tab, TCM_SETCURFOCUS, static_cast<WPARAM>(page), 0);
  return WaitUntil([&] { return SendMessageW(tab, TCM_GETCURSEL, 0, 0) == page; }, 5000);
}

inline long long Count(const std::vector<LaunchRecord>& records) { return static_cast<long long>(records.size()); }

// The lines of a UTF-8 text file, without their line ends; none when the
// file is missing.
inline std::vector<std::wstring> ReadLines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  std::optional<std::wstring> text = ReadUtf8File(path);
  if (!text) return lines;
  std::size_t start = 0;
  while (start < text->size()) {
    std::size_t end = text->find(L'\n', start);
    if (end == std::wstring::npos) break;  // a line still being written
    std::wstring line = text->substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// The value of `key` in `section` of a settings text, as the profile
// functions see it (names without case); nullopt when absent.
inline std::optional<std::wstring> IniValue(const std::wstring& text, std::wstring_view section,
                                            std::wstring_view key) {
  auto same = [](std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
  };
  bool in_section = false;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    std::wstring_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    if (!line.empty() && line.front() == L'[') {
      std::size_t close = line.find(L']');
      in_section = close != std::wstring_view::npos && same(line.substr(1, close - 1), section);
    } else if (in_section) {
      std::size_t equals = line.find(L'=');
      if (equals != std::wstring_view::npos && same(line.substr(0, equals), key)) {
        return std::wstring(line.substr(equals + 1));
      }
    }
    start = end + 1;
  }
  return std::nullopt;
}

// The launcher's value "Fesk" under the user's Run key, read and written
// with the registry functions.
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"Fesk";

inline std::optional<std::wstring> RunValue() { return RegistryString(HKEY_CURRENT_USER, kRunKey, kRunValueName); }
inline void RemoveRunValue() { DeleteRegistryValue(HKEY_CURRENT_USER, kRunKey, kRunValueName); }
inline bool SetRunValue(const std::wstring& command) {
  return SetRegistryString(HKEY_CURRENT_USER, kRunKey, kRunValueName, command);
}

// Whatever happens in between, the prefix is left without the value.
struct RunValueCleanup {
  ~RunValueCleanup() { RemoveRunValue(); }
};

}  // namespace fesk::e2e::launcher
