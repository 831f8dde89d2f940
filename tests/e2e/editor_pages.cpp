// The editor's pages through the real window.  Three registered programs;
// an empty group table.  On the page "グループ" the first 追 加 makes the top
// group "FESK" without asking, further ones ask for a name in the input box
// "新規グループ作成　親[…]" (typed there; Cancel adds nothing), and the tree
// grows FESK, ツール, Office under ツール, ｹﾞｰﾑ.  With the filter off, mode 2
// ("ﾌﾟﾛｸﾞﾗﾑをｸﾞﾙｰﾌﾟに登録/移動") puts each program into a group through
// "プログラムをグループに登録" and its box "グループ登録".  The second program
// gets a shortcut typed into shortcut_field with injected keys, the top-right
// corner on the screen-position page, a code clicked on the coloured
// squares and a start-position mask without the centre.  保 存 then writes
// FESK.TBL (TABs, CR LF) and every key of Fesk.Ini byte for byte.  Each page
// is photographed.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_pages";

COLORREF ScreenPixel(POINT point) {
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// The colour of the outer band of a screen-position cell (the part of the
// cell its flat button leaves uncovered): 3 pixels inside its outer corner.
COLORREF CellBand(HWND main, int position) {
  RECT rect{};
  GetWindowRect(Control(main, ids::kFirstPositionCell + position - 1), &rect);
  const bool right = position == 3 || position == 5 || position == 8;
  const bool bottom = position >= 6;
  return ScreenPixel({right ? rect.right - 3 : rect.left + 2, bottom ? rect.bottom - 3 : rect.top + 2});
}

std::wstring Hex(COLORREF colour) {
  wchar_t text[16];
  swprintf(text, 16, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

// 追 加 with a group selected: the input box names the parent; the name is
// typed into it (or the box is cancelled).
bool AddGroup(HWND main, DWORD editor, std::wstring_view parent, std::wstring_view name, bool cancel = false) {
  ClickId(main, ids::kAddGroupButton);
  const std::wstring caption = L"新規グループ作成　親[" + std::wstring(parent) + L"]";
  HWND box = WaitForMessageBox(caption, 15000, editor);
  Check(box != nullptr, L"追 加 asks for the name in \"" + caption + L"\"");
  if (!box) return false;
  CheckEqual(WindowText(GetDlgItem(box, 100)), L"新規グループ名を入力してください", L"the input box's prompt");
  HWND edit = GetDlgItem(box, 101);
  CheckEqual(WindowText(edit), L"", L"the input box starts empty");
  if (!WaitUntil([&] { return FocusOf(box) == edit; }, 3000)) ClickControl(edit);
  TypeText(name);
  Check(WaitUntil([&] { return WindowText(edit) == std::wstring(name); }, 5000),
        L"the name \"" + std::wstring(name) + L"\" is typed into the box");
  Check(PressButton(box, cancel ? IDCANCEL : IDOK), cancel ? L"Cancel" : L"OK");
  return WaitTopWindowGone(box, 10000);
}

// register_in_group_button in mode 2 with a program and a group selected, answered OK.
void PutIntoGroup(HWND main, DWORD editor, std::wstring_view title, std::wstring_view group) {
  ClickId(main, ids::kRegisterInGroupButton);
  AnswerBox(L"グループ登録",
            L"\"" + std::wstring(title) + L"\"を\r\n\"" + std::wstring(group) + L"\"\r\nグループに登録します\r\n", IDOK,
            editor);
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_pages");
  const std::wstring settings =
      L"[CMD0]\r\nDISCRIPTION=電卓\r\nCMDLINE=C:\\windows\\system32\\calc.exe\r\nCMDSHOW=SW_SHOW\r\n"
      L"[CMD1]\r\nDISCRIPTION=メモ帳\r\nCMDLINE=C:\\windows\\notepad.exe\r\nCMDSHOW=SW_SHOW\r\n"
      L"[CMD2]\r\nDISCRIPTION=ﾚｼﾞｽﾄﾘ\r\nCMDLINE=C:\\windows\\regedit.exe\r\nCMDSHOW=SW_SHOW\r\n";
  FillEditorFolder(folder, settings);

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND list = Control(main, ids::kProgramList);
  HWND tree = Control(main, ids::kGroupTree);
  CheckEqual(static_cast<long long>(ListItems(list).size()), 3, L"three programs are listed");
  Screenshot(L"editor_pages-1-program");

  // ---- Groups, mode 1 ----
  Check(ShowTab(main, Tab::kGroup), L"the group page is shown");
  Check(!IsWindowEnabled(Control(main, ids::kRenameGroupButton)) &&
            !IsWindowEnabled(Control(main, ids::kDeleteGroupButton)),
        L"with an empty tree 編 集 and 削 除 are disabled");
  Screenshot(L"editor_pages-2-group-empty");
  ClickId(main, ids::kAddGroupButton);
  Check(WaitUntil([&] { return TreeAsTable(tree) == L"FESK\r\n"; }, 5000), L"the first 追 加 makes the group FESK");
  Check(IsWindowEnabled(Control(main, ids::kRenameGroupButton)) != 0, L"and enables 編 集");
  Check(ClickTreeItem(tree, L"FESK"), L"FESK is selected");
  Check(WaitUntil([&] { return Checked(main, ids::kGroupFilter); }, 5000), L"selecting a group turns the filter on");
  CheckText(main, ids::kDisplayGroupLabel, L"FESK", L"the display group is FESK");
  CheckEqual(static_cast<long long>(ListItems(list).size()), 0, L"no program is in FESK yet");

  Check(AddGroup(main, pid, L"FESK", L"ツール"), L"ツール is added below FESK");
  Check(WaitUntil([&] { return SelectedTreeItemName(tree) == L"ツール"; }, 5000), L"and selected");
  CheckText(main, ids::kDisplayGroupLabel, L"FESK\\ツール", L"the display group is its path");
  Check(AddGroup(main, pid, L"ツール", L"Office"), L"Office is added below ツール");
  Check(AddGroup(main, pid, L"Office", L"取消", true), L"a cancelled box");
  Check(ClickTreeItem(tree, L"FESK"), L"FESK is selected again");
  Check(AddGroup(main, pid, L"FESK", L"ｹﾞｰﾑ"), L"ｹﾞｰﾑ is added below FESK");
  CheckEqual(TreeAsTable(tree), L"FESK\r\n\tツール\r\n\t\tOffice\r\n\tｹﾞｰﾑ\r\n",
             L"the tree: the cancelled name is not in it");
  Screenshot(L"editor_pages-3-group-mode1");

  // ---- Programs into groups, mode 2 ----
  ClickId(main, ids::kGroupFilter);
  Check(WaitUntil([&] { return ListItems(list).size() == 3; }, 5000), L"the filter off lists all three programs");
  const std::wstring titles[] = {L"電卓", L"メモ帳", L"ﾚｼﾞｽﾄﾘ"};
  const std::wstring groups[] = {L"ツール", L"Office", L"ｹﾞｰﾑ"};
  Check(ClickListItem(list, 0), L"the first program is selected");
  ClickId(main, ids::kMode2Choice);
  AnswerBox(
      L"FESKINI 確認",
      L"\"電卓\"\r\n\r\n　を登録するグループを選択して\r\n　[プログラムをグループに登録]の\r\n　ボタンを押してください",
      IDOK, pid);
  Check(WaitUntil([&] { return IsWindowVisible(Control(main, ids::kRegisterInGroupButton)) != 0; }, 5000),
        L"mode 2 shows \"プログラムをグループに登録\"");
  Check(!IsWindowVisible(Control(main, ids::kAddGroupButton)), L"and hides 追 加");
  for (int i = 0; i < 3; ++i) {
    Check(ClickListItem(list, i), L"program " + std::to_wstring(i) + L" is selected");
    Check(ClickTreeItem(tree, groups[i]), L"the group " + groups[i] + L" is selected");
    PutIntoGroup(main, pid, titles[i], groups[i]);
  }
  CheckEqual(static_cast<long long>(ListItems(list).size()), 3, L"mode 2 leaves the list unfiltered");
  Screenshot(L"editor_pages-4-group-mode2");

  // ---- Shortcut ----
  Check(ClickListItem(list, 1), L"メモ帳 is selected");
  Check(ShowTab(main, Tab::kShortCut), L"the shortcut page is shown");
  Check(WaitForFocus(main, ids::kShortcutField), L"shortcut_field has the focus");
  BringToFront(main);
  PressChord({VK_CONTROL, VK_MENU, 'K'});
  HWND hotkey = Control(main, ids::kShortcutField);
  Check(WaitUntil(
            [&] { return SendMessageW(hotkey, HKM_GETHOTKEY, 0, 0) == MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT); },
            5000),
        L"shortcut_field holds Ctrl+Alt+K");
  Screenshot(L"editor_pages-5-shortcut");

  // ---- Screen position ----
  Check(ShowTab(main, Tab::kScreenPosition), L"the screen-position page is shown (leaving shortcut_field stores it)");
  const COLORREF plain = CellBand(main, 3);
  ClickId(main, ids::kFirstPositionButton + 2);
  Check(WaitUntil([&] { return CellBand(main, 3) == RGB(255, 0, 0); }, 5000),
        L"the top-right cell turns red (was " + Hex(plain) + L", is " + Hex(CellBand(main, 3)) + L")");
  Check(CellBand(main, 1) != RGB(255, 0, 0), L"the top-left cell stays plain");
  Screenshot(L"editor_pages-6-screen-position");

  // ---- Mouse action and start positions ----
  Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page is shown");
  Check(IsWindowVisible(Control(main, ids::kCrossedMousePicture)) != 0, L"without a code the crossed-out mouse shows");
  for (int shape : {0, 1, 3, 3}) ClickId(main, ids::kFirstQuadrantSquare + shape);  // red, lime, yellow, yellow again
  Check(WaitUntil([&] { return TextOf(main, ids::kFirstDirectionLine) == L"右→下"; }, 5000),
        L"red, lime, yellow read \"右→下\" (the repeated yellow adds nothing): " +
            TextOf(main, ids::kFirstDirectionLine));
  Check(!IsWindowVisible(Control(main, ids::kCrossedMousePicture)), L"the code is complete");
  HWND centre = Control(main, ids::kFirstStartPosition + 4);
  Check(SendMessageW(centre, BM_GETCHECK, 0, 0) == BST_CHECKED, L"the centre start position is allowed");
  ClickControl(centre);
  Check(WaitUntil([&] { return SendMessageW(centre, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, 5000),
        L"a click clears the centre box");
  Screenshot(L"editor_pages-7-mouse-action");
  ClickListItem(list, 1);  // leaving the box stores it

  // ---- Program page shows the group ----
  Check(ShowTab(main, Tab::kProgram), L"the program page is shown");
  CheckText(main, ids::kEntryGroupLabel, L"FESK\\ツール\\Office", L"メモ帳's group on the program page");
  Screenshot(L"editor_pages-8-program-group");

  // ---- Save ----
  Check(SaveThroughWindow(main, pid), L"保 存: the question and the notice");
  CheckBytes(ReadFileBytes(folder + L"\\FESK.TBL").value_or("(missing)"),
             Cp932(L"FESK\r\n\tツール\r\n\t\tOffice\r\n\tｹﾞｰﾑ\r\n"), L"FESK.TBL holds the tree, TABs and CR LF");
  ProgramKeys calc{L"電卓", L"C:\\windows\\system32\\calc.exe"};
  calc.group = L"FESK\\ツール";
  ProgramKeys notepad{L"メモ帳", L"C:\\windows\\notepad.exe"};
  notepad.actcode = L"lrR";
  notepad.runpos = L"111101111";
  notepad.hotkey = L"Ctrl+Alt+K";
  notepad.group = L"FESK\\ツール\\Office";
  notepad.displaypos = L"3";
  ProgramKeys regedit{L"ﾚｼﾞｽﾄﾘ", L"C:\\windows\\regedit.exe"};
  regedit.group = L"FESK\\ｹﾞｰﾑ";
  const std::string file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  CheckBytes(SectionBytes(file, "CMD0"), Cp932(ProgramSectionText(0, calc)), L"CMD0: GROUP FESK\\ツール");
  CheckBytes(SectionBytes(file, "CMD1"), Cp932(ProgramSectionText(1, notepad)),
             L"CMD1: ACTCODE, RUNPOS, HOTKEY, GROUP and DISPLAYPOS as set on the pages");
  CheckBytes(SectionBytes(file, "CMD2"), Cp932(ProgramSectionText(2, regedit)), L"CMD2: GROUP FESK\\ｹﾞｰﾑ");
  CheckBytes(file,
             Cp932(ProgramSectionText(0, calc) + ProgramSectionText(1, notepad) + ProgramSectionText(2, regedit) +
                   L"[FESKIN]\r\nHINT=ON\r\n"),
             L"the whole of Fesk.Ini: the sections in place, FESKIN added at the end");
  return Finish(kName);
}
