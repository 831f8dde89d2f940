// From the editor to the launcher.  FeskINI.exe is started as the launcher
// hands over a mouse action: "/Alr" and a program.  A title is typed into
// title_field through the real window, 保 存 asks "保存確認" and then gives the
// notice, and Fesk.Ini holds the program's section byte for byte with its
// eleven keys in their order.  Then Fesk.exe runs on the same folder and a
// left-to-right stroke starts the program the editor registered.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

int main() {
  const char* name = "editor_save_handoff";
  const std::wstring folder = MakeTestFolder(L"editor_save_handoff");
  FillEditorFolder(folder);
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");
  const std::wstring app_folder = folder + L"\\アプリ 置き場";
  MakeFolders(app_folder);
  const std::wstring app = CopyInto(RecorderExe(), app_folder, L"app.exe");
  Check(!app.empty(), L"the recorder is in a folder with a Japanese name and a blank");

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"/Alr \"" + app + L"\"", folder, editor);
  if (!main) return Finish(name);

  // The hand-off made a new entry with the code and the program.
  CheckText(main, ids::kTitleField, L"<新規登録>", L"the new entry's title");
  CheckText(main, ids::kCommandField, app, L"the program handed over is the command");
  CheckText(main, ids::kFirstDirectionLine, L"右", L"the code \"lr\" reads as one move to the right");
  CheckEqual(static_cast<long long>(ListItems(Control(main, ids::kProgramList)).size()), 1,
             L"the list holds one entry");
  Check(WaitForFocus(main, ids::kTitleField), L"the title field has the focus");
  Screenshot(L"editor_save_handoff-started");

  // The title typed as a user types it; Enter stores it and moves on.
  const std::wstring title = L"メモ帳ﾃｽﾄ 1";
  Check(TypeInto(main, ids::kTitleField, title), L"the title is typed into title_field");
  PressKey(VK_RETURN);
  Check(WaitForFocus(main, ids::kCommandField), L"Enter moves on to the command field");
  std::vector<std::wstring> items = ListItems(Control(main, ids::kProgramList));
  CheckEqual(items.empty() ? L"" : items[0], L"0   " + title, L"the list item shows the number and the new title");

  Check(SaveThroughWindow(main, editor.id()), L"保 存: the question and the notice");
  std::optional<std::string> bytes = ReadFileBytes(folder + L"\\Fesk.Ini");
  Check(bytes.has_value(), L"the save wrote Fesk.Ini");
  ProgramKeys keys;
  keys.discription = title;
  keys.cmdline = app;
  keys.actcode = L"lr";
  const std::string expected = Cp932(L"[FESKIN]\r\nHINT=ON\r\n" + ProgramSectionText(0, keys));
  CheckBytes(bytes.value_or(""), expected, L"Fesk.Ini is HINT and CMD0 with the eleven keys in order, byte for byte");
  CheckBytes(ReadFileBytes(folder + L"\\FESK.TBL").value_or("(missing)"), "",
             L"the empty group tree gives an empty FESK.TBL");

  // 終 了 without unsaved changes ends the editor at once.
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  Check(editor.Wait(15000), L"終 了 ends the editor");
  CheckEqual(static_cast<long long>(editor.ExitCode().value_or(999)), 0, L"with exit code 0");

  // The launcher on the same folder starts what the editor registered.
  Process fesk = Start(folder + L"\\Fesk.exe", L"", folder);
  HWND launcher = WaitForTopWindow({L"TFFesk1", L"FESK", fesk.id()}, 30000);
  Check(launcher != nullptr, L"the launcher runs");
  if (!launcher) return Finish(name);
  if (WaitForWineTray(10000)) MoveWineTrayAway();
  WaitLauncherReady(launcher);
  Gesture({VK_SHIFT, VK_CONTROL}, {{300, 400}, {620, 400}}, 20, 30);
  std::vector<LaunchRecord> records = WaitForRecords(app_folder, 1, 15000, L"app.exe");
  CheckEqual(static_cast<long long>(records.size()), 1, L"the stroke \"lr\" started app.exe");
  if (!records.empty()) {
    CheckEqual(records[0].Arguments(), L"", L"without arguments (OPTION is empty)");
    Check(SamePath(records[0].work_folder, folder),
          L"in the launcher's folder, as WORKDIR is empty (" + records[0].work_folder + L")");
  }
  Pause(1000);
  CheckEqual(static_cast<long long>(ReadRecords(app_folder).size()), 1, L"and once only");
  return Finish(name);
}
