// A save that cannot write, through the real window.  With FESK.TBL
// read-only the settings are written whole, then "ﾌｧｲﾙ … を作成できません"
// is shown in the program's error box and no notice follows; with Fesk.Ini
// read-only "… に書き込めません" is shown and the file stays as it was.  A
// missing group table is reported at the start ("ﾌｧｲﾙ … は開けません") and
// the command line is then left alone.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_save_errors";

bool SetReadOnly(const std::wstring& path, bool read_only) {
  return SetFileAttributesW(path.c_str(), read_only ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL) != 0;
}

// 保 存, OK, then the error box (caption: the program's title).
void SaveExpectingError(HWND main, DWORD pid, const std::wstring& error) {
  BringToFront(main);
  ClickId(main, ids::kSaveButton);
  AnswerBox(L"保存確認", L"保存を実行します。", IDOK, pid);
  Check(AnswerBox(kEditorCaption, error, IDOK, pid), L"the error is shown in the program's box");
  Pause(1500);
  Check(FindTopWindow({L"#32770", L"保存確認", pid}) == nullptr, L"no notice follows");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_save_errors");
  ProgramKeys first;
  first.discription = L"最初";
  first.cmdline = L"C:\\windows\\notepad.exe";
  const std::wstring before = L"[FESKIN]\r\nHINT=ON\r\n" + ProgramSectionText(0, first);
  FillEditorFolder(folder, before);
  const std::wstring settings = folder + L"\\Fesk.Ini", table = folder + L"\\FESK.TBL";

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  Check(TypeInto(main, ids::kTitleField, L"二番目の名前"), L"a new title");
  PressKey(VK_TAB);

  // ---- The group table cannot be written ----
  Check(SetReadOnly(table, true), L"FESK.TBL is made read-only");
  SaveExpectingError(main, pid, L"ﾌｧｲﾙ " + table + L" を作成できません");
  ProgramKeys renamed = first;
  renamed.discription = L"二番目の名前";
  CheckBytes(ReadFileBytes(settings).value_or(""), Cp932(L"[FESKIN]\r\nHINT=ON\r\n" + ProgramSectionText(0, renamed)),
             L"Fesk.Ini was written whole before the table failed");
  SetReadOnly(table, false);

  // ---- The settings cannot be written ----
  Check(TypeInto(main, ids::kTitleField, L"三番目の名前"), L"another title");
  PressKey(VK_TAB);
  const std::string written = ReadFileBytes(settings).value_or("");
  Check(SetReadOnly(settings, true), L"Fesk.Ini is made read-only");
  SaveExpectingError(main, pid, settings + L" に書き込めません");
  CheckBytes(ReadFileBytes(settings).value_or(""), written, L"Fesk.Ini stays as it was");
  SetReadOnly(settings, false);

  // ---- With both writable again the save goes through ----
  Check(SaveThroughWindow(main, pid), L"保 存 with both files writable");
  renamed.discription = L"三番目の名前";
  CheckBytes(ReadFileBytes(settings).value_or(""), Cp932(L"[FESKIN]\r\nHINT=ON\r\n" + ProgramSectionText(0, renamed)),
             L"Fesk.Ini holds the last title");
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  Check(editor.Wait(15000), L"the editor ends");

  // ---- No group table at the start ----
  Check(DeleteFileW(table.c_str()) != 0, L"FESK.TBL is deleted");
  Process second = Start(folder + L"\\FeskINI.exe", L"C:\\windows\\regedit.exe", folder);
  HWND box = WaitForMessageBox(kEditorCaption, 30000, second.id());
  Check(box != nullptr, L"a start without FESK.TBL reports it");
  if (box) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(box);
    if (info) CheckEqual(info->text, L"ﾌｧｲﾙ " + table + L" は開けません", L"the missing table's error");
    Screenshot(L"editor_save_errors-missing-table");
    PressButton(box, IDOK);
    WaitTopWindowGone(box, 10000);
  }
  WindowQuery query(kEditorClass, kEditorCaption, second.id());
  query.visible_only = true;
  HWND again = WaitForTopWindow(query, 30000);
  Check(again != nullptr, L"the window opens anyway");
  if (again) {
    CheckEqual(static_cast<long long>(ListItems(Control(again, ids::kProgramList)).size()), 1,
               L"with the list loaded and the command line's program not added");
    CheckText(again, ids::kCommandField, L"", L"nothing is selected: the command field is empty");
  }
  return Finish(kName);
}
