// Quiet over full-screen programs.  full_screen_target.exe stands for a game
// or a slide show: one borderless window over the whole screen, in front.
//   1. With it in front, a stroke "lr" and the right button at the top right
//      corner (DISPLAYPOS 3) start nothing, although the stroke reached the
//      launcher whole: "ﾏｳｽ･ｱｸｼｮﾝ転送", enabled by the first recognised
//      movement, hands "lr" to the editor (a recorder named FESKINI.EXE).
//      The shortcut Ctrl+Alt+K still starts hotkey.exe.
//   2. Without it, the same stroke starts app.exe.
//   3. "全画面表示中は休止" unticked and saved (FULLSCREENQUIET=0): with the
//      window in front again, the stroke starts app.exe and the corner
//      corner.exe.
// The page "動 作" is photographed over the full-screen window
// (launcher_full_screen-page.png).
#include "tests/e2e/quiet_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

const char* const kName = "launcher_full_screen";
constexpr wchar_t kQuietBox[] = L"全画面表示中は休止";

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

void CloseFullScreen(HWND window, Process& process) {
  PostToWindow(window, WM_CLOSE);
  Check(process.Wait(10000), L"the full-screen window is closed");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_full_screen");
  FillQuietFolder(folder, {L"FESKINI.EXE"}, {});
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(kName);

  // ---- 1. The full-screen window in front ---------------------------------------
  Process target;
  HWND full = StartFullScreen(target);
  if (!full) return Finish(kName);
  CheckOnlyTheShortcutStarts(folder, full, main, L"the full-screen window");

  Check(ShowDialog(main), L"the dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && ChoosePage(tab, 0), L"page \"動 作\" is chosen");
  HWND transfer = FindChild(main, L"Button", L"ﾏｳｽ･ｱｸｼｮﾝ転送");
  HWND quiet = FindChild(main, L"Button", kQuietBox);
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  HWND cancel = FindChild(main, L"Button", L"キャンセル");
  Check(transfer && quiet && ok && cancel, L"\"ﾏｳｽ･ｱｸｼｮﾝ転送\", \"全画面表示中は休止\", OK and Cancel are there");
  if (!transfer || !quiet || !ok || !cancel) return Finish(kName);
  Check(IsChecked(quiet), L"\"全画面表示中は休止\" is ticked without the key in Fesk.Ini");
  Screenshot(L"launcher_full_screen-page");
  Check(IsWindowEnabled(transfer), L"\"ﾏｳｽ･ｱｸｼｮﾝ転送\" is enabled: the stroke was recognised");
  Check(ClickButton(transfer), L"\"ﾏｳｽ･ｱｸｼｮﾝ転送\" is pressed");
  std::vector<LaunchRecord> editors = WaitForRecords(folder, 1, 10000, L"FESKINI.EXE");
  CheckEqual(Count(editors), 1, L"it starts the editor");
  if (!editors.empty()) CheckEqual(editors[0].Arguments(), L"/Alr", L"with the code of the whole stroke");
  Check(ClickButton(cancel), L"Cancel is pressed");
  Check(WaitHidden(main), L"Cancel hides the dialog");

  // ---- 2. Without it the same stroke starts app.exe -----------------------------
  CloseFullScreen(full, target);
  Settle({main});
  StrokeLeftToRight();
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"app.exe")), 1,
             L"without the full-screen window the stroke starts app.exe");

  // ---- 3. The box unticked: the window no longer quiets the launcher -------------
  full = StartFullScreen(target);
  if (!full) return Finish(kName);
  Check(ShowDialog(main), L"the dialog shows again");
  Check(ClickButton(quiet), L"\"全画面表示中は休止\" is clicked");
  Check(WaitUntil([&] { return !IsChecked(quiet); }, 3000), L"the box is unticked");
  Check(ClickButton(ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(WaitUntil([&] { return SavedQuiet(folder) == L"0"; }, 5000),
        L"OK wrote FULLSCREENQUIET=0 (" + SavedQuiet(folder).value_or(L"none") + L")");
  Check(BringToFront(full, 5000), L"the full-screen window is in front again");
  Settle({full, main});
  StrokeLeftToRight();
  CheckEqual(Count(WaitForRecords(folder, 2, 10000, L"app.exe")), 2, L"now the stroke over it starts app.exe");
  RightButtonAtTopRight();
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"corner.exe")), 1, L"and the corner starts corner.exe");
  CloseFullScreen(full, target);
  return Finish(kName);
}
