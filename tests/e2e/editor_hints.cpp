// Hints of the editor's labels as a user meets them: resting the mouse on a
// label with a hint shows that hint, not the hint of what lies under the
// label (the captions on the start-position panel lie on start_position_panel, whose own
// hint is "ﾁｪｯｸONで実行可能").
#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_hints";

// The middle of the control's text, in screen coordinates: a label's window
// may be wider than its caption.
POINT TextPoint(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return POINT{r.left + 6, (r.top + r.bottom) / 2};
}

void CheckHint(HWND main, int id, std::wstring_view expected, std::wstring_view what) {
  HWND control = Control(main, id);
  Check(control && IsWindowVisible(control), std::wstring(what) + L" is shown");
  if (!control) return;
  CheckEqual(HintShownAt(TextPoint(control), WindowProcess(main)), expected, what);
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_hints");
  ProgramKeys program{L"メモ帳", L"C:\\windows\\notepad.exe"};
  FillEditorFolder(folder, L"[FESKIN]\r\nHINT=ON\r\n" + ProgramSectionText(0, program));
  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  Check(main != nullptr, L"the editor runs");
  if (!main) return Finish(kName);
  Pause(500);

  CheckHint(main, ids::kListPosition, L"選択されている件数位置", L"list_position, the selected position");
  CheckHint(main, ids::kProgramCount, L"登録されているﾌﾟﾛｸﾞﾗﾑ件数", L"program_count, the number of programs");

  Check(ShowTab(main, Tab::kMouseAction), L"the page マウスACT");
  Pause(300);
  CheckHint(main, ids::kOrderCaption, L"ﾏｳｽをこの順序で移動させるとﾌﾟﾛｸﾞﾗﾑを実行します",
            L"order_caption \"操作順序:\"");
  for (int id : {ids::kStartPositionCaption1, ids::kStartPositionCaption2, ids::kStartPositionCaption3}) {
    CheckHint(main, id, L"右のﾁｪｯｸﾎﾞｯｸｽは、画面の相対位置を表わしています",
              L"a caption on the start-position panel (" + TextOf(main, id) + L")");
  }
  // Between the captions and the check boxes the panel's own hint shows.
  HWND panel = Control(main, ids::kStartPositionPanel), caption = Control(main, ids::kStartPositionCaption1);
  if (panel && caption) {
    RECT p{}, c{};
    GetWindowRect(panel, &p);
    GetWindowRect(caption, &c);
    CheckEqual(HintShownAt({c.left + 4, p.bottom - 4}, editor.id()), L"ﾁｪｯｸONで実行可能",
               L"the panel below its captions");
  }
  Screenshot(L"editor_hints-mouse-action");
  return Finish(kName);
}
