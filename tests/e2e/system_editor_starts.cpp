// The ways the launcher opens the real editor of its folder: a right click
// on its tray icon (no parameters: the first program is shown), the Window
// service "FESKﾌﾟﾛｸﾞﾗﾑ登録" on a Ctrl+Alt stroke from right to left, and a
// file dropped on its window (the path in quotes: a new entry with that
// command, the title still "<新規登録>").  Each editor is ended before the
// next start, as only one may run.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "system_editor_starts";

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"system_editor_starts");
  ProgramKeys registered{L"登録済み", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, L"[SYSTEM]\r\nTRIGGER4=1\r\nWinService4=6\r\n" + ProgramSectionText(0, registered));
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");
  const std::wstring drop_folder = folder + L"\\日本語 フォルダ";
  MakeFolders(drop_folder);
  const std::wstring dropped = drop_folder + L"\\ツール.exe";
  Check(!CopyInto(RecorderExe(), drop_folder, L"ツール.exe").empty(), L"a program to drop");

  Process fesk;
  HWND launcher = fesk::e2e::launcher::StartLauncher(folder, fesk);
  if (!launcher) return Finish(kName);
  WaitLauncherReady(launcher);

  // ---- Right click on the tray icon ----
  Check(PostTrayMessage(launcher, 0, WM_RBUTTONDOWN), L"a right click on the launcher's tray icon");
  HWND editor = WaitForStartedEditor();
  if (CheckPlainEditor(editor, L"the right click")) Check(EndEditor(editor), L"the editor is ended");

  // ---- Window service 6 on Ctrl+Alt, right to left ----
  WaitLauncherReady(launcher);
  Gesture({VK_CONTROL, VK_MENU}, {{700, 120}, {350, 120}}, 20, 30);
  editor = WaitForStartedEditor();
  Check(editor != nullptr, L"the Window service \"FESKﾌﾟﾛｸﾞﾗﾑ登録\" starts the editor");
  if (editor) {
    CheckText(editor, ids::kTitleField, L"登録済み", L"again without parameters");
    Check(EndEditor(editor), L"the editor is ended");
  }

  // ---- A file dropped on the launcher ----
  Check(DropFiles(launcher, {dropped}), L"a file in a Japanese folder is dropped on the launcher");
  editor = WaitForStartedEditor();
  Check(editor != nullptr, L"the drop starts the editor");
  if (editor) {
    CheckText(editor, ids::kCommandField, dropped, L"with the dropped path as the new entry's command");
    CheckText(editor, ids::kTitleField, L"<新規登録>", L"the title is left for the user");
    CheckEqual(static_cast<long long>(ListItems(Control(editor, ids::kProgramList)).size()), 2,
               L"next to the registered program");
    Screenshot(L"system_editor_starts-dropped");
    Check(EndEditor(editor), L"the editor is ended");
  }
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish(kName);
}
