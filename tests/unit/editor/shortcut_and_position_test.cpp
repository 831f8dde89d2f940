// The pages "ｼｮｰﾄ･ｶｯﾄ" and "画面ﾎﾟｼﾞｼｮﾝ", and the duplicate check.
#include "tests/unit/editor/editor_fixture.h"

#include <algorithm>
#include <functional>

namespace fesk::editor::testing {
namespace {

class ShortCutTest : public EditorTest {
 protected:
  void LeaveHotKey(ShortCut value) {
    form().FocusControl(form().shortcut_field);
    form().shortcut_field.value = value;
    form().FocusControl(form().program_list);
  }
};

TEST_F(ShortCutTest, StoredShortcutComesBackAsTheStoredText) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  LeaveHotKey(kShortCutCtrl | 0x65);  // Ctrl + keypad 5
  EXPECT_EQ(Selected().hotkey, "Ctrl+5");
  EXPECT_EQ(f.shortcut_field.value, ShortCut(kShortCutCtrl | 0x35));
  EXPECT_TRUE(f.Modified);
  LeaveHotKey(kShortCutAlt | 0xBA);  // a key named by the layout
  EXPECT_EQ(Selected().hotkey, "Alt+;");
  LeaveHotKey(0);
  EXPECT_EQ(Selected().hotkey, "");
}

// Leaving the field shows what was stored; for every key the layout names
// that is the key pressed, so that the next pass leaves the text alone.
TEST_F(ShortCutTest, LayoutNamedKeysStayInTheField) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  LeaveHotKey(kShortCutCtrl | 0xDE);
  EXPECT_EQ(Selected().hotkey, "Ctrl+^");
  EXPECT_EQ(f.shortcut_field.value, ShortCut(kShortCutCtrl | 0xDE));
  f.Modified = false;
  f.FocusControl(f.shortcut_field);
  f.FocusControl(f.program_list);
  EXPECT_EQ(Selected().hotkey, "Ctrl+^") << "the next pass keeps it";
  EXPECT_FALSE(f.Modified);

  LeaveHotKey(kShortCutCtrl | kShortCutAlt | 0xBF);  // the main keyboard's "/"
  EXPECT_EQ(Selected().hotkey, "Ctrl+Alt+/");
  EXPECT_EQ(f.shortcut_field.value, ShortCut(kShortCutCtrl | kShortCutAlt | 0xBF));
  LeaveHotKey(kShortCutCtrl | 0x6F);  // the keypad's "/" comes back as the main one
  EXPECT_EQ(Selected().hotkey, "Ctrl+/");
  EXPECT_EQ(f.shortcut_field.value, ShortCut(kShortCutCtrl | 0xBF));
}

TEST_F(ShortCutTest, StoredCaretShortcutIsShownWhenTheProgramIsSelected) {
  WritePrograms({{"A", "a"}, {"B", "b", {{"HOTKEY", "Ctrl+^"}}}});
  MainForm& f = Start();
  SelectListItem(1);
  EXPECT_EQ(f.shortcut_field.value, ShortCut(kShortCutCtrl | 0xDE));
}

TEST_F(ShortCutTest, LeavingUnchangedDoesNotSetModified) {
  WritePrograms({{"A", "a", {{"HOTKEY", "Shift+Ctrl+F12"}}}});
  MainForm& f = Start();
  f.FocusControl(f.shortcut_field);
  f.FocusControl(f.program_list);
  EXPECT_EQ(Selected().hotkey, "Shift+Ctrl+F12");
  EXPECT_FALSE(f.Modified);
}

TEST_F(ShortCutTest, StoringDoesNotDependOnTheGroupTree) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  ASSERT_TRUE(f.group_tree.tree.Empty());
  LeaveHotKey(kShortCutCtrl | 'Q');
  EXPECT_EQ(Selected().hotkey, "Ctrl+Q");
}

TEST_F(ShortCutTest, DuplicateCheckReportsEveryClashInSlotOrder) {
  WritePrograms({{"Other1", "o1", {{"ACTCODE", "lr"}, {"GROUP", "X"}}},
                 {"Mine", "m", {{"HOTKEY", "Ctrl+A"}, {"ACTCODE", "lr"}, {"DISPLAYPOS", "3"}, {"GROUP", "G"}}},
                 {"Other2", "o2", {{"HOTKEY", "Ctrl+A"}, {"ACTCODE", "LR"}, {"DISPLAYPOS", "3"}, {"GROUP", "X"}}},
                 {"Empty", "e", {{"GROUP", "X"}}}},
                {{"DISPGROUP", "G"}});
  MainForm& f = Start();
  f.group_filter.SetChecked(true);  // only "Mine" is listed
  ASSERT_EQ(f.ListCount, 1);
  f.CheckDuplicateShortCuts();
  ASSERT_EQ(dialogs_.boxes.size(), 3u);
  EXPECT_EQ(dialogs_.boxes[0].text, "\"Mine\"で\r指定されたマウス・アクションは\r\"Other1\"で定義済みです");
  EXPECT_EQ(dialogs_.boxes[1].text, "\"Mine\"で\r指定されたショートカット・キーは\r\"Other2\"で定義済みです");
  EXPECT_EQ(dialogs_.boxes[2].text, "\"Mine\"で\r指定された画面ポジションは\r\"Other2\"で定義済みです");
  for (const auto& box : dialogs_.boxes) {
    EXPECT_EQ(box.caption, "重複定義");
    EXPECT_EQ(box.buttons, Buttons::kOk);
  }
  EXPECT_EQ(f.pages.active, Page::kShortCut);
  EXPECT_EQ(f.ActiveControl(), &f.shortcut_field);
  EXPECT_FALSE(f.Modified);
}

TEST_F(ShortCutTest, ProgramsWithoutValuesNeverClash) {
  WritePrograms({{"A", "a"}, {"B", "b"}});
  MainForm& f = Start();
  f.CheckDuplicateShortCuts();
  SelectListItem(1);
  f.CheckDuplicateShortCuts();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_EQ(f.pages.active, Page::kProgram);
}

class ScreenPositionTest : public EditorTest {
 protected:
  std::vector<Color> CellColours() {
    std::vector<Color> colours;
    for (const Shape& cell : form().position_cells) colours.push_back(cell.brush);
    return colours;
  }
};

TEST_F(ScreenPositionTest, EachButtonStoresItsPositionAndPaintsItsCell) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  const std::vector<std::function<void()>> clicks = {
      [&] { f.position_buttons[0].on_click(); }, [&] { f.position_buttons[1].on_click(); },
      [&] { f.position_buttons[2].on_click(); }, [&] { f.position_buttons[3].on_click(); },
      [&] { f.position_buttons[4].on_click(); }, [&] { f.position_buttons[5].on_click(); },
      [&] { f.position_buttons[6].on_click(); }, [&] { f.position_buttons[7].on_click(); }};
  for (int n = 1; n <= 8; ++n) {
    clicks[static_cast<std::size_t>(n - 1)]();
    EXPECT_EQ(Selected().displaypos, std::to_string(n));
    std::vector<Color> expected(8, colors::kButtonFace);
    expected[static_cast<std::size_t>(n - 1)] = colors::kRed;
    EXPECT_EQ(CellColours(), expected) << n;
  }
}

TEST_F(ScreenPositionTest, SecondClickChangesNothing) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  f.position_buttons[2].on_click();
  EXPECT_TRUE(f.Modified);
  f.Modified = false;
  f.position_buttons[2].on_click();
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.position_cells[2].brush, colors::kRed);
}

TEST_F(ScreenPositionTest, CancelClearsThePosition) {
  WritePrograms({{"A", "a"}, {"B", "b", {{"DISPLAYPOS", "5"}}}});
  MainForm& f = Start();
  f.CancelScreenPosition();
  EXPECT_FALSE(f.Modified);
  SelectListItem(1);
  EXPECT_EQ(f.position_cells[4].brush, colors::kRed);
  f.CancelScreenPosition();
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(Selected().displaypos, "");
  EXPECT_EQ(CellColours(), std::vector<Color>(8, colors::kButtonFace));
}

// A value other than "1" to "8" paints no cell (a cell painted for the
// program shown before does not stay red) and is saved as it was read.
TEST_F(ScreenPositionTest, OtherValuesPaintNoCellAndAreSavedAsTheyAre) {
  WritePrograms({{"A", "a", {{"DISPLAYPOS", "9"}}}, {"B", "b", {{"DISPLAYPOS", "3"}}}});
  MainForm& f = Start();
  const std::vector<Color> plain(8, colors::kButtonFace);
  EXPECT_EQ(CellColours(), plain);
  f.PageChange(Page::kScreenPosition);
  SelectListItem(1);
  EXPECT_EQ(f.position_cells[2].brush, colors::kRed);
  SelectListItem(0);
  EXPECT_EQ(CellColours(), plain);
  f.PageChange(Page::kProgram);
  dialogs_.answers = {Answer::kOk};
  f.SaveClick();
  const std::string saved = ReadFile(IniPath());
  EXPECT_NE(saved.find("[CMD0]\r\n"), std::string::npos);
  EXPECT_NE(saved.find("DISPLAYPOS=9\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("DISPLAYPOS=3\r\n"), std::string::npos) << saved;
}

TEST_F(ScreenPositionTest, EmptyListMakesTheButtonsDoNothing) {
  WritePrograms({{"A", "a", {{"GROUP", "G"}}}}, {{"DISPGROUP", "none"}});
  MainForm& f = Start();
  f.group_filter.SetChecked(true);
  ASSERT_EQ(f.ListCount, 0);
  f.position_buttons[0].on_click();
  f.CancelScreenPosition();
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(Entry(0).displaypos, "");
}

// The picture stands for the screen: each cell's flat button covers the
// part of the cell nearest the middle, and the 8-pixel band of the cell's
// colour is left on the side of the screen's border the position stands
// for (both sides at a corner).
TEST_F(ScreenPositionTest, FlatButtonsLeaveTheBandOnTheBorderSide) {
  MainForm& f = Start();
  std::array<Shape*, 8> cells;
  std::array<SpeedButton*, 8> buttons;
  for (std::size_t i = 0; i < 8; ++i) {
    cells[i] = &f.position_cells[i];
    buttons[i] = &f.position_buttons[i];
  }
  int left = cells[0]->left, top = cells[0]->top, right = left, bottom = top;
  for (const Shape* cell : cells) {
    left = std::min(left, cell->left);
    top = std::min(top, cell->top);
    right = std::max(right, cell->left + cell->width);
    bottom = std::max(bottom, cell->top + cell->height);
  }
  // Positions 1 to 8 in reading order: corners and edges of the screen.
  struct Border {
    bool left, top, right, bottom;
  };
  const Border borders[8] = {{true, true, false, false},  {false, true, false, false}, {false, true, true, false},
                             {true, false, false, false}, {false, false, true, false}, {true, false, false, true},
                             {false, false, false, true}, {false, false, true, true}};
  for (std::size_t i = 0; i < 8; ++i) {
    const Shape& cell = *cells[i];
    const SpeedButton& button = *buttons[i];
    const Border& border = borders[i];
    // The cell lies on the picture's edge on its border sides.
    EXPECT_EQ(cell.left == left, border.left) << i + 1;
    EXPECT_EQ(cell.top == top, border.top) << i + 1;
    EXPECT_EQ(cell.left + cell.width == right, border.right) << i + 1;
    EXPECT_EQ(cell.top + cell.height == bottom, border.bottom) << i + 1;
    // The band: 8 pixels on each border side, none on the others.
    EXPECT_EQ(button.left - cell.left, border.left ? 8 : 0) << i + 1;
    EXPECT_EQ(button.top - cell.top, border.top ? 8 : 0) << i + 1;
    EXPECT_EQ((cell.left + cell.width) - (button.left + button.width), border.right ? 8 : 0) << i + 1;
    EXPECT_EQ((cell.top + cell.height) - (button.top + button.height), border.bottom ? 8 : 0) << i + 1;
  }
}

}  // namespace
}  // namespace fesk::editor::testing
