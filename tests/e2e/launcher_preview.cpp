// What a release would start, shown while the trigger is held.  Two
// programs share the stroke "lr": CMD0's RUNPOS refuses the top-left region,
// CMD1 starts from anywhere.  A Shift+Ctrl stroke from the top left, keys
// still held past the minimum move: a window of class FeskReleasePreview
// shows beside the cursor, its window text CMD1's title, and it never is the
// foreground window.  At the release it goes and second.exe starts.  With
// "実行内容を表示" unticked on page "ﾏｳｽACT" and OK pressed, the next stroke
// shows nothing and still starts second.exe.
//
// Run with a DPI as argument (144), the display DPI is set first (in a Wine
// prefix of its own); the screenshot shows the window at that DPI.
#include <cstdlib>

#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

const char* const kName = "launcher_preview";
constexpr wchar_t kPreviewClass[] = L"FeskReleasePreview";
constexpr wchar_t kTitle[] = L"どこからでも 右へ";
constexpr POINT kStart{60, 150};
constexpr POINT kEnd{320, 150};

HWND VisiblePreview(DWORD process) {
  WindowQuery query{kPreviewClass, L"", process};
  query.visible_only = true;
  return FindTopWindow(query);
}

// Shift+Ctrl down at the start, the cursor along the row, the keys held on
// while `during` runs; then the release.
template <typename During>
void HeldStroke(During during) {
  MoveCursorTo(kStart);
  Sleep(100);
  HeldKeys held({VK_SHIFT, VK_CONTROL});
  MoveCursor(kStart, kEnd, 12, 25);
  during();
  held.Release();
}

// The preview shows during the stroke, says what starts, takes neither the
// focus nor the mouse, and goes at the release.
void StrokeWithPreview(const std::wstring& folder, DWORD process, const std::wstring& shot) {
  HeldStroke([&] {
    HWND preview = nullptr;
    Check(WaitUntil([&] { return (preview = VisiblePreview(process)) != nullptr; }, 5000),
          L"the preview window shows while the keys are held");
    if (!preview) return;
    CheckEqual(WindowText(preview), kTitle, L"its window text is the title of the program the release starts");
    Check(GetForegroundWindow() != preview, L"it is not the foreground window");
    const LONG_PTR ex_style = GetWindowLongPtrW(preview, GWL_EXSTYLE);
    Check((ex_style & WS_EX_NOACTIVATE) && (ex_style & WS_EX_TRANSPARENT), L"it takes no activation nor clicks");
    RECT rect{};
    GetWindowRect(preview, &rect);
    Check(rect.left > kEnd.x && rect.top > kEnd.y && rect.left < kEnd.x + 100 && rect.top < kEnd.y + 100,
          L"it stands below right of the cursor, where the stroke came to rest");
    Log(L"preview at " + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L" size " +
        std::to_wstring(rect.right - rect.left) + L"x" + std::to_wstring(rect.bottom - rect.top));
    Screenshot(shot, 500);
  });
  Check(WaitUntil([&] { return VisiblePreview(process) == nullptr; }, 5000), L"the preview is gone at the release");
  std::vector<LaunchRecord> seconds = WaitForRecords(folder, 1, 15000, L"second.exe");
  CheckEqual(Count(seconds), 1, L"and second.exe, whose title it showed, started");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"app.exe")), 0, L"app.exe, refused at the start, did not");
}

// Unticks "実行内容を表示" on page "ﾏｳｽACT" and presses OK.
void TurnPreviewOff(HWND main, int dpi) {
  Check(ShowDialog(main), L"the launcher's dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && ChoosePage(tab, 1), L"page \"ﾏｳｽACT\" is chosen");
  HWND box = FindChild(main, L"Button", L"実行内容を表示");
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  Check(box && IsChecked(box), L"\"実行内容を表示\" is there, ticked without the key");
  if (!box || !ok) return;
  Screenshot(std::wstring(L"launcher_preview-page-") + std::to_wstring(dpi), 500);
  Check(ClickButton(box) && WaitUntil([&] { return !IsChecked(box); }, 3000), L"it is unticked");
  Check(ClickButton(ok) && WaitHidden(main), L"OK hides the dialog");
}

}  // namespace

int main(int argc, char** argv) {
  int dpi = 96;
  if (argc > 1) {
    dpi = atoi(argv[1]);
    Check(dpi >= 96 && SetDisplayDpi(dpi), L"the display DPI is set to " + std::to_wstring(dpi));
  }
  const std::wstring folder = MakeTestFolder(L"launcher_preview");
  const std::wstring settings = Section(L"SYSTEM", {{L"SENMIN", L"30"}}) +
                                Section(L"CMD0", {{L"DISCRIPTION", L"左上では不可"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"011111111"}}) +
                                Section(L"CMD1", {{L"DISCRIPTION", kTitle},
                                                  {L"CMDLINE", folder + L"\\second.exe"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}});
  FillFolder(folder, {L"app.exe", L"second.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  StrokeWithPreview(folder, fesk.id(), L"launcher_preview-" + std::to_wstring(dpi));

  TurnPreviewOff(main, dpi);
  std::optional<std::wstring> saved = ReadCp932File(folder + L"\\Fesk.Ini");
  CheckEqual(IniValue(saved.value_or(L""), L"SYSTEM", L"PREVIEW").value_or(L"(none)"), L"0", L"OK wrote PREVIEW=0");
  bool shown = false;
  HeldStroke([&] { shown = WaitUntil([&] { return VisiblePreview(fesk.id()) != nullptr; }, 1500); });
  Check(!shown, L"with the box unticked no preview shows");
  std::vector<LaunchRecord> seconds = WaitForRecords(folder, 2, 15000, L"second.exe");
  CheckEqual(Count(seconds), 2, L"and the stroke still starts second.exe");
  return Finish(kName);
}
