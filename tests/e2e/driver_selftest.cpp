// The driver against a program of known behaviour (selftest_target.exe) and
// the recorder: message boxes are read and answered by button id, a
// Shift+Ctrl stroke reaches the other process's 10 ms poll, dropped files
// reach its own WM_DROPFILES handler, controls are read, set, clicked and
// typed into, tray callbacks arrive, the recorder reports a Japanese
// argument and work folder, and a screenshot is taken.
#include <cstdlib>

#include "tests/e2e/driver/driver.h"

namespace {

using namespace fesk::e2e;

std::wstring g_folder;

std::wstring TargetLog() { return ReadUtf8File(g_folder + L"\\target.log").value_or(L""); }

bool WaitLog(std::wstring_view part, int timeout_ms = 5000) {
  return WaitUntil([&] { return TargetLog().find(part) != std::wstring::npos; }, timeout_ms);
}

// The number after `key` in the last log line that has it, or -1.
long LastNumberAfter(std::wstring_view key) {
  std::wstring log = TargetLog();
  std::size_t at = log.rfind(key);
  if (at == std::wstring::npos) return -1;
  return std::wcstol(log.c_str() + at + key.size(), nullptr, 10);
}

void MessageBoxes(const Process& target, HWND main) {
  HWND box = WaitForMessageBox(L"FESK プログラムの実行確認", 10000, target.id());
  Check(box != nullptr, L"the startup message box is found by its Japanese caption");
  if (!box) return;
  std::optional<MessageBoxInfo> info = ReadMessageBox(box);
  Check(info.has_value(), L"the message box can be read");
  if (!info) return;
  CheckEqual(info->caption, L"FESK プログラムの実行確認", L"message box caption");
  CheckEqual(info->text, L"テスト用の確認です。\n実行しますか？", L"message box text");
  CheckEqual(static_cast<long long>(info->buttons.size()), 2, L"two buttons");
  Check(info->HasButton(IDOK) && info->HasButton(IDCANCEL), L"the buttons are IDOK and IDCANCEL");
  for (const DialogButton& button : info->buttons) {
    Log(L"button " + std::to_wstring(button.id) + L" \"" + button.text + L"\"");
  }
  Check(PressButton(box, IDCANCEL), L"IDCANCEL is pressed");
  Check(WaitTopWindowGone(box, 5000), L"the box closes");
  Check(WaitLog(L"startup box answer 2"), L"the program got IDCANCEL");
  Check(IsWindowEnabled(main) != 0, L"the main window is enabled again");
}

void Stroke(HWND main) {
  // Over the bare desktop, clear of the target's window (100,100)-(520,400).
  const std::vector<POINT> path = {{600, 300}, {900, 300}, {900, 600}};
  Check(WindowsUnderPath(path).empty(), L"the stroke's path crosses no window");
  std::vector<HWND> crossed = WindowsUnderPath({{50, 250}, {300, 250}});
  Check(crossed.size() == 1 && crossed[0] == main, L"a path across the target's window is noticed");

  Gesture({VK_SHIFT, VK_CONTROL}, path, 12, 25);
  Check(WaitLog(L"trigger up"), L"the poll saw Shift+Ctrl go down and up");
  CheckContains(TargetLog(), L"trigger up start 600 300 end 900 600",
                L"the poll saw the stroke from its start to its end");
  long moves = LastNumberAfter(L" moves ");
  Check(moves >= 16, L"the poll saw most of the 24 steps (" + std::to_wstring(moves) + L")");
  Check((GetAsyncKeyState(VK_SHIFT) & 0x8000) == 0 && (GetAsyncKeyState(VK_CONTROL) & 0x8000) == 0,
        L"the keys are up again");

  MoveCursorTo({250, 350});
  Click(MouseButton::kLeft);
  Check(WaitLog(L"left button up at 250 350"), L"the poll saw a left click");
  MoveCursorTo({700, 600});  // the desktop: nothing there to open a menu
  Click(MouseButton::kRight);
  Check(WaitLog(L"right button up at 700 600"), L"the poll saw a right click");
  PressKey('Q');
  Check(WaitLog(L"key Q"), L"the poll saw a held key");
}

void Drops(HWND main) {
  const std::wstring plain = g_folder + L"\\plain.txt";
  const std::wstring japanese_folder = g_folder + L"\\日本語フォルダ";
  const std::wstring japanese = japanese_folder + L"\\メモ ﾃｷｽﾄ.txt";
  MakeFolders(japanese_folder);
  WriteCp932File(plain, L"plain\r\n");
  WriteCp932File(japanese, L"日本語\r\n");
  Check(DropFiles(main, {plain, japanese}, {30, 40}), L"the drop is delivered");
  Check(WaitLog(L"drop finished"), L"the target's WM_DROPFILES handler ran to DragFinish");
  std::wstring log = TargetLog();
  CheckContains(log, L"drop count 2", L"two files dropped");
  CheckContains(log, L"drop file " + plain + L"\r\n", L"the first path");
  CheckContains(log, L"drop file " + japanese + L"\r\n", L"the path in a Japanese folder");
  CheckContains(log, L"drop point 30 40 client", L"the drop point");

  // A second drop, to see the first left the target in order.
  Check(DropFiles(main, {japanese_folder}), L"a second drop is delivered");
  Check(WaitUntil([] { return LastNumberAfter(L"drop count ") == 1; }, 5000), L"the second drop has one path");
}

void Controls(HWND main) {
  HWND edit = FindChild(main, L"edit");
  HWND button = FindChild(main, L"Button", L"記録");
  Check(edit != nullptr && button != nullptr, L"the edit box and the button are found");
  if (!edit || !button) return;

  // Typed text goes to the focus of the foreground window: the edit box,
  // once clicked.
  Check(BringToFront(main), L"the target comes to the front");
  Check(ClickWindow(edit), L"the edit box is clicked");
  Check(TypeText(L"abc 日本語"), L"text is typed");
  Check(WaitUntil([&] { return WindowText(edit) == L"abc 日本語"; }, 5000),
        L"the typed text arrives (" + WindowText(edit) + L")");

  Check(SetControlText(edit, L"設定した ﾃｷｽﾄ"), L"the edit box's text is set");
  CheckEqual(WindowText(edit), L"設定した ﾃｷｽﾄ", L"and reads back");
  Check(ClickButton(button), L"the button is clicked");
  Check(WaitLog(L"button clicked, edit: 設定した ﾃｷｽﾄ\r\n"), L"the target saw the click and the text");
}

void Tray(HWND main) {
  Check(PostTrayMessage(main, 0, WM_RBUTTONDOWN), L"the tray message is posted");
  Check(WaitLog(L"tray icon 0 mouse 516"), L"the tray callback arrived with id 0 and WM_RBUTTONDOWN");
}

void Recorder() {
  const std::wstring bin = g_folder + L"\\プログラム";
  const std::wstring work = g_folder + L"\\作業 フォルダ";
  MakeFolders(work);
  const std::wstring app = CopyInto(RecorderExe(), bin, L"app.exe");
  Check(!app.empty(), L"the recorder is copied as app.exe");
  const std::wstring arguments = L"\"引数 テスト\" /x ｶﾀｶﾅ";
  Process first = Start(app, arguments, work);
  Check(first.Wait(10000), L"app.exe ends by itself");
  CheckEqual(static_cast<long long>(first.ExitCode().value_or(99)), 0, L"app.exe exit code");
  std::vector<LaunchRecord> records = WaitForRecords(bin, 1, 5000);
  CheckEqual(static_cast<long long>(records.size()), 1, L"one record");
  if (!records.empty()) {
    const LaunchRecord& record = records[0];
    CheckEqual(record.exe, L"app.exe", L"recorded exe name");
    CheckEqual(record.command_line, L"\"" + app + L"\" " + arguments, L"recorded command line");
    CheckEqual(record.Arguments(), arguments, L"recorded arguments");
    CheckEqual(record.work_folder, work, L"recorded work folder");
    CheckEqual(static_cast<long long>(record.process_id), first.id(), L"recorded process id");
  }

  // Copies started together each leave their own record.
  Process second = Start(app, L"2", bin);
  Process third = Start(app, L"3", bin);
  Check(second.Wait(10000) && third.Wait(10000), L"two more runs end");
  records = WaitForRecords(bin, 3, 5000);
  CheckEqual(static_cast<long long>(records.size()), 3, L"three records");
  CheckEqual(CountProcesses(L"app.exe"), 0, L"no app.exe still runs");
}

void Screen() {
  std::wstring shot = Screenshot(L"driver_selftest");
  Check(!shot.empty() && FileExists(shot), L"a screenshot is written to " + shot);
  std::optional<std::string> bytes = ReadFileBytes(shot);
  SIZE screen = ScreenSize();
  const std::size_t pixels = static_cast<std::size_t>(screen.cx) * static_cast<std::size_t>(screen.cy);
  Check(bytes && bytes->size() >= 54 + pixels * 3, L"the screenshot holds the whole screen");
  if (!bytes || bytes->size() < 54 + pixels * 3) return;
  // The target's blue band (40, 120, 200) at (20..380, 20..120) of its
  // client area shows in the picture: look for that colour.
  std::size_t blue = 0;
  for (std::size_t i = 54; i + 2 < bytes->size(); i += 3) {
    if (static_cast<unsigned char>((*bytes)[i]) == 200 && static_cast<unsigned char>((*bytes)[i + 1]) == 120 &&
        static_cast<unsigned char>((*bytes)[i + 2]) == 40) {
      ++blue;
    }
  }
  Check(blue > 10000, L"the target window is in the screenshot (" + std::to_wstring(blue) + L" blue pixels)");
}

void Quit(Process& target, HWND main) {
  Check(PostToWindow(main, WM_APP + 1), L"the target is asked to quit");
  std::optional<MessageBoxInfo> info = AnswerMessageBox(L"終了確認", IDYES, 10000, target.id());
  Check(info.has_value(), L"the quit box is answered");
  if (info) {
    CheckEqual(info->text, L"E2E 受け皿を終了しますか？", L"quit box text");
    Check(info->HasButton(IDYES) && info->HasButton(IDNO), L"the buttons are IDYES and IDNO");
  }
  Check(WaitTopWindowGone(main, 5000), L"the main window is gone");
  Check(target.Wait(5000), L"the target ends");
  CheckEqual(CountProcesses(L"target.exe"), 0, L"no target.exe runs");

  // Killing: by handle and by name.
  Process again = Start(g_folder + L"\\target.exe", L"", g_folder);
  Check(WaitForTopWindow({L"FeskE2ETarget"}, 20000) != nullptr, L"the target starts again");
  CheckEqual(CountProcesses(L"TARGET.EXE"), 1, L"one target.exe runs");
  CheckEqual(KillProcesses(L"target.exe"), 1, L"it is killed by name");
  Check(again.Wait(5000), L"it has ended");
  Check(!again.Running(), L"it no longer runs");
}

}  // namespace

int main() {
  g_folder = MakeTestFolder(L"driver_selftest");
  Check(!g_folder.empty(), L"a test folder is made: " + g_folder);
  Log(L"build folder: " + WinBuildFolder());
  Log(L"artifacts folder: " + ArtifactsFolder());
  Check(!CopyInto(OwnFolder() + L"\\selftest_target.exe", g_folder, L"target.exe").empty(), L"the target is copied");
  WriteCp932File(g_folder + L"\\Fesk.Ini", L"[SYSTEM]\r\nMODE=0\r\n; 日本語 ﾃｽﾄ\r\n");
  CheckEqual(ReadCp932File(g_folder + L"\\Fesk.Ini").value_or(L""), L"[SYSTEM]\r\nMODE=0\r\n; 日本語 ﾃｽﾄ\r\n",
             L"a CP932 file reads back");
  CheckEqual(static_cast<long long>(ReadFileBytes(g_folder + L"\\Fesk.Ini").value_or("").size()), 32,
             L"half-width katakana are one byte each in the file");

  Process target = Start(g_folder + L"\\target.exe", L"", g_folder);
  HWND main = WaitForTopWindow({L"FeskE2ETarget", L"E2E 受け皿"}, 20000);
  Check(main != nullptr, L"the target's window is found by class and Japanese caption");
  if (!main) return Finish("driver_selftest");
  CheckEqual(static_cast<long long>(WindowProcess(main)), target.id(), L"the window is the target's");
  Log(L"windows:\n" + DescribeWindows());

  MessageBoxes(target, main);
  Stroke(main);
  Drops(main);
  Controls(main);
  Tray(main);
  Recorder();
  Screen();
  Quit(target, main);
  return Finish("driver_selftest");
}
