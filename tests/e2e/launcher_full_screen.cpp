// Quiet over full-screen programs.  full_screen_target.exe stands for a game
// or a slide show: one borderless window over the whole screen, in front.
//   1. Without it, a Shift+Ctrl stroke "lr" starts app.exe.
//   2. With it in front, the same stroke and the right button at the top
//      right corner (DISPLAYPOS 3) start nothing; the shortcut Ctrl+Alt+K
//      still starts hotkey.exe.
//   3. "全画面表示中は休止" unticked and OK (FULLSCREENQUIET=0): over the
//      same window the stroke starts app.exe and the corner corner.exe,
//      which proves that the stroke and the corner reached the launcher in 2.
// The strokes lie inside the full-screen window, which the cursor does not
// leave, so no window edge is crossed and the held keys last (step 3 shows
// it); Gesture's warning about the window under the stroke is expected.
// The page "動 作" is photographed (launcher_full_screen-page.png).
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr int kQuietMs = 2500;
constexpr wchar_t kQuietBox[] = L"全画面表示中は休止";

void StrokeLeftToRight() { Gesture({VK_SHIFT, VK_CONTROL}, {{300, 400}, {650, 400}}); }

void RightButtonAtTopRight() {
  MoveCursorTo({1023, 0});
  Pause(100);
  Click(MouseButton::kRight, 300);
}

std::optional<std::wstring> SavedQuiet(const std::wstring& folder) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return std::nullopt;
  return IniValue(*text, L"SYSTEM", L"FULLSCREENQUIET");
}

// Starts the full-screen window and waits until it is in front.
HWND StartFullScreen(Process& process) {
  process = Start(OwnFolder() + L"\\full_screen_target.exe");
  HWND window = WaitForTopWindow({L"FeskFullScreenTarget", L"full screen", process.id()}, 20000);
  Check(window != nullptr, L"the full-screen window is there");
  if (!window) return nullptr;
  Check(BringToFront(window, 5000), L"the full-screen window is in front");
  RECT rect{};
  GetWindowRect(window, &rect);
  const SIZE screen = ScreenSize();
  Check(rect.left == 0 && rect.top == 0 && rect.right == screen.cx && rect.bottom == screen.cy,
        L"it covers the screen");
  return window;
}

}  // namespace

int main() {
  const char* name = "launcher_full_screen";
  const std::wstring folder = MakeTestFolder(L"launcher_full_screen");
  FillFolder(folder, {L"app.exe", L"hotkey.exe", L"corner.exe"},
             Section(L"SYSTEM", {{L"TRIGGER3", L"1"}, {L"HINT", L"OFF"}}) +
                 Section(L"CMD0", {{L"DISCRIPTION", L"アプリ"},
                                   {L"CMDLINE", folder + L"\\app.exe"},
                                   {L"ACTCODE", L"lr"},
                                   {L"RUNPOS", L"111111111"}}) +
                 Section(L"CMD1", {{L"DISCRIPTION", L"ショートカット"},
                                   {L"CMDLINE", folder + L"\\hotkey.exe"},
                                   {L"HOTKEY", L"Ctrl+Alt+K"}}) +
                 Section(L"CMD2", {{L"DISCRIPTION", L"右上の角"},
                                   {L"CMDLINE", folder + L"\\corner.exe"},
                                   {L"DISPLAYPOS", L"3"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(name);

  // ---- 1. Nothing in front: the stroke starts app.exe -------------------------
  StrokeLeftToRight();
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"app.exe")), 1, L"without the full-screen window the stroke starts app.exe");

  // ---- 2. The full-screen window in front -------------------------------------
  Process target;
  HWND full = StartFullScreen(target);
  if (!full) return Finish(name);
  Screenshot(L"launcher_full_screen-in-front");
  StrokeLeftToRight();
  RightButtonAtTopRight();
  CheckEqual(Count(RecordsAfterQuiet(folder, kQuietMs, L"app.exe")), 1, L"over the full-screen window the stroke starts nothing");
  CheckEqual(Count(ReadRecords(folder, L"corner.exe")), 0, L"nor the right button at the corner");
  Check(GetForegroundWindow() == full, L"the full-screen window stays in front");
  {
    HeldKeys held({VK_CONTROL, VK_MENU});
    PressKey('K', 100);
  }
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"hotkey.exe")), 1, L"the shortcut Ctrl+Alt+K still starts hotkey.exe");

  // ---- 3. The box unticked: the same window no longer quiets the launcher -----
  Check(ShowDialog(main), L"the dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && ChoosePage(tab, 0), L"page \"動 作\" is chosen");
  HWND quiet = FindChild(main, L"Button", kQuietBox);
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  Check(quiet && ok, L"the box \"全画面表示中は休止\" and OK are there");
  if (!quiet || !ok) return Finish(name);
  Check(IsChecked(quiet), L"the box is ticked without the key in Fesk.Ini");
  Screenshot(L"launcher_full_screen-page");
  Check(ClickButton(quiet), L"the box is clicked");
  Check(WaitUntil([&] { return !IsChecked(quiet); }, 3000), L"the box is unticked");
  Check(ClickButton(ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(WaitUntil([&] { return SavedQuiet(folder) == L"0"; }, 5000),
        L"OK wrote FULLSCREENQUIET=0 (" + SavedQuiet(folder).value_or(L"none") + L")");
  Check(BringToFront(full, 5000), L"the full-screen window is in front again");
  StrokeLeftToRight();
  CheckEqual(Count(WaitForRecords(folder, 2, 10000, L"app.exe")), 2, L"now the stroke over it starts app.exe");
  RightButtonAtTopRight();
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"corner.exe")), 1, L"and the corner starts corner.exe");
  Check(GetForegroundWindow() != main, L"the dialog stays hidden");

  PostToWindow(full, WM_CLOSE);
  Check(target.Wait(10000), L"the full-screen window is closed");
  return Finish(name);
}
