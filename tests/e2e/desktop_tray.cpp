// Tray icons that survive a new task bar.  When Explorer starts anew its
// tray is empty and it broadcasts the registered message "TaskbarCreated";
// the launcher must then add again every icon it shows: its own ("FESK 2.3",
// while SYSTEMICON is 0) and one per program with TASKTRAY=ON (TRIGGER5=1),
// tipped with the program's title.
//
// The icons are read from Wine's own tray, the "Wine System Tray" window
// that Wine's explorer shows where no desktop shell runs: each icon is a
// child window of it with a tooltip of its own that holds the icon's tip.
// The tips are read with TTM_GETTEXT through a buffer in that process (the
// message's pointers are not carried across processes).
//
// The test empties the tray of the launcher's icons as a new Explorer has
// it (Shell_NotifyIcon NIM_DELETE for the launcher's window and each id; the
// tray does not ask who deletes), broadcasts "TaskbarCreated", and finds the
// same icons back; clicks on the icons that came back (their windows are
// told of a left button press, as Wine's tray tells the owner of an icon)
// show the settings dialog and start the program.  With the launcher's own
// icon switched off in the dialog ("アイコン非表示"), a new task bar gets the
// program icons only.  After the editor reordered and shortened the list,
// Cancel shows exactly the icons of the new list, each starting its own
// program, and none is left once the launcher has ended.
#include <algorithm>
#include <set>

#include "launcher/win32/control_ids.h"
#include "tests/e2e/editor_scenario_support.h"
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;
using fesk::e2e::editor::RemoteBuffer;

namespace {

constexpr wchar_t kTrayClass[] = L"__winex11_standalone_tray";
constexpr wchar_t kIconClass[] = L"__winex11_tray_icon";
constexpr wchar_t kOwnTip[] = L"FESK 2.3";
constexpr wchar_t kFirstTitle[] = L"メモ帳 ﾄﾚｲ";
constexpr wchar_t kThirdTitle[] = L"ﾄﾚｲの電卓";

struct TrayIcon {
  HWND window = nullptr;
  std::wstring tip;
};

// The tip of one icon window.  Wine's tray gives every icon a tooltip of its
// own, owned by the tray window (a popup made with a child as its parent is
// owned by the child's top-level window); the tooltip that knows the icon
// as its tool answers with the tip, the others with nothing.
std::wstring TipOf(HWND icon) {
  for (HWND tooltip : FindTopWindows(WindowQuery(TOOLTIPS_CLASSW, L"", WindowProcess(icon)))) {
    struct Block {
      TTTOOLINFOW info;
      wchar_t text[1024];
    } block{};
    RemoteBuffer buffer(tooltip, sizeof block);
    if (!buffer.ok()) return L"(no buffer in the tray's process)";
    block.info.cbSize = sizeof block.info;
    block.info.uFlags = TTF_IDISHWND;
    block.info.hwnd = icon;
    block.info.uId = reinterpret_cast<UINT_PTR>(icon);
    block.info.lpszText = reinterpret_cast<wchar_t*>(buffer.At(block.text, &block));
    if (!buffer.Write(&block, sizeof block)) return L"(not written)";
    SendMessageW(tooltip, TTM_GETTEXTW, 1024, buffer.address());
    if (!buffer.Read(&block, sizeof block)) return L"(not read)";
    block.text[1023] = L'\0';
    if (block.text[0] != L'\0') return block.text;
  }
  return L"(no tip)";
}

// The icons Wine's tray shows now, left to right.
std::vector<TrayIcon> TrayIcons() {
  std::vector<TrayIcon> icons;
  for (HWND tray : FindTopWindows(WindowQuery(kTrayClass))) {
    for (HWND child : ChildWindows(tray)) {
      if (WindowClass(child) != kIconClass || !IsWindowVisible(child)) continue;
      icons.push_back({child, TipOf(child)});
    }
  }
  std::sort(icons.begin(), icons.end(), [](const TrayIcon& a, const TrayIcon& b) {
    RECT ra{}, rb{};
    GetWindowRect(a.window, &ra);
    GetWindowRect(b.window, &rb);
    return ra.left < rb.left;
  });
  return icons;
}

std::multiset<std::wstring> Tips(const std::vector<TrayIcon>& icons) {
  std::multiset<std::wstring> tips;
  for (const TrayIcon& icon : icons) tips.insert(icon.tip);
  return tips;
}

std::wstring Describe(const std::multiset<std::wstring>& tips) {
  std::wstring text;
  for (const std::wstring& tip : tips) text += (text.empty() ? L"\"" : L", \"") + tip + L"\"";
  return L"{" + text + L"}";
}

// Waits until the tray shows exactly these tips.
bool WaitForTips(const std::multiset<std::wstring>& expected, const std::wstring& what) {
  bool same = WaitUntil([&] { return Tips(TrayIcons()) == expected; }, 10000, 100);
  Check(same, what + L": the tray shows " + Describe(expected) + L" (" + Describe(Tips(TrayIcons())) + L")");
  return same;
}

HWND IconWithTip(const std::wstring& tip) {
  for (const TrayIcon& icon : TrayIcons()) {
    if (icon.tip == tip) return icon.window;
  }
  return nullptr;
}

// What a new Explorer's tray knows of the launcher's icons: nothing.
void EmptyTrayOf(HWND owner, std::initializer_list<UINT> ids) {
  for (UINT id : ids) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
}

// What Explorer sends to every top-level window once its task bar is there.
bool BroadcastTaskbarCreated() {
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  DWORD_PTR answer = 0;
  return message != 0 && SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer) != 0;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"desktop_tray");
  FillFolder(folder, {L"app.exe", L"calc.exe"},
             Section(L"SYSTEM", {{L"SYSTEMICON", L"0"}, {L"TRIGGER5", L"1"}, {L"HINT", L"OFF"}}) +
                 Section(L"CMD0", {{L"DISCRIPTION", kFirstTitle},
                                   {L"CMDLINE", folder + L"\\app.exe"},
                                   {L"OPTION", L"/tray"},
                                   {L"TASKTRAY", L"ON"}}) +
                 Section(L"CMD1", {{L"DISCRIPTION", L"トレイなし"}, {L"CMDLINE", folder + L"\\app.exe"}}) +
                 Section(L"CMD2",
                         {{L"DISCRIPTION", kThirdTitle}, {L"CMDLINE", folder + L"\\calc.exe"}, {L"TASKTRAY", L"ON"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("desktop_tray");

  const std::multiset<std::wstring> all = {kOwnTip, kFirstTitle, kThirdTitle};
  WaitForTips(all, L"at start");

  // ---- A new task bar --------------------------------------------------------
  EmptyTrayOf(main, {0, 1, 3});
  WaitForTips({}, L"with the tray emptied");
  Check(BroadcastTaskbarCreated(), L"\"TaskbarCreated\" is broadcast");
  if (WaitForTips(all, L"after \"TaskbarCreated\"")) {
    CheckEqual(TrayIcons().front().tip, kOwnTip, L"the launcher's own icon comes first, as at start");
  }

  // The icons that came back are the launcher's: a left click on the
  // program's icon starts it, one on the launcher's shows the dialog.
  HWND program_icon = IconWithTip(kFirstTitle);
  Check(program_icon && PostToWindow(program_icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8)),
        L"a left click on the program's icon");
  std::vector<LaunchRecord> apps = WaitForRecords(folder, 1, 10000, L"app.exe");
  CheckEqual(Count(apps), 1, L"the program of the icon started");
  if (!apps.empty()) CheckEqual(apps[0].Arguments(), L"/tray", L"with its OPTION");
  HWND own_icon = IconWithTip(kOwnTip);
  Check(own_icon && PostToWindow(own_icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8)),
        L"a left click on the launcher's icon");
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"the settings dialog shows");

  // ---- Without the launcher's own icon ----------------------------------------
  HWND no_icon = FindChild(main, L"Button", L"アイコン非表示");
  Check(no_icon && ClickButton(no_icon), L"\"アイコン非表示\" is chosen");
  WaitForTips({kFirstTitle, kThirdTitle}, L"with the launcher's icon switched off");
  EmptyTrayOf(main, {1, 3});
  WaitForTips({}, L"with the tray emptied again");
  Check(BroadcastTaskbarCreated(), L"\"TaskbarCreated\" is broadcast again");
  WaitForTips({kFirstTitle, kThirdTitle}, L"after the second \"TaskbarCreated\"");

  // Cancel reads SYSTEMICON=0 back: the launcher's icon returns.
  HWND cancel = FindChild(main, L"Button", L"キャンセル");
  Check(cancel && ClickButton(cancel), L"Cancel is pressed");
  WaitForTips(all, L"after Cancel");
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"one launcher runs");

  // ---- Cancel after the editor changed the programs ---------------------------
  // The calculator moved to the first place and the memo pad went: Cancel
  // shows the icons of the new list only, and the first icon is the
  // calculator's, tip and click alike.
  Check(WriteCp932File(
            folder + L"\\Fesk.Ini",
            Section(L"SYSTEM", {{L"SYSTEMICON", L"0"}, {L"TRIGGER5", L"1"}, {L"HINT", L"OFF"}}) +
                Section(L"CMD0",
                        {{L"DISCRIPTION", kThirdTitle}, {L"CMDLINE", folder + L"\\calc.exe"}, {L"TASKTRAY", L"ON"}}) +
                Section(L"CMD1", {{L"DISCRIPTION", L"トレイなし"}, {L"CMDLINE", folder + L"\\app.exe"}})),
        L"the editor's new list: the calculator first, the memo pad gone");
  Check(ShowDialog(main), L"the dialog shows");
  Check(PressButton(main, fesk::win32::fesk_dialog::kCancelButton), L"Cancel is pressed");
  WaitForTips({kOwnTip, kThirdTitle}, L"after Cancel with the new list");
  HWND calculator_icon = IconWithTip(kThirdTitle);
  Check(calculator_icon && PostToWindow(calculator_icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8)),
        L"a left click on the calculator's icon");
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"calc.exe")), 1, L"the calculator started");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"app.exe")), 1, L"and not the memo pad (only its earlier start)");

  // ---- The end: no icon stays -------------------------------------------------
  Check(PostToWindow(main, WM_CLOSE), L"the main window is asked to close");
  Check(AnswerMessageBox(L"終了確認", IDOK, 15000, fesk.id()).has_value(), L"OK on \"終了確認\"");
  Check(fesk.Wait(20000), L"the launcher ends");
  WaitForTips({}, L"after the launcher ended");
  return Finish("desktop_tray");
}
