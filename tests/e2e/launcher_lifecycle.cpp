// One launcher at a time, and its end.  A second start of Fesk.exe ends at
// once and leaves the running one alone; closing the main window asks
// "終了確認" / "FESKを終了します。": Cancel keeps the launcher sensing with its
// tray icon, OK ends it and takes the icon away.
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

// Wine shows tray icons without a desktop shell in its own window; each
// icon there is a child window of it.  Counts the icons shown.
int WineTrayIcons() {
  WindowQuery query(L"__winex11_standalone_tray");
  int icons = 0;
  for (HWND tray : FindTopWindows(query)) {
    if (!IsWindowVisible(tray)) continue;
    for (HWND child : ChildWindows(tray)) {
      if (IsWindowVisible(child)) ++icons;
    }
  }
  return icons;
}

}  // namespace

int main() {
  const std::wstring name = L"launcher_lifecycle";
  const std::wstring folder = MakeTestFolder(name);
  const std::wstring settings = Section(L"CMD0", {{L"DISCRIPTION", L"アプリ"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}});
  FillFolder(folder, {L"app.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_lifecycle");
  Check(WaitUntil([] { return WineTrayIcons() == 1; }, 10000), L"the launcher's tray icon is shown");
  Log(L"tray icons: " + std::to_wstring(WineTrayIcons()));

  // A second start ends by itself and changes nothing.
  Process second = Start(folder + L"\\Fesk.exe", L"", folder);
  Check(second.Wait(20000), L"the second start ends by itself");
  CheckEqual(static_cast<long long>(second.ExitCode().value_or(999)), 0, L"without an error code");
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"one launcher runs");
  CheckEqual(static_cast<long long>(FindTopWindows({L"TFFesk1", L"FESK"}).size()), 1, L"one launcher window exists");
  Check(fesk.Running(), L"the first launcher still runs");
  CheckEqual(WineTrayIcons(), 1, L"still one tray icon");

  // Close, then Cancel: everything stays.
  Check(PostToWindow(main, WM_CLOSE), L"the main window is asked to close");
  HWND box = WaitForMessageBox(L"終了確認", 15000, fesk.id());
  Check(box != nullptr, L"the close asks first");
  if (box) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(box);
    if (info) {
      CheckEqual(info->text, L"FESKを終了します。", L"the question");
      Check(info->HasButton(IDOK) && info->HasButton(IDCANCEL), L"with OK and Cancel");
    }
    Screenshot(L"launcher_lifecycle-close");
    Check(PressButton(box, IDCANCEL), L"Cancel");
    Check(WaitTopWindowGone(box, 10000), L"the question closes");
  }
  Check(!fesk.Wait(1500), L"Cancel keeps the launcher running");
  Check(IsWindow(main) != 0, L"and its window");
  CheckEqual(WineTrayIcons(), 1, L"and its tray icon");
  Gesture({VK_SHIFT, VK_CONTROL}, {{300, 300}, {600, 300}});
  CheckEqual(Count(WaitForRecords(folder, 1, 15000, L"app.exe")), 1, L"and it still senses: a stroke starts app.exe");

  // Close, then OK: the launcher ends and its icon goes.
  Check(PostToWindow(main, WM_CLOSE), L"the main window is asked to close again");
  std::optional<MessageBoxInfo> answered = AnswerMessageBox(L"終了確認", IDOK, 15000, fesk.id());
  Check(answered.has_value(), L"OK on the question");
  Check(fesk.Wait(20000), L"OK ends the launcher");
  CheckEqual(static_cast<long long>(fesk.ExitCode().value_or(999)), 0, L"with exit code 0");
  CheckEqual(CountProcesses(L"Fesk.exe"), 0, L"no launcher runs");
  // What the user sees.  Wine's tray also drops the icons of a window that
  // is gone, so that the launcher deletes its icons itself before it ends
  // is shown by the unit tests of closing, not here.
  Check(WaitUntil([] { return WineTrayIcons() == 0; }, 10000), L"its tray icon is gone");
  Log(L"tray icons after the end: " + std::to_wstring(WineTrayIcons()));

  return Finish("launcher_lifecycle");
}
