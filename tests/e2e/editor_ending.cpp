// Every way of ending the editor asks before an edit is lost.  A code handed
// over with "/A" makes 終 了 ask "終了確認" (Cancel keeps the editor) and
// the close box ask too; a code taken from LINK by ﾏｳｽACT読込 makes the
// close box ask.  Text typed into a field and not yet stored (the focus is
// still in it) counts as a change: the title field with the close box, the
// command field with Alt+F4, the option field when Windows asks whether the
// session may end (WM_QUERYENDSESSION: Cancel refuses, OK agrees, and
// WM_ENDSESSION then ends the editor).  Nothing is ever written.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_ending";
constexpr wchar_t kCloseQuestion[] = L"変更されていますが\r\n保存せずに終了しますか？";
constexpr wchar_t kExitQuestion[] = L"FESK プログラム登録が変更されています。\r\n\r\n変更を保存しますか？";

bool PressCloseBox(HWND main) { return PostToWindow(main, WM_SYSCOMMAND, SC_CLOSE, 0); }

// WM_QUERYENDSESSION as Windows sends it when the session ends, from a
// thread of its own: the editor may answer only after a question.
struct SessionEndQuery {
  HWND window = nullptr;
  DWORD_PTR answer = 0;
  bool delivered = false;
  HANDLE thread = nullptr;

  static DWORD WINAPI Send(void* parameter) {
    auto* query = static_cast<SessionEndQuery*>(parameter);
    query->delivered =
        SendMessageTimeoutW(query->window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 90000, &query->answer) != 0;
    return 0;
  }
  explicit SessionEndQuery(HWND main) : window(main) { thread = CreateThread(nullptr, 0, &Send, this, 0, nullptr); }
  // The editor's answer: TRUE when the session may end.
  std::optional<bool> Answer() {
    if (!thread || WaitForSingleObject(thread, 90000) != WAIT_OBJECT_0) return std::nullopt;
    CloseHandle(thread);
    thread = nullptr;
    if (!delivered) return std::nullopt;
    return answer != FALSE;
  }
};

// Types into a field without leaving it: the focus stays in the field.
void TypeWithoutLeaving(HWND main, int id, std::wstring_view text) {
  Check(TypeInto(main, id, text), L"\"" + std::wstring(text) + L"\" is typed");
  Check(WaitForFocus(main, id), L"the focus is still in the field");
}

// Ends an editor that has a change by the close box and OK.
void CloseWithOk(HWND main, Process& editor) {
  Check(PressCloseBox(main), L"the close box");
  Check(AnswerBox(L"終了確認", kCloseQuestion, IDOK, editor.id()), L"OK: end without saving");
  Check(editor.Wait(15000), L"the editor ends");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_ending");
  ProgramKeys registered{L"登録済み", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, ProgramSectionText(0, registered) + L"[SYSTEM]\r\nLINK=Lr\r\n");
  const std::string settings = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  const std::wstring exe = folder + L"\\FeskINI.exe";

  // ---- A code handed over by "/A" ----
  {
    Process editor;
    HWND main = StartEditor(exe, L"/Alr", folder, editor);
    if (!main) return Finish(kName);
    CheckText(main, ids::kTitleField, L"<新規登録>", L"the hand-off opens a new entry");
    BringToFront(main);
    ClickId(main, ids::kEndButton);
    Check(AnswerBox(L"終了確認", kExitQuestion, IDCANCEL, editor.id()), L"終 了 asks about the handed-over code");
    Check(!editor.Wait(1500), L"Cancel keeps the editor");
    CloseWithOk(main, editor);
  }

  // ---- A code taken from LINK ----
  {
    Process editor;
    HWND main = StartEditor(exe, L"", folder, editor);
    if (!main) return Finish(kName);
    Check(ShowTab(main, Tab::kMouseAction), L"the mouse-action page");
    ClickId(main, ids::kReadActionButton);
    CheckText(main, ids::kFirstDirectionLine, L"右上", L"ﾏｳｽACT読込 takes LINK \"Lr\"");
    CloseWithOk(main, editor);
  }

  // ---- A title typed, the close box ----
  {
    Process editor;
    HWND main = StartEditor(exe, L"", folder, editor);
    if (!main) return Finish(kName);
    TypeWithoutLeaving(main, ids::kTitleField, L"打ちかけ");
    Check(PressCloseBox(main), L"the close box");
    Check(AnswerBox(L"終了確認", kCloseQuestion, IDCANCEL, editor.id()), L"the typed title is asked about");
    Check(!editor.Wait(1500), L"Cancel keeps the editor");
    CheckText(main, ids::kTitleField, L"打ちかけ", L"with the title as typed");
    Check(WaitUntil(
              [&] { return ListItems(Control(main, ids::kProgramList)) == std::vector<std::wstring>{L"0   打ちかけ"}; },
              5000),
          L"and stored, as leaving the field stores it");
    CloseWithOk(main, editor);
  }

  // ---- A command typed, Alt+F4 ----
  {
    Process editor;
    HWND main = StartEditor(exe, L"", folder, editor);
    if (!main) return Finish(kName);
    TypeWithoutLeaving(main, ids::kCommandField, L"C:\\windows\\regedit.exe");
    BringToFront(main);
    PressChord({VK_MENU, VK_F4});
    Check(AnswerBox(L"終了確認", kCloseQuestion, IDOK, editor.id()), L"Alt+F4 asks about the typed command");
    Check(editor.Wait(15000), L"OK ends the editor");
  }

  // ---- An option typed, the end of the session ----
  {
    Process editor;
    HWND main = StartEditor(exe, L"", folder, editor);
    if (!main) return Finish(kName);
    TypeWithoutLeaving(main, ids::kOptionField, L"/x");
    SessionEndQuery refused(main);
    Check(AnswerBox(L"終了確認", kCloseQuestion, IDCANCEL, editor.id()),
          L"the session's end asks about the typed option");
    std::optional<bool> answer = refused.Answer();
    Check(answer.has_value() && !*answer, L"Cancel: the editor refuses the end of the session");
    Check(editor.Running(), L"and runs on");
    SessionEndQuery agreed(main);
    Check(AnswerBox(L"終了確認", kCloseQuestion, IDOK, editor.id()), L"asked again");
    answer = agreed.Answer();
    Check(answer.has_value() && *answer, L"OK: the session may end");
    Check(editor.Running(), L"the editor waits for the end itself");
    Check(PostToWindow(main, WM_ENDSESSION, TRUE, 0), L"the session ends");
    Check(editor.Wait(15000), L"and the editor with it");
    CheckEqual(static_cast<long long>(editor.ExitCode().value_or(999)), 0, L"with exit code 0");
  }

  CheckBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or("(missing)"), settings, L"Fesk.Ini was never written");
  return Finish(kName);
}
