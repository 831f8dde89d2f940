// Quiet over chosen programs.  full_screen_target.exe in its "window" mode
// stands for a painting program the user listed: a window in front that
// reaches the top right corner but leaves the bottom of the screen free, so
// that it is no full-screen program.
//   1. With Fesk.Ini listing notepad.exe and full_screen_target.exe and its
//      window in front, a stroke "lr" and the right button at the top right
//      corner (DISPLAYPOS 3) start nothing; the shortcut Ctrl+Alt+K still
//      starts hotkey.exe.
//   2. On the page "休 止" the pick list offers the program of the open
//      window; the user clicks full_screen_target.exe in the list, "削除" and
//      OK: Fesk.Ini lists notepad.exe alone, and with the window in front
//      again the stroke starts app.exe and the corner corner.exe.
//   3. A name typed into the field, "追加" and OK: Fesk.Ini lists it after
//      notepad.exe.
// The page is photographed with the list filled
// (launcher_quiet_programs-page.png).
#include <algorithm>

#include "tests/e2e/quiet_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

const char* const kName = "launcher_quiet_programs";
constexpr int kQuietPage = 5;
constexpr wchar_t kTarget[] = L"full_screen_target.exe";

std::wstring SavedList(const std::wstring& folder) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return L"(no file)";
  return IniValue(*text, L"SYSTEM", L"QUIETPROGRAMS").value_or(L"(no key)");
}

std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    // LB_ERR while the launcher is still taking a name off the list.
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
    if (length < 0) continue;
    std::wstring item(static_cast<std::size_t>(length), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

std::wstring Joined(const std::vector<std::wstring>& items) {
  std::wstring text;
  for (const std::wstring& item : items) text += (text.empty() ? L"" : L"|") + item;
  return text;
}

// A real click on the middle of the item's line.
bool ClickListItem(HWND list, int index) {
  RECT item{};
  if (SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) == LB_ERR) return false;
  POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ClientToScreen(list, &point);
  MoveCursorTo(point);
  Pause(50);
  return Click(MouseButton::kLeft) && WaitUntil([&] { return SendMessageW(list, LB_GETCURSEL, 0, 0) == index; }, 3000);
}

// The page's own control of a class: the other pages' fields and lists of
// the same class are hidden.
HWND ShownChild(HWND main, std::wstring_view class_name) {
  for (HWND child : ChildWindows(main)) {
    if (IsWindowVisible(child) && WindowClass(child) == class_name) return child;
  }
  return nullptr;
}

std::vector<std::wstring> PickItems(HWND picks) {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(SendMessageW(picks, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(picks, CB_GETLBTEXTLEN, i, 0);
    if (length < 0) continue;
    std::wstring item(static_cast<std::size_t>(length), L'\0');
    SendMessageW(picks, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    items.push_back(item);
  }
  return items;
}

struct QuietPage {
  HWND list = nullptr, field = nullptr, picks = nullptr, add = nullptr, remove = nullptr, ok = nullptr;
  bool Found() const { return list && field && picks && add && remove && ok; }
};

QuietPage OpenQuietPage(HWND main) {
  QuietPage page;
  Check(ShowDialog(main), L"the dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && ChoosePage(tab, kQuietPage), L"page \"休 止\" is chosen");
  page.list = FindChild(main, L"ListBox");
  Pause(300);
  page.field = ShownChild(main, L"Edit");
  page.picks = ShownChild(main, L"ComboBox");
  page.add = FindChild(main, L"Button", L"追加");
  page.remove = FindChild(main, L"Button", L"削除");
  page.ok = FindChild(main, L"Button", L"ＯＫ");
  Check(page.Found(), L"the list, the field, the pick list, \"追加\", \"削除\" and OK are there");
  Pause(300);
  return page;
}

HWND StartTarget(Process& process) {
  process = Start(OwnFolder() + L"\\" + kTarget, L"window");
  HWND window = WaitForTopWindow({L"FeskFullScreenTarget", L"window", process.id()}, 20000);
  Check(window != nullptr, L"the listed program's window is there");
  if (window) Check(BringToFront(window, 5000), L"it is in front");
  return window;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_quiet_programs");
  FillQuietFolder(folder, {}, {{L"QUIETPROGRAMS", std::wstring(L"notepad.exe|") + kTarget}});
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish(kName);

  // ---- 1. The listed program's window in front ----------------------------------
  Process target;
  HWND window = StartTarget(target);
  if (!window) return Finish(kName);
  CheckOnlyTheShortcutStarts(folder, window, main, L"the listed program's window");

  // ---- 2. Taken off the list in the dialog ---------------------------------------
  QuietPage page = OpenQuietPage(main);
  if (!page.Found()) return Finish(kName);
  CheckEqual(Joined(ListItems(page.list)), std::wstring(L"notepad.exe|") + kTarget, L"the list shows Fesk.Ini's names");
  const std::vector<std::wstring> picks = PickItems(page.picks);
  Check(std::find(picks.begin(), picks.end(), kTarget) != picks.end(),
        L"the pick list offers the program of the open window (" + Joined(picks) + L")");
  Check(ClickListItem(page.list, 1), L"full_screen_target.exe is selected by a click");
  Screenshot(L"launcher_quiet_programs-page");
  Check(ClickWindow(page.remove), L"\"削除\" is clicked");
  Check(WaitUntil([&] { return ListItems(page.list).size() == 1; }, 3000), L"the name is off the list");
  Check(ClickButton(page.ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(WaitUntil([&] { return SavedList(folder) == L"notepad.exe"; }, 5000),
        L"OK wrote QUIETPROGRAMS=notepad.exe (" + SavedList(folder) + L")");
  Check(BringToFront(window, 5000), L"the program's window is in front again");
  Settle({window, main});
  StrokeLeftToRight();
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"app.exe")), 1, L"now the stroke over it starts app.exe");
  RightButtonAtTopRight();
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"corner.exe")), 1, L"and the corner starts corner.exe");

  // ---- 3. A typed name added -----------------------------------------------------
  page = OpenQuietPage(main);
  if (!page.Found()) return Finish(kName);
  Check(ClickWindow(page.field), L"the name field is clicked");
  Pause(200);
  Check(TypeText(L"mspaint.exe"), L"mspaint.exe is typed");
  auto field_text = [&] {
    wchar_t text[64] = {};
    SendMessageW(page.field, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return std::wstring(text);
  };
  Check(WaitUntil([&] { return field_text() == L"mspaint.exe"; }, 3000),
        L"the field holds the name (" + field_text() + L")");
  Check(ClickWindow(page.add), L"\"追加\" is clicked");
  Check(WaitUntil([&] { return ListItems(page.list).size() == 2; }, 3000), L"the name is on the list");
  Check(ClickButton(page.ok), L"OK is pressed");
  Check(WaitHidden(main), L"OK hides the dialog");
  Check(WaitUntil([&] { return SavedList(folder) == L"notepad.exe|mspaint.exe"; }, 5000),
        L"OK wrote QUIETPROGRAMS=notepad.exe|mspaint.exe (" + SavedList(folder) + L")");

  PostToWindow(window, WM_CLOSE);
  Check(target.Wait(10000), L"the program's window is closed");
  return Finish(kName);
}
