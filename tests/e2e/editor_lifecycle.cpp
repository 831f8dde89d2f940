// One editor at a time, and its end through the close box.  A second start
// of FeskINI.exe ends by itself and leaves the first one alone (its command
// line is dropped).  With an unsaved change the close box asks "終了確認":
// Cancel keeps the editor open with its change, OK ends it without writing.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

constexpr wchar_t kCloseQuestion[] = L"変更されていますが\r\n保存せずに終了しますか？";

// What the close box of the window sends.
bool PressCloseBox(HWND main) { return PostToWindow(main, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace

int main() {
  const char* name = "editor_lifecycle";
  const std::wstring folder = MakeTestFolder(L"editor_lifecycle");
  const std::wstring settings = L"[CMD0]\r\nDISCRIPTION=登録済み\r\nCMDLINE=C:\\windows\\notepad.exe\r\n";
  FillEditorFolder(folder, settings);
  const std::string settings_before = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(name);
  CheckText(main, ids::kTitleField, L"登録済み", L"the registered program is shown");

  // A second start, with a program to register: it ends and changes nothing.
  Process second = Start(folder + L"\\FeskINI.exe", L"C:\\windows\\regedit.exe", folder);
  Check(second.Wait(20000), L"the second start ends by itself");
  CheckEqual(static_cast<long long>(second.ExitCode().value_or(999)), 0, L"with exit code 0");
  CheckEqual(CountProcesses(L"FeskINI.exe"), 1, L"one editor runs");
  CheckEqual(static_cast<long long>(FindTopWindows({kEditorClass, kEditorCaption}).size()), 1,
             L"one editor window exists");
  CheckEqual(static_cast<long long>(ListItems(Control(main, ids::kProgramList)).size()), 1,
             L"the first editor's list still holds one program");
  Check(editor.Running(), L"the first editor still runs");

  // Without a change the close box would end the editor at once; so first
  // a change: a new title, typed and stored by leaving the field with Tab.
  Check(TypeInto(main, ids::kTitleField, L"変更後"), L"a new title is typed");
  PressKey(VK_TAB);
  Check(
      WaitUntil([&] { return ListItems(Control(main, ids::kProgramList)) == std::vector<std::wstring>{L"0   変更後"}; },
                5000),
      L"the list shows the changed title");

  // Close box, Cancel: the editor stays, with its change.
  Check(PressCloseBox(main), L"the close box is pressed");
  HWND box = WaitForMessageBox(L"終了確認", 15000, editor.id());
  Check(box != nullptr, L"the close asks \"終了確認\"");
  if (box) {
    std::optional<MessageBoxInfo> info = ReadMessageBox(box);
    if (info) {
      CheckEqual(info->text, kCloseQuestion, L"the question");
      Check(info->HasButton(IDOK) && info->HasButton(IDCANCEL), L"with OK and Cancel");
    }
    Screenshot(L"editor_lifecycle-close-question");
    Check(PressButton(box, IDCANCEL), L"Cancel");
    Check(WaitTopWindowGone(box, 10000), L"the question closes");
  }
  Check(!editor.Wait(1500), L"Cancel keeps the editor running");
  Check(IsWindowVisible(main) != 0, L"with its window shown");
  CheckText(main, ids::kTitleField, L"変更後", L"and its change");
  CheckBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or("(missing)"), settings_before, L"Fesk.Ini is untouched");

  // Close box, OK: the editor ends without writing.
  Check(PressCloseBox(main), L"the close box is pressed again");
  Check(AnswerBox(L"終了確認", kCloseQuestion, IDOK, editor.id()), L"OK on the question");
  Check(editor.Wait(15000), L"OK ends the editor");
  CheckEqual(static_cast<long long>(editor.ExitCode().value_or(999)), 0, L"with exit code 0");
  CheckEqual(CountProcesses(L"FeskINI.exe"), 0, L"no editor runs");
  CheckBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or("(missing)"), settings_before,
             L"Fesk.Ini is still untouched");

  // Once the first has gone, a new start runs again.
  Process third;
  HWND again = StartEditor(folder + L"\\FeskINI.exe", L"", folder, third);
  Check(again != nullptr, L"after the end a new editor starts");
  if (again) CheckText(again, ids::kTitleField, L"登録済み", L"showing the title from the file");
  return Finish(name);
}
