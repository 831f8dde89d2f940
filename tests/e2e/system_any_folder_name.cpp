// Both programs copied into a folder whose name code page 932 cannot spell
// ("José Müller Ωmega": é and ü have no code there, Ω has) and that has
// blanks, run under the locale the runner gives (Japanese, and English as
// a user outside Japan has it).  The programs find their own files by the
// folder's real name:
//   - a stroke starts the program registered in that folder's Fesk.Ini;
//   - OK in the launcher's dialog writes that Fesk.Ini, and no file appears
//     or changes anywhere else under the test folder;
//   - the Run value "Fesk" names the launcher's real path, quoted;
//   - the editor started from the tray opens on the same program and saves
//     into the same Fesk.Ini;
//   - ﾏｳｽ･ｱｸｼｮﾝ転送 hands the stroke over to that editor.
#include <map>

#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;
using fesk::e2e::launcher::RunValue;
using fesk::e2e::launcher::RunValueCleanup;

namespace {

const char* const kName = "system_any_folder_name";
constexpr wchar_t kFolderName[] = L"José Müller Ωmega";

// Every file under `folder` by its path, with its size and last write time,
// so that a file written, however alike, shows as changed.
using Listing = std::map<std::wstring, std::pair<unsigned long long, unsigned long long>>;

void ListInto(const std::wstring& folder, Listing& listing) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      listing[path + L"\\"] = {0, 0};
      ListInto(path, listing);
    } else {
      listing[path] = {(static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
                       (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                           found.ftLastWriteTime.dwLowDateTime};
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

Listing ListOf(const std::wstring& folder) {
  Listing listing;
  ListInto(folder, listing);
  return listing;
}

// What differs between two listings, one path a line.
std::wstring Differences(const Listing& before, const Listing& after) {
  std::wstring out;
  for (const auto& [path, facts] : after) {
    auto it = before.find(path);
    if (it == before.end())
      out += L"new: " + path + L"\n";
    else if (it->second != facts)
      out += L"changed: " + path + L"\n";
  }
  for (const auto& [path, facts] : before) {
    if (!after.count(path)) out += L"gone: " + path + L"\n";
  }
  return out;
}

std::optional<std::wstring> SystemValue(const std::wstring& folder, std::wstring_view key) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return std::nullopt;
  return launcher::IniValue(*text, L"SYSTEM", key);
}

// Page "動 作" chosen as a click on its tab does.  Not by a click: under an
// English locale the tabs are drawn wider and the first may be scrolled out
// of the tab strip.
bool ActionPage(HWND launcher) {
  HWND tab = FindChild(launcher, WC_TABCONTROLW);
  return tab && launcher::ChoosePage(tab, 0);
}

}  // namespace

int main() {
  RunValueCleanup cleanup;
  launcher::RemoveRunValue();
  const std::wstring root = MakeTestFolder(L"system_any_folder_name");
  const std::wstring apps = root + L"\\apps";
  const std::wstring folder = root + L"\\" + kFolderName + L"\\Fesk";
  Check(MakeFolders(apps) && MakeFolders(folder), L"the install folder " + folder);
  Check(GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES, L"the folder exists by its real name");
  Check(!CopyInto(RecorderExe(), apps, L"app.exe").empty(), L"the registered program is a recorder");

  ProgramKeys registered{L"登録済み", apps + L"\\app.exe"};
  registered.workdir = apps;
  registered.actcode = L"lr";
  FillEditorFolder(folder, launcher::Section(L"SYSTEM", {{L"SENMIN", L"100"}, {L"TRIGGER3", L"1"}}) +
                               ProgramSectionText(0, registered));
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the install folder");

  Process fesk;
  HWND main = launcher::StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  WaitLauncherReady(main);

  // ---- A stroke starts the program its own Fesk.Ini registers ----------------------
  Gesture({VK_SHIFT, VK_CONTROL}, {{250, 150}, {700, 150}}, 20, 30);
  CheckEqual(static_cast<long long>(WaitForRecords(apps, 1, 15000, L"app.exe").size()), 1,
             L"the stroke started the registered app.exe");
  Pause(500);

  // ---- OK writes that Fesk.Ini and nothing else; the Run value names the launcher ----
  const Listing before = ListOf(root);
  Check(launcher::ShowDialog(main), L"a tray click shows the launcher's dialog");
  Check(ActionPage(main), L"on its page \"動 作\"");
  HWND auto_start = FindChild(main, L"Button", L"Windows起動時に自動起動");
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  Check(auto_start && ok, L"the box \"Windows起動時に自動起動\" and OK are there");
  if (!auto_start || !ok) return Finish(kName);
  Check(ClickButton(auto_start), L"\"Windows起動時に自動起動\" is clicked");
  Check(WaitUntil([&] { return launcher::IsChecked(auto_start); }, 3000), L"and ticked");
  Screenshot(L"system_any_folder_name-1-dialog");
  Check(ClickButton(ok), L"OK is pressed");
  Check(launcher::WaitHidden(main), L"OK hides the dialog, with no error box");
  CheckEqual(SystemValue(folder, L"AUTOSTART").value_or(L"(none)"), L"1", L"the folder's Fesk.Ini took the OK");
  Listing after = ListOf(root);
  after.erase(folder + L"\\Fesk.Ini");
  Listing expected = before;
  expected.erase(folder + L"\\Fesk.Ini");
  CheckEqual(Differences(expected, after), L"", L"no other file was written under the test folder");

  const std::optional<std::wstring> value = RunValue();
  Check(value.has_value(), L"OK wrote the Run value \"Fesk\"");
  if (value) {
    Check(value->size() > 2 && value->front() == L'"' && value->back() == L'"', L"quoted (" + *value + L")");
    Check(value->size() > 2 && SamePath(value->substr(1, value->size() - 2), folder + L"\\Fesk.exe"),
          L"naming the launcher by its real path (" + *value + L")");
  }

  // ---- The editor from the tray opens on the same program and saves there ----------
  WaitLauncherReady(main);
  Check(PostTrayMessage(main, 0, WM_RBUTTONDOWN), L"a right click on the launcher's tray icon");
  HWND editor = WaitForStartedEditor();
  if (CheckPlainEditor(editor, L"the right click")) {
    Screenshot(L"system_any_folder_name-2-editor");
    Check(SaveThroughWindow(editor, WindowProcess(editor)), L"the editor saves without an error");
    const std::optional<std::string> saved = ReadFileBytes(folder + L"\\Fesk.Ini");
    Check(saved && SectionBytes(*saved, "CMD0").find(Cp932Bytes(L"DISCRIPTION=登録済み")) != std::string::npos,
          L"into the folder's Fesk.Ini, with the program");
    Check(EndEditor(editor), L"the editor is ended");
  }

  // ---- ﾏｳｽ･ｱｸｼｮﾝ転送 hands the stroke over ------------------------------------------
  WaitLauncherReady(main);
  Gesture({VK_SHIFT, VK_CONTROL}, {{250, 150}, {700, 150}}, 20, 30);
  Pause(500);
  Check(launcher::ShowDialog(main), L"the dialog shows again");
  Check(ActionPage(main), L"on its page \"動 作\"");
  HWND handed = TransferToEditor(main);
  if (handed) {
    Screenshot(L"system_any_folder_name-3-transfer");
    Check(EndEditor(handed), L"the editor is ended");
  }
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish(kName);
}
