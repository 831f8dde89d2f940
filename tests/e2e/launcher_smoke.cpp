// The launcher's main paths in one run: a Shift+Ctrl stroke starts the
// program registered for its code, files dropped on the launcher each start
// the editor with the file's path, a right click on its tray icon starts the
// editor, a left click shows its settings.  The programs it starts are
// recorder copies named app.exe and FESKINI.EXE.
#include "tests/e2e/driver/driver.h"

using namespace fesk::e2e;

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_smoke");
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");
  CopyInto(RecorderExe(), folder, L"app.exe");
  CopyInto(RecorderExe(), folder, L"FESKINI.EXE");
  WriteCp932File(folder + L"\\Fesk.Ini",
                 L"[SYSTEM]\r\nMODE=0\r\n"
                 L"[CMD0]\r\nDISCRIPTION=アプリ\r\nCMDLINE=" +
                     folder +
                     L"\\app.exe\r\n"
                     L"OPTION=/x\r\nWORKDIR=" +
                     folder + L"\r\nACTCODE=lr\r\nRUNPOS=111111111\r\n");

  Process fesk = Start(folder + L"\\Fesk.exe", L"", folder);
  HWND main = WaitForTopWindow({L"TFFesk1", L"FESK", fesk.id()}, 30000);
  Check(main != nullptr, L"the launcher's main window exists");
  if (!main) return Finish("launcher_smoke");
  Check(!IsWindowVisible(main), L"it is hidden");
  if (WaitForWineTray(10000)) Check(MoveWineTrayAway(), L"Wine's tray window is out of the way");

  // A stroke from left to right over the bare desktop: code "lr".
  Gesture({VK_SHIFT, VK_CONTROL}, {{300, 400}, {600, 400}});
  std::vector<LaunchRecord> apps = WaitForRecords(folder, 1, 15000, L"app.exe");
  CheckEqual(static_cast<long long>(apps.size()), 1, L"the stroke started app.exe once");
  if (!apps.empty()) {
    CheckEqual(apps[0].Arguments(), L"/x", L"with its OPTION as arguments");
    Check(SamePath(apps[0].work_folder, folder), L"in its WORKDIR (" + apps[0].work_folder + L")");
  }

  // Each dropped file starts the editor with the path in quotes.
  const std::wstring japanese_folder = folder + L"\\日本語 フォルダ";
  MakeFolders(japanese_folder);
  const std::wstring first = folder + L"\\one.txt", second = japanese_folder + L"\\二.txt";
  WriteCp932File(first, L"1");
  WriteCp932File(second, L"2");
  Check(DropFiles(main, {first, second}), L"two files are dropped on the launcher");
  std::vector<LaunchRecord> editors = WaitForRecords(folder, 2, 15000, L"FESKINI.EXE");
  CheckEqual(static_cast<long long>(editors.size()), 2, L"the editor started twice");
  if (editors.size() == 2) {
    // Started one after the other; they may record in either order.
    std::wstring arguments = editors[0].Arguments() + L"|" + editors[1].Arguments();
    CheckContains(arguments, L"\"" + first + L"\"", L"one editor got the first path");
    CheckContains(arguments, L"\"" + second + L"\"", L"one editor got the path in a Japanese folder");
  }

  // The tray icon: right button starts the editor, left button shows the settings.
  Check(PostTrayMessage(main, 0, WM_RBUTTONDOWN), L"a right click on the tray icon");
  editors = WaitForRecords(folder, 3, 15000, L"FESKINI.EXE");
  CheckEqual(static_cast<long long>(editors.size()), 3, L"the editor started a third time");
  if (editors.size() == 3) CheckEqual(editors[2].Arguments(), L"", L"without arguments");
  Check(PostTrayMessage(main, 0, WM_LBUTTONDOWN), L"a left click on the tray icon");
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"the settings show");
  Screenshot(L"launcher_smoke-settings");

  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"one launcher runs");
  return Finish("launcher_smoke");
}
