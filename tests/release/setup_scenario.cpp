// The setup program as a user meets it, in a Wine prefix where Fesk was
// never installed:
//
//   setup_scenario.exe <Fesk-2.3-setup.exe>
//
// - "/S" installs without a question into %LOCALAPPDATA%\Programs\Fesk: the
//   programs, the help, the read-me, the sample settings and the
//   uninstaller; Start-menu shortcuts for Fesk and FeskINI; the uninstall
//   entry under HKCU with its values;
// - Fesk started from there saves its settings there (OK on its dialog) and
//   registers itself to start with Windows;
// - a second "/S" while Fesk runs asks Fesk to end, and Fesk asks
//   "終了確認" as when its user closes it: キャンセル keeps it running and
//   the setup gives up without touching a file; OK ends it (exit code 0,
//   not killed), the files are replaced, the user's Fesk.Ini and FESK.TBL
//   stay, and Fesk runs again;
// - the uninstaller's "/S" ends Fesk the same way and leaves no program
//   file, no shortcut, no uninstall entry and no Run value "Fesk", and keeps
//   Fesk.Ini and FESK.TBL;
// - before all that, the wizard's first page is Japanese and キャンセル
//   installs nothing; after it, installed page by page, the last page
//   offers to start Fesk (ticked) and 完了 starts the installed Fesk.
// Run by tests/release/check_setup.sh under Wine; the exit code is the
// number of failed checks.
#include <string>
#include <vector>

#include "tests/e2e/launcher_scenario_support.h"
// After driver.h, which brings <windows.h>.
#include <objbase.h>
#include <shlobj.h>

using namespace fesk::e2e;
namespace launcher = fesk::e2e::launcher;

namespace {

const char* const kName = "setup_scenario";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Fesk";
const std::vector<std::wstring> kShipped = {L"Fesk.exe", L"FeskINI.exe", L"Fesk.html", L"お読みください.txt",
                                            L"Uninstall.exe"};

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

std::wstring InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Fesk"; }
std::wstring ShortcutFolder() { return KnownFolder(FOLDERID_Programs) + L"\\Fesk"; }

// Where a shortcut leads.
std::wstring ShortcutTarget(const std::wstring& link) {
  std::wstring target;
  IShellLinkW* shell_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shell_link)))) {
    return target;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t path[MAX_PATH * 2] = {};
    if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
        SUCCEEDED(shell_link->GetPath(path, MAX_PATH * 2, nullptr, 0))) {
      target = path;
    }
    file->Release();
  }
  shell_link->Release();
  return target;
}

std::optional<DWORD> RegistryNumber(const std::wstring& key, const wchar_t* name) {
  DWORD value = 0, size = sizeof value, type = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, &type, &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool UninstallEntryExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

int RunSetup(const std::wstring& setup, int timeout_ms) {
  Process process = Start(setup, L"/S");
  if (!process.Wait(timeout_ms)) return -1;
  return static_cast<int>(process.ExitCode().value_or(static_cast<DWORD>(-1)));
}

// The launcher's box on a page of its dialog.
HWND ActionPageBox(HWND main, std::wstring_view caption) {
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && launcher::ChoosePage(tab, 0), L"page \"動 作\" is chosen");
  HWND box = FindChild(main, L"Button", caption);
  Check(box != nullptr, L"the box \"" + std::wstring(caption) + L"\" is there");
  return box;
}

void CheckInstalled(const std::wstring& folder) {
  for (const std::wstring& name : kShipped) Check(FileExists(folder + L"\\" + name), name + L" is installed");
  Check(FileExists(folder + L"\\Fesk.Ini") && FileExists(folder + L"\\FESK.TBL"), L"with the sample settings");
  Check(SamePath(ShortcutTarget(ShortcutFolder() + L"\\Fesk.lnk"), folder + L"\\Fesk.exe"),
        L"the Start menu has Fesk, leading to the installed Fesk.exe");
  Check(SamePath(ShortcutTarget(ShortcutFolder() + L"\\FeskINI.lnk"), folder + L"\\FeskINI.exe"),
        L"and FeskINI, leading to the installed FeskINI.exe");
  auto value = [](const wchar_t* name) {
    return RegistryString(HKEY_CURRENT_USER, kUninstallKey, name).value_or(L"-");
  };
  CheckEqual(value(L"DisplayName"), L"Fesk", L"uninstall entry: DisplayName");
  CheckEqual(value(L"DisplayVersion"), L"2.3", L"uninstall entry: DisplayVersion");
  Check(SamePath(value(L"DisplayIcon"), folder + L"\\Fesk.exe"),
        L"uninstall entry: DisplayIcon " + value(L"DisplayIcon"));
  Check(SamePath(value(L"InstallLocation"), folder), L"uninstall entry: InstallLocation " + value(L"InstallLocation"));
  CheckEqual(value(L"UninstallString"), L"\"" + folder + L"\\Uninstall.exe\"", L"uninstall entry: UninstallString");
  CheckEqual(value(L"QuietUninstallString"), L"\"" + folder + L"\\Uninstall.exe\" /S",
             L"uninstall entry: QuietUninstallString");
  const DWORD size = RegistryNumber(kUninstallKey, L"EstimatedSize").value_or(0);
  Check(size >= 500 && size <= 5000, L"uninstall entry: EstimatedSize " + std::to_wstring(size) + L" KB");
}

// The program file of a running process.
std::wstring ProgramOf(DWORD process_id) {
  std::wstring path;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process) return path;
  wchar_t buffer[MAX_PATH * 2];
  DWORD size = MAX_PATH * 2;
  if (QueryFullProcessImageNameW(process, 0, buffer, &size)) path.assign(buffer, size);
  CloseHandle(process);
  return path;
}

// The wizard's button 1 (次へ, インストール), posted as a click is; true once
// the next page shows a button with this caption.
bool ClickNext(HWND wizard, std::wstring_view next_page_button) {
  PostToWindow(wizard, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(wizard, 1)));
  return WaitUntil(
      [&] {
        HWND button = FindChild(wizard, L"Button", next_page_button);
        return button != nullptr && IsWindowVisible(button);
      },
      60000, 100);
}

// The launcher that runs now, whoever started it.
HWND RunningLauncher(int timeout_ms) { return WaitForTopWindow({L"TFFesk1", L"FESK"}, timeout_ms); }

}  // namespace

int main() {
  const std::vector<std::wstring> arguments = OwnArguments();
  if (arguments.size() != 1) {
    Log(L"usage: setup_scenario.exe SETUP.exe");
    return 1;
  }
  const std::wstring setup = arguments[0];
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring folder = InstallFolder();
  Check(!FileExists(folder) && !UninstallEntryExists(), L"Fesk was never installed in this prefix");
  launcher::RemoveRunValue();

  // ---- The setup's first page, in Japanese; キャンセル installs nothing ----------------
  Process shown = Start(setup);
  WindowQuery wizard(L"#32770", L"Fesk 2.3 セットアップ", shown.id());
  wizard.visible_only = true;
  HWND page = WaitForTopWindow(wizard, 30000);
  Check(page != nullptr, L"without \"/S\" the setup shows \"Fesk 2.3 セットアップ\"");
  if (page) {
    Check(FindChild(page, L"Button", L"次へ(&N) >") != nullptr, L"with the button \"次へ(&N) >\"");
    Screenshot(L"setup-welcome");
    // Posted: the click asks its question before it returns.
    Check(PostToWindow(page, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(page, IDCANCEL))),
          L"キャンセル is pressed");
    // The question has the wizard's caption: it is the other window of it.
    HWND question = nullptr;
    WaitUntil(
        [&] {
          for (HWND window : FindTopWindows(wizard)) {
            if (window != page) question = window;
          }
          return question != nullptr;
        },
        15000);
    Check(question && PressButton(question, IDYES), L"and the question whether to stop answered はい");
  }
  Check(shown.Wait(30000), L"the setup ends");
  Check(!FileExists(folder) && !UninstallEntryExists(), L"and installed nothing");

  // ---- A silent install ------------------------------------------------------------
  CheckEqual(RunSetup(setup, 120000), 0, L"\"/S\" installs and ends with exit code 0");
  CheckInstalled(folder);

  // ---- Fesk from the install folder saves there ------------------------------------
  Process fesk;
  HWND main = launcher::StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  Check(launcher::ShowDialog(main), L"the dialog shows");
  Check(FindChild(main, L"Static", L"設定ファイル:\r\n" + folder + L"\\Fesk.Ini") != nullptr,
        L"the version page names the Fesk.Ini of the install folder");
  HWND errors = ActionPageBox(main, L"ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出");
  HWND with_windows = ActionPageBox(main, L"Windows起動時に自動起動");
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  if (!errors || !with_windows || !ok) return Finish(kName);
  Check(ClickButton(errors) && WaitUntil([&] { return !launcher::IsChecked(errors); }, 3000),
        L"\"ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出\" is unticked");
  Check(ClickButton(with_windows) && WaitUntil([&] { return launcher::IsChecked(with_windows); }, 3000),
        L"\"Windows起動時に自動起動\" is ticked");
  Check(ClickButton(ok) && launcher::WaitHidden(main), L"OK hides the dialog");
  Check(WaitForMessageBox(L"FESK", 3000, fesk.id()) == nullptr, L"and shows no error box");
  const std::wstring saved = ReadCp932File(folder + L"\\Fesk.Ini").value_or(L"");
  CheckEqual(launcher::IniValue(saved, L"SYSTEM", L"PRGERRMSG").value_or(L"-"), L"0",
             L"OK saved into the Fesk.Ini of the install folder");
  Check(!FileExists(KnownFolder(FOLDERID_RoamingAppData) + L"\\Fesk"), L"and nothing into %APPDATA%\\Fesk");
  const std::wstring run_value = launcher::RunValue().value_or(L"");
  CheckEqual(run_value, L"\"" + folder + L"\\Fesk.exe\"", L"the Run value \"Fesk\" starts the installed Fesk");

  // The user's group table, and a help file that the upgrade must replace.
  const std::string user_table = Cp932(L"FESK\r\n\t自分の道具\r\n");
  Check(WriteFileBytes(folder + L"\\FESK.TBL", user_table), L"the user's own FESK.TBL");
  const std::string help = ReadFileBytes(folder + L"\\Fesk.html").value_or("");
  Check(WriteFileBytes(folder + L"\\Fesk.html", "old help"), L"an older Fesk.html");
  const std::string settings_before = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");

  // ---- An upgrade that the user declines ---------------------------------------------
  Pause(500);
  Process declined = Start(setup, L"/S");
  Check(AnswerMessageBox(L"終了確認", IDCANCEL, 30000, fesk.id()).has_value(),
        L"the setup asks Fesk to end: Fesk asks \"終了確認\", answered キャンセル");
  Check(declined.Wait(60000), L"the setup gives up");
  CheckEqual(static_cast<long long>(declined.ExitCode().value_or(0)), 2, L"with exit code 2");
  Check(fesk.Running(), L"Fesk still runs");
  Check(ReadFileBytes(folder + L"\\Fesk.html") == std::string("old help"), L"and no file was replaced");

  // ---- The upgrade over the running Fesk --------------------------------------------------
  Process upgrade = Start(setup, L"/S");
  Check(AnswerMessageBox(L"終了確認", IDOK, 30000, fesk.id()).has_value(),
        L"the setup asks Fesk to end: \"終了確認\" answered OK");
  Check(fesk.Wait(15000), L"Fesk ends");
  CheckEqual(static_cast<long long>(fesk.ExitCode().value_or(99)), 0, L"by its own close (exit code 0), not killed");
  Check(upgrade.Wait(120000), L"the upgrade ends");
  CheckEqual(static_cast<long long>(upgrade.ExitCode().value_or(99)), 0, L"with exit code 0");
  Check(ReadFileBytes(folder + L"\\Fesk.html") == help, L"Fesk.html was replaced");
  Check(ReadFileBytes(folder + L"\\Fesk.Ini") == settings_before, L"the user's Fesk.Ini was kept");
  Check(ReadFileBytes(folder + L"\\FESK.TBL") == user_table, L"the user's FESK.TBL was kept");
  CheckInstalled(folder);
  main = RunningLauncher(30000);
  Check(main != nullptr && SamePath(ProgramOf(WindowProcess(main)), folder + L"\\Fesk.exe"),
        L"the silent upgrade started the installed Fesk again");
  // ---- The uninstaller ------------------------------------------------------------------------
  Process uninstaller = Start(folder + L"\\Uninstall.exe", L"/S");
  const DWORD restarted = main ? WindowProcess(main) : 0;
  Check(AnswerMessageBox(L"終了確認", IDOK, 30000, restarted).has_value(),
        L"the uninstaller asks Fesk to end: \"終了確認\" answered OK");
  // The uninstaller runs on as a copy of itself in the temporary folder.
  Check(WaitUntil([&] { return !FileExists(folder + L"\\Uninstall.exe") && !UninstallEntryExists(); }, 60000, 200),
        L"the silent uninstall finishes");
  Pause(1000);
  for (const std::wstring& name : kShipped) Check(!FileExists(folder + L"\\" + name), name + L" is removed");
  Check(!FileExists(ShortcutFolder()), L"the Start-menu shortcuts and their folder are removed");
  Check(!UninstallEntryExists(), L"the uninstall entry is removed");
  Check(!launcher::RunValue().has_value(), L"the Run value \"Fesk\" is removed");
  Check(ReadFileBytes(folder + L"\\Fesk.Ini") == settings_before, L"the user's Fesk.Ini stays");
  Check(ReadFileBytes(folder + L"\\FESK.TBL") == user_table, L"the user's FESK.TBL stays");
  CheckEqual(CountProcesses(L"Fesk.exe"), 0, L"no Fesk runs");

  // ---- Installed page by page; the last page starts Fesk ------------------------------------
  Process wizard_run = Start(setup);
  WindowQuery pages_query(L"#32770", L"Fesk 2.3 セットアップ", wizard_run.id());
  pages_query.visible_only = true;
  HWND pages = WaitForTopWindow(pages_query, 30000);
  Check(pages != nullptr, L"the setup's wizard shows");
  if (!pages) return Finish(kName);
  Check(ClickNext(pages, L"参照(&R)..."), L"次へ: the folder page");
  CheckEqual(WindowText(FindChild(pages, L"Edit")), folder, L"it offers the install folder");
  Check(ClickNext(pages, L"Fesk を起動する(&R)"), L"インストール: the last page offers to start Fesk");
  HWND start_now = FindChild(pages, L"Button", L"Fesk を起動する(&R)");
  Check(start_now && launcher::IsChecked(start_now), L"ticked");
  Screenshot(L"setup-finish");
  Check(PostToWindow(pages, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(pages, 1))),
        L"完了 is pressed");
  Check(wizard_run.Wait(30000), L"the setup ends");
  main = RunningLauncher(30000);
  Check(main != nullptr && SamePath(ProgramOf(WindowProcess(main)), folder + L"\\Fesk.exe"),
        L"and the installed Fesk runs");
  Check(ReadFileBytes(folder + L"\\Fesk.Ini") == settings_before, L"on the user's Fesk.Ini");
  launcher::RemoveRunValue();
  return Finish(kName);
}
