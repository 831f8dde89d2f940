// Keys in the editor's window: an emptied title is refused and the focus
// comes back to it; a 50-byte title is shown whole and saved as its first
// 40 bytes; Esc and Enter outside the fields close nothing; Alt+F4 with a
// change asks "終了確認" like the close box.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {
const char* const kName = "editor_keys";
}

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_keys");
  ProgramKeys first{L"最初", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, ProgramSectionText(0, first));

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND list = Control(main, ids::kProgramList);

  // ---- An emptied title ----
  BringToFront(main);
  ClickControl(Control(main, ids::kTitleField));
  Check(WaitForFocus(main, ids::kTitleField), L"the title field has the focus");
  SelectAllText(Control(main, ids::kTitleField));
  PressKey(VK_DELETE);
  Check(WaitUntil([&] { return TextOf(main, ids::kTitleField).empty(); }, 5000), L"the title is emptied");
  PressKey(VK_TAB);
  Pause(500);
  Check(WaitForFocus(main, ids::kTitleField), L"Tab out of an empty title: the focus comes back to it");
  CheckEqual(ListItems(list).front(), L"0   最初", L"the stored title stays");

  // ---- A 50-byte title ----
  const std::wstring long_title = L"あいうえおかきくけこさしすせそたちつてとなにぬねの";
  TypeText(long_title);
  Check(WaitUntil([&] { return TextOf(main, ids::kTitleField) == long_title; }, 5000),
        L"25 double-byte characters are typed");
  PressKey(VK_RETURN);
  Check(WaitForFocus(main, ids::kCommandField), L"Enter stores it and moves on");
  CheckEqual(ListItems(list).front(), L"0   " + long_title, L"the list shows all 50 bytes");
  CheckText(main, ids::kTitleField, long_title, L"so does the field");

  // ---- Esc and Enter outside the fields ----
  ClickListItem(list, 0);
  Check(WaitForFocus(main, ids::kProgramList), L"the list has the focus");
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  Pause(1500);
  Check(editor.Running() && IsWindowVisible(main), L"Esc and Enter on the list close nothing");
  Check(FindTopWindow({L"#32770", L"終了確認", pid}) == nullptr, L"and ask nothing");

  // ---- Save: the title cut to 40 bytes ----
  Check(SaveThroughWindow(main, pid), L"保 存");
  ProgramKeys saved = first;
  saved.discription = long_title.substr(0, 20);
  CheckBytes(SectionBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or(""), "CMD0"),
             Cp932(ProgramSectionText(0, saved)), L"DISCRIPTION holds the first 40 bytes");

  // ---- Alt+F4 with a change ----
  ClickId(main, ids::kNewButton);
  Check(TypeInto(main, ids::kTitleField, L"変更"), L"a new entry gets a title");
  PressKey(VK_TAB);
  Check(WaitUntil([&] { return ListItems(list).size() == 2 && ListItems(list)[1] == L"1   変更"; }, 5000),
        L"stored on leaving the field");
  BringToFront(main);
  PressChord({VK_MENU, VK_F4});
  Check(AnswerBox(L"終了確認", L"変更されていますが\r\n保存せずに終了しますか？", IDCANCEL, pid),
        L"Alt+F4 asks as the close box does");
  Check(!editor.Wait(1500), L"Cancel keeps the editor");
  return Finish(kName);
}
