// The Tab key's round through the editor's windows, as a user walks it: on
// every page, from the program list, Tab visits the controls in the order
// of the form and comes back to the list; the arrow keys keep to the radio
// buttons of one group (ﾋﾝﾄ, 実行状態, the group page's modes and the palette
// command dialog's choices) and go round it.
#include <initializer_list>
#include <vector>

#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_tab_order";

// The upper area, then a page's controls, then the right column.  Tab stops
// at one button of a radio group, the checked one.  重複ﾁｪｯｸ is off on the
// group page.
std::vector<int> Round(const std::vector<int>& page, bool duplicate_check = true) {
  std::vector<int> round = {ids::kProgramList, ids::kMoveUpButton, ids::kMoveDownButton, ids::kGroupFilter,
                            ids::kIconPreview};
  round.insert(round.end(), page.begin(), page.end());
  round.insert(round.end(),
               {ids::kHintsOn, ids::kAboutButton, ids::kNewButton, ids::kDeleteButton, ids::kDesktopButton});
  if (duplicate_check) round.push_back(ids::kDuplicateCheckButton);
  round.insert(round.end(), {ids::kSaveButton, ids::kEndButton});
  return round;
}

std::wstring Describe(const std::vector<int>& ids) {
  std::wstring text;
  for (int id : ids) text += (text.empty() ? L"" : L" ") + std::to_wstring(id);
  return text;
}

// Presses `key` and gives the id of the control that has the focus then.
int PressAndRead(HWND window, WORD key) {
  HWND before = FocusOf(window);
  PressKey(key);
  WaitUntil([&] { return FocusOf(window) != before; }, 3000);
  HWND focus = FocusOf(window);
  return focus ? GetDlgCtrlID(focus) : 0;
}

std::vector<int> PressAndRead(HWND window, std::initializer_list<WORD> keys) {
  std::vector<int> seen;
  for (WORD key : keys) seen.push_back(PressAndRead(window, key));
  return seen;
}

// Puts the focus on the program list, then presses Tab until the focus is
// back there (or ten times more than `expected` has controls).
void CheckRound(HWND main, Tab page, const std::vector<int>& expected, const std::wstring& what) {
  Check(ShowTab(main, page), what + L" is shown");
  ClickListItem(Control(main, ids::kProgramList), 0);
  Check(WaitForFocus(main, ids::kProgramList), what + L": the list has the focus");
  std::vector<int> seen = {ids::kProgramList};
  for (std::size_t i = 0; i < expected.size() + 10; ++i) {
    const int id = PressAndRead(main, VK_TAB);
    if (id == ids::kProgramList) break;
    seen.push_back(id);
  }
  CheckEqual(Describe(seen), Describe(expected), what + L": the Tab key's round");
}

// Clicks the control `from`, then presses the keys and reads which control
// has the focus after each.
std::vector<int> AfterArrows(HWND window, int from, std::initializer_list<WORD> keys) {
  ClickId(window, from);
  WaitForFocus(window, from);
  return PressAndRead(window, keys);
}

}  // namespace

int main() {
  // Two programs in the group 道具, so that choosing it leaves them listed.
  const wchar_t* const titles[] = {L"メモ帳", L"電卓"};
  std::wstring settings;
  for (int slot = 0; slot < 2; ++slot) {
    ProgramKeys program{titles[slot], L"C:\\windows\\notepad.exe"};
    program.group = L"道具";
    settings += ProgramSectionText(slot, program);
  }
  const std::wstring folder = MakeTestFolder(L"editor_tab_order");
  FillEditorFolder(folder, settings);
  Check(WriteCp932File(folder + L"\\FESK.TBL", L"道具\r\n"), L"FESK.TBL holds a group");
  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  BringToFront(main);

  CheckRound(main, Tab::kProgram,
             Round({ids::kTitleField, ids::kPaletteButton, ids::kCommandField, ids::kBrowseButton, ids::kOptionField,
                    ids::kShowNormal, ids::kTrayBox, ids::kWorkFolderField}),
             L"the page プログラム");
  CheckRound(main, Tab::kShortCut, Round({ids::kShortcutField}), L"the page ｼｮｰﾄ･ｶｯﾄ");
  CheckRound(main, Tab::kMouseAction,
             Round({ids::kBackspaceButton, ids::kClearButton, ids::kReadActionButton, ids::kConfirmButton}),
             L"the page マウスACT");
  CheckRound(main, Tab::kScreenPosition, Round({ids::kPositionCancelButton}), L"the page 画面ﾎﾟｼﾞｼｮﾝ");
  // With a group chosen, every button of the page takes the focus.
  Check(ShowTab(main, Tab::kGroup), L"the page グループ");
  Check(ClickTreeItem(Control(main, ids::kGroupTree), L"道具"), L"a group is chosen");
  CheckRound(main, Tab::kGroup,
             Round({ids::kMode1Choice, ids::kAddGroupButton, ids::kRenameGroupButton, ids::kDeleteGroupButton,
                    ids::kMoveSourceButton, ids::kGroupTree, ids::kSortGroupsButton},
                   false),
             L"the page グループ");

  // A start-position box takes the focus from a click but not from Tab;
  // Tab goes on from it to ｱｸｼｮﾝ確認.
  Check(ShowTab(main, Tab::kMouseAction), L"the page マウスACT again");
  ClickId(main, ids::kFirstStartPosition + 4);
  Check(WaitForFocus(main, ids::kFirstStartPosition + 4), L"a click gives a start-position box the focus");
  PressKey(VK_TAB);
  Check(WaitForFocus(main, ids::kConfirmButton), L"Tab from it goes to ｱｸｼｮﾝ確認");

  // The arrow keys go round the buttons of one group.
  CheckEqual(Describe(AfterArrows(main, ids::kHintsOn, {VK_DOWN, VK_DOWN, VK_UP})),
             Describe({ids::kHintsOff, ids::kHintsOn, ids::kHintsOff}), L"the arrow keys in ﾋﾝﾄ");
  Check(ShowTab(main, Tab::kProgram), L"the page プログラム again");
  CheckEqual(Describe(AfterArrows(main, ids::kShowNormal, {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP})),
             Describe({ids::kShowMaximized, ids::kShowMinimized, ids::kShowNormal, ids::kShowMinimized}),
             L"the arrow keys in 実行状態");
  Check(ShowTab(main, Tab::kGroup), L"the page グループ again");
  // A click on a mode hands the focus to the tree: the modes are reached by Tab.
  ClickListItem(Control(main, ids::kProgramList), 0);
  for (int i = 0; i < 10 && GetDlgCtrlID(FocusOf(main)) != ids::kMode1Choice; ++i) PressAndRead(main, VK_TAB);
  Check(WaitForFocus(main, ids::kMode1Choice), L"Tab reaches the first mode");
  CheckEqual(Describe(PressAndRead(main, {VK_DOWN, VK_DOWN, VK_UP})),
             Describe({ids::kMode2Choice, ids::kMode1Choice, ids::kMode2Choice}), L"the arrow keys in the modes");

  Check(ShowTab(main, Tab::kProgram), L"the page プログラム for the palette");
  if (HWND palette = ShowPaletteDialog(main, editor.id())) {
    CheckEqual(Describe(AfterArrows(palette, ids::kFirstPaletteChoice + 8, {VK_DOWN, VK_DOWN, VK_UP})),
               Describe({ids::kFirstPaletteChoice + 9, ids::kFirstPaletteChoice, ids::kFirstPaletteChoice + 9}),
               L"the arrow keys in the palette's choices");
    CheckEqual(Describe(PressAndRead(palette, {VK_TAB, VK_TAB})),
               Describe({ids::kPaletteOk, ids::kFirstPaletteChoice + 8}),
               L"Tab from a choice goes to ＯＫ, and from there back to the choice made");
  }
  return Finish(kName);
}
