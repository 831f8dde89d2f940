// ShowEntry and the page "マウスACT".
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class MouseActionTest : public EditorTest {
 protected:
  MainForm& StartWithCode(const std::string& code, const std::string& runpos = "111111111") {
    WritePrograms({{"Prog", "p.exe", {{"ACTCODE", code}, {"RUNPOS", runpos}}}});
    return Start();
  }
  std::vector<Color> CellColours() {
    std::vector<Color> colours;
    for (const Shape& cell : form().action_cells) colours.push_back(cell.brush);
    return colours;
  }
  // Presses the quadrant squares for the letters of a code.
  void Press(const std::string& letters) {
    for (char letter : letters) {
      switch (letter) {
        case 'l': form().quadrant_squares[0].on_mouse_down(MouseButton::kLeft); break;
        case 'r': form().quadrant_squares[1].on_mouse_down(MouseButton::kLeft); break;
        case 'L': form().quadrant_squares[2].on_mouse_down(MouseButton::kLeft); break;
        case 'R': form().quadrant_squares[3].on_mouse_down(MouseButton::kLeft); break;
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
  MainForm& f = Start();
  EXPECT_EQ(f.title_field.text, "Prog");
  EXPECT_EQ(f.command_field.text, "p.exe");
  EXPECT_EQ(f.work_folder_field.text, "C:\\W\\");
  EXPECT_EQ(f.option_field.text, "-x");
  EXPECT_TRUE(f.show_maximized.checked);
  EXPECT_FALSE(f.show_normal.checked);
  EXPECT_TRUE(f.tray_box.checked());
  EXPECT_EQ(f.position_cells[2].brush, colors::kRed);
  EXPECT_EQ(f.position_cells[0].brush, colors::kButtonFace);
  EXPECT_EQ(f.first_direction_line.caption, "右→左下");
  EXPECT_EQ(f.second_direction_line.caption, "");
  EXPECT_FALSE(f.crossed_mouse_picture.visible);
  EXPECT_EQ(CellColours()[0], colors::kRed);
  EXPECT_EQ(CellColours()[1], colors::kLime);
  EXPECT_EQ(CellColours()[2], colors::kBlue);
  EXPECT_EQ(CellColours()[3], colors::kWhite);
  EXPECT_EQ(f.CellCursor, 3);
  EXPECT_EQ(f.LastQuadrant, kLowerLeft);
  EXPECT_EQ(f.next_cell_marker.left, 127);  // one pixel left of cell 3
  std::vector<bool> boxes;
  for (const CheckBox& box : f.start_positions) boxes.push_back(box.checked());
  EXPECT_EQ(boxes, (std::vector<bool>{true, false, true, false, true, false, true, false, true}));
  EXPECT_EQ(f.shortcut_field.value, ShortCut(kShortCutCtrl | kShortCutAlt | 0x74));
  EXPECT_EQ(f.entry_group_label.caption, "A\\B");
  EXPECT_EQ(f.list_position.caption, "1");
  EXPECT_EQ(f.program_count.caption, "1");
}

TEST_F(MouseActionTest, ShowEntryWithoutSelectionClearsTheProgramFields) {
  MainForm& f = StartWithCode("lr");
  f.shortcut_field.value = 0x41;
  f.program_list.item_index = -1;
  f.ShowEntry(0);
  EXPECT_EQ(f.title_field.text, "");
  EXPECT_EQ(f.command_field.text, "");
  EXPECT_EQ(f.work_folder_field.text, "");
  EXPECT_TRUE(f.show_normal.checked);
  EXPECT_FALSE(f.tray_box.checked());
  EXPECT_EQ(f.shortcut_field.value, 0);
  EXPECT_EQ(f.entry_group_label.caption, "");
  EXPECT_EQ(f.first_direction_line.caption, "右");  // the rest of the pages stays as it was
}

TEST_F(MouseActionTest, EmptyCodeShowsWhiteCellsAndTheWarning) {
  MainForm& f = StartWithCode("");
  EXPECT_EQ(CellColours(), std::vector<Color>(16, colors::kWhite));
  EXPECT_EQ(f.next_cell_marker.left, 103);
  EXPECT_EQ(f.CellCursor, 0);
  EXPECT_TRUE(f.crossed_mouse_picture.visible);
  EXPECT_EQ(f.first_direction_line.caption, "");
  f.BackSpaceCell();
  f.ClearAction();
  f.ConfirmAction();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_EQ(f.animation_steps, 0);
  EXPECT_FALSE(f.Modified);
}

TEST_F(MouseActionTest, SquaresAddLettersNeverTwoEqualNeighbours) {
  MainForm& f = StartWithCode("");
  Press("ll");
  EXPECT_EQ(Selected().actcode, "l");
  Press("rl");
  EXPECT_EQ(Selected().actcode, "lrl");
  EXPECT_EQ(f.first_direction_line.caption, "右→左");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
}

TEST_F(MouseActionTest, TableHoldsSixteenLettersAndBackSpaceRemovesTheLast) {
  MainForm& f = StartWithCode("");
  Press("lrlrlrlrlrlrlrlr");
  EXPECT_EQ(Selected().actcode, "lrlrlrlrlrlrlrlr");
  EXPECT_EQ(f.CellCursor, 16);
  EXPECT_EQ(f.next_cell_marker.left, 223);  // stays above the last cell
  Press("L");
  EXPECT_EQ(Selected().actcode, "lrlrlrlrlrlrlrlr");
  f.BackSpaceCell();
  EXPECT_EQ(Selected().actcode, "lrlrlrlrlrlrlrl");
  EXPECT_EQ(f.CellCursor, 15);
  EXPECT_EQ(CellColours()[15], colors::kWhite);
  EXPECT_EQ(CellColours()[14], colors::kRed);
}

TEST_F(MouseActionTest, ClearAsksWithTheTitle) {
  MainForm& f = StartWithCode("lr");
  dialogs_.answers = {Answer::kCancel, Answer::kOk};
  f.ClearAction();
  EXPECT_EQ(Selected().actcode, "lr");
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
  EXPECT_FALSE(f.Modified);
  f.ClearAction();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].caption, "マウス・アクションのクリア");
  EXPECT_EQ(dialogs_.boxes[1].text, "\"Prog\"の\rマウス・アクションをクリアします。");
  EXPECT_EQ(Selected().actcode, "");
  EXPECT_EQ(f.CellCursor, 0);
  EXPECT_TRUE(f.Modified);
}

TEST_F(MouseActionTest, ReadingTheTransferredCodeIsAChangeWhenTheCodeChanges) {
  MainForm& f = StartWithCode("lr");
  const std::string programs = ReadFile(IniPath());
  WriteFile(IniPath(), programs + "[SYSTEM]\r\nLINK=lr\r\n");
  f.ReadMouseAction();
  EXPECT_EQ(Selected().actcode, "lr");
  EXPECT_FALSE(f.Modified) << "the same code again changes nothing";

  WriteFile(IniPath(), programs + "[SYSTEM]\r\nLINK=Lr\r\n");
  f.ReadMouseAction();
  EXPECT_EQ(Selected().actcode, "Lr");
  EXPECT_EQ(f.first_direction_line.caption, "右上");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
  f.EndEditor();
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");

  WriteFile(IniPath(), "[SYSTEM]\r\nLINK=" + std::string(40, 'l') + "\r\n");
  f.ReadMouseAction();
  EXPECT_EQ(Selected().actcode, std::string(30, 'l'));

  WriteFile(IniPath(), "[SYSTEM]\r\nLINK=\r\n");
  f.ReadMouseAction();
  EXPECT_EQ(Selected().actcode, "");
  EXPECT_EQ(f.CellCursor, 0);
}

TEST_F(MouseActionTest, StartPositionBoxIsStoredWhenLeft) {
  MainForm& f = StartWithCode("lr", "101010101");
  f.FocusControl(f.start_positions[4]);
  f.start_positions[4].SetChecked(false);
  f.FocusControl(f.program_list);
  EXPECT_EQ(Selected().runpos, "101000101");
  EXPECT_TRUE(f.Modified);
}

TEST_F(MouseActionTest, StartPositionBoxesAreSkippedByTab) {
  MainForm& f = StartWithCode("lr");
  for (const CheckBox& box : f.start_positions) EXPECT_FALSE(box.tab_stop);
  EXPECT_TRUE(f.title_field.tab_stop);
  EXPECT_TRUE(f.tray_box.tab_stop);
}

TEST_F(MouseActionTest, ShortMaskIsFilledUpToTheBoxLeft) {
  struct Case {
    const char* mask;
    int box;
    bool checked;
    const char* stored;
  };
  const Case cases[] = {
      {"11", 5, true, "11001"}, {"11", 2, false, "10"}, {"", 1, true, "1"}, {"111111111", 9, false, "111111110"}};
  for (const Case& c : cases) {
    form_.reset();
    MainForm& f = StartWithCode("lr", c.mask);
    CheckBox& box = f.start_positions[static_cast<std::size_t>(c.box - 1)];
    f.FocusControl(box);
    box.SetChecked(c.checked);
    f.FocusControl(f.program_list);
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
    MainForm& f = StartWithCode(c.code);
    std::map<AnimationRepaint, int> repaints;
    std::vector<Point> positions;
    bool button_enabled_meanwhile = false;
    f.on_animation_repaint = [&](AnimationRepaint what) {
      ++repaints[what];
      button_enabled_meanwhile |= f.confirm_button.enabled;
      if (what == AnimationRepaint::kFrames) {
        for (Image* frame : {&f.pointer_waves3, &f.pointer_waves2, &f.pointer_waves1, &f.pointer_still}) {
          if (frame->visible) positions.push_back({frame->left, frame->top});
        }
      }
    };
    const long long ticks_before = clock_.now_ms / clock_.resolution;
    f.ConfirmAction();
    const long long ticks = clock_.now_ms / clock_.resolution - ticks_before;
    EXPECT_EQ(f.animation_steps, c.steps) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kFrames], c.steps) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kPicture], 12) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kScreen], 1) << c.code;
    EXPECT_EQ(repaints[AnimationRepaint::kMarker], 16) << c.code;
    // Every step and every growth waited for a tick of its own.
    EXPECT_GE(ticks, c.steps + 12) << c.code;
    EXPECT_EQ(positions.size(), static_cast<std::size_t>(c.steps));
    EXPECT_FALSE(button_enabled_meanwhile);
    EXPECT_TRUE(f.confirm_button.enabled);
    EXPECT_TRUE(f.program_window_picture.visible);
    EXPECT_EQ((Rect{f.program_window_picture.left, f.program_window_picture.top, f.program_window_picture.width,
                    f.program_window_picture.height}),
              (Rect{314, 104, 49, 49}));
    EXPECT_EQ(f.next_cell_marker.left, 103);
  }
}

TEST_F(MouseActionTest, PointerTravelsAlongTheTopEdgeForRight) {
  MainForm& f = StartWithCode("lr");
  std::vector<Point> positions;
  std::vector<const Image*> shown;
  f.on_animation_repaint = [&](AnimationRepaint what) {
    if (what != AnimationRepaint::kFrames) return;
    for (Image* frame : {&f.pointer_waves3, &f.pointer_waves2, &f.pointer_waves1, &f.pointer_still}) {
      if (frame->visible) {
        positions.push_back({frame->left, frame->top});
        shown.push_back(frame);
      }
    }
  };
  f.ConfirmAction();
  ASSERT_EQ(positions.size(), 26u);
  for (std::size_t s = 0; s < positions.size(); ++s) {
    EXPECT_EQ(positions[s], (Point{311 + static_cast<int>(s), 101}));
  }
  // The frame turns with the step: one, two, three waves, then none.
  EXPECT_EQ((std::vector<const Image*>(shown.begin(), shown.begin() + 5)),
            (std::vector<const Image*>{&f.pointer_waves1, &f.pointer_waves2, &f.pointer_waves3, &f.pointer_still,
                                       &f.pointer_waves1}));
  for (const Image* frame : {&f.pointer_waves3, &f.pointer_waves2, &f.pointer_waves1, &f.pointer_still})
    EXPECT_FALSE(frame->visible);
  f.ShowEntry(0);
  EXPECT_FALSE(f.program_window_picture.visible);
  EXPECT_FALSE(f.pointer_waves2.visible);
}

TEST_F(MouseActionTest, IncompleteCodeIsNotAnimated) {
  for (const char* code : {"rR", "LR"}) {
    form_.reset();
    MainForm& f = StartWithCode(code);
    EXPECT_TRUE(f.crossed_mouse_picture.visible) << code;
    int repaints = 0;
    f.on_animation_repaint = [&](AnimationRepaint) { ++repaints; };
    f.ConfirmAction();
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(f.animation_steps, 0);
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
      MainForm& f = Start();
      f.group_filter.SetChecked(true);
      ASSERT_EQ(f.list_position.caption, "0");
      f.PageChange(c.page);
      EXPECT_EQ(f.pages.active, Page::kProgram);
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
  MainForm& f = StartWithCode("lr");
  struct Case {
    Page page;
    int help;
    bool check_enabled;
  };
  const Case cases[] = {{Page::kGroup, 39, false},      {Page::kShortCut, 36, true}, {Page::kGroup, 39, false},
                        {Page::kMouseAction, 37, true}, {Page::kGroup, 39, false},   {Page::kScreenPosition, 38, true},
                        {Page::kProgram, 35, true}};
  for (const Case& c : cases) {
    f.PageChange(c.page);
    EXPECT_EQ(f.pages.active, c.page);
    EXPECT_EQ(f.pages.help_context, c.help);
    EXPECT_EQ(f.duplicate_check_button.enabled, c.check_enabled);
  }
  f.PageChange(Page::kShortCut);
  EXPECT_EQ(f.ActiveControl(), &f.shortcut_field);
}

}  // namespace
}  // namespace fesk::editor::testing
