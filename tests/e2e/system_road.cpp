// The whole road: the editor registers a program, the running launcher
// reloads and starts it by gesture, shortcut and corner; the launcher hands
// a fresh gesture to a new editor; a palette entry made in PaletteCommandDialog starts the
// palette program.
//
//  1. Fesk.exe runs (screen positions on).  FeskINI.exe starts on an empty
//     list; its desktop import is asked and cancelled (photographed).
//  2. app.exe (a recorder copy) is dropped on the editor's window; the
//     coloured squares give it the code red, lime, yellow ("lrR"), shortcut_field
//     Ctrl+Alt+J, the screen-position page the bottom-right corner, the
//     group page the group FESK; 保 存.
//  3. A tray click opens the launcher's dialog; "最新情報読込み" is answered
//     "FESK プログラム読込".  An L-shaped stroke right then down, Ctrl+Alt+J
//     and the right button at the bottom-right corner each start app.exe.
//  4. A stroke from right to left ("rl", no program has it), then
//     "ﾏｳｽ･ｱｸｼｮﾝ転送" on the dialog starts the editor of the launcher's folder
//     with the code; the new entry shows "左" and is saved with ACTCODE=rl.
//  5. In that editor a new entry becomes "パレット３を表示" through palette_button
//     and PaletteCommandDialog (photographed), gets Ctrl+Alt+P and is saved; after a
//     reload Ctrl+Alt+P starts FESKPAL.EXE (a recorder copy) with "3".
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "system_road";

// The code of the last stroke, which the launcher writes to LINK (LINKFLG 1):
// what it recognised, for the log.
std::wstring LastCode(const std::wstring& folder) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return L"(no Fesk.Ini)";
  std::size_t at = text->find(L"\r\nLINK=");
  if (at == std::wstring::npos) return L"(no LINK)";
  std::size_t end = text->find(L"\r\n", at + 2);
  return text->substr(at + 7, end == std::wstring::npos ? std::wstring::npos : end - at - 7);
}

// "最新情報読込み": the dialog closes and the programs are loaded again.
bool ReloadLauncher(HWND launcher, DWORD launcher_pid) {
  Check(launcher::ShowDialog(launcher), L"a tray click shows the launcher's dialog");
  Check(ShowLauncherActionPage(launcher), L"its page \"動 作\" is shown");
  Check(ClickControl(LauncherButton(launcher, L"最新情報読込み")), L"最新情報読込み is clicked");
  bool answered = AnswerBox(L"FESK プログラム読込", L"プログラム登録情報を読込みました。", IDOK, launcher_pid);
  Check(WaitUntil([&] { return IsWindowVisible(launcher) == 0; }, 10000), L"the dialog is hidden again");
  WaitLauncherReady(launcher);
  return answered;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"system_road");
  FillEditorFolder(folder);
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");
  Check(!CopyInto(RecorderExe(), folder, L"FESKPAL.EXE").empty(), L"the recorder is FESKPAL.EXE");
  const std::wstring app_folder = folder + L"\\道具";
  MakeFolders(app_folder);
  const std::wstring app = CopyInto(RecorderExe(), app_folder, L"app.exe");
  Check(!app.empty(), L"the recorder is app.exe in a folder of its own");
  Check(WriteCp932File(folder + L"\\Fesk.Ini", L"[SYSTEM]\r\nTRIGGER3=1\r\nLINKFLG=1\r\n"),
        L"screen positions are on; each stroke's code goes to LINK");

  // ---- 1. The launcher runs; the editor starts on an empty list ----
  Process fesk = Start(folder + L"\\Fesk.exe", L"", folder);
  HWND launcher = WaitForTopWindow({L"TFFesk1", L"FESK", fesk.id()}, 30000);
  Check(launcher != nullptr, L"the launcher runs");
  if (!launcher) return Finish(kName);
  if (WaitForWineTray(10000)) Check(MoveWineTrayAway(), L"Wine's tray window is out of the way");

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  CheckText(main, ids::kTitleField, L"<新規登録>", L"an empty list opens on a new entry");

  BringToFront(main);
  ClickId(main, ids::kDesktopButton);
  HWND question = WaitForMessageBox(L"ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録", 15000, pid);
  Check(question != nullptr, L"ﾃﾞｽｸﾄｯﾌﾟ asks first");
  if (question) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(question);
    if (info) {
      CheckEqual(info->text, L"ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録ﾌﾟﾛｸﾞﾗﾑとして\r\n取り込みます", L"the import's question");
      Check(info->HasButton(IDOK) && info->HasButton(IDCANCEL), L"with OK and Cancel");
    }
    Screenshot(L"system_road-1-desktop-import");
    PressButton(question, IDCANCEL);
    Check(WaitTopWindowGone(question, 10000), L"Cancel ends the import");
  }
  CheckEqual(static_cast<long long>(ListItems(Control(main, ids::kProgramList)).size()), 1,
             L"the cancelled import registered nothing");

  // ---- 2. Registering app.exe ----
  Check(DropFiles(main, {app}), L"app.exe is dropped on the editor");
  Check(WaitUntil([&] { return TextOf(main, ids::kCommandField) == app; }, 10000), L"the drop fills the command");
  CheckText(main, ids::kTitleField, L"app.exe", L"the title is the file's name");
  CheckText(main, ids::kWorkFolderField, app_folder + L"\\", L"the work folder is the file's folder");

  Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page");
  for (int shape : {0, 1, 3}) ClickId(main, ids::kFirstQuadrantSquare + shape);
  Check(WaitUntil([&] { return TextOf(main, ids::kFirstDirectionLine) == L"右→下"; }, 5000),
        L"red, lime, yellow: \"右→下\" (" + TextOf(main, ids::kFirstDirectionLine) + L")");

  Check(ShowTab(main, Tab::kShortCut), L"the shortcut page");
  Check(WaitForFocus(main, ids::kShortcutField), L"shortcut_field has the focus");
  BringToFront(main);
  PressChord({VK_CONTROL, VK_MENU, 'J'});
  Check(WaitUntil(
            [&] {
              return SendMessageW(Control(main, ids::kShortcutField), HKM_GETHOTKEY, 0, 0) ==
                     MAKEWORD('J', HOTKEYF_CONTROL | HOTKEYF_ALT);
            },
            5000),
        L"shortcut_field holds Ctrl+Alt+J");

  Check(ShowTab(main, Tab::kScreenPosition), L"the screen-position page");
  ClickId(main, ids::kFirstPositionButton + 7);

  HWND list = Control(main, ids::kProgramList), tree = Control(main, ids::kGroupTree);
  Check(ShowTab(main, Tab::kGroup), L"the group page");
  ClickId(main, ids::kAddGroupButton);
  Check(WaitUntil([&] { return TreeAsTable(tree) == L"FESK\r\n"; }, 5000), L"the first group FESK");
  Check(ClickTreeItem(tree, L"FESK"), L"FESK is selected (the filter turns on)");
  Check(WaitUntil([&] { return Checked(main, ids::kGroupFilter); }, 5000), L"the filter is on");
  ClickId(main, ids::kGroupFilter);
  Check(WaitUntil([&] { return ListItems(list).size() == 1; }, 5000), L"the filter off lists app.exe again");
  Check(ClickListItem(list, 0), L"app.exe is selected");
  ClickId(main, ids::kMode2Choice);
  AnswerBox(L"FESKINI 確認", {}, IDOK, pid);
  Check(WaitUntil([&] { return IsWindowVisible(Control(main, ids::kRegisterInGroupButton)) != 0; }, 5000), L"mode 2");
  ClickId(main, ids::kRegisterInGroupButton);
  AnswerBox(L"グループ登録", L"\"app.exe\"を\r\n\"FESK\"\r\nグループに登録します\r\n", IDOK, pid);
  Screenshot(L"system_road-2-editor-group");

  Check(SaveThroughWindow(main, pid), L"保 存");
  ProgramKeys registered{L"app.exe", app};
  registered.workdir = app_folder + L"\\";
  registered.actcode = L"lrR";
  registered.hotkey = L"Ctrl+Alt+J";
  registered.group = L"FESK";
  registered.displaypos = L"8";
  std::string file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  CheckBytes(SectionBytes(file, "CMD0"), Cp932(ProgramSectionText(0, registered)),
             L"CMD0 holds app.exe with its code, shortcut, corner and group");
  CheckBytes(ReadFileBytes(folder + L"\\FESK.TBL").value_or(""), "FESK\r\n", L"FESK.TBL holds FESK");
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  Check(editor.Wait(15000), L"終 了 ends the editor");

  // ---- 3. The launcher reloads and starts app.exe three ways ----
  ReloadLauncher(launcher, fesk.id());
  Gesture({VK_SHIFT, VK_CONTROL}, {{120, 150}, {520, 150}, {520, 500}}, 20, 30);
  std::vector<LaunchRecord> apps = WaitForRecords(app_folder, 1, 15000, L"app.exe");
  CheckEqual(static_cast<long long>(apps.size()), 1, L"the stroke right then down (\"lrR\") started app.exe");
  Log(L"the launcher recognised \"" + LastCode(folder) + L"\"");
  if (!apps.empty()) {
    CheckEqual(apps[0].Arguments(), L"", L"without arguments");
    Check(SamePath(apps[0].work_folder, app_folder), L"in its work folder (" + apps[0].work_folder + L")");
  }
  WaitLauncherReady(launcher);
  PressChord({VK_CONTROL, VK_MENU, 'J'}, 400);
  apps = WaitForRecords(app_folder, 2, 15000, L"app.exe");
  CheckEqual(static_cast<long long>(apps.size()), 2, L"Ctrl+Alt+J started app.exe");
  const SIZE screen = ScreenSize();
  WaitLauncherReady(launcher);
  ClickAt({screen.cx - 1, screen.cy - 1}, MouseButton::kRight, 500);
  apps = WaitForRecords(app_folder, 3, 15000, L"app.exe");
  CheckEqual(static_cast<long long>(apps.size()), 3, L"the right button at the bottom-right corner started app.exe");
  MoveCursorTo({512, 384});
  Pause(1500);
  CheckEqual(static_cast<long long>(ReadRecords(app_folder).size()), 3, L"each start once");

  // ---- 4. A fresh gesture handed to a new editor ----
  WaitLauncherReady(launcher);
  Gesture({VK_SHIFT, VK_CONTROL}, {{620, 300}, {300, 300}}, 20, 30);
  Check(WaitUntil([&] { return LastCode(folder) == L"rl"; }, 10000),
        L"the launcher recognised \"rl\" (LINK=" + LastCode(folder) + L")");
  Pause(500);
  CheckEqual(static_cast<long long>(ReadRecords(app_folder).size()), 3, L"\"rl\" starts nothing");
  Check(launcher::ShowDialog(launcher), L"the launcher's dialog is shown again");
  Check(ShowLauncherActionPage(launcher), L"on its page \"動 作\"");
  HWND transfer = LauncherButton(launcher, L"ﾏｳｽ･ｱｸｼｮﾝ転送");
  Check(transfer && IsWindowEnabled(transfer), L"ﾏｳｽ･ｱｸｼｮﾝ転送 is enabled after a gesture");
  ClickControl(transfer);
  WindowQuery editor_query(kEditorClass, kEditorCaption);
  editor_query.visible_only = true;
  HWND handed = WaitForTopWindow(editor_query, 30000);
  Check(handed != nullptr, L"the launcher started the editor of its folder");
  if (!handed) return Finish(kName);
  const DWORD handed_pid = WindowProcess(handed);
  Screenshot(L"system_road-3-handed-over");
  HWND handed_list = Control(handed, ids::kProgramList);
  CheckEqual(static_cast<long long>(ListItems(handed_list).size()), 2, L"it lists app.exe and a new entry");
  CheckText(handed, ids::kTitleField, L"<新規登録>", L"the new entry is selected");
  CheckText(handed, ids::kFirstDirectionLine, L"左", L"its code reads \"左\": the launcher handed over \"rl\"");
  const std::wstring handed_title = L"転送された動き";
  Check(TypeInto(handed, ids::kTitleField, handed_title), L"a title for the handed-over code");
  PressKey(VK_RETURN);

  // ---- 5. A palette entry through PaletteCommandDialog ----
  BringToFront(handed);
  ClickId(handed, ids::kNewButton);
  Check(
      WaitUntil([&] { return ListItems(handed_list).size() == 3 && TextOf(handed, ids::kTitleField) == L"<新規登録>"; },
                5000),
      L"新規登録 adds a third entry");
  HWND palette = ShowPaletteDialog(handed, handed_pid);
  if (palette) {
    Check(ChoosePaletteCommand(palette, 4, L"パレット３を表示"), L"パレット３を表示 is chosen");
    Screenshot(L"system_road-4-palette-dialog");
    ClickId(palette, ids::kPaletteOk);
    Check(WaitUntil([&] { return !IsWindowVisible(palette); }, 10000), L"ＯＫ hides the dialog");
  }
  CheckText(handed, ids::kTitleField, L"FESKPAL パレット３を表示", L"the entry's title");
  CheckText(handed, ids::kOptionField, L"3", L"its option");
  CheckText(handed, ids::kCommandField, folder + L"\\FESKPAL.EXE", L"its command: the palette program");
  Check(ShowTab(handed, Tab::kShortCut), L"the shortcut page");
  Check(WaitForFocus(handed, ids::kShortcutField), L"shortcut_field has the focus");
  BringToFront(handed);
  PressChord({VK_CONTROL, VK_MENU, 'P'});
  Check(WaitUntil(
            [&] {
              return SendMessageW(Control(handed, ids::kShortcutField), HKM_GETHOTKEY, 0, 0) ==
                     MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT);
            },
            5000),
        L"shortcut_field holds Ctrl+Alt+P");
  Check(ShowTab(handed, Tab::kProgram), L"back on the program page (shortcut_field is stored)");
  Screenshot(L"system_road-5-palette-entry");
  Check(SaveThroughWindow(handed, handed_pid), L"保 存 in the handed-over editor");
  file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  CheckBytes(SectionBytes(file, "CMD0"), Cp932(ProgramSectionText(0, registered)), L"CMD0 is as before");
  ProgramKeys handed_keys{handed_title};
  handed_keys.actcode = L"rl";
  CheckBytes(SectionBytes(file, "CMD1"), Cp932(ProgramSectionText(1, handed_keys)),
             L"CMD1 holds the handed-over code \"rl\"");
  ProgramKeys palette_keys{L"FESKPAL パレット３を表示", folder + L"\\FESKPAL.EXE"};
  palette_keys.workdir = folder + L"\\";
  palette_keys.option = L"3";
  palette_keys.hotkey = L"Ctrl+Alt+P";
  CheckBytes(SectionBytes(file, "CMD2"), Cp932(ProgramSectionText(2, palette_keys)),
             L"CMD2 is the palette command with Ctrl+Alt+P");
  BringToFront(handed);
  ClickId(handed, ids::kEndButton);
  Check(WaitUntil([&] { return !IsWindow(handed); }, 15000), L"終 了 ends the handed-over editor");

  ReloadLauncher(launcher, fesk.id());
  PressChord({VK_CONTROL, VK_MENU, 'P'}, 400);
  std::vector<LaunchRecord> palettes = WaitForRecords(folder, 1, 15000, L"FESKPAL.EXE");
  CheckEqual(static_cast<long long>(palettes.size()), 1, L"Ctrl+Alt+P started FESKPAL.EXE");
  if (!palettes.empty()) {
    CheckEqual(palettes[0].Arguments(), L"3", L"with the option \"3\"");
    Check(SamePath(palettes[0].work_folder, folder), L"in the editor's folder (" + palettes[0].work_folder + L")");
  }
  Pause(1000);
  CheckEqual(static_cast<long long>(ReadRecords(folder).size()), 1, L"and nothing else started there");
  CheckEqual(static_cast<long long>(ReadRecords(app_folder).size()), 3, L"nor app.exe again");
  return Finish(kName);
}
