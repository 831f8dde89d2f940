// "Windows起動時に自動起動" on page "動 作" against the user's Run key
// (HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run), read
// and written here with the registry functions:
//   - no value "Fesk": the box is unticked; ticked and OK, the value holds
//     the launcher's own path in quotes, and Fesk.Ini AUTOSTART=1;
//   - the value removed from outside: the next opening shows the box
//     unticked (Cancel);
//   - the value written from outside: the next opening shows it ticked;
//     unticked and OK, the value is gone and AUTOSTART=0.
// The hints of the two new boxes are shown and photographed.  The value is
// removed at the start and at the end: the shared prefix is left as it was,
// and no later session of it starts this scenario's launcher.
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr wchar_t kAutoStartBox[] = L"Windows起動時に自動起動";
constexpr wchar_t kQuietBox[] = L"全画面表示中は休止";

std::optional<std::wstring> Saved(const std::wstring& folder, std::wstring_view key) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return std::nullopt;
  return IniValue(*text, L"SYSTEM", key);
}

POINT Middle(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

int main() {
  const char* name = "dialog_auto_start";
  RunValueCleanup cleanup;
  RemoveRunValue();
  const std::wstring folder = MakeTestFolder(L"dialog_auto_start");
  FillFolder(folder, {}, Section(L"SYSTEM", {{L"HINT", L"ON"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(name);
  const std::wstring program = folder + L"\\Fesk.exe";

  // ---- Ticked and OK: the value names the launcher ------------------------------
  Check(ShowDialog(main), L"the dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && ChoosePage(tab, 0), L"page \"動 作\" is chosen");
  HWND box = FindChild(main, L"Button", kAutoStartBox);
  HWND quiet = FindChild(main, L"Button", kQuietBox);
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  HWND cancel = FindChild(main, L"Button", L"キャンセル");
  Check(box && quiet && ok && cancel, L"both new boxes, OK and Cancel are there");
  if (!box || !quiet || !ok || !cancel) return Finish(name);
  Check(IsWindowVisible(box) && IsWindowVisible(quiet), L"and shown on the page");
  Check(!IsChecked(box), L"without a Run value the box is unticked");
  Screenshot(L"dialog_auto_start-1-page");

  CheckContains(HintShownAt(Middle(quiet), fesk.id()), L"ONで全画面表示のﾌﾟﾛｸﾞﾗﾑ", L"the quiet box has its hint");
  Screenshot(L"dialog_auto_start-2-quiet-hint");
  CheckContains(HintShownAt(Middle(box), fesk.id()), L"ONでWindowsへのｻｲﾝｲﾝ時にFESKを自動起動します",
                L"the start box has its hint");
  Screenshot(L"dialog_auto_start-3-start-hint");

  Check(ClickButton(box), L"the box is clicked");
  Check(WaitUntil([&] { return IsChecked(box); }, 3000), L"the box is ticked");
  Check(!RunValue().has_value(), L"nothing is registered before OK");
  Check(ClickButton(ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  std::optional<std::wstring> value = RunValue();
  Check(value.has_value(), L"OK wrote the Run value \"Fesk\"");
  if (value) {
    Check(value->size() > 2 && value->front() == L'"' && value->back() == L'"',
          L"the command is quoted (" + *value + L")");
    Check(value->size() > 2 && SamePath(value->substr(1, value->size() - 2), program),
          L"and names the launcher's own Fesk.exe (" + *value + L")");
  }
  CheckEqual(Saved(folder, L"AUTOSTART").value_or(L"(none)"), L"1", L"Fesk.Ini AUTOSTART");

  // ---- Removed elsewhere: the next opening shows it -------------------------------
  RemoveRunValue();
  Check(ShowDialog(main), L"the dialog shows again");
  Check(WaitUntil([&] { return !IsChecked(box); }, 3000), L"the box shows the value is gone");
  Check(ClickButton(cancel), L"Cancel is pressed");
  Check(WaitHidden(main), L"Cancel hides the dialog");
  Check(!RunValue().has_value(), L"Cancel registered nothing");

  // ---- Written elsewhere; unticked and OK removes it --------------------------------
  Check(SetRunValue(L"\"" + program + L"\""), L"the value is written from outside");
  Check(ShowDialog(main), L"the dialog shows a third time");
  Check(WaitUntil([&] { return IsChecked(box); }, 3000), L"the box shows the value");
  Check(ClickButton(box), L"the box is clicked");
  Check(WaitUntil([&] { return !IsChecked(box); }, 3000), L"the box is unticked");
  Check(ClickButton(ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(!RunValue().has_value(), L"OK removed the Run value");
  CheckEqual(Saved(folder, L"AUTOSTART").value_or(L"(none)"), L"0", L"Fesk.Ini AUTOSTART");
  CheckEqual(Saved(folder, L"FULLSCREENQUIET").value_or(L"(none)"), L"1", L"Fesk.Ini FULLSCREENQUIET");
  return Finish(name);
}
