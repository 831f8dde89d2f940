// The pages "ｼｮｰﾄ･ｶｯﾄ" and "画面ﾎﾟｼﾞｼｮﾝ", and the duplicate check.
#include "tests/unit/editor/editor_fixture.h"

#include <functional>

namespace fesk::editor::testing {
namespace {

class ShortCutTest : public EditorTest {
 protected:
  void LeaveHotKey(ShortCut value) {
    form().FocusControl(form().HotKey1);
    form().HotKey1.value = value;
    form().FocusControl(form().ListBox1);
  }
};

TEST_F(ShortCutTest, StoredShortcutComesBackAsTheStoredText) {
  WritePrograms({{"A", "a"}});
  TFFeskINI& f = Start();
  LeaveHotKey(kShortCutCtrl | 0x65);  // Ctrl + keypad 5
  EXPECT_EQ(Selected().hotkey, "Ctrl+5");
  EXPECT_EQ(f.HotKey1.value, ShortCut(kShortCutCtrl | 0x35));
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
  TFFeskINI& f = Start();
  LeaveHotKey(kShortCutCtrl | 0xDE);
  EXPECT_EQ(Selected().hotkey, "Ctrl+^");
  EXPECT_EQ(f.HotKey1.value, ShortCut(kShortCutCtrl | 0xDE));
  f.Modified = false;
  f.FocusControl(f.HotKey1);
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Selected().hotkey, "Ctrl+^") << "the next pass keeps it";
  EXPECT_FALSE(f.Modified);

  LeaveHotKey(kShortCutCtrl | kShortCutAlt | 0xBF);  // the main keyboard's "/"
  EXPECT_EQ(Selected().hotkey, "Ctrl+Alt+/");
  EXPECT_EQ(f.HotKey1.value, ShortCut(kShortCutCtrl | kShortCutAlt | 0xBF));
  LeaveHotKey(kShortCutCtrl | 0x6F);  // the keypad's "/" comes back as the main one
  EXPECT_EQ(Selected().hotkey, "Ctrl+/");
  EXPECT_EQ(f.HotKey1.value, ShortCut(kShortCutCtrl | 0xBF));
}

TEST_F(ShortCutTest, StoredCaretShortcutIsShownWhenTheProgramIsSelected) {
  WritePrograms({{"A", "a"}, {"B", "b", {{"HOTKEY", "Ctrl+^"}}}});
  TFFeskINI& f = Start();
  SelectListItem(1);
  EXPECT_EQ(f.HotKey1.value, ShortCut(kShortCutCtrl | 0xDE));
}

TEST_F(ShortCutTest, LeavingUnchangedDoesNotSetModified) {
  WritePrograms({{"A", "a", {{"HOTKEY", "Shift+Ctrl+F12"}}}});
  TFFeskINI& f = Start();
  f.FocusControl(f.HotKey1);
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Selected().hotkey, "Shift+Ctrl+F12");
  EXPECT_FALSE(f.Modified);
}

TEST_F(ShortCutTest, StoringDoesNotDependOnTheGroupTree) {
  WritePrograms({{"A", "a"}});
  TFFeskINI& f = Start();
  ASSERT_TRUE(f.TreeView1.tree.Empty());
  LeaveHotKey(kShortCutCtrl | 'Q');
  EXPECT_EQ(Selected().hotkey, "Ctrl+Q");
}

TEST_F(ShortCutTest, DuplicateCheckReportsEveryClashInSlotOrder) {
  WritePrograms({{"Other1", "o1", {{"ACTCODE", "lr"}, {"GROUP", "X"}}},
                 {"Mine", "m", {{"HOTKEY", "Ctrl+A"}, {"ACTCODE", "lr"}, {"DISPLAYPOS", "3"}, {"GROUP", "G"}}},
                 {"Other2", "o2", {{"HOTKEY", "Ctrl+A"}, {"ACTCODE", "LR"}, {"DISPLAYPOS", "3"}, {"GROUP", "X"}}},
                 {"Empty", "e", {{"GROUP", "X"}}}},
                {{"DISPGROUP", "G"}});
  TFFeskINI& f = Start();
  f.CheckBox10.SetChecked(true);  // only "Mine" is listed
  ASSERT_EQ(f.ListCount, 1);
  f.Button15Click();
  ASSERT_EQ(dialogs_.boxes.size(), 3u);
  EXPECT_EQ(dialogs_.boxes[0].text, "\"Mine\"で\r指定されたマウス・アクションは\r\"Other1\"で定義済みです");
  EXPECT_EQ(dialogs_.boxes[1].text, "\"Mine\"で\r指定されたショートカット・キーは\r\"Other2\"で定義済みです");
  EXPECT_EQ(dialogs_.boxes[2].text, "\"Mine\"で\r指定された画面ポジションは\r\"Other2\"で定義済みです");
  for (const auto& box : dialogs_.boxes) {
    EXPECT_EQ(box.caption, "重複定義");
    EXPECT_EQ(box.buttons, Buttons::kOk);
  }
  EXPECT_EQ(f.PageControl1.active, Page::kShortCut);
  EXPECT_EQ(f.ActiveControl(), &f.HotKey1);
  EXPECT_FALSE(f.Modified);
}

TEST_F(ShortCutTest, ProgramsWithoutValuesNeverClash) {
  WritePrograms({{"A", "a"}, {"B", "b"}});
  TFFeskINI& f = Start();
  f.Button15Click();
  SelectListItem(1);
  f.Button15Click();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_EQ(f.PageControl1.active, Page::kProgram);
}

class ScreenPositionTest : public EditorTest {
 protected:
  std::vector<Color> CellColours() {
    std::vector<Color> colours;
    for (Shape* cell : form().PositionCells()) colours.push_back(cell->brush);
    return colours;
  }
};

TEST_F(ScreenPositionTest, EachButtonStoresItsPositionAndPaintsItsCell) {
  WritePrograms({{"A", "a"}});
  TFFeskINI& f = Start();
  const std::vector<std::function<void()>> clicks = {
      [&] { f.SpeedButton1Click(); }, [&] { f.SpeedButton2Click(); },
      [&] { f.SpeedButton3Click(); }, [&] { f.SpeedButton4Click(); },
      [&] { f.SpeedButton5Click(); }, [&] { f.SpeedButton6Click(); },
      [&] { f.SpeedButton7Click(); }, [&] { f.SpeedButton8Click(); }};
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
  TFFeskINI& f = Start();
  f.SpeedButton3Click();
  EXPECT_TRUE(f.Modified);
  f.Modified = false;
  f.SpeedButton3Click();
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.DspPosShape3.brush, colors::kRed);
}

TEST_F(ScreenPositionTest, CancelClearsThePosition) {
  WritePrograms({{"A", "a"}, {"B", "b", {{"DISPLAYPOS", "5"}}}});
  TFFeskINI& f = Start();
  f.Button14Click();
  EXPECT_FALSE(f.Modified);
  SelectListItem(1);
  EXPECT_EQ(f.DspPosShape5.brush, colors::kRed);
  f.Button14Click();
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(Selected().displaypos, "");
  EXPECT_EQ(CellColours(), std::vector<Color>(8, colors::kButtonFace));
}

TEST_F(ScreenPositionTest, OtherValuesPaintNoCellAndStay) {
  WritePrograms({{"A", "a", {{"DISPLAYPOS", "9"}}}});
  TFFeskINI& f = Start();
  EXPECT_EQ(CellColours(), std::vector<Color>(8, colors::kButtonFace));
  f.ShowScreenPosition();
  EXPECT_EQ(Selected().displaypos, "9");
}

TEST_F(ScreenPositionTest, EmptyListMakesTheButtonsDoNothing) {
  WritePrograms({{"A", "a", {{"GROUP", "G"}}}}, {{"DISPGROUP", "none"}});
  TFFeskINI& f = Start();
  f.CheckBox10.SetChecked(true);
  ASSERT_EQ(f.ListCount, 0);
  f.SpeedButton1Click();
  f.Button14Click();
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(Entry(0).displaypos, "");
}

TEST_F(ScreenPositionTest, FlatButtonsLeaveAnEightPixelBandOutside) {
  TFFeskINI& f = Start();
  std::array<Shape*, 8> cells = f.PositionCells();
  std::array<SpeedButton*, 8> buttons = f.PositionButtons();
  for (std::size_t i = 0; i < 8; ++i) {
    const Shape& cell = *cells[i];
    const SpeedButton& button = *buttons[i];
    // The button lies inside its cell and is 17 pixels thick across the band.
    EXPECT_GE(button.left, cell.left);
    EXPECT_GE(button.top, cell.top);
    EXPECT_LE(button.left + button.width, cell.left + cell.width);
    EXPECT_LE(button.top + button.height, cell.top + cell.height);
    EXPECT_EQ(cell.width * cell.height - button.width * button.height,
              8 * (cell.width == 25 ? cell.height : cell.width) +
                  (cell.width == 25 && cell.height == 25 ? 8 * 17 : 0))
        << i;
  }
}

}  // namespace
}  // namespace fesk::editor::testing
