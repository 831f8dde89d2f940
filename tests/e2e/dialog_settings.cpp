// The launcher's settings dialog as a user meets it.  A left click on the
// tray icon brings it up; each of its seven pages is chosen through the tab
// control and photographed (dialog_settings-page<N>.png).  The check box
// "マウス・アクション" (TRIGGER1) then goes through the dialog's three ways
// of ending an edit:
//   - unticked, the change is live: a stroke starts nothing; Cancel reads
//     the file back and the same stroke starts the program again;
//   - unticked and OK: Fesk.Ini says TRIGGER1=0 and strokes start nothing;
//   - ticked again and Cancel: the file still says 0, the box is unticked
//     again and strokes still start nothing;
//   - ticked again and Esc pressed on the dialog: the same as Cancel;
//   - ticked and OK: TRIGGER1=1, and the stroke starts the program.
// Strokes are drawn above the dialog, over the bare desktop.
#include "tests/e2e/launcher_scenario_support.h"

// After windows.h (through the driver).
#include <commctrl.h>

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr int kPages = 7;
constexpr wchar_t kPageNames[kPages][16] = {L"動 作",    L"ﾏｳｽACT", L"ﾏｳｽACTﾄﾘｶﾞｰ", L"ﾏｳｽACTｾﾝｻｰ",
                                            L"Winｻｰﾋﾞｽ", L"休 止",  L"ﾊﾞｰｼﾞｮﾝ"};

// A stroke from left to right across the top of the screen: code "lr".
void StrokeLeftToRight() { Gesture({VK_SHIFT, VK_CONTROL}, {{250, 110}, {650, 110}}); }

// True when the stroke just drawn started app.exe (`before` runs counted
// earlier); false when nothing started within the quiet time.
bool StrokeStartsApp(const std::wstring& folder, std::size_t before) {
  StrokeLeftToRight();
  std::vector<LaunchRecord> records = WaitForRecords(folder, before + 1, 8000, L"app.exe");
  return records.size() > before;
}

std::size_t AppRuns(const std::wstring& folder) { return ReadRecords(folder, L"app.exe").size(); }

std::optional<std::wstring> SavedTrigger1(const std::wstring& folder) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return std::nullopt;
  return IniValue(*text, L"SYSTEM", L"TRIGGER1");
}

// Visible descendants of the dialog whose text is `text`.
bool ShowsText(HWND main, std::wstring_view cls, std::wstring_view text) {
  HWND control = FindChild(main, cls, text);
  return control != nullptr && IsWindowVisible(control);
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"dialog_settings");
  FillFolder(folder, {L"app.exe", L"FESKINI.EXE"},
             Section(L"SYSTEM", {{L"MODE", L"0"}, {L"TRIGGER1", L"1"}, {L"HINT", L"OFF"}}) +
                 Section(L"CMD0", {{L"DISCRIPTION", L"アプリ"},
                                   {L"CMDLINE", folder + L"\\app.exe"},
                                   {L"ACTCODE", L"lr"},
                                   {L"RUNPOS", L"111111111"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("dialog_settings");

  // ---- The pages -----------------------------------------------------------
  Check(ShowDialog(main), L"a left click on the tray icon shows the dialog");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab != nullptr, L"the dialog has a tab control");
  if (!tab) return Finish("dialog_settings");
  CheckEqual(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), kPages, L"seven pages");
  CheckEqual(SendMessageW(tab, TCM_GETCURSEL, 0, 0), kPages - 1, L"the version page is chosen at start");

  // A caption of each page that shows only while its page is chosen.
  struct PageMark {
    const wchar_t* cls;
    const wchar_t* text;
  };
  const PageMark marks[kPages] = {{L"Button", L"マウス・アクション"}, {L"Button", L"未定義マウス・アクション検出"},
                                  {L"Button", L"ﾏｳｽACT[★]"},          {L"Button", L"ﾃｽﾄ表示"},
                                  {L"Static", L"左上に移動"},         {L"Button", L"追加"},
                                  {L"Static", L" for Win32"}};
  for (int page = 0; page < kPages; ++page) {
    std::wstring name = kPageNames[page];
    Check(ChoosePage(tab, page), L"page \"" + name + L"\" is chosen");
    for (int other = 0; other < kPages; ++other) {
      bool shown = ShowsText(main, marks[other].cls, marks[other].text);
      Check(shown == (other == page), L"on page \"" + name + L"\", \"" + std::wstring(marks[other].text) +
                                          (other == page ? L"\" shows" : L"\" is hidden"));
    }
    Screenshot(L"dialog_settings-page" + std::to_wstring(page));
  }

  // ---- A live change, undone by Cancel -------------------------------------
  Check(ChoosePage(tab, 0), L"back on page \"動 作\"");
  HWND mouse_action = FindChild(main, L"Button", L"マウス・アクション");
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  HWND cancel = FindChild(main, L"Button", L"キャンセル");
  Check(mouse_action && ok && cancel, L"the check box and the OK and Cancel buttons are there");
  if (!mouse_action || !ok || !cancel) return Finish("dialog_settings");
  Check(IsChecked(mouse_action), L"\"マウス・アクション\" is ticked as the file says");

  Check(ClickWindow(mouse_action), L"a click on \"マウス・アクション\"");
  Check(WaitUntil([&] { return !IsChecked(mouse_action); }, 3000), L"the box is unticked");
  std::size_t runs = AppRuns(folder);
  Check(!StrokeStartsApp(folder, runs), L"with the box unticked a stroke starts nothing");
  Check(ClickButton(cancel), L"Cancel is pressed");
  Check(WaitHidden(main), L"Cancel hides the dialog");
  CheckEqual(SavedTrigger1(folder).value_or(L"(none)"), L"1", L"Cancel wrote nothing: TRIGGER1");
  Check(IsChecked(mouse_action), L"Cancel ticks the box again from the file");
  runs = AppRuns(folder);
  Check(StrokeStartsApp(folder, runs), L"after Cancel the stroke starts app.exe again");

  // ---- OK saves -------------------------------------------------------------
  Check(ShowDialog(main), L"the dialog shows again");
  CheckEqual(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0, L"it keeps the page chosen last");
  Check(ClickWindow(mouse_action), L"\"マウス・アクション\" is unticked again");
  Check(WaitUntil([&] { return !IsChecked(mouse_action); }, 3000), L"the box is unticked");
  Check(ClickButton(ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(WaitUntil([&] { return SavedTrigger1(folder) == L"0"; }, 5000),
        L"OK wrote TRIGGER1=0 into Fesk.Ini (" + SavedTrigger1(folder).value_or(L"none") + L")");
  runs = AppRuns(folder);
  Check(!StrokeStartsApp(folder, runs), L"after OK a stroke starts nothing");

  // ---- Cancel goes back to what OK saved ------------------------------------
  Check(ShowDialog(main), L"the dialog shows a third time");
  Check(!IsChecked(mouse_action), L"the box shows the saved value");
  Check(ClickWindow(mouse_action), L"\"マウス・アクション\" is ticked");
  Check(WaitUntil([&] { return IsChecked(mouse_action); }, 3000), L"the box is ticked");
  Check(ClickButton(cancel), L"Cancel is pressed");
  Check(WaitHidden(main), L"Cancel hides the dialog");
  CheckEqual(SavedTrigger1(folder).value_or(L"(none)"), L"0", L"the file keeps TRIGGER1=0");
  Check(!IsChecked(mouse_action), L"the box is unticked again, as the file says");
  runs = AppRuns(folder);
  Check(!StrokeStartsApp(folder, runs), L"and a stroke still starts nothing");

  // ---- Esc is Cancel -----------------------------------------------------------
  // Keyboard input to the dialog in front, as the user gives it.
  Check(ShowDialog(main), L"the dialog shows for Esc");
  Check(ClickWindow(mouse_action), L"\"マウス・アクション\" is ticked");
  Check(WaitUntil([&] { return IsChecked(mouse_action); }, 3000), L"the box is ticked");
  const std::optional<std::string> before_esc = ReadFileBytes(folder + L"\\Fesk.Ini");
  Check(BringToFront(main), L"the dialog is in front");
  Check(PressKey(VK_ESCAPE), L"Esc is pressed");
  Check(WaitHidden(main), L"Esc hides the dialog");
  Check(ReadFileBytes(folder + L"\\Fesk.Ini") == before_esc, L"Esc saved nothing: Fesk.Ini is unchanged");
  CheckEqual(SavedTrigger1(folder).value_or(L"(none)"), L"0", L"the file keeps TRIGGER1=0");
  Check(!IsChecked(mouse_action), L"Esc read the file back: the box is unticked");

  // ---- OK turns it back on ----------------------------------------------------
  Check(ShowDialog(main), L"the dialog shows a fourth time");
  Check(ClickWindow(mouse_action), L"\"マウス・アクション\" is ticked");
  Check(WaitUntil([&] { return IsChecked(mouse_action); }, 3000), L"the box is ticked");
  Check(ClickButton(ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(WaitUntil([&] { return SavedTrigger1(folder) == L"1"; }, 5000), L"OK wrote TRIGGER1=1");
  runs = AppRuns(folder);
  Check(StrokeStartsApp(folder, runs), L"and the stroke starts app.exe");

  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"one launcher runs");
  return Finish("dialog_settings");
}
