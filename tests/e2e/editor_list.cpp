// The program list and the right column through the real window: the
// duplicate check's boxes, the browse dialog (a folder and a name typed
// into it; the editor does not keep the folder as its current one), a test
// start by a double click on the icon preview, moving up, deleting with
// "登録プログラムの削除" and the freed number coming back, "ﾏｳｽACT読込" taking
// the launcher's LINK, the animation, hints off (a save without its
// notice), and the exit button's "終了確認" with Cancel and No.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_list";

std::vector<std::wstring> Items(HWND list) { return ListItems(list); }

// The edit box of the file-open dialog's file name: inside the combo box
// cmb13 (1148), which Wine makes of a ComboBoxEx holding a combo box.
HWND FileNameEdit(HWND dialog) {
  for (HWND child : ChildWindows(dialog)) {
    if (WindowClass(child) == L"Edit" && GetDlgCtrlID(child) == 1148) return child;
  }
  return FindChild(dialog, L"Edit");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_list");
  const std::wstring bin = folder + L"\\bin";
  MakeFolders(bin);
  const std::wstring app = CopyInto(RecorderExe(), bin, L"app.exe");
  Check(!app.empty(), L"the recorder is bin\\app.exe");
  const std::wstring notepad = L"C:\\windows\\notepad.exe";
  ProgramKeys one{L"一", notepad};
  one.actcode = L"lr";
  one.hotkey = L"Ctrl+Alt+K";
  one.displaypos = L"3";
  ProgramKeys two{L"二", notepad};
  two.actcode = L"LR";
  two.hotkey = L"Ctrl+Alt+K";
  two.displaypos = L"3";
  ProgramKeys three{L"三", notepad};
  ProgramKeys four{L"四", notepad};
  const std::wstring system = L"[SYSTEM]\r\nLINK=Lr\r\n";
  FillEditorFolder(folder, system + ProgramSectionText(0, one) + ProgramSectionText(1, two) +
                               ProgramSectionText(2, three) + ProgramSectionText(3, four));

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND list = Control(main, ids::kProgramList);

  // ---- Duplicate check on 一: the shortcut and the corner clash with 二 ----
  BringToFront(main);
  ClickId(main, ids::kDuplicateCheckButton);
  AnswerBox(L"重複定義", L"\"一\"で\r\n指定されたショートカット・キーは\r\n\"二\"で定義済みです", IDOK, pid);
  AnswerBox(L"重複定義", L"\"一\"で\r\n指定された画面ポジションは\r\n\"二\"で定義済みです", IDOK, pid);
  Check(WaitUntil([&] { return CurrentTab(Control(main, ids::kPages)) == static_cast<int>(Tab::kShortCut); }, 5000),
        L"the shortcut clash shows the shortcut page");
  Pause(500);
  Check(FindTopWindow({L"#32770", L"重複定義", pid}) == nullptr, L"\"lr\" and \"LR\" do not clash: two boxes only");

  // ---- Browse for 三's program ----
  Check(ShowTab(main, Tab::kProgram), L"the program page");
  Check(ClickListItem(list, 2), L"三 is selected");
  ClickId(main, ids::kBrowseButton);
  HWND browse = WaitForMessageBox(L"実行ﾌﾟﾛｸﾞﾗﾑ･PATHの参照", 20000, pid);
  Check(browse != nullptr, L"browse_button opens \"実行ﾌﾟﾛｸﾞﾗﾑ･PATHの参照\"");
  if (browse) {
    HWND name = FileNameEdit(browse);
    Check(name != nullptr, L"the dialog has a file name field");
    CheckContains(WindowText(name), L"notepad.exe", L"holding the command as the initial file name");
    CheckEqual(WindowText(GetDlgItem(browse, 1136)), L"Exe Files (*.EXE)", L"the first filter is chosen");
    Check(!IsWindowVisible(GetDlgItem(browse, 1040)), L"the read-only box is hidden");
    Screenshot(L"editor_list-1-browse");
    // The user goes into app.exe's folder first, then chooses the file.
    ClickControl(name);
    SelectAllText(name);
    TypeText(bin);
    Check(WaitUntil([&] { return WindowText(name) == bin; }, 5000), L"the folder of app.exe is typed");
    PressKey(VK_RETURN);
    Check(WaitUntil([&] { return WindowText(GetDlgItem(browse, 1137)) == L"bin"; }, 10000),
          L"Enter goes into the folder (" + WindowText(GetDlgItem(browse, 1137)) + L")");
    ClickControl(name);
    SelectAllText(name);
    TypeText(L"app.exe");
    Check(WaitUntil([&] { return WindowText(name) == L"app.exe"; }, 5000), L"the name of app.exe is typed");
    PressKey(VK_RETURN);
    Check(WaitTopWindowGone(browse, 15000), L"Enter chooses it");
  }
  CheckText(main, ids::kCommandField, app, L"the command field holds the chosen file");
  CheckText(main, ids::kTitleField, L"三", L"a title already given stays");
  CheckText(main, ids::kWorkFolderField, bin + L"\\", L"the empty work folder becomes the file's folder");
  // The dialog has not left the editor in that folder: a process's current
  // folder could be neither removed nor renamed.
  const std::wstring moved = bin + L"-moved";
  Check(MoveFileW(bin.c_str(), moved.c_str()) && MoveFileW(moved.c_str(), bin.c_str()),
        L"the chosen file's folder can be renamed while the editor runs");
  Check(TypeInto(main, ids::kOptionField, L"/テスト 1"), L"an option is typed (leaving the command stores it)");
  PressKey(VK_TAB);

  // ---- Test start: a double click on the icon preview ----
  HWND preview = Control(main, ids::kIconPreview);
  RECT rect{};
  GetWindowRect(preview, &rect);
  const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  ClickAt(middle, MouseButton::kLeft, 30);
  ClickAt(middle, MouseButton::kLeft, 30);
  std::vector<LaunchRecord> runs = WaitForRecords(bin, 1, 15000, L"app.exe");
  CheckEqual(static_cast<long long>(runs.size()), 1, L"the double click started app.exe");
  if (!runs.empty()) {
    CheckEqual(runs[0].Arguments(), L"/テスト 1", L"with the option field as its arguments");
    Check(SamePath(runs[0].work_folder, bin), L"in the work folder field's folder (" + runs[0].work_folder + L")");
  }

  // ---- Move 三 up, delete 二, a new entry takes the freed number ----
  BringToFront(main);
  Check(ClickListItem(list, 2), L"三 is selected again");
  ClickId(main, ids::kMoveUpButton);
  Check(WaitUntil(
            [&] {
              return Items(list) == std::vector<std::wstring>{L"0   一", L"2   三", L"1   二", L"3   四"};
            },
            5000),
        L"三 moves up with its number");
  CheckEqual(static_cast<long long>(SelectedListItem(list)), 1, L"and stays selected");
  Check(ClickListItem(list, 2), L"二 is selected");
  ClickId(main, ids::kDeleteButton);
  AnswerBox(L"登録プログラムの削除", L"\"二\"\r\n  を削除します。", IDOK, pid);
  Check(WaitUntil(
            [&] {
              return Items(list) == std::vector<std::wstring>{L"0   一", L"2   三", L"3   四"};
            },
            5000),
        L"二 is deleted, the others keep their numbers");
  CheckText(main, ids::kTitleField, L"三", L"the item before it is selected");
  ClickId(main, ids::kNewButton);
  Check(WaitUntil([&] { return Items(list).size() == 4 && Items(list)[3] == L"1   <新規登録>"; }, 5000),
        L"新規登録 takes the freed number 1");
  Check(TypeInto(main, ids::kTitleField, L"五"), L"the new entry's title");
  PressKey(VK_RETURN);

  // ---- The launcher's last code, and the animation ----
  Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page");
  ClickId(main, ids::kReadActionButton);
  CheckText(main, ids::kFirstDirectionLine, L"右上", L"ﾏｳｽACT読込 takes LINK \"Lr\"");
  ClickId(main, ids::kConfirmButton);
  Check(WaitUntil(
            [&] {
              return IsWindowEnabled(Control(main, ids::kConfirmButton)) &&
                     IsWindowVisible(Control(main, ids::kProgramWindowPicture));
            },
            30000),
        L"ｱｸｼｮﾝ確認 plays the move and ends on the window picture");
  Screenshot(L"editor_list-2-animation-end");

  // ---- Hints off: the save asks but gives no notice ----
  ClickId(main, ids::kHintsOff);
  Check(WaitUntil([&] { return Checked(main, ids::kHintsOff); }, 5000), L"hints OFF");
  BringToFront(main);
  ClickId(main, ids::kSaveButton);
  AnswerBox(L"保存確認", L"保存を実行します。", IDOK, pid);
  ProgramKeys browsed = three;
  browsed.cmdline = app;
  browsed.workdir = bin + L"\\";
  browsed.option = L"/テスト 1";
  ProgramKeys five{L"五"};
  five.actcode = L"Lr";
  const std::string expected =
      Cp932(system + ProgramSectionText(0, one) + ProgramSectionText(1, browsed) + ProgramSectionText(2, four) +
            ProgramSectionText(3, five) + L"[FESKIN]\r\nHINT=OFF\r\n");
  Check(WaitUntil([&] { return ReadFileBytes(folder + L"\\Fesk.Ini").value_or("") == expected; }, 10000),
        L"the save is written");
  CheckBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or(""), expected,
             L"Fesk.Ini: the programs in list order under new numbers, HINT=OFF");
  Pause(3000);
  Check(FindTopWindow({L"#32770", L"保存確認", pid}) == nullptr, L"with hints off no notice follows");

  // ---- 終 了 with a change: Cancel stays, No ends without saving ----
  Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page");
  ClickId(main, ids::kBackspaceButton);  // BS: one letter less, a change
  CheckText(main, ids::kFirstDirectionLine, L"", L"BS leaves one letter, no move");
  const std::wstring exit_question = L"FESK プログラム登録が変更されています。\r\n\r\n変更を保存しますか？";
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  AnswerBox(L"終了確認", exit_question, IDCANCEL, pid);
  Check(!editor.Wait(1500), L"Cancel keeps the editor open");
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  AnswerBox(L"終了確認", exit_question, IDNO, pid);
  Check(editor.Wait(15000), L"No ends the editor");
  CheckBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or(""), expected, L"without saving");
  return Finish(kName);
}
