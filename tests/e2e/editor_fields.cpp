// The fields of the program page and what goes around them, through the
// real window: Enter walks title → command → option → work folder → title;
// a click on a show-state button stores it; the task-tray box is stored when
// it loses the focus; a keypad digit in shortcut_field comes back as the main
// keyboard's digit; three files dropped at once leave the last one; a page
// that needs a program gives way to the program page with "FESKINI 確認"
// while the filtered list is empty; a click on the group caption opens the
// group page; 新規登録 twice makes one entry; with 100 programs 新規登録 says
// "FESKプログラム登録上限".
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_fields";

bool FocusIs(HWND main, int id) { return WaitForFocus(main, id, 5000); }

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_fields");
  const std::wstring files = folder + L"\\files";
  MakeFolders(files);
  const std::wstring dropped[] = {files + L"\\一.txt", files + L"\\二.txt", files + L"\\三 番目.txt"};
  for (const std::wstring& file : dropped) WriteCp932File(file, L"x");
  // CMD0 without a show state: nothing stores one unless a show-state
  // button has the focus.
  ProgramKeys existing{L"既存", L"C:\\windows\\notepad.exe", L""};
  existing.group = L"FESK";
  FillEditorFolder(folder, L"[FESKIN]\r\nDISPGROUP=FESK\\空\r\n" + ProgramSectionText(0, existing));
  Check(WriteCp932File(folder + L"\\FESK.TBL", L"FESK\r\n\t空\r\n"), L"FESK.TBL holds FESK and its child 空");

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND list = Control(main, ids::kProgramList);

  // ---- 新規登録 twice: one new entry ----
  BringToFront(main);
  ClickId(main, ids::kNewButton);
  Check(FocusIs(main, ids::kTitleField), L"新規登録 puts the focus into the title");
  ClickId(main, ids::kNewButton);
  Check(WaitUntil(
            [&] {
              return ListItems(list) == std::vector<std::wstring>{L"0   既存", L"1   <新規登録>"};
            },
            5000),
        L"新規登録 twice leaves one new entry");
  CheckText(main, ids::kEntryGroupLabel, L"FESK\\空", L"the new entry's group is DISPGROUP");

  // ---- Enter walks the four fields ----
  Check(TypeInto(main, ids::kTitleField, L"新しい"), L"a title");
  PressKey(VK_RETURN);
  Check(FocusIs(main, ids::kCommandField), L"Enter: title → command");
  PressKey(VK_RETURN);
  Check(FocusIs(main, ids::kOptionField), L"Enter: command → option");
  PressKey(VK_RETURN);
  Check(FocusIs(main, ids::kWorkFolderField), L"Enter: option → work folder");
  PressKey(VK_RETURN);
  Check(FocusIs(main, ids::kTitleField), L"Enter: work folder → title");

  // ---- Drops: the last of three files stays ----
  Check(DropFiles(main, {dropped[0], dropped[1], dropped[2]}), L"three files are dropped");
  CheckText(main, ids::kCommandField, dropped[2], L"the command is the third file");
  CheckText(main, ids::kTitleField, L"三 番目.txt", L"so is the title");
  CheckText(main, ids::kWorkFolderField, files + L"\\", L"the work folder is the first file's folder");

  // ---- Show state and task tray ----
  ClickId(main, ids::kShowMaximized);
  Check(WaitUntil([&] { return Checked(main, ids::kShowMaximized); }, 5000), L"最大化 is clicked");
  ClickId(main, ids::kTrayBox);
  Check(WaitUntil([&] { return Checked(main, ids::kTrayBox); }, 5000), L"ﾀｽｸ･ﾄﾚｲ is ticked");
  ClickId(main, ids::kOptionField);  // the box loses the focus: stored
  Check(FocusIs(main, ids::kOptionField), L"the option field has the focus");

  // ---- A keypad digit ----
  Check(ShowTab(main, Tab::kShortCut), L"the shortcut page");
  Check(FocusIs(main, ids::kShortcutField), L"shortcut_field has the focus");
  BringToFront(main);
  PressChord({VK_CONTROL, VK_MENU, VK_NUMPAD5});
  HWND hotkey = Control(main, ids::kShortcutField);
  const LRESULT typed = SendMessageW(hotkey, HKM_GETHOTKEY, 0, 0);
  Log(L"shortcut_field holds key " + std::to_wstring(LOBYTE(typed)) + L" with modifiers " +
      std::to_wstring(HIBYTE(typed)));
  Check(ShowTab(main, Tab::kProgram), L"leaving shortcut_field stores it");
  Check(ShowTab(main, Tab::kShortCut), L"back on the shortcut page");
  Check(WaitUntil(
            [&] { return SendMessageW(hotkey, HKM_GETHOTKEY, 0, 0) == MAKEWORD('5', HOTKEYF_CONTROL | HOTKEYF_ALT); },
            5000),
        L"shortcut_field shows Ctrl+Alt and the main keyboard's 5");
  Screenshot(L"editor_fields-1-keypad-digit");

  // ---- Save what the fields hold ----
  Check(SaveThroughWindow(main, pid), L"保 存");
  ProgramKeys added{L"三 番目.txt", dropped[2], L"SW_SHOWMAXIMIZED", L"ON", files + L"\\"};
  added.hotkey = L"Ctrl+Alt+5";
  added.group = L"FESK\\空";
  const std::string file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  CheckBytes(SectionBytes(file, "CMD0"), Cp932(ProgramSectionText(0, existing)),
             L"CMD0 keeps its empty show state (no show-state button had the focus)");
  CheckBytes(SectionBytes(file, "CMD1"), Cp932(ProgramSectionText(1, added)),
             L"CMD1: the dropped file, 最大化, ﾀｽｸ･ﾄﾚｲ ON and the keypad digit as \"5\"");

  // ---- A page without programs in the filtered list ----
  Check(ShowTab(main, Tab::kGroup), L"the group page");
  HWND tree = Control(main, ids::kGroupTree);
  Check(ClickTreeItem(tree, L"空"), L"the empty group 空 is selected");
  Check(WaitUntil([&] { return ListItems(list).empty() == false && ListItems(list).size() == 1; }, 5000),
        L"空 lists the new program (its group is 空)");
  Check(ClickTreeItem(tree, L"FESK"), L"FESK is selected");
  Check(WaitUntil([&] { return ListItems(list) == std::vector<std::wstring>{L"0   既存"}; }, 5000), L"FESK lists 既存");
  // Nothing in FESK\空 any more once its program is moved to FESK: mode 2.
  ClickListItem(list, 0);
  ClickId(main, ids::kGroupFilter);  // filter off
  Check(WaitUntil([&] { return ListItems(list).size() == 2; }, 5000), L"the filter off lists both");
  Check(ClickListItem(list, 1), L"the new program is selected");
  ClickId(main, ids::kMode2Choice);
  AnswerBox(L"FESKINI 確認", {}, IDOK, pid);
  Check(ClickTreeItem(tree, L"FESK"), L"FESK is chosen as its group");
  ClickId(main, ids::kRegisterInGroupButton);
  AnswerBox(L"グループ登録", {}, IDOK, pid);
  ClickId(main, ids::kMode1Choice);
  Check(WaitUntil([&] { return IsWindowVisible(Control(main, ids::kAddGroupButton)) != 0; }, 5000), L"back in mode 1");
  Check(ClickTreeItem(tree, L"空"), L"空 is selected: now an empty list");
  Check(WaitUntil([&] { return ListItems(list).empty(); }, 5000), L"the filtered list is empty");
  CheckText(main, ids::kListPosition, L"0", L"the position reads 0");
  HWND tab = Control(main, ids::kPages);
  std::optional<RECT> mouse_tab = TabRect(tab, static_cast<int>(Tab::kMouseAction));
  if (mouse_tab) ClickClient(tab, {(mouse_tab->left + mouse_tab->right) / 2, (mouse_tab->top + mouse_tab->bottom) / 2});
  HWND refusal = WaitForMessageBox(L"FESKINI 確認", 15000, pid);
  Check(refusal != nullptr, L"the mouse-action page cannot be shown");
  if (refusal) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(refusal);
    if (info) CheckContains(info->text, L"\"マウスＡＣＴ\"ページは表示できません", L"and says so");
    Screenshot(L"editor_fields-2-page-refused");
    PressButton(refusal, IDOK);
    WaitTopWindowGone(refusal, 10000);
  }
  Check(WaitUntil([&] { return CurrentTab(tab) == static_cast<int>(Tab::kProgram); }, 5000),
        L"the program page is shown instead");
  Check(IsWindowVisible(Control(main, ids::kTitleField)) && !IsWindowVisible(Control(main, ids::kFirstQuadrantSquare)),
        L"with the program page's controls, not the mouse-action page's");

  // ---- The group caption opens the group page in mode 1 ----
  ClickId(main, ids::kDisplayGroupLabel);
  Check(WaitUntil([&] { return CurrentTab(tab) == static_cast<int>(Tab::kGroup); }, 5000),
        L"a click on the display group shows the group page");
  Check(Checked(main, ids::kMode1Choice), L"in mode 1");
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  AnswerBox(L"終了確認", {}, IDNO, pid);
  Check(editor.Wait(15000), L"the editor ends");

  // ---- 100 programs: no more ----
  const std::wstring full = MakeTestFolder(L"editor_fields_full");
  std::wstring hundred;
  for (int n = 0; n < 100; ++n) {
    hundred += L"[CMD" + std::to_wstring(n) + L"]\r\nDISCRIPTION=P" + std::to_wstring(n) + L"\r\nCMDLINE=x.exe\r\n";
  }
  FillEditorFolder(full, hundred);
  Process second;
  HWND full_main = StartEditor(full + L"\\FeskINI.exe", L"", full, second);
  if (!full_main) return Finish(kName);
  BringToFront(full_main);
  ClickId(full_main, ids::kNewButton);
  AnswerBox(L"FESKプログラム登録上限", L"現在のＦＥＳＫでは、\r\nこれ以上プログラムを登録できません", IDOK,
            second.id());
  CheckEqual(static_cast<long long>(ListItems(Control(full_main, ids::kProgramList)).size()), 100,
             L"the list still holds 100 programs");
  return Finish(kName);
}
