// The editor on settings files and group tables nobody would write by hand:
// a group table whose indentation goes up and down in cycles (thousands of
// nodes, every step valid), one that jumps two levels, a missing one, NUL
// bytes, a lone lead byte at the very end; a Fesk.Ini of 10,000 sections
// and one with a line of 1 MB.  For each pair of files FeskINI.exe starts,
// shows its error box where the group table is broken (and its window
// after it), lists the programs and holds the tree the files give, and ends
// on its close box with exit code 0.
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/byte_texts.h"
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

constexpr std::nullopt_t kNoTable = std::nullopt;

struct HostileFiles {
  const wchar_t* name;
  std::string settings;              // Fesk.Ini, byte for byte
  std::optional<std::string> table;  // FESK.TBL; none: the file is missing
  std::wstring error;                // the error box's text; empty: no box
  long long programs;                // items in the program list
  long long groups;                  // nodes in the tree
  std::wstring first_item;           // the first list item, when not empty
};

// Lines whose level climbs from 0 to `depth` and back down, `cycles` times.
std::string IndentationCycles(int depth, int cycles, char blank) {
  std::string table;
  int line = 0;
  for (int cycle = 0; cycle < cycles; ++cycle) {
    for (int step = 0; step < 2 * depth; ++step) {
      int level = step <= depth ? step : 2 * depth - step;
      table += std::string(static_cast<std::size_t>(level), blank) + "g" + std::to_string(line++) + "\r\n";
    }
  }
  return table;
}

std::vector<HostileFiles> Table(const std::wstring& folder) {
  std::string sections;
  for (int n = 0; n < 10000; ++n) {
    sections += "[CMD" + std::to_string(n) + "]\r\nDISCRIPTION=p" + std::to_string(n) + "\r\nCMDLINE=p.exe\r\n";
  }
  const std::string one = "[CMD0]\r\nDISCRIPTION=one\r\nCMDLINE=one.exe\r\n";
  return {
      {L"indentation in cycles", one, IndentationCycles(3, 500, '\t'), L"", 1, 3000, L"0   one"},
      {L"deep cycles with spaces", one, IndentationCycles(60, 10, ' '), L"", 1, 1200, L""},
      {L"a jump of two levels", one, "A\r\n\tB\r\n\t\t\tC\r\nD\r\n", L"ｱｲﾃﾑ \"C\" の階層が不正です", 1, 2, L""},
      {L"no group table", one, kNoTable, L"ﾌｧｲﾙ " + folder + L"\\FESK.TBL は開けません", 1, 0, L""},
      {L"10,000 sections", sections, "", L"", 100, 0, L"0   p0"},
      {L"a 1 MB line",
       "[CMD0]\r\nDISCRIPTION=" + Repeat("abcd", 256 * 1024) + "\r\nCMDLINE=a.exe\r\n[CMD1]\r\nDISCRIPTION=two\r\n",
       Repeat("\t", 1024 * 1024), L"", 2, 1, L"0   abcdabcdabcdabcdabcdabcdabcdabcdabcdabcd"},
      {L"NUL bytes", Bytes("[CMD0]\r\nDISCRIPTION=one\r\n\0\0\r\nCMDLINE=one.exe\r\n\0"), Bytes("A\r\nB\0C\r\nD\r\n"),
       L"", 1, 2, L"0   one"},
      {L"a lone lead byte at the end", "[CMD0]\r\nDISCRIPTION=one\r\nCMDLINE=\x82", "A\r\n\t\x82", L"", 1, 2,
       L"0   one"},
      {L"absurd values",
       "[FESKIN]\r\nHINT=on\r\n[CMD0]\r\nDISCRIPTION=one\r\nRUNPOS=abc\r\nDISPLAYPOS=99\r\nHOTKEY=Ctrl+Nothing\r\n"
       "ACTCODE=lrlrlrlrlrlrlrlrlrlrlrlrlrlrlrlr\r\nCMDSHOW=SW_WHATEVER\r\n",
       "", L"", 1, 0, L"0   one"},
  };
}

long long TreeCount(HWND main) {
  return static_cast<long long>(SendMessageW(Control(main, ids::kGroupTree), TVM_GETCOUNT, 0, 0));
}

void RunOn(const std::wstring& folder, const HostileFiles& files) {
  const std::wstring what = std::wstring(L"[") + files.name + L"] ";
  const std::wstring table = folder + L"\\FESK.TBL";
  Check(WriteFileBytes(folder + L"\\Fesk.Ini", files.settings), what + L"Fesk.Ini is written");
  DeleteFileW(table.c_str());
  if (files.table) Check(WriteFileBytes(table, *files.table), what + L"FESK.TBL is written");

  Process editor = Start(folder + L"\\FeskINI.exe", L"", folder);
  if (!files.error.empty()) {
    std::optional<MessageBoxInfo> box = AnswerMessageBox(kEditorCaption, IDOK, 60000, editor.id());
    Check(box.has_value(), what + L"the error box shows");
    if (box) CheckEqual(box->text, files.error, what + L"its text");
  }
  WindowQuery query(kEditorClass, kEditorCaption, editor.id());
  query.visible_only = true;
  HWND main = WaitForTopWindow(query, 60000);
  Check(main != nullptr, what + L"the editor's window shows");
  if (!main) {
    editor.Kill();
    return;
  }
  DWORD_PTR result = 0;
  Check(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0, what + L"it answers");
  const std::vector<std::wstring> items = ListItems(Control(main, ids::kProgramList));
  CheckEqual(static_cast<long long>(items.size()), files.programs, what + L"programs listed");
  if (!files.first_item.empty() && !items.empty()) CheckEqual(items[0], files.first_item, what + L"the first item");
  CheckEqual(TreeCount(main), files.groups, what + L"groups in the tree");

  Check(PostToWindow(main, WM_CLOSE), what + L"the editor is asked to close");
  Check(editor.Wait(20000), what + L"it ends");
  CheckEqual(static_cast<long long>(editor.ExitCode().value_or(999)), 0, what + L"with exit code 0");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"hostile_editor_files");
  Check(!CopyInto(EditorExe(), folder).empty(), L"FeskINI.exe is in the test folder");
  for (const HostileFiles& files : Table(folder)) {
    Log(std::wstring(L"files: ") + files.name);
    RunOn(folder, files);
    KillProcesses(L"FeskINI.exe");
  }
  return Finish("hostile_editor_files");
}
