// Paths handed to the editor that code page 932 cannot spell ("é" has no
// code there), by its command line as the launcher hands a dropped file
// over:
//   - an existing file is registered by the short name Windows gives it,
//     one code page 932 spells, and the save stores that name;
//   - a path with no short name (the file is not there) is refused with the
//     box "FESK パスの登録" that names the path as it is, and the editor
//     opens on its programs with nothing new.
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_foreign_paths";
constexpr wchar_t kRefusal[] = L"このパスにはシフトJISで表せない文字が含まれているため登録できません。";

// Every character of the text has its own code in code page 932.
bool Cp932Spells(const std::wstring& text) {
  BOOL used_default = FALSE;
  const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, &used_default);
  return length > 0 && !used_default;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_foreign_paths");
  ProgramKeys registered{L"登録済み", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, ProgramSectionText(0, registered));
  const std::wstring apps = folder + L"\\Café Müller";
  Check(MakeFolders(apps), L"a folder whose name code page 932 cannot spell");
  const std::wstring app = CopyInto(RecorderExe(), apps, L"José.exe");
  Check(!app.empty(), L"a program in it, with such a name too");

  // ---- An existing file: its short name is registered --------------------------
  wchar_t short_name[MAX_PATH] = {};
  const DWORD length = GetShortPathNameW(app.c_str(), short_name, MAX_PATH);
  Check(length > 0 && length < MAX_PATH && Cp932Spells(short_name),
        L"Windows gives it a short name code page 932 spells (" + std::wstring(short_name) + L")");
  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"\"" + app + L"\"", folder, editor);
  if (!main) return Finish(kName);
  CheckText(main, ids::kCommandField, short_name, L"the command is the short name");
  Screenshot(L"editor_foreign_paths-1-short-name");
  Check(SaveThroughWindow(main, editor.id()), L"the editor saves");
  const std::optional<std::string> saved = ReadFileBytes(folder + L"\\Fesk.Ini");
  Check(saved && saved->find(Cp932Bytes(L"CMDLINE=" + std::wstring(short_name) + L"\r\n")) != std::string::npos,
        L"Fesk.Ini stores the short name");
  Check(EndEditor(main), L"the editor is ended");

  // ---- No short name: refused with a box that names the path --------------------
  const std::string before = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  const std::wstring missing = apps + L"\\Zoë.exe";
  editor = Start(folder + L"\\FeskINI.exe", L"\"" + missing + L"\"", folder);
  WindowQuery box_query(L"#32770", L"FESK パスの登録", editor.id());
  box_query.visible_only = true;
  Check(WaitForTopWindow(box_query, 30000) != nullptr, L"the box \"FESK パスの登録\" is shown");
  Screenshot(L"editor_foreign_paths-2-refused");
  std::optional<MessageBoxInfo> box = AnswerMessageBox(L"FESK パスの登録", IDOK, 5000, editor.id());
  Check(box.has_value(), L"and answered");
  if (box) CheckEqual(box->text, missing + L"\r\n" + kRefusal, L"it names the path as it is and says why");
  WindowQuery main_query(kEditorClass, kEditorCaption, editor.id());
  main_query.visible_only = true;
  main = WaitForTopWindow(main_query, 30000);
  Check(main != nullptr, L"the editor opens");
  if (main) {
    CheckText(main, ids::kTitleField, L"登録済み", L"on its program");
    CheckEqual(static_cast<long long>(ListItems(Control(main, ids::kProgramList)).size()), 2,
               L"the two saved programs and nothing new");
    Check(EndEditor(main), L"the editor ends without asking");
  }
  CheckEqual(ReadFileBytes(folder + L"\\Fesk.Ini").value_or("") == before ? 1LL : 0LL, 1LL, L"nothing was written");
  return Finish(kName);
}
