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
// The strokes are drawn with the middle button (SELECTKEY=15), not with
// Shift+Ctrl: a stroke over a window has to cross it, and under Wine every
// cursor move over a window of a Wine program re-syncs Shift, Ctrl and Alt
// with the X keyboard, where they are up, while a held mouse button stays
// held.  The page "動 作" is photographed over the full-screen window
// (launcher_full_screen-page.png).
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

const char* const kName = "launcher_full_screen";
constexpr int kQuietMs = 2500;
constexpr wchar_t kQuietBox[] = L"全画面表示中は休止";

// As Gesture draws one, with the middle button held instead of keys.
void StrokeLeftToRight() {
  MoveCursorTo({300, 400});
  Pause(100);
  MouseDown(MouseButton::kMiddle);
  Pause(80);
  MoveCursor({300, 400}, {650, 400}, 12, 25);
  Pause(80);
  MouseUp(MouseButton::kMiddle);
  Pause(80);
}

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

// Both programs have handled what came before (under Wine the launcher may
// still be hiding its dialog), so the launcher polls from the stroke's start.
void Settle(std::initializer_list<HWND> windows) {
  for (HWND window : windows) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &result)) {
      Log(L"a window did not answer within 15 s");
    }
  }
  Pause(500);
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
  FillFolder(
      folder, {L"app.exe", L"hotkey.exe", L"corner.exe", L"FESKINI.EXE"},
      Section(L"SYSTEM", {{L"SELECTKEY", L"15"}, {L"TRIGGER3", L"1"}, {L"HINT", L"OFF"}}) +
          Section(L"CMD0", {{L"DISCRIPTION", L"アプリ"},
                            {L"CMDLINE", folder + L"\\app.exe"},
                            {L"ACTCODE", L"lr"},
                            {L"RUNPOS", L"111111111"}}) +
          Section(L"CMD1", {{L"DISCRIPTION", L"ショートカット"},
                            {L"CMDLINE", folder + L"\\hotkey.exe"},
                            {L"HOTKEY", L"Ctrl+Alt+K"}}) +
          Section(L"CMD2",
                  {{L"DISCRIPTION", L"右上の角"}, {L"CMDLINE", folder + L"\\corner.exe"}, {L"DISPLAYPOS", L"3"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(kName);

  // ---- 1. The full-screen window in front ---------------------------------------
  Process target;
  HWND full = StartFullScreen(target);
  if (!full) return Finish(kName);
  Settle({full, main});
  StrokeLeftToRight();
  RightButtonAtTopRight();
  CheckEqual(Count(RecordsAfterQuiet(folder, kQuietMs, L"app.exe")), 0,
             L"over the full-screen window the stroke starts nothing");
  CheckEqual(Count(ReadRecords(folder, L"corner.exe")), 0, L"nor the right button at the corner");
  Check(GetForegroundWindow() == full, L"the full-screen window stays in front");
  {
    HeldKeys held({VK_CONTROL, VK_MENU});
    PressKey('K', 100);
  }
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"hotkey.exe")), 1,
             L"the shortcut Ctrl+Alt+K still starts hotkey.exe");

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
