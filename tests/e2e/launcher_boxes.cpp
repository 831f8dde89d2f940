// The launcher's message boxes on the way to a start.  In the confirmation
// mode (MODE 1) a stroke asks before it starts anything: Cancel offers the
// next program with the same code, OK starts it.  A program file that is not
// there is reported with its cause when PRGERRMSG is on.  Screenshots of
// both boxes go to the artifacts folder.
//   CMD0 "最初の候補"      "lr" -> first.exe
//   CMD1 "ﾃｽﾄ用 二番目"     "lr" -> second.exe /2, with a tray icon
//   CMD2 "存在しない ﾌﾟﾛｸﾞﾗﾑ" Ctrl+Alt+M -> missing.exe, not in the folder
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr wchar_t kConfirmCaption[] = L"FESK プログラムの実行確認";
constexpr wchar_t kErrorCaption[] = L"FESK プログラム起動エラー";

// A visible box of the launcher with this caption whose text contains
// `part`: after Cancel the next box has the same caption, so the text tells
// them apart.
HWND WaitForBoxWith(std::wstring_view caption, std::wstring_view part, DWORD process_id, int timeout_ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        WindowQuery query(L"#32770", std::wstring(caption), process_id);
        query.visible_only = true;
        for (HWND box : FindTopWindows(query)) {
          std::optional<MessageBoxInfo> info = ReadMessageBox(box);
          if (info && info->text.find(part) != std::wstring::npos) {
            found = box;
            return true;
          }
        }
        return false;
      },
      timeout_ms, 50);
  if (!found) Log(L"no box \"" + std::wstring(caption) + L"\" saying \"" + std::wstring(part) + L"\"");
  return found;
}

void CheckOwnedBy(HWND box, HWND main, const std::wstring& what) {
  Check(GetWindow(box, GW_OWNER) == main, what + L" belongs to the launcher's window");
}

void CheckButtons(const MessageBoxInfo& info, bool with_cancel, const std::wstring& what) {
  Check(info.HasButton(IDOK), what + L" has an OK button");
  Check(info.HasButton(IDCANCEL) == with_cancel,
        what + (with_cancel ? L" has a Cancel button" : L" has no Cancel button"));
}

}  // namespace

int main() {
  const std::wstring name = L"launcher_boxes";
  const std::wstring folder = MakeTestFolder(name);
  const std::wstring settings =
      Section(L"SYSTEM", {{L"MODE", L"1"}, {L"PRGERRMSG", L"1"}, {L"TRIGGER5", L"1"}, {L"RUNOPTION", L"1"}}) +
      Section(L"CMD0", {{L"DISCRIPTION", L"最初の候補"},
                        {L"CMDLINE", folder + L"\\first.exe"},
                        {L"ACTCODE", L"lr"},
                        {L"RUNPOS", L"111111111"}}) +
      Section(L"CMD1", {{L"DISCRIPTION", L"ﾃｽﾄ用 二番目"},
                        {L"CMDLINE", folder + L"\\second.exe"},
                        {L"OPTION", L"/2"},
                        {L"TASKTRAY", L"ON"},
                        {L"ACTCODE", L"lr"},
                        {L"RUNPOS", L"111111111"}}) +
      Section(L"CMD2", {{L"DISCRIPTION", L"存在しない ﾌﾟﾛｸﾞﾗﾑ"},
                        {L"CMDLINE", folder + L"\\missing.exe"},
                        {L"ACTCODE", L""},
                        {L"HOTKEY", L"Ctrl+Alt+M"}});
  FillFolder(folder, {L"first.exe", L"second.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_boxes");

  // The stroke asks about the first program with the code.
  Gesture({VK_SHIFT, VK_CONTROL}, {{300, 150}, {600, 150}});
  HWND first_box = WaitForBoxWith(kConfirmCaption, L"最初の候補", fesk.id(), 15000);
  Check(first_box != nullptr, L"the stroke asks before starting");
  if (first_box) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(first_box);
    if (info) {
      CheckEqual(info->caption, kConfirmCaption, L"the confirmation's caption");
      CheckEqual(info->text, L"\"最初の候補\"\r\n  を実行します。", L"it names the first program");
      CheckButtons(*info, true, L"the confirmation");
    }
    CheckOwnedBy(first_box, main, L"the confirmation");
    Screenshot(L"launcher_boxes-confirm");
    // While the box is open the launcher senses nothing: a stroke drawn now,
    // away from the box, must not bring a second question later.
    Gesture({VK_SHIFT, VK_CONTROL}, {{300, 80}, {600, 80}});
    CheckEqual(Count(ReadRecords(folder)), 0, L"nothing started while the box is open");
    Check(PressButton(first_box, IDCANCEL), L"Cancel on the first program");
    Check(WaitTopWindowGone(first_box, 10000), L"the first box closes");
  }

  // Cancel offers the next program with the same code; OK starts it.
  HWND second_box = WaitForBoxWith(kConfirmCaption, L"ﾃｽﾄ用 二番目", fesk.id(), 15000);
  Check(second_box != nullptr, L"Cancel offers the next program with \"lr\"");
  if (second_box) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(second_box);
    if (info) {
      CheckEqual(info->text, L"\"ﾃｽﾄ用 二番目\"\r\n  を実行します。", L"it names the second program");
      CheckButtons(*info, true, L"the second confirmation");
    }
    Check(PressButton(second_box, IDOK), L"OK on the second program");
    Check(WaitTopWindowGone(second_box, 10000), L"the second box closes");
  }
  std::vector<LaunchRecord> seconds = WaitForRecords(folder, 1, 15000, L"second.exe");
  CheckEqual(Count(seconds), 1, L"OK started second.exe");
  if (!seconds.empty()) CheckEqual(seconds[0].Arguments(), L"/2", L"with its OPTION");
  WindowQuery any_confirmation(L"#32770", kConfirmCaption, fesk.id());
  any_confirmation.visible_only = true;
  Check(!WaitUntil([&] { return FindTopWindow(any_confirmation) != nullptr; }, 2000),
        L"no further question (the stroke made while the box was open was not sensed)");
  CheckEqual(Count(ReadRecords(folder, L"first.exe")), 0, L"first.exe never started");

  // A program file that is not there: the launch error with its cause.
  { HeldKeys held({VK_CONTROL, VK_MENU, 'M'}, 200); }
  HWND error_box = WaitForMessageBox(kErrorCaption, 15000, fesk.id());
  Check(error_box != nullptr, L"the missing program is reported");
  if (error_box) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(error_box);
    if (info) {
      CheckContains(info->text, L"原因：ファイルが見つかりませんでした。", L"the cause: file not found");
      CheckEqual(info->text,
                 L"\"存在しない ﾌﾟﾛｸﾞﾗﾑ\" の起動ができません。\r\n\r\n"
                 L"原因：ファイルが見つかりませんでした。",
                 L"the whole report");
      CheckButtons(*info, false, L"the launch error");
    }
    CheckOwnedBy(error_box, main, L"the launch error");
    Screenshot(L"launcher_boxes-error");
    Check(PressButton(error_box, IDOK), L"OK on the launch error");
    Check(WaitTopWindowGone(error_box, 10000), L"the launch error closes");
  }

  // The right button on second.exe's tray icon (id: slot + 1) asks for the
  // option of this one start; Cancel starts nothing.
  Check(PostTrayMessage(main, 2, WM_RBUTTONDOWN), L"a right click on second.exe's tray icon");
  HWND option_box = WaitForMessageBox(L"ﾃｽﾄ用 二番目", 15000, fesk.id());
  Check(option_box != nullptr, L"the right click asks for the run-time option");
  if (option_box) {
    CheckEqual(WindowText(FindChild(option_box, L"Edit")), L"/2", L"the input box offers the program's option");
    CheckOwnedBy(option_box, main, L"the input box");
    Check(PressButton(option_box, IDCANCEL), L"Cancel on the input box");
    Check(WaitTopWindowGone(option_box, 10000), L"the input box closes");
  }
  Pause(1000);
  CheckEqual(Count(ReadRecords(folder, L"second.exe")), 1, L"Cancel started nothing");

  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish("launcher_boxes");
}
