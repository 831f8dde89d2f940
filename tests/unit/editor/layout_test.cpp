// The editor's layouts: the lists its windows are made from, and the numbers
// another program finds the windows by (tests/e2e/editor_control_ids.h, the
// names the end-to-end tests use).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "editor_fixture.h"
#include "tests/e2e/editor_control_ids.h"
#include "tests/support/form_layout_records.h"

namespace fesk::editor::testing {
namespace {

namespace ids = ::fesk::e2e::editor::ids;
using ::fesk::testing::RecordedControl;
using ::fesk::testing::RecordedModel;

// The number each window of a layout gets, by model (a radio set's buttons
// one by one).
std::map<const void*, int> Numbers(const FormLayout& layout) {
  std::map<const void*, int> numbers;
  for (const LaidOutControl& placed : layout.controls()) {
    if (const auto* set = std::get_if<RadioSet*>(&placed.model)) {
      int number = placed.number;
      for (const RadioButton* button : (*set)->buttons()) numbers[button] = number++;
    } else {
      numbers[RecordedModel(placed)] = placed.number;
    }
  }
  return numbers;
}

// Every window numbered as `expected` says, and no other window laid out.
void ExpectNumbers(const FormLayout& layout, const std::vector<std::pair<const void*, int>>& expected) {
  const std::map<const void*, int> numbers = Numbers(layout);
  EXPECT_EQ(numbers.size(), expected.size());
  for (const auto& [model, id] : expected) {
    auto found = numbers.find(model);
    ASSERT_NE(found, numbers.end()) << "control " << id << " is not laid out";
    EXPECT_EQ(found->second, id);
  }
}

class LayoutTest : public EditorTest {};

TEST_F(LayoutTest, EachControlIsListedOnce) {
  MainForm& f = Start();
  for (const FormLayout* layout : {&f.layout, &f.palette_dialog.layout, &f.about_box.layout}) {
    std::set<const void*> seen;
    for (const LaidOutControl& placed : layout->controls()) {
      EXPECT_TRUE(seen.insert(RecordedModel(placed)).second) << "number " << placed.number;
    }
  }
}

// A page's controls lie inside the page control; the window's own outside.
TEST_F(LayoutTest, PageControlsLieOnTheirPage) {
  MainForm& f = Start();
  for (const LaidOutControl& placed : f.layout.controls()) {
    const Control* c = RecordedControl(placed);
    if (c == nullptr || placed.page == kOffPages || placed.container != nullptr) continue;
    EXPECT_GE(c->left, 0) << placed.number;
    EXPECT_GE(c->top, 0) << placed.number;
    EXPECT_LE(c->left + c->width, f.pages.width) << placed.number;
    EXPECT_LE(c->top + c->height, f.pages.height) << placed.number;
  }
}

TEST_F(LayoutTest, MainWindowsAreNumberedAsOtherProgramsFindThem) {
  MainForm& f = Start();
  std::vector<std::pair<const void*, int>> expected = {
      {&f.program_list, ids::kProgramList},
      {&f.move_up_button, ids::kMoveUpButton},
      {&f.move_down_button, ids::kMoveDownButton},
      {&f.group_filter, ids::kGroupFilter},
      {&f.icon_preview, ids::kIconPreview},
      {&f.list_position, ids::kListPosition},
      {&f.list_position_stroke, ids::kListPositionStroke},
      {&f.program_count, ids::kProgramCount},
      {&f.display_group_panel, ids::kDisplayGroupPanel},
      {&f.display_group_label, ids::kDisplayGroupLabel},
      {&f.hint_group, ids::kHintGroup},
      {&f.hints_on, ids::kHintsOn},
      {&f.hints_off, ids::kHintsOff},
      {&f.about_button, ids::kAboutButton},
      {&f.new_button, ids::kNewButton},
      {&f.delete_button, ids::kDeleteButton},
      {&f.desktop_button, ids::kDesktopButton},
      {&f.duplicate_check_button, ids::kDuplicateCheckButton},
      {&f.save_button, ids::kSaveButton},
      {&f.end_button, ids::kEndButton},
      {&f.title_caption, ids::kTitleCaption},
      {&f.title_field, ids::kTitleField},
      {&f.palette_button, ids::kPaletteButton},
      {&f.command_caption, ids::kCommandCaption},
      {&f.command_field, ids::kCommandField},
      {&f.browse_button, ids::kBrowseButton},
      {&f.option_caption, ids::kOptionCaption},
      {&f.option_field, ids::kOptionField},
      {&f.show_state_group, ids::kShowStateGroup},
      {&f.show_normal, ids::kShowNormal},
      {&f.show_maximized, ids::kShowMaximized},
      {&f.show_minimized, ids::kShowMinimized},
      {&f.tray_box, ids::kTrayBox},
      {&f.work_folder_caption, ids::kWorkFolderCaption},
      {&f.work_folder_field, ids::kWorkFolderField},
      {&f.group_caption, ids::kGroupCaption},
      {&f.entry_group_label, ids::kEntryGroupLabel},
      {&f.shortcut_caption, ids::kShortcutCaption},
      {&f.shortcut_field, ids::kShortcutField},
      {&f.next_cell_marker, ids::kNextCellMarker},
      {&f.order_caption, ids::kOrderCaption},
      {&f.first_direction_line, ids::kFirstDirectionLine},
      {&f.second_direction_line, ids::kSecondDirectionLine},
      {&f.backspace_button, ids::kBackspaceButton},
      {&f.clear_button, ids::kClearButton},
      {&f.read_action_button, ids::kReadActionButton},
      {&f.confirm_button, ids::kConfirmButton},
      {&f.animation_screen, ids::kAnimationScreen},
      {&f.pointer_waves3, ids::kPointerWaves3},
      {&f.program_window_picture, ids::kProgramWindowPicture},
      {&f.crossed_mouse_picture, ids::kCrossedMousePicture},
      {&f.pointer_waves2, ids::kPointerWaves2},
      {&f.pointer_waves1, ids::kPointerWaves1},
      {&f.pointer_still, ids::kPointerStill},
      {&f.start_position_panel, ids::kStartPositionPanel},
      {&f.start_position_captions[0], ids::kStartPositionCaption1},
      {&f.start_position_captions[1], ids::kStartPositionCaption2},
      {&f.start_position_captions[2], ids::kStartPositionCaption3},
      {&f.position_cancel_button, ids::kPositionCancelButton},
      {&f.position_text, ids::kPositionText},
      {&f.mode_group, ids::kModeGroup},
      {&f.mode1_choice, ids::kMode1Choice},
      {&f.mode2_choice, ids::kMode2Choice},
      {&f.add_group_button, ids::kAddGroupButton},
      {&f.rename_group_button, ids::kRenameGroupButton},
      {&f.delete_group_button, ids::kDeleteGroupButton},
      {&f.sort_groups_button, ids::kSortGroupsButton},
      {&f.move_source_button, ids::kMoveSourceButton},
      {&f.move_target_button, ids::kMoveTargetButton},
      {&f.register_in_group_button, ids::kRegisterInGroupButton},
      {&f.group_tree, ids::kGroupTree},
      {&f.move_source_bevel, ids::kMoveSourceBevel},
      {&f.move_source_label, ids::kMoveSourceLabel},
      {&f.move_arrow_left, ids::kMoveArrowLeft},
      {&f.move_arrow_right, ids::kMoveArrowRight},
      {&f.mode2_frame, ids::kMode2Frame},
  };
  for (int i = 0; i < 4; ++i) expected.emplace_back(&f.quadrant_squares[i], ids::kFirstQuadrantSquare + i);
  for (int n = 0; n < 16; ++n) expected.emplace_back(&f.action_cells[n], ids::kFirstActionCell + n);
  for (int k = 0; k < 9; ++k) expected.emplace_back(&f.start_positions[k], ids::kFirstStartPosition + k);
  for (int i = 0; i < 8; ++i) {
    expected.emplace_back(&f.position_cells[i], ids::kFirstPositionCell + i);
    expected.emplace_back(&f.position_buttons[i], ids::kFirstPositionButton + i);
  }
  ExpectNumbers(f.layout, expected);
  EXPECT_EQ(f.layout.page_control_number(), ids::kPages);
}

TEST_F(LayoutTest, SmallWindowsAreNumberedAsOtherProgramsFindThem) {
  MainForm& f = Start();
  const PaletteCommandDialog& palette = f.palette_dialog;
  std::vector<std::pair<const void*, int>> expected = {{&palette.frame, ids::kPaletteFrame},
                                                       {&palette.heading_frame, ids::kPaletteHeadingFrame},
                                                       {&palette.heading, ids::kPaletteHeading},
                                                       {&palette.ok_button, ids::kPaletteOk}};
  for (int i = 0; i < 10; ++i) expected.emplace_back(&palette.choices[i], ids::kFirstPaletteChoice + i);
  ExpectNumbers(palette.layout, expected);

  const AboutBox& about = f.about_box;
  ExpectNumbers(about.layout, {{&about.frame, ids::kAboutFrame},
                               {&about.program_icon, ids::kAboutIcon},
                               {&about.product_name, ids::kAboutProductName},
                               {&about.comments, ids::kAboutComments},
                               {&about.version, ids::kAboutVersion},
                               {&about.ok_button, ids::kAboutOk}});
}

}  // namespace
}  // namespace fesk::editor::testing
