// F1 in both programs.  A WinHelp file beside them is of no use on Windows
// 6.0 and later (its viewer is a stub there), so F1 opens the help document
// Fesk.html beside the program at the topic of the focused control or page:
// "file:///<folder>/Fesk.html#context-<N>".
//
// The shell itself cannot be asked to open such an address (it opens the
// file a "file:" address names and loses the part after "#"; Wine even
// looks for a file whose name ends in "#context-24" and fails), so the
// programs start the program registered for opening ".html" files with the
// address.  This test registers a recorder copy, browser.exe, for ".html"
// in its Wine prefix (and puts the old registration back at the end), and
// reads the address from its command line after each F1:
//
//   launcher's dialog   the tabs of "動 作", "ﾏｳｽACTｾﾝｻｰ", "休 止",
//                       "ﾊﾞｰｼﾞｮﾝ"                                       24, 27, 41, 29
//                       a check box on "ﾏｳｽACT"                          25
//                       the hint switch, outside the pages                23
//   editor              the program list                                30
//                       the tabs of "プログラム", "マウスACT", "画面ﾎﾟｼﾞｼｮﾝ"  35, 37, 38
//                       the hot-key field of "ｼｮｰﾄ･ｶｯﾄ"                  36
//                       the group tree of "グループ"                      39
//                       the title field of "プログラム"                    35
//                       the duplicate check "重複ﾁｪｯｸ" (its own topic)      40
//
// Each address must name the Fesk.html beside the programs, and the
// document must have the section the address points at.  Last, a browser
// registered without quotes around a path with a blank
// ("...\Web Browser\browser.exe %1") opens the help, not a decoy Web.exe
// beside its folder.
#include "tests/e2e/editor_scenario_support.h"
#include "tests/e2e/launcher_scenario_support.h"

#include <shlwapi.h>

using namespace fesk::e2e;
namespace ed = fesk::e2e::editor;
namespace la = fesk::e2e::launcher;

namespace {

constexpr wchar_t kBrowserClass[] = L"FeskTest.HelpBrowser";

// Makes `command` the open command of ".html" documents for as long as it
// lives (the programs look it up with AssocQueryString).
class HtmlAssociation {
 public:
  explicit HtmlAssociation(const std::wstring& command) {
    ok_ =
        html_class_.ok() &&
        SetRegistryString(HKEY_CLASSES_ROOT, std::wstring(kBrowserClass) + L"\\shell\\open\\command", nullptr, command);
  }
  ~HtmlAssociation() { RegDeleteTreeW(HKEY_CLASSES_ROOT, kBrowserClass); }
  HtmlAssociation(const HtmlAssociation&) = delete;
  HtmlAssociation& operator=(const HtmlAssociation&) = delete;
  bool ok() const { return ok_; }

 private:
  RegistryStringOverride html_class_{HKEY_CLASSES_ROOT, L".html", nullptr, kBrowserClass};
  bool ok_ = false;
};

// A winhlp32.exe in the Windows folder for as long as it lives (Wine keeps
// its own in system32).
class WinHelpStub {
 public:
  WinHelpStub() {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    path_ = std::wstring(windows) + L"\\winhlp32.exe";
    added_ = !FileExists(path_) && !CopyInto(RecorderExe(), windows, L"winhlp32.exe").empty();
  }
  ~WinHelpStub() {
    if (added_) DeleteFileW(path_.c_str());
  }
  WinHelpStub(const WinHelpStub&) = delete;
  WinHelpStub& operator=(const WinHelpStub&) = delete;
  bool ok() const { return FileExists(path_); }

 private:
  std::wstring path_;
  bool added_ = false;
};

std::wstring RegisteredHtmlCommand() {
  wchar_t command[1024] = {};
  DWORD length = 1024;
  if (FAILED(AssocQueryStringW(0, ASSOCSTR_COMMAND, L".html", L"open", command, &length))) return L"(none)";
  return command;
}

std::wstring Unquoted(std::wstring text) {
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
  return text;
}

class HelpChecker {
 public:
  HelpChecker(std::wstring folder) : folder_(std::move(folder)) {
    std::optional<std::wstring> document = ReadUtf8File(folder_ + L"\\Fesk.html");
    Check(document.has_value(), L"Fesk.html is beside the programs");
    document_ = document.value_or(L"");
    std::wstring slashed = folder_;
    for (wchar_t& c : slashed) {
      if (c == L'\\') c = L'/';
    }
    address_start_ = L"file:///" + slashed + L"/Fesk.html#context-";
  }

  // Presses F1 and checks the address the help was opened at.
  void PressF1AndExpect(int context, const std::wstring& where) {
    const std::wstring what = L"F1 " + where;
    std::size_t before = ReadRecords(folder_, L"browser.exe").size();
    Check(PressKey(VK_F1), what + L": F1 is pressed");
    std::vector<LaunchRecord> records = WaitForRecords(folder_, before + 1, 10000, L"browser.exe");
    if (records.size() <= before) {
      Check(false, what + L" opens the help");
      return;
    }
    CheckEqual(la::Count(records), static_cast<long long>(before + 1), what + L" opens the help once");
    const std::wstring address = Unquoted(records[before].Arguments());
    const std::wstring expected = address_start_ + std::to_wstring(context);
    CheckEqual(address, expected, what + L" opens the help at topic " + std::to_wstring(context));
    // The address names the document beside the programs.
    std::wstring document_part = address.substr(0, address.find(L'#'));
    wchar_t path[MAX_PATH] = {};
    DWORD length = MAX_PATH;
    bool converted = SUCCEEDED(PathCreateFromUrlW(document_part.c_str(), path, &length, 0));
    Check(converted && SamePath(path, folder_ + L"\\Fesk.html") && FileExists(path),
          what + L": the address names Fesk.html beside the program (" + std::wstring(path) + L")");
    CheckContains(document_, L"id=\"context-" + std::to_wstring(context) + L"\"",
                  what + L": the document has the topic");
  }

 private:
  std::wstring folder_;
  std::wstring document_;
  std::wstring address_start_;
};

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"dialog_help");
  la::FillFolder(folder, {L"browser.exe"},
                 la::Section(L"SYSTEM", {{L"HINT", L"OFF"}}) + la::Section(L"FESKIN", {{L"HINT", L"OFF"}}) +
                     la::Section(L"CMD0", {{L"DISCRIPTION", L"メモ帳"},
                                           {L"CMDLINE", folder + L"\\browser.exe"},
                                           {L"RUNPOS", L"111111111"}}));
  Check(!CopyInto(EditorExe(), folder).empty(), L"FeskINI.exe is in the test folder");
  Check(WriteFileBytes(folder + L"\\FESK.TBL", ""), L"an empty FESK.TBL is in the test folder");
  // The build puts the help document beside the scenario.
  Check(!CopyInto(OwnFolder() + L"\\Fesk.html", folder).empty(), L"Fesk.html is in the test folder");
  // An old WinHelp file lies beside the programs as well, and the Windows
  // folder has a winhlp32.exe, as Windows 6.0 and later have: there it is a
  // stub that shows nothing (the prefix is a Windows 7), so F1 opens the
  // HTML help all the same.
  Check(WriteFileBytes(folder + L"\\Fesk.hlp", std::string("?_\x03\x00", 4)), L"an old Fesk.hlp is in the test folder");
  const WinHelpStub winhelp_stub;
  Check(winhelp_stub.ok(), L"the Windows folder has a winhlp32.exe");

  HtmlAssociation association(L"\"" + folder + L"\\browser.exe\" \"%1\"");
  Check(association.ok(), L"browser.exe opens .html documents");
  Log(L"the open command of .html documents: " + RegisteredHtmlCommand());
  HelpChecker help(folder);

  // ---- The launcher's dialog --------------------------------------------------
  Process fesk;
  HWND main = la::StartLauncher(folder, fesk);
  if (!main) return Finish("dialog_help");
  PostTrayMessage(main, 0, WM_LBUTTONDOWN);
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"the settings dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  Check(tab != nullptr, L"the dialog has its tabs");
  if (!tab) return Finish("dialog_help");
  BringToFront(main);

  // A click on a tab chooses the page and gives the tabs the focus.
  struct PageTopic {
    int page;
    int context;
    const wchar_t* name;
  };
  for (const PageTopic& page : {PageTopic{0, 24, L"動 作"}, PageTopic{3, 27, L"ﾏｳｽACTｾﾝｻｰ"}, PageTopic{5, 41, L"休 止"},
                                PageTopic{6, 29, L"ﾊﾞｰｼﾞｮﾝ"}}) {
    Check(ed::ClickTab(tab, page.page), std::wstring(L"the tab \"") + page.name + L"\" is clicked");
    help.PressF1AndExpect(page.context, std::wstring(L"on the tab \"") + page.name + L"\" of the launcher");
  }
  Check(ed::ClickTab(tab, 1), L"the tab \"ﾏｳｽACT\" is clicked");
  HWND undefined_action = FindChild(main, L"Button", L"未定義マウス・アクション検出");
  Check(undefined_action && ed::ClickControl(undefined_action), L"a check box of the page is clicked");
  Check(WaitUntil([&] { return ed::FocusOf(main) == undefined_action; }, 5000), L"it has the focus");
  help.PressF1AndExpect(25, L"on a check box of \"ﾏｳｽACT\"");
  HWND hints_off = FindChild(main, L"Button", L"OFF");
  Check(hints_off && ed::ClickControl(hints_off), L"the hint switch \"OFF\" is clicked");
  Check(WaitUntil([&] { return ed::FocusOf(main) == hints_off; }, 5000), L"it has the focus");
  help.PressF1AndExpect(23, L"on the hint switch of the launcher");
  HWND cancel = FindChild(main, L"Button", L"キャンセル");
  Check(cancel && ClickButton(cancel), L"Cancel puts the dialog away");
  Check(WaitUntil([&] { return IsWindowVisible(main) == 0; }, 10000), L"the dialog hides");

  // ---- The editor's main window -----------------------------------------------
  Process editor;
  HWND window = ed::StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!window) return Finish("dialog_help");
  BringToFront(window);
  HWND list = ed::Control(window, ed::ids::kProgramList);
  Check(ed::ClickListItem(list, 0), L"the program in the list is clicked");
  Check(ed::WaitForFocus(window, ed::ids::kProgramList), L"the list has the focus");
  help.PressF1AndExpect(30, L"on the editor's program list");

  HWND pages = ed::Control(window, ed::ids::kPages);
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kProgram)), L"the tab \"プログラム\" is clicked");
  help.PressF1AndExpect(35, L"on the editor's tab \"プログラム\"");
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kShortCut)), L"the tab \"ｼｮｰﾄ･ｶｯﾄ\" is clicked");
  Check(ed::WaitForFocus(window, ed::ids::kShortcutField), L"the hot-key field has the focus");
  help.PressF1AndExpect(36, L"on the editor's hot-key field");
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kMouseAction)), L"the tab \"マウスACT\" is clicked");
  help.PressF1AndExpect(37, L"on the editor's tab \"マウスACT\"");
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kScreenPosition)), L"the tab \"画面ﾎﾟｼﾞｼｮﾝ\" is clicked");
  help.PressF1AndExpect(38, L"on the editor's tab \"画面ﾎﾟｼﾞｼｮﾝ\"");
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kGroup)), L"the tab \"グループ\" is clicked");
  HWND tree = FindChild(window, WC_TREEVIEWW);
  Check(tree && WaitUntil([&] { return ed::FocusOf(window) == tree; }, 5000), L"the group tree has the focus");
  help.PressF1AndExpect(39, L"on the editor's group tree");
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kProgram)), L"back on \"プログラム\"");
  Check(ed::ClickId(window, ed::ids::kTitleField) && ed::WaitForFocus(window, ed::ids::kTitleField),
        L"the title field has the focus");
  help.PressF1AndExpect(35, L"on the editor's title field");
  // The duplicate check finds nothing to report with one program and
  // leaves the focus on its button.
  Check(ed::ClickTab(pages, static_cast<int>(ed::Tab::kShortCut)), L"the tab \"ｼｮｰﾄ･ｶｯﾄ\" is clicked again");
  Check(ed::ClickId(window, ed::ids::kDuplicateCheckButton) && ed::WaitForFocus(window, ed::ids::kDuplicateCheckButton),
        L"the duplicate check \"重複ﾁｪｯｸ\" has the focus");
  help.PressF1AndExpect(40, L"on the editor's duplicate check");

  // A browser registered without quotes around a path with a blank, and a
  // decoy Web.exe where CreateProcess would read that path up to the blank.
  const std::wstring browser_folder = folder + L"\\Web Browser";
  MakeFolders(browser_folder);
  Check(!CopyInto(RecorderExe(), browser_folder, L"browser.exe").empty(), L"a browser in \"Web Browser\"");
  Check(!CopyInto(RecorderExe(), folder, L"Web.exe").empty(), L"a decoy Web.exe beside it");
  {
    HtmlAssociation unquoted(browser_folder + L"\\browser.exe %1");
    Check(unquoted.ok(), L"the browser is registered without quotes");
    Log(L"the open command of .html documents: " + RegisteredHtmlCommand());
    BringToFront(window);
    Check(PressKey(VK_F1), L"F1 with the unquoted registration");
    std::vector<LaunchRecord> opened = WaitForRecords(browser_folder, 1, 10000, L"browser.exe");
    CheckEqual(la::Count(opened), 1, L"the registered browser opens the help");
    if (!opened.empty()) CheckContains(opened[0].Arguments(), L"Fesk.html#context-40", L"at the topic");
    CheckEqual(la::Count(ReadRecords(folder, L"Web.exe")), 0, L"the decoy Web.exe is not started");
  }

  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  CheckEqual(CountProcesses(L"FeskINI.exe"), 1, L"the editor still runs");
  CheckEqual(CountProcesses(L"winhlp32.exe"), 0, L"no F1 started the WinHelp viewer");
  KillProcesses(L"winhlp32.exe");
  return Finish("dialog_help");
}
