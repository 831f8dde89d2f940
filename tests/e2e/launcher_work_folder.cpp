// A program started in its work folder leaves that folder free: the
// launcher is not left in it, so another process can remove or rename it
// (a process's current folder can be neither, and the stick that holds it
// cannot be ejected, for as long as the process runs).  Wine refuses to
// remove a current folder (error 32) as Windows does.
//
//   CMD0 shortcut Shift+Alt+W -> app.exe, WORKDIR <folder>\work (empty)
//   CMD1 shortcut Shift+Alt+T -> "tool.exe", no folder, WORKDIR <folder>\tools
//
// The second command names no folder: the shell looks for it in the current
// folder, the work folder while the launcher starts it.
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

void PressShortcut(WORD key) { HeldKeys held({VK_SHIFT, VK_MENU, key}, 300); }

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_work_folder");
  const std::wstring work = folder + L"\\work";
  const std::wstring tools = folder + L"\\tools";
  Check(MakeFolders(work) && MakeFolders(tools), L"the work folders exist");
  Check(!CopyInto(RecorderExe(), tools, L"tool.exe").empty(), L"tool.exe is in the tools folder");
  FillFolder(folder, {L"app.exe"},
             Section(L"CMD0", {{L"DISCRIPTION", L"作業フォルダー"},
                               {L"CMDLINE", folder + L"\\app.exe"},
                               {L"WORKDIR", work},
                               {L"HOTKEY", L"Shift+Alt+W"}}) +
                 Section(L"CMD1", {{L"DISCRIPTION", L"道具"},
                                   {L"CMDLINE", L"tool.exe"},
                                   {L"WORKDIR", tools},
                                   {L"HOTKEY", L"Shift+Alt+T"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_work_folder");

  // 1. The program starts in its work folder, which can then be removed.
  PressShortcut('W');
  std::vector<LaunchRecord> apps = WaitForRecords(folder, 1, 15000, L"app.exe");
  CheckEqual(Count(apps), 1, L"Shift+Alt+W started app.exe");
  if (!apps.empty()) Check(SamePath(apps[0].work_folder, work), L"in its work folder (" + apps[0].work_folder + L")");
  Check(WaitUntil([] { return CountProcesses(L"app.exe") == 0; }, 10000), L"app.exe has ended");
  const bool removed = RemoveDirectoryW(work.c_str()) != 0;
  const DWORD remove_error = GetLastError();
  Check(removed, L"another process removes the work folder (error " + std::to_wstring(remove_error) + L")");

  // 2. A command without a folder is found in its work folder, which can
  //    then be renamed.
  PressShortcut('T');
  std::vector<LaunchRecord> tool_runs = WaitForRecords(tools, 1, 15000, L"tool.exe");
  CheckEqual(Count(tool_runs), 1, L"Shift+Alt+T started tool.exe from its work folder");
  if (!tool_runs.empty()) {
    Check(SamePath(tool_runs[0].work_folder, tools), L"in its work folder (" + tool_runs[0].work_folder + L")");
  }
  Check(WaitUntil([] { return CountProcesses(L"tool.exe") == 0; }, 10000), L"tool.exe has ended");
  const std::wstring renamed = folder + L"\\tools-renamed";
  const bool moved = MoveFileW(tools.c_str(), renamed.c_str()) != 0;
  const DWORD move_error = GetLastError();
  Check(moved, L"another process renames the work folder (error " + std::to_wstring(move_error) + L")");

  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish("launcher_work_folder");
}
