// The editor keeps what the launcher wrote to its section SYSTEM.  The
// launcher's OK writes the two keys of page "動 作" that the editor does not
// know, FULLSCREENQUIET=0 ("全画面表示中は休止" unticked) and AUTOSTART=1
// ("Windows起動時に自動起動" ticked), and PREVIEW=0 ("実行内容を表示" on page
// "ﾏｳｽACT" unticked), beside a key of a later version that neither program
// knows, and writes back the programs it leaves alone (QUIETPROGRAMS, one
// name with a double-byte character whose trail byte is the separator "|").
// A title typed in FeskINI.exe and saved with 保 存
// rewrites the file: section SYSTEM comes back line for line.  A launcher
// started anew on the file shows both boxes as they were saved.  The Run
// value "Fesk" that the tick registers is removed before and after.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;
namespace launcher = fesk::e2e::launcher;

namespace {

const char* const kName = "system_launcher_keys_kept";
constexpr wchar_t kQuietPrograms[] = L"mspaint.exe|ポスター.exe";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void RemoveRunValue() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueW(key, L"Fesk");
  RegCloseKey(key);
}

struct RunValueCleanup {
  ~RunValueCleanup() { RemoveRunValue(); }
};

// The lines of section SYSTEM, in their order.
std::vector<std::wstring> SystemLines(const std::wstring& folder) {
  std::vector<std::wstring> lines;
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return lines;
  bool inside = false;
  std::size_t start = 0;
  while (start < text->size()) {
    std::size_t end = text->find(L'\n', start);
    if (end == std::wstring::npos) end = text->size();
    std::wstring line = text->substr(start, end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    if (!line.empty() && line.front() == L'[')
      inside = line == L"[SYSTEM]";
    else if (inside && !line.empty())
      lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool Has(const std::vector<std::wstring>& lines, std::wstring_view line) {
  for (const std::wstring& l : lines) {
    if (l == line) return true;
  }
  return false;
}

// Shows the launcher's dialog on a page ("動 作" unless told) and finds one
// of its boxes.
HWND ActionPageBox(HWND main, std::wstring_view caption, int page = 0) {
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab && launcher::ChoosePage(tab, page), L"page " + std::to_wstring(page) + L" is chosen");
  HWND box = FindChild(main, L"Button", caption);
  Check(box != nullptr, L"the box \"" + std::wstring(caption) + L"\" is there");
  return box;
}

}  // namespace

int main() {
  RunValueCleanup cleanup;
  RemoveRunValue();
  const std::wstring folder = MakeTestFolder(L"system_launcher_keys_kept");
  ProgramKeys program{L"メモ帳", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, std::wstring(L"[SYSTEM]\r\nLATERKEY=後の版\r\nQUIETPROGRAMS=") + kQuietPrograms + L"\r\n" +
                               ProgramSectionText(0, program));
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");

  // ---- The launcher writes the two keys ----------------------------------------
  Process fesk;
  HWND main = launcher::StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  Check(launcher::ShowDialog(main), L"the launcher's dialog shows");
  HWND quiet = ActionPageBox(main, L"全画面表示中は休止");
  HWND start = ActionPageBox(main, L"Windows起動時に自動起動");
  HWND preview = ActionPageBox(main, L"実行内容を表示", 1);
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  if (!quiet || !start || !preview || !ok) return Finish(kName);
  Check(ClickButton(preview) && WaitUntil([&] { return !launcher::IsChecked(preview); }, 3000),
        L"\"実行内容を表示\" is unticked");
  Check(ClickButton(quiet) && WaitUntil([&] { return !launcher::IsChecked(quiet); }, 3000),
        L"\"全画面表示中は休止\" is unticked");
  Check(ClickButton(start) && WaitUntil([&] { return launcher::IsChecked(start); }, 3000),
        L"\"Windows起動時に自動起動\" is ticked");
  Check(ClickButton(ok), L"OK is pressed");
  Check(launcher::WaitHidden(main), L"OK hides the dialog");
  const std::vector<std::wstring> written = SystemLines(folder);
  Check(Has(written, L"FULLSCREENQUIET=0"), L"the launcher wrote FULLSCREENQUIET=0");
  Check(Has(written, L"AUTOSTART=1"), L"the launcher wrote AUTOSTART=1");
  Check(Has(written, L"PREVIEW=0"), L"the launcher wrote PREVIEW=0");
  Check(Has(written, L"LATERKEY=後の版"), L"and kept the key it does not know");
  Check(Has(written, std::wstring(L"QUIETPROGRAMS=") + kQuietPrograms), L"and wrote QUIETPROGRAMS back");
  Check(fesk.Kill(), L"the launcher is ended");
  fesk.Wait(10000);

  // ---- The editor saves --------------------------------------------------------
  Process editor;
  HWND form = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!form) return Finish(kName);
  Check(TypeInto(form, ids::kTitleField, L"メモ帳 改"), L"a new title is typed");
  PressKey(VK_RETURN);
  Check(SaveThroughWindow(form, editor.id()), L"保 存: the question and the notice");
  std::optional<std::wstring> saved = ReadCp932File(folder + L"\\Fesk.Ini");
  CheckContains(saved.value_or(L""), L"DISCRIPTION=メモ帳 改\r\n", L"the save wrote the new title");
  const std::vector<std::wstring> after = SystemLines(folder);
  Check(after == written, L"section SYSTEM is line for line what the launcher wrote (" + std::to_wstring(after.size()) +
                              L" lines, " + std::to_wstring(written.size()) + L" before)");
  Check(EndEditor(form), L"the editor is ended");

  // ---- A new launcher reads them back ----------------------------------------------
  main = launcher::StartLauncher(folder, fesk);
  if (!main) return Finish(kName);
  Check(launcher::ShowDialog(main), L"the new launcher's dialog shows");
  quiet = ActionPageBox(main, L"全画面表示中は休止");
  start = ActionPageBox(main, L"Windows起動時に自動起動");
  Check(quiet && !launcher::IsChecked(quiet), L"\"全画面表示中は休止\" is unticked as saved");
  Check(start && launcher::IsChecked(start), L"\"Windows起動時に自動起動\" is ticked: the Run value is there");
  preview = ActionPageBox(main, L"実行内容を表示", 1);
  Check(preview && !launcher::IsChecked(preview), L"\"実行内容を表示\" is unticked as saved");
  Screenshot(L"system_launcher_keys_kept-page");
  return Finish(kName);
}
