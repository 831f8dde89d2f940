// ﾃﾞｽｸﾄｯﾌﾟ through the real window, on the desktop folder the editor looks
// for first: the Windows directory, "\Profiles\", the logon name,
// "\ﾃﾞｽｸﾄｯﾌﾟ" (made here for the test and removed afterwards).  Every entry
// but "." and ".." is offered in its own box, a sub-folder too; Yes
// registers it (title: the name, command: the folder, "\" and the name), No
// passes over it; a second import is cancelled at its second entry.
#include <algorithm>

#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_desktop_import";
constexpr wchar_t kCaption[] = L"ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録";

// The name an entry's box offers: the text is the name in quotes, "を", a
// line break, "FESKに登録します".
std::wstring OfferedName(const std::wstring& text) {
  const std::wstring tail = L"\"を\r\nFESKに登録します";
  if (text.size() < tail.size() + 1 || text.front() != L'"' || text.substr(text.size() - tail.size()) != tail)
    return {};
  return text.substr(1, text.size() - tail.size() - 1);
}

}  // namespace

int main() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  wchar_t user[256] = {};
  DWORD user_length = 256;
  GetUserNameW(user, &user_length);
  const std::wstring profiles = std::wstring(windows) + L"\\Profiles";
  const bool made_profiles = !FileExists(profiles);
  const std::wstring desktop = profiles + L"\\" + user + L"\\ﾃﾞｽｸﾄｯﾌﾟ";
  Log(L"desktop folder: " + desktop);
  RemoveTree(desktop);
  Check(MakeFolders(desktop + L"\\ｻﾌﾞ ﾌｫﾙﾀﾞ"), L"the desktop folder with a sub-folder is made");
  const std::vector<std::wstring> entries = {L"メモ.txt", L"ショートカット.lnk", L"ｻﾌﾞ ﾌｫﾙﾀﾞ"};
  WriteCp932File(desktop + L"\\" + entries[0], L"x");
  WriteCp932File(desktop + L"\\" + entries[1], L"x");

  const std::wstring folder = MakeTestFolder(L"editor_desktop_import");
  ProgramKeys first{L"最初", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, ProgramSectionText(0, first));
  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND list = Control(main, ids::kProgramList);

  // ---- Import: Yes, No, Yes in the order offered ----
  BringToFront(main);
  ClickId(main, ids::kDesktopButton);
  AnswerBox(kCaption, L"ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録ﾌﾟﾛｸﾞﾗﾑとして\r\n取り込みます", IDOK, pid);
  std::vector<std::wstring> offered, registered;
  for (int i = 0; i < 10; ++i) {
    HWND box = WaitForMessageBox(kCaption, i < 3 ? 15000 : 3000, pid);
    if (!box) break;
    std::optional<MessageBoxInfo> info = ReadMessageBox(box);
    const std::wstring name = info ? OfferedName(info->text) : std::wstring();
    Check(!name.empty(), L"an entry is offered: " + (info ? info->text : std::wstring()));
    if (info)
      Check(info->HasButton(IDYES) && info->HasButton(IDNO) && info->HasButton(IDCANCEL), L"with Yes, No and Cancel");
    if (offered.empty()) Screenshot(L"editor_desktop_import-offer");
    offered.push_back(name);
    const bool yes = offered.size() != 2;
    if (yes) registered.push_back(name);
    PressButton(box, yes ? IDYES : IDNO);
    WaitTopWindowGone(box, 10000);
  }
  std::vector<std::wstring> sorted_offered = offered, sorted_entries = entries;
  std::sort(sorted_offered.begin(), sorted_offered.end());
  std::sort(sorted_entries.begin(), sorted_entries.end());
  Check(sorted_offered == sorted_entries, L"each entry, the sub-folder too, was offered once, and nothing else");
  std::vector<std::wstring> expected_items = {L"0   最初"};
  for (std::size_t i = 0; i < registered.size(); ++i)
    expected_items.push_back(std::to_wstring(i + 1) + L"   " + registered[i]);
  Check(WaitUntil([&] { return ListItems(list) == expected_items; }, 5000), L"Yes registered an entry, No did not");
  if (!registered.empty()) {
    CheckText(main, ids::kTitleField, registered.back(), L"the last one is selected, titled by its name");
    CheckText(main, ids::kCommandField, desktop + L"\\" + registered.back(),
              L"its command is the desktop folder and the name");
  }

  // ---- A second import, cancelled at its second entry ----
  BringToFront(main);
  ClickId(main, ids::kDesktopButton);
  AnswerBox(kCaption, {}, IDOK, pid);
  AnswerBox(kCaption, {}, IDYES, pid);
  AnswerBox(kCaption, {}, IDCANCEL, pid);
  Pause(1500);
  Check(FindTopWindow({L"#32770", kCaption, pid}) == nullptr, L"Cancel ends the import");
  CheckEqual(static_cast<long long>(ListItems(list).size()), static_cast<long long>(expected_items.size() + 1),
             L"only the entry before the cancel was registered");

  // ---- Saved ----
  Check(SaveThroughWindow(main, pid), L"保 存");
  const std::string file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  for (std::size_t i = 0; i < registered.size(); ++i) {
    ProgramKeys keys{registered[i], desktop + L"\\" + registered[i]};
    CheckBytes(SectionBytes(file, "CMD" + std::to_string(i + 1)),
               Cp932(ProgramSectionText(static_cast<int>(i + 1), keys)),
               L"CMD" + std::to_wstring(i + 1) + L" is " + registered[i]);
  }

  editor.Kill();
  editor.Wait(10000);
  RemoveTree(made_profiles ? profiles : desktop);
  return Finish(kName);
}
