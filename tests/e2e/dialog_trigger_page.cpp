// The page "ﾏｳｽACTﾄﾘｶﾞｰ" of the launcher's dialog as a user meets it.
//   - Hints: resting on a cell shows the cell's trigger combination; resting
//     on the "★" painted into the mouse-action trigger's cell shows the
//     marker's own hint "この場所のトリガーキーを設定"; the group of the two
//     radio buttons shows its hint in its margin.
//   - The Window-service trigger: a click on "Winｻｰﾋﾞｽ[●]", then on a cell,
//     moves "●" there (its hint follows it); OK writes WINSELECTKEY and
//     leaves SELECTKEY alone.
// Cells are found by their control ids (launcher/win32/control_ids.h).
#include "launcher/win32/control_ids.h"
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

const char* const kName = "dialog_trigger_page";
constexpr int kTriggerPage = 2;
constexpr wchar_t kMarkerHint[] = L"この場所のトリガーキーを設定";

HWND Cell(HWND main, int number) { return GetDlgItem(main, fesk::win32::fesk_dialog::kFirstTriggerCell + number); }

// A point of a cell in screen coordinates, from its top left corner.
POINT CellPoint(HWND cell, int x, int y) {
  POINT point{x, y};
  ClientToScreen(cell, &point);
  return point;
}

// A marker stands at the cell's left edge, 5 pixels below its top, 14 x 13.
POINT MarkerPoint(HWND cell, int slot = 0) { return CellPoint(cell, 7 + 14 * slot, 11); }

// The cell's lower right part, away from any marker.
POINT CellBodyPoint(HWND cell) {
  RECT client{};
  GetClientRect(cell, &client);
  return CellPoint(cell, client.right - 5, client.bottom - 4);
}

bool ClickAtPoint(POINT point) {
  MoveCursorTo(point);
  Pause(100);
  return Click(MouseButton::kLeft);
}

std::optional<std::wstring> SavedValue(const std::wstring& folder, std::wstring_view key) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return std::nullopt;
  return IniValue(*text, L"SYSTEM", key);
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"dialog_trigger_page");
  FillFolder(folder, {}, Section(L"SYSTEM", {{L"SELECTKEY", L"1"}, {L"WINSELECTKEY", L"6"}, {L"HINT", L"ON"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  Check(ShowDialog(main), L"a left click on the tray icon shows the dialog");
  HWND tab = FindWindowExW(main, nullptr, WC_TABCONTROLW, nullptr);
  Check(tab && ChoosePage(tab, kTriggerPage), L"the page ﾏｳｽACTﾄﾘｶﾞｰ is chosen");
  HWND shift_ctrl = Cell(main, 1), win_cell = Cell(main, 6), target = Cell(main, 3);
  Check(shift_ctrl && win_cell && target && IsWindowVisible(shift_ctrl), L"the trigger cells are shown");
  if (!shift_ctrl || !win_cell || !target) return Finish(kName);
  Pause(500);
  Screenshot(L"dialog_trigger_page-before");

  // ---- Hints ----
  const std::wstring cell_hint = HintShownAt(CellBodyPoint(shift_ctrl), fesk.id());
  CheckContains(cell_hint, L"キーでﾏｳｽｱｸｼｮﾝを判断します", L"resting on a cell shows its combination");
  CheckEqual(HintShownAt(MarkerPoint(shift_ctrl), fesk.id()), kMarkerHint, L"resting on \"★\" shows the marker's hint");
  CheckEqual(HintShownAt(MarkerPoint(win_cell), fesk.id()), kMarkerHint, L"resting on \"●\" shows the marker's hint");
  Check(HintShownAt(MarkerPoint(target), fesk.id()) != kMarkerHint, L"a cell without a marker has only its own hint");

  // The group of the two radio buttons has a hint of its own, shown in its
  // margin beside them.
  HWND service_choice = FindChild(main, L"Button", L"Winｻｰﾋﾞｽ[●]");
  Check(service_choice != nullptr, L"the radio button Winｻｰﾋﾞｽ[●]");
  if (!service_choice) return Finish(kName);
  RECT choice{};
  GetWindowRect(service_choice, &choice);
  CheckEqual(HintShownAt({choice.left - 3, (choice.top + choice.bottom) / 2}, fesk.id()),
             L"設定を行うﾄﾘｶﾞｰを選択して下さい", L"resting on the group's margin shows its hint");

  // ---- The Window-service trigger ----
  Check(ClickAtPoint({choice.left + 8, (choice.top + choice.bottom) / 2}), L"a click on Winｻｰﾋﾞｽ[●]");
  Check(WaitUntil([&] { return IsChecked(service_choice); }, 3000), L"Winｻｰﾋﾞｽ[●] is chosen");
  Check(ClickAtPoint(CellBodyPoint(target)), L"a click on cell 3");
  CheckEqual(HintShownAt(MarkerPoint(target), fesk.id()), kMarkerHint, L"\"●\" stands on cell 3 now");
  Check(HintShownAt(MarkerPoint(win_cell), fesk.id()) != kMarkerHint, L"and has left cell 6");
  CheckEqual(HintShownAt(MarkerPoint(shift_ctrl), fesk.id()), kMarkerHint, L"\"★\" stayed where it was");
  Screenshot(L"dialog_trigger_page-after");

  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  Check(ok && ClickAtPoint([&] {
          RECT r{};
          GetWindowRect(ok, &r);
          return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        }()),
        L"a click on ＯＫ");
  Check(WaitHidden(main), L"OK hides the dialog");
  CheckEqual(SavedValue(folder, L"WINSELECTKEY").value_or(L"(none)"), L"3", L"WINSELECTKEY is the clicked cell");
  CheckEqual(SavedValue(folder, L"SELECTKEY").value_or(L"(none)"), L"1", L"SELECTKEY is unchanged");
  return Finish(kName);
}
