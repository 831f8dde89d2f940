// Both programs in a folder the user cannot write (as "C:\Program Files" is
// for a standard user): their settings live in "%APPDATA%\Fesk\".  Run in
// two steps by tests/wine/run-in-locked-folder.sh, which makes the folder
// unwritable between them (chattr +i) and writable again afterwards:
//
//   system_settings_elsewhere.exe fill FOLDER   the programs, a Fesk.Ini
//       with one program for the stroke "lr" and a FESK.TBL with one group;
//       no "%APPDATA%\Fesk" yet
//   system_settings_elsewhere.exe use FOLDER    with FOLDER unwritable:
//       the launcher copies both files into "%APPDATA%\Fesk" at its start,
//       a stroke starts the program, the version page names the file in
//       use, the dialog's OK saves there with no error box, a restarted
//       launcher reads the option saved there, and the editor started from
//       the tray shows the same program and saves there.  FOLDER itself is
//       never changed.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;
namespace launcher = fesk::e2e::launcher;

namespace {

const char* const kName = "system_settings_elsewhere";
constexpr wchar_t kStartErrorsBox[] = L"ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出";

std::wstring RecordsFolder() { return MakeTestFolder(L"system_settings_elsewhere-records"); }

std::wstring UserFolder() {
  wchar_t appdata[MAX_PATH * 2] = {};
  GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH * 2);
  return std::wstring(appdata) + L"\\Fesk";
}

// The folder as the Unix path the runner gives, seen through drive Z:.
std::wstring WindowsFolder(std::wstring path) {
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path.size() > 0 && path[0] == L'\\' ? L"Z:" + path : path;
}

// What a program in the folder finds when it tries to make a file there.
bool CanCreateFileIn(const std::wstring& folder) {
  const std::wstring probe = folder + L"\\probe.tmp";
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  DeleteFileW(probe.c_str());
  return true;
}

std::wstring SampleSettings(const std::wstring& records) {
  ProgramKeys registered{L"登録済み", records + L"\\app.exe"};
  registered.actcode = L"lr";
  registered.group = L"FESK\\道具";
  return L"[FESKIN]\r\nHINT=ON\r\n" + ProgramSectionText(0, registered);
}

int Fill(const std::wstring& folder) {
  RecordsFolder();
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the folder");
  Check(!CopyInto(EditorExe(), folder).empty(), L"FeskINI.exe is in the folder");
  Check(WriteCp932File(folder + L"\\Fesk.Ini", SampleSettings(RecordsFolder())), L"Fesk.Ini is beside them");
  Check(WriteCp932File(folder + L"\\FESK.TBL", L"FESK\r\n\t道具\r\n"), L"FESK.TBL is beside them");
  Check(RemoveTree(UserFolder()), L"there is no \"%APPDATA%\\Fesk\" yet");
  return Finish(kName);
}

// The launcher's box on page "動 作", the dialog shown.
HWND StartErrorsBox(HWND main) {
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && launcher::ChoosePage(tab, 0), L"page \"動 作\" is chosen");
  HWND box = FindChild(main, L"Button", kStartErrorsBox);
  Check(box != nullptr, L"the box \"ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出\" is there");
  return box;
}

// The error box of either program ("FESK", "FESK プログラム登録"), if one
// comes within a while.
bool NoErrorBox(DWORD pid, std::wstring_view caption) { return WaitForMessageBox(caption, 3000, pid) == nullptr; }

// The close box and 終了確認 OK: the way a user ends the launcher.
bool EndLauncher(HWND main, const Process& fesk) {
  PostToWindow(main, WM_CLOSE);
  return AnswerMessageBox(L"終了確認", IDOK, 15000, fesk.id()).has_value() && fesk.Wait(15000);
}

int Use(const std::wstring& folder) {
  const std::wstring records = RecordsFolder();
  Check(!CopyInto(RecorderExe(), records, L"app.exe").empty(), L"app.exe is in a folder of its own");
  const std::wstring user = UserFolder();
  const std::string beside_settings = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  const std::string beside_table = ReadFileBytes(folder + L"\\FESK.TBL").value_or("");
  Check(!beside_settings.empty() && !beside_table.empty(), L"both files lie beside the programs");
  Check(!CanCreateFileIn(folder), L"no file can be made in the programs' folder");
  Check(!FileExists(user), L"\"%APPDATA%\\Fesk\" is not there yet");

  // ---- First start: the files come along ------------------------------------------
  Process fesk;
  HWND main = launcher::StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  Check(ReadFileBytes(user + L"\\Fesk.Ini") == beside_settings, L"Fesk.Ini was copied into %APPDATA%\\Fesk");
  Check(ReadFileBytes(user + L"\\FESK.TBL") == beside_table, L"FESK.TBL was copied into %APPDATA%\\Fesk");

  WaitLauncherReady(main);
  Gesture({VK_SHIFT, VK_CONTROL}, {{250, 120}, {700, 120}}, 20, 30);
  CheckEqual(launcher::Count(WaitForRecords(records, 1, 10000, L"app.exe")), 1, L"the stroke starts its program");

  // ---- The version page and OK ------------------------------------------------------
  Check(launcher::ShowDialog(main), L"the dialog shows");
  const std::wstring in_use = L"設定ファイル:\r\n" + user + L"\\Fesk.Ini";
  HWND label = FindChild(main, L"Static", in_use);
  Check(label != nullptr && IsWindowVisible(label), L"the version page shows \"" + in_use + L"\"");
  Screenshot(L"system_settings_elsewhere-version");
  HWND box = StartErrorsBox(main);
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  if (!box || !ok) return Finish(kName);
  Check(ClickButton(box) && WaitUntil([&] { return !launcher::IsChecked(box); }, 3000),
        L"\"ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出\" is unticked");
  Check(ClickButton(ok) && launcher::WaitHidden(main), L"OK hides the dialog");
  Check(NoErrorBox(fesk.id(), L"FESK"), L"and shows no error box");
  const std::wstring saved = ReadCp932File(user + L"\\Fesk.Ini").value_or(L"");
  CheckEqual(launcher::IniValue(saved, L"SYSTEM", L"PRGERRMSG").value_or(L"-"), L"0",
             L"OK saved the option into %APPDATA%\\Fesk\\Fesk.Ini");
  CheckEqual(launcher::IniValue(saved, L"CMD0", L"DISCRIPTION").value_or(L"-"), L"登録済み",
             L"with the registered program carried over");
  Check(ReadFileBytes(folder + L"\\Fesk.Ini") == beside_settings, L"the Fesk.Ini beside the programs is unchanged");
  Check(EndLauncher(main, fesk), L"the launcher is ended with 終了確認");

  // ---- A restarted launcher reads the file --------------------------------------------
  main = launcher::StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  Check(launcher::ShowDialog(main), L"the restarted launcher's dialog shows");
  box = StartErrorsBox(main);
  Check(box && !launcher::IsChecked(box), L"\"ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出\" is unticked as saved in %APPDATA%\\Fesk");
  Check(ClickButton(FindChild(main, L"Button", L"キャンセル")) && launcher::WaitHidden(main),
        L"キャンセル hides the dialog");

  // ---- The editor from the tray -------------------------------------------------------------
  Check(PostTrayMessage(main, 0, WM_RBUTTONDOWN), L"a right click on the tray icon");
  HWND editor = WaitForStartedEditor();
  if (!CheckPlainEditor(editor, L"the right click")) return Finish(kName);
  const DWORD editor_pid = WindowProcess(editor);
  Check(TypeInto(editor, ids::kTitleField, L"登録済み 改"), L"a new title is typed");
  PressKey(VK_RETURN);
  Check(SaveThroughWindow(editor, editor_pid), L"保 存: the question and the notice, no error");
  const std::wstring edited = ReadCp932File(user + L"\\Fesk.Ini").value_or(L"");
  CheckEqual(launcher::IniValue(edited, L"CMD0", L"DISCRIPTION").value_or(L"-"), L"登録済み 改",
             L"the editor saved into %APPDATA%\\Fesk\\Fesk.Ini");
  CheckEqual(launcher::IniValue(edited, L"SYSTEM", L"PRGERRMSG").value_or(L"-"), L"0",
             L"and kept what the launcher saved there");
  CheckContains(ReadCp932File(user + L"\\FESK.TBL").value_or(L""), L"\t道具\r\n", L"and wrote its group table there");
  Check(EndEditor(editor), L"the editor is ended");
  Check(
      ReadFileBytes(folder + L"\\Fesk.Ini") == beside_settings && ReadFileBytes(folder + L"\\FESK.TBL") == beside_table,
      L"the files beside the programs are unchanged");
  Check(EndLauncher(main, fesk), L"the launcher is ended with 終了確認");
  RemoveTree(user);
  return Finish(kName);
}

}  // namespace

int main() {
  const std::vector<std::wstring> arguments = OwnArguments();
  if (arguments.size() != 2) {
    Log(L"usage: system_settings_elsewhere.exe fill|use FOLDER");
    return 1;
  }
  const std::wstring folder = WindowsFolder(arguments[1]);
  if (arguments[0] == L"fill") return Fill(folder);
  if (arguments[0] == L"use") return Use(folder);
  Log(L"unknown step " + arguments[0]);
  return 1;
}
