// ShowEntry and the page "マウスACT".
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class MouseActionTest : public EditorTest {
 protected:
  TFFeskINI& StartWithCode(const std::string& code, const std::string& runpos = "111111111") {
    WritePrograms({{"Prog", "p.exe", {{"ACTCODE", code}, {"RUNPOS", runpos}}}});
    return Start();
  }
  std::vector<Color> CellColours() {
    std::vector<Color> colours;
    for (Shape* cell : form().Cells()) colours.push_back(cell->brush);
    return colours;
  }
  // Presses the quadrant squares for the letters of a code.
  void Press(const std::string& letters) {
    for (char letter : letters) {
      switch (letter) {
        case 'l': form().Shape1MouseDown(); break;
        case 'r': form().Shape2MouseDown(); break;
        case 'L': form().Shape3MouseDown(); break;
        case 'R': form().Shape4MouseDown(); break;
      }
    }
  }
};

TEST_F(MouseActionTest, ShowEntryFillsEveryPage) {
  WritePrograms({{"Prog",
                  "p.exe",
                  {{"CMDSHOW", "SW_SHOWMAXIMIZED"},
                   {"TASKTRAY", "ON"},
                   {"WORKDIR", "C:\\W\\"},
                   {"OPTION", "-x"},
                   {"ACTCODE", "lrL"},
                   {"RUNPOS", "101010101"},
                   {"HOTKEY", "Ctrl+Alt+F5"},
                   {"GROUP", "A\\B"},
                   {"DISPLAYPOS", "3"}}}});
  TFFeskINI& f = Start();
  EXPECT_EQ(f.Edit3.text, "Prog");
  EXPECT_EQ(f.Edit1.text, "p.exe");
  EXPECT_EQ(f.Edit2.text, "C:\\W\\");
  EXPECT_EQ(f.Edit4.text, "-x");
  EXPECT_TRUE(f.RadioButton2.checked);
  EXPECT_FALSE(f.RadioButton1.checked);
  EXPECT_TRUE(f.CheckBox11.checked());
  EXPECT_EQ(f.DspPosShape3.brush, colors::kRed);
  EXPECT_EQ(f.DspPosShape1.brush, colors::kButtonFace);
  EXPECT_EQ(f.Label10.caption, "右→左下");
  EXPECT_EQ(f.Label11.caption, "");
  EXPECT_FALSE(f.Image3.visible);
  EXPECT_EQ(CellColours()[0], colors::kRed);
  EXPECT_EQ(CellColours()[1], colors::kLime);
  EXPECT_EQ(CellColours()[2], colors::kBlue);
  EXPECT_EQ(CellColours()[3], colors::kWhite);
  EXPECT_EQ(f.CellCursor, 3);
  EXPECT_EQ(f.LastQuadrant, kLowerLeft);
  EXPECT_EQ(f.Label9.left, 127);  // one pixel left of cell 3
  std::vector<bool> boxes;
  for (CheckBox* box : f.RunPositionBoxes()) boxes.push_back(box->checked());
  EXPECT_EQ(boxes, (std::vector<bool>{true, false, true, false, true, false, true, false, true}));
  EXPECT_EQ(f.HotKey1.value, ShortCut(kShortCutCtrl | kShortCutAlt | 0x74));
  EXPECT_EQ(f.Label20.caption, "A\\B");
  EXPECT_EQ(f.Label6.caption, "1");
  EXPECT_EQ(f.Label8.caption, "1");
}

TEST_F(MouseActionTest, ShowEntryWithoutSelectionClearsTheProgramFields) {
  TFFeskINI& f = StartWithCode("lr");
  f.HotKey1.value = 0x41;
  f.ListBox1.item_index = -1;
  f.ShowEntry(0);
  EXPECT_EQ(f.Edit3.text, "");
  EXPECT_EQ(f.Edit1.text, "");
  EXPECT_EQ(f.Edit2.text, "");
  EXPECT_TRUE(f.RadioButton1.checked);
  EXPECT_FALSE(f.CheckBox11.checked());
  EXPECT_EQ(f.HotKey1.value, 0);
  EXPECT_EQ(f.Label20.caption, "");
  EXPECT_EQ(f.Label10.caption, "右");  // the rest of the pages stays as it was
}

TEST_F(MouseActionTest, EmptyCodeShowsWhiteCellsAndTheWarning) {
  TFFeskINI& f = StartWithCode("");
  EXPECT_EQ(CellColours(), std::vector<Color>(16, colors::kWhite));
  EXPECT_EQ(f.Label9.left, 103);
  EXPECT_EQ(f.CellCursor, 0);
  EXPECT_TRUE(f.Image3.visible);
  EXPECT_EQ(f.Label10.caption, "");
  f.Button8Click();
  f.Button6Click();
  f.BitBtn1Click();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_EQ(f.AnimationSteps, 0);
  EXPECT_FALSE(f.Modified);
}

TEST_F(MouseActionTest, SquaresAddLettersNeverTwoEqualNeighbours) {
  TFFeskINI& f = StartWithCode("");
  Press("ll");
  EXPECT_EQ(Selected().actcode, "l");
  Press("rl");
  EXPECT_EQ(Selected().actcode, "lrl");
  EXPECT_EQ(f.Label10.caption, "右→左");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
}

TEST_F(MouseActionTest, TableHoldsSixteenLettersAndBackSpaceRemovesTheLast) {
  TFFeskINI& f = StartWithCode("");
  Press("lrlrlrlrlrlrlrlr");
  EXPECT_EQ(Selected().actcode, "lrlrlrlrlrlrlrlr");
  EXPECT_EQ(f.CellCursor, 16);
  EXPECT_EQ(f.Label9.left, 223);  // stays above the last cell
  Press("L");
  EXPECT_EQ(Selected().actcode, "lrlrlrlrlrlrlrlr");
  f.Button8Click();
  EXPECT_EQ(Selected().actcode, "lrlrlrlrlrlrlrl");
  EXPECT_EQ(f.CellCursor, 15);
  EXPECT_EQ(CellColours()[15], colors::kWhite);
  EXPECT_EQ(CellColours()[14], colors::kRed);
}

TEST_F(MouseActionTest, ClearAsksWithTheTitle) {
  TFFeskINI& f = StartWithCode("lr");
  dialogs_.answers = {Answer::kCancel, Answer::kOk};
  f.Button6Click();
  EXPECT_EQ(Selected().actcode, "lr");
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
  EXPECT_FALSE(f.Modified);
  f.Button6Click();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].caption, "マウス・アクションのクリア");
  EXPECT_EQ(dialogs_.boxes[1].text, "\"Prog\"の\rマウス・アクションをクリアします。");
  EXPECT_EQ(Selected().actcode, "");
  EXPECT_EQ(f.CellCursor, 0);
  EXPECT_TRUE(f.Modified);
}

TEST_F(MouseActionTest, ReadingTheTransferredCodeIsAChangeWhenTheCodeChanges) {
  TFFeskINI& f = StartWithCode("lr");
  const std::string programs = ReadFile(IniPath());
  WriteFile(IniPath(), programs + "[SYSTEM]\r\nLINK=lr\r\n");
  f.Button10Click();
  EXPECT_EQ(Selected().actcode, "lr");
  EXPECT_FALSE(f.Modified) << "the same code again changes nothing";

  WriteFile(IniPath(), programs + "[SYSTEM]\r\nLINK=Lr\r\n");
  f.Button10Click();
  EXPECT_EQ(Selected().actcode, "Lr");
  EXPECT_EQ(f.Label10.caption, "右上");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
  f.Button4Click();
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");

  WriteFile(IniPath(), "[SYSTEM]\r\nLINK=" + std::string(40, 'l') + "\r\n");
  f.Button10Click();
  EXPECT_EQ(Selected().actcode, std::string(30, 'l'));

  WriteFile(IniPath(), "[SYSTEM]\r\nLINK=\r\n");
  f.Button10Click();
  EXPECT_EQ(Selected().actcode, "");
  EXPECT_EQ(f.CellCursor, 0);
}

TEST_F(MouseActionTest, StartPositionBoxIsStoredWhenLeft) {
  TFFeskINI& f = StartWithCode("lr", "101010101");
  f.FocusControl(f.CheckBox5);
  f.CheckBox5.SetChecked(false);
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Selected().runpos, "101000101");
  EXPECT_TRUE(f.Modified);
}

TEST_F(MouseActionTest, StartPositionBoxesAreSkippedByTab) {
  TFFeskINI& f = StartWithCode("lr");
  for (CheckBox* box : f.RunPositionBoxes()) EXPECT_FALSE(f.TakesTabFocus(*box));
  EXPECT_TRUE(f.TakesTabFocus(f.Edit3));
  EXPECT_TRUE(f.TakesTabFocus(f.CheckBox11));
}

TEST_F(MouseActionTest, ShortMaskIsFilledUpToTheBoxLeft) {
  struct Case {
    const char* mask;
    int box;
    bool checked;
    const char* stored;
  };
  const Case cases[] = {{"11", 5, true, "11001"}, {"11", 2, false, "10"},
                        {"", 1, true, "1"}, {"111111111", 9, false, "111111110"}};
  for (const Case& c : cases) {
    form_.reset();
    TFFeskINI& f = StartWithCode("lr", c.mask);
    CheckBox& box = *f.RunPositionBoxes()[static_cast<std::size_t>(c.box - 1)];
    f.FocusControl(box);
    box.SetChecked(c.checked);
    f.FocusControl(f.ListBox1);
    EXPECT_EQ(Selected().runpos, c.stored) << c.mask << " box " << c.box;
  }
}

TEST_F(MouseActionTest, AnimationTakesTwentySixStepsPerMoveAndTwelveForThePicture) {
  struct Case {
    const char* code;
    int steps;
  };
  const Case cases[] = {{"lr", 26}, {"lrl", 52}, {"lR", 26}, {"lLrR", 78}};
  for (const Case& c : cases) {
    form_.reset();
    TFFeskINI& f = StartWithCode(c.code);
    std::map<AnimationRepaint, int> repaints;
    std::vector<Point> positions;
    bool button_enabled_meanwhile = false;
    f.on_animation_repaint = [&](AnimationRepaint what) {
      ++repaints[what];
      button_enabled_meanwhile |= f.BitBtn1.enabled;
      if (what == AnimationRepaint::kFrames) {
        for (Image* frame : {&f.Image1, &f.Image4, &f.Image5, &f.Image6}) {
          if (frame->visible) positions.push_back({frame->left, frame->top});
        }
      }
    };
    const long long ticks_before = clock_.now_ms / clock_.resolution;
    f.BitBtn1Click();
    const long long ticks = clock_.now_ms / clock_.resolution - ticks_before;
    EXPECT_EQ(f.AnimationSteps, c.steps) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kFrames], c.steps) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kPicture], 12) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kScreen], 1) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kMarker], 16) << c.code;
    // Every step and every growth waited for a tick of its own.
    EXPECT_GE(ticks, c.steps + 12) << c.code;
    EXPECT_EQ(positions.size(), static_cast<std::size_t>(c.steps));
    EXPECT_FALSE(button_enabled_meanwhile);
    EXPECT_TRUE(f.BitBtn1.enabled);
    EXPECT_TRUE(f.Image2.visible);
    EXPECT_EQ((Rect{f.Image2.left, f.Image2.top, f.Image2.width, f.Image2.height}),
              (Rect{314, 104, 49, 49}));
    EXPECT_EQ(f.Label9.left, 103);
  }
}

TEST_F(MouseActionTest, PointerTravelsAlongTheTopEdgeForRight) {
  TFFeskINI& f = StartWithCode("lr");
  std::vector<Point> positions;
  std::vector<const Image*> shown;
  f.on_animation_repaint = [&](AnimationRepaint what) {
    if (what != AnimationRepaint::kFrames) return;
    for (Image* frame : {&f.Image1, &f.Image4, &f.Image5, &f.Image6}) {
      if (frame->visible) {
        positions.push_back({frame->left, frame->top});
        shown.push_back(frame);
      }
    }
  };
  f.BitBtn1Click();
  ASSERT_EQ(positions.size(), 26u);
  for (std::size_t s = 0; s < positions.size(); ++s) {
    EXPECT_EQ(positions[s], (Point{311 + static_cast<int>(s), 101}));
  }
  // The frame turns with the step: one, two, three waves, then none.
  EXPECT_EQ((std::vector<const Image*>(shown.begin(), shown.begin() + 5)),
            (std::vector<const Image*>{&f.Image5, &f.Image4, &f.Image1, &f.Image6, &f.Image5}));
  for (const Image* frame : {&f.Image1, &f.Image4, &f.Image5, &f.Image6}) EXPECT_FALSE(frame->visible);
  f.ShowEntry(0);
  EXPECT_FALSE(f.Image2.visible);
  EXPECT_FALSE(f.Image4.visible);
}

TEST_F(MouseActionTest, IncompleteCodeIsNotAnimated) {
  for (const char* code : {"rR", "LR"}) {
    form_.reset();
    TFFeskINI& f = StartWithCode(code);
    EXPECT_TRUE(f.Image3.visible) << code;
    int repaints = 0;
    f.on_animation_repaint = [&](AnimationRepaint) { ++repaints; };
    f.BitBtn1Click();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(f.AnimationSteps, 0);
  }
}

TEST_F(MouseActionTest, PagesNeedingAProgramGiveWayToTheProgramPage) {
  struct Case {
    Page page;
    const char* name;
  };
  const Case cases[] = {{Page::kShortCut, "ショートカット"},
                        {Page::kMouseAction, "マウスＡＣＴ"},
                        {Page::kScreenPosition, "画面ポイント"}};
  for (bool hints : {true, false}) {
    for (const Case& c : cases) {
      form_.reset();
      dialogs_.boxes.clear();
      WritePrograms({{"A", "a", {{"GROUP", "G"}}}}, {{"HINT", hints ? "ON" : "OFF"}, {"DISPGROUP", "none"}});
      TFFeskINI& f = Start();
      f.CheckBox10.SetChecked(true);
      ASSERT_EQ(f.Label6.caption, "0");
      f.PageControl1Change(c.page);
      EXPECT_EQ(f.PageControl1.active, Page::kProgram);
      if (hints) {
        ASSERT_EQ(dialogs_.boxes.size(), 1u);
        EXPECT_EQ(dialogs_.boxes[0].caption, "FESKINI 確認");
        EXPECT_EQ(dialogs_.boxes[0].text,
                  std::string("\"") + c.name +
                      "\"ページは表示できません\r\rプログラムが登録されていないか選択されたグループにプログラムが\r"
                      "登録されていないのが原因です\r\rプログラムを登録するか､表示グループを変更してください\r"
                      "または、左上のｸﾞﾙｰﾌﾟﾁｪｯｸがONになった可能性があります");
      } else {
        EXPECT_TRUE(dialogs_.boxes.empty());
      }
    }
  }
}

TEST_F(MouseActionTest, PageSwitchesSetHelpContextsAndTheCheckButton) {
  TFFeskINI& f = StartWithCode("lr");
  struct Case {
    Page page;
    int help;
    bool check_enabled;
  };
  const Case cases[] = {{Page::kGroup, 39, false}, {Page::kShortCut, 36, true},
                        {Page::kGroup, 39, false}, {Page::kMouseAction, 37, true},
                        {Page::kGroup, 39, false}, {Page::kScreenPosition, 38, true},
                        {Page::kProgram, 35, true}};
  for (const Case& c : cases) {
    f.PageControl1Change(c.page);
    EXPECT_EQ(f.PageControl1.active, c.page);
    EXPECT_EQ(f.PageControl1.help_context, c.help);
    EXPECT_EQ(f.Button15.enabled, c.check_enabled);
  }
  f.PageControl1Change(Page::kShortCut);
  EXPECT_EQ(f.ActiveControl(), &f.HotKey1);
}

}  // namespace
}  // namespace fesk::editor::testing
