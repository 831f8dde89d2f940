// Values the pages set stay set.  The palette dialog's ＯＫ moves the focus
// to the title field, and the control that had it stores its value as it
// is left: with the focus in shortcut_field, in a start-position box or on a
// show-state button the palette command still ends with no shortcut, the
// mask "111111111" and "SW_SHOW".  A shortcut on the main keyboard's "/"
// (a name the keypad's "/" shares) comes back into shortcut_field as that key.
// A group renamed to an empty name keeps its name and its programs.  保 存
// writes it all.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_page_values";

LRESULT HotKeyShown(HWND main) { return SendMessageW(Control(main, ids::kShortcutField), HKM_GETHOTKEY, 0, 0); }

std::wstring Describe(LRESULT hotkey) {
  return L"key " + std::to_wstring(LOBYTE(hotkey)) + L" with modifiers " + std::to_wstring(HIBYTE(hotkey));
}

// The palette dialog, from the program page, with "パレット３を表示" chosen,
// moved to the lower left corner of the screen, clear of the tabs and pages
// it covers in the middle of the screen.
HWND ShowPalette(HWND main, DWORD pid) {
  BringToFront(main);
  Check(ShowTab(main, Tab::kProgram), L"the program page");
  HWND palette = ShowPaletteDialog(main, pid);
  if (!palette) return nullptr;
  Check(ChoosePaletteCommand(palette, 4, L"パレット３を表示"), L"パレット３を表示 is chosen");
  RECT rect{};
  GetWindowRect(palette, &rect);
  const int below = ScreenSize().cy - (rect.bottom - rect.top);
  SetWindowPos(palette, nullptr, 0, below, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Check(WaitUntil([&] { return GetWindowRect(palette, &rect) && rect.left == 0 && rect.top == below; }, 5000),
        L"the dialog is moved aside");
  return palette;
}

void PressPaletteOk(HWND main, HWND palette) {
  if (!palette) return;
  ClickId(palette, ids::kPaletteOk);
  Check(WaitUntil([&] { return !IsWindowVisible(palette); }, 10000), L"ＯＫ hides the dialog");
  CheckText(main, ids::kTitleField, L"FESKPAL パレット３を表示", L"the entry is the palette command");
  Check(WaitForFocus(main, ids::kTitleField), L"the title field has the focus");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_page_values");
  ProgramKeys with_shortcut{L"ショートカット付き", L"C:\\windows\\notepad.exe"};
  with_shortcut.hotkey = L"Ctrl+Alt+K";
  ProgramKeys with_mask{L"開始位置付き", L"C:\\windows\\notepad.exe"};
  ProgramKeys minimised{L"アイコン化", L"C:\\windows\\notepad.exe", L"SW_SHOWMINIMIZED"};
  ProgramKeys in_group{L"スラッシュ", L"C:\\windows\\regedit.exe"};
  in_group.group = L"FESK";
  FillEditorFolder(folder, ProgramSectionText(0, with_shortcut) + ProgramSectionText(1, with_mask) +
                               ProgramSectionText(2, minimised) + ProgramSectionText(3, in_group));
  const std::wstring table = L"FESK\r\n\tツール\r\n";
  Check(WriteCp932File(folder + L"\\FESK.TBL", table), L"FESK.TBL holds FESK and ツール");

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND list = Control(main, ids::kProgramList);

  // ---- Palette ＯＫ with the focus in shortcut_field ----
  HWND palette = ShowPalette(main, pid);
  BringToFront(main);
  Check(ShowTab(main, Tab::kShortCut), L"the shortcut page");
  Check(WaitForFocus(main, ids::kShortcutField), L"shortcut_field has the focus");
  CheckEqual(Describe(HotKeyShown(main)), Describe(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT)),
             L"shortcut_field shows Ctrl+Alt+K");
  PressPaletteOk(main, palette);
  Check(WaitUntil([&] { return HotKeyShown(main) == 0; }, 5000), L"shortcut_field is cleared with the shortcut");

  // ---- Palette ＯＫ with the focus in a start-position box ----
  Check(ClickListItem(list, 1), L"開始位置付き is selected");
  palette = ShowPalette(main, pid);
  BringToFront(main);
  Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page");
  ClickId(main, ids::kFirstStartPosition + 4);
  Check(WaitUntil([&] { return !Checked(main, ids::kFirstStartPosition + 4); }, 5000), L"the middle box is cleared");
  Check(WaitForFocus(main, ids::kFirstStartPosition + 4), L"and has the focus");
  PressPaletteOk(main, palette);
  Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page again");
  Check(WaitUntil([&] { return Checked(main, ids::kFirstStartPosition + 4); }, 5000),
        L"every start-position box is checked");
  Screenshot(L"editor_page_values-1-mask-after-palette");

  // ---- Palette ＯＫ with the focus on a show-state button ----
  Check(ClickListItem(list, 2), L"アイコン化 is selected");
  palette = ShowPalette(main, pid);
  BringToFront(main);
  ClickId(main, ids::kShowMinimized);
  Check(WaitForFocus(main, ids::kShowMinimized), L"ｱｲｺﾝ化 has the focus");
  PressPaletteOk(main, palette);
  Check(WaitUntil([&] { return Checked(main, ids::kShowNormal); }, 5000), L"通常 is checked");

  // ---- A shortcut on the main keyboard's "/" ----
  Check(ClickListItem(list, 3), L"スラッシュ is selected");
  Check(ShowTab(main, Tab::kShortCut), L"the shortcut page");
  Check(WaitForFocus(main, ids::kShortcutField), L"shortcut_field has the focus");
  BringToFront(main);
  PressChord({VK_CONTROL, VK_MENU, VK_OEM_2});
  const LRESULT typed = HotKeyShown(main);
  CheckEqual(Describe(typed), Describe(MAKEWORD(VK_OEM_2, HOTKEYF_CONTROL | HOTKEYF_ALT)),
             L"shortcut_field holds Ctrl+Alt and the main keyboard's \"/\"");
  Check(ShowTab(main, Tab::kProgram), L"leaving shortcut_field stores it");
  Check(ShowTab(main, Tab::kShortCut), L"back on the shortcut page");
  WaitUntil([&] { return HotKeyShown(main) == typed; }, 3000);
  CheckEqual(Describe(HotKeyShown(main)), Describe(typed),
             L"shortcut_field shows the same key again, not the keypad's \"/\"");

  // ---- A group renamed to nothing ----
  Check(ShowTab(main, Tab::kGroup), L"the group page");
  HWND tree = Control(main, ids::kGroupTree);
  Check(ClickTreeItem(tree, L"FESK"), L"FESK is selected");
  Check(WaitUntil([&] { return ListItems(list) == std::vector<std::wstring>{L"3   スラッシュ"}; }, 5000),
        L"FESK lists its program");
  ClickId(main, ids::kRenameGroupButton);
  Check(WaitUntil([&] { return TreeLabelEdit(tree) != nullptr; }, 5000), L"編 集 opens the name for editing");
  PressKey(VK_DELETE);
  Check(WaitUntil([&] { return WindowText(TreeLabelEdit(tree)).empty(); }, 5000), L"the name is deleted");
  PressKey(VK_RETURN);
  Check(WaitUntil([&] { return TreeLabelEdit(tree) == nullptr; }, 5000), L"Enter ends the edit");
  Pause(500);
  CheckEqual(TreeAsTable(tree), table, L"the group keeps its name");
  CheckText(main, ids::kDisplayGroupLabel, L"FESK", L"and stays the display group");
  CheckEqual(ListItems(list).size() == 1 ? ListItems(list)[0] : L"", L"3   スラッシュ", L"with its program");
  Screenshot(L"editor_page_values-2-empty-name-refused");

  // ---- 保 存 ----
  Check(SaveThroughWindow(main, pid), L"保 存");
  const std::string file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  ProgramKeys palette_keys{L"FESKPAL パレット３を表示", folder + L"\\FESKPAL.EXE"};
  palette_keys.workdir = folder + L"\\";
  palette_keys.option = L"3";
  CheckBytes(SectionBytes(file, "CMD0"), Cp932(ProgramSectionText(0, palette_keys)),
             L"CMD0: the palette command without the shortcut shortcut_field showed");
  CheckBytes(SectionBytes(file, "CMD1"), Cp932(ProgramSectionText(1, palette_keys)),
             L"CMD1: the palette command with the whole start-position mask");
  CheckBytes(SectionBytes(file, "CMD2"), Cp932(ProgramSectionText(2, palette_keys)),
             L"CMD2: the palette command shown normally");
  in_group.hotkey = L"Ctrl+Alt+/";
  CheckBytes(SectionBytes(file, "CMD3"), Cp932(ProgramSectionText(3, in_group)),
             L"CMD3: the shortcut \"Ctrl+Alt+/\" and the group FESK");
  CheckBytes(ReadFileBytes(folder + L"\\FESK.TBL").value_or(""), Cp932(table), L"FESK.TBL holds the old names");
  return Finish(kName);
}
