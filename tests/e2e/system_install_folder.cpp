// Both programs installed where users install programs: in a folder whose
// path has a blank ("...\Program Files\Fesk").  Beside "Program Files" lies
// a decoy "Program.exe" (a recorder copy), the file Windows starts when it
// reads an unquoted "...\Program Files\Fesk\FESKINI.EXE" up to the blank.
// (Wine quotes an unquoted program path it can resolve itself, so without
// the decoy the fault would not show here.)  The launcher starts the editor
// three ways: a right click on its tray icon, 手動設定 and ﾏｳｽ･ｱｸｼｮﾝ転送.
// Each time the editor of the folder opens on the registered program (the
// transfer on a new entry with an empty command) and the decoy never runs.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "system_install_folder";

// The started editor shows the registered program and no new entry.
void CheckPlainEditorAndEnd(HWND editor, std::wstring_view how) {
  if (CheckPlainEditor(editor, how)) Check(EndEditor(editor), L"the editor is ended");
}

}  // namespace

int main() {
  const std::wstring root = MakeTestFolder(L"system_install_folder");
  const std::wstring folder = root + L"\\Program Files\\Fesk";
  Check(MakeFolders(folder), L"an install folder with a blank in its path");
  Check(!CopyInto(RecorderExe(), root, L"Program.exe").empty(), L"the decoy Program.exe beside it");
  ProgramKeys registered{L"登録済み", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, ProgramSectionText(0, registered));
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the install folder");

  Process fesk;
  HWND launcher = fesk::e2e::launcher::StartLauncher(folder, fesk);
  if (!launcher) return Finish(kName);
  WaitLauncherReady(launcher);

  Check(PostTrayMessage(launcher, 0, WM_RBUTTONDOWN), L"a right click on the launcher's tray icon");
  CheckPlainEditorAndEnd(WaitForStartedEditor(), L"the right click");

  // A stroke first, so that ﾏｳｽ･ｱｸｼｮﾝ転送 has a code to hand over.
  WaitLauncherReady(launcher);
  Gesture({VK_SHIFT, VK_CONTROL}, {{250, 120}, {700, 120}}, 20, 30);
  Pause(500);

  Check(launcher::ShowDialog(launcher), L"a tray click shows the launcher's dialog");
  Check(ShowLauncherActionPage(launcher), L"on its page \"動 作\"");
  Check(ClickControl(LauncherButton(launcher, L"手動設定")), L"手動設定 is clicked");
  CheckPlainEditorAndEnd(WaitForStartedEditor(), L"手動設定");

  HWND handed = TransferToEditor(launcher);
  if (handed) {
    CheckText(handed, ids::kCommandField, L"",
              L"its command is empty: no part of the editor's path was taken as a program");
    Screenshot(L"system_install_folder-transfer");
    Check(EndEditor(handed), L"the editor is ended");
  }

  Pause(1000);
  CheckEqual(static_cast<long long>(ReadRecords(root, L"Program.exe").size()), 0,
             L"the decoy Program.exe was never started");
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish(kName);
}
