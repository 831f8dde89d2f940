// Figures of the editor under Wine, printed and never judged: the time from
// starting FeskINI.exe with 100 registered programs until its main window
// is shown, and the time a save of the 100 programs takes (保 存 answered
// OK until the notice box is there).  What is checked is only what the
// figures stand on: all 100 programs are listed, and a save of the unchanged
// list rewrites Fesk.Ini byte for byte as it was.
//
// Run it with:
//   FESK_WINEPREFIX=... tests/wine/run-wine-test.sh build/<win>/tests/e2e/editor_figures.exe
#include <algorithm>
#include <cstdio>

#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_figures";
constexpr int kStarts = 5;
constexpr int kSaves = 5;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

FILETIME LastWrite(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

std::wstring Figure(double ms) {
  wchar_t text[32];
  swprintf(text, 32, L"%.0f ms", ms);
  return text;
}

void PrintFigures(std::wstring_view what, std::vector<double> values) {
  std::wstring line = L"figure: " + std::wstring(what) + L":";
  for (double value : values) line += L" " + Figure(value);
  std::sort(values.begin(), values.end());
  if (!values.empty()) {
    line += L"; median " + Figure(values[values.size() / 2]) + L", best " + Figure(values.front());
  }
  Log(line);
}

// The 100 programs as a save writes them: HINT of FESKIN, then CMD0 to
// CMD99 with the eleven keys each.
std::wstring HundredPrograms(const std::wstring& folder) {
  std::wstring text = L"[FESKIN]\r\nHINT=ON\r\n";
  const wchar_t* groups[] = {L"FESK", L"FESK\\ツール", L"FESK\\ｹﾞｰﾑ", L""};
  for (int n = 0; n < 100; ++n) {
    ProgramKeys keys;
    keys.discription = L"プログラム " + std::to_wstring(n) + L" ﾃｽﾄ";
    keys.cmdline = folder + L"\\prog" + std::to_wstring(n) + L".exe";
    keys.workdir = folder;
    keys.option = n % 3 == 0 ? L"/n " + std::to_wstring(n) : L"";
    keys.actcode = n % 4 == 0 ? L"lrR" : (n % 4 == 1 ? L"Ll" : L"");
    keys.hotkey = n < 26 ? L"Ctrl+Alt+" + std::wstring(1, static_cast<wchar_t>(L'A' + n)) : L"";
    keys.group = groups[n % 4];
    keys.displaypos = n < 8 ? std::to_wstring(n + 1) : L"";
    text += ProgramSectionText(n, keys);
  }
  return text;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_figures");
  FillEditorFolder(folder, HundredPrograms(folder));
  Check(WriteCp932File(folder + L"\\FESK.TBL", L"FESK\r\n\tツール\r\n\tｹﾞｰﾑ\r\n"), L"FESK.TBL holds three groups");
  const std::string written = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");

  // ---- Start to shown ----
  std::vector<double> starts;
  for (int run = 0; run < kStarts; ++run) {
    const LARGE_INTEGER before = Now();
    Process editor;
    HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor, 60000);
    const LARGE_INTEGER shown = Now();
    if (!main) return Finish(kName);
    starts.push_back(Milliseconds(before, shown));
    if (run == 0) {
      CheckEqual(static_cast<long long>(ListItems(Control(main, ids::kProgramList)).size()), 100,
                 L"all 100 programs are listed");
      CheckText(main, ids::kProgramCount, L"100", L"the count reads 100");
    }
    BringToFront(main);
    ClickId(main, ids::kEndButton);
    Check(editor.Wait(15000), L"終 了 ends the editor (run " + std::to_wstring(run + 1) + L")");
  }
  PrintFigures(L"FeskINI.exe start with 100 programs until its window is shown", starts);

  // ---- Saves ----
  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor, 60000);
  if (!main) return Finish(kName);
  std::vector<double> writes, pure_writes, notices;
  const std::wstring table = folder + L"\\FESK.TBL";
  for (int run = 0; run < kSaves; ++run) {
    BringToFront(main);
    ClickId(main, ids::kSaveButton);
    HWND question = WaitForMessageBox(L"保存確認", 15000, editor.id());
    Check(question != nullptr, L"保 存 asks first");
    if (!question) break;
    const FILETIME table_before = LastWrite(table);
    Pause(20);  // a later write gets a later time
    const LARGE_INTEGER pressed = Now();
    PressButton(question, IDOK);
    // The question box goes (under Wine hiding a window takes about 2 s,
    // and the box's call returns only then), the save writes Fesk.Ini and
    // last FESK.TBL, then the notice comes in a new box with the same
    // caption.
    LARGE_INTEGER gone{}, written{};
    bool question_gone = false;
    Check(WaitUntil(
              [&] {
                if (!question_gone && !IsWindow(question)) {
                  question_gone = true;
                  gone = Now();
                }
                const FILETIME now = LastWrite(table);
                return CompareFileTime(&table_before, &now) != 0;
              },
              30000, 2),
          L"the save rewrites FESK.TBL");
    written = Now();
    if (!question_gone) gone = written;
    HWND notice = nullptr;
    WaitUntil(
        [&] {
          for (HWND box : FindTopWindows({L"#32770", L"保存確認", editor.id()})) {
            if (box != question && IsWindowVisible(box)) notice = box;
          }
          return notice != nullptr;
        },
        30000, 5);
    const LARGE_INTEGER noticed = Now();
    Check(notice != nullptr, L"the notice follows the save");
    if (!notice) break;
    writes.push_back(Milliseconds(pressed, written));
    pure_writes.push_back(Milliseconds(gone, written));
    notices.push_back(Milliseconds(pressed, noticed));
    PressButton(notice, IDOK);
    WaitTopWindowGone(notice, 10000);
    WaitTopWindowGone(question, 10000);
  }
  PrintFigures(L"save of 100 programs, OK on the question until FESK.TBL is rewritten (both files written)", writes);
  PrintFigures(L"save of 100 programs, OK on the question until the notice box is shown", notices);
  PrintFigures(
      L"save of 100 programs, the question gone until FESK.TBL is rewritten (the writing itself, "
      L"to the 2 ms of the poll)",
      pure_writes);
  CheckBytes(ReadFileBytes(folder + L"\\Fesk.Ini").value_or(""), written,
             L"the saves rewrote the 100 programs byte for byte as they were");
  CheckBytes(ReadFileBytes(folder + L"\\FESK.TBL").value_or(""), Cp932(L"FESK\r\n\tツール\r\n\tｹﾞｰﾑ\r\n"),
             L"and FESK.TBL as it was");
  return Finish(kName);
}
