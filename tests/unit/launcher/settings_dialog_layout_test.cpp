// The settings dialog's layout: the list the window makes its controls from.
#include <gtest/gtest.h>

#include <set>

#include "launcher_fixture.h"
#include "tests/support/form_layout_records.h"

namespace fesk::testing {
namespace {

class SettingsDialogLayoutTest : public LauncherTest {
 protected:
  // The page the layout gave a model; nothing when it is not listed.
  std::optional<int> PageOf(const void* model) const {
    for (const LaidOutControl& placed : form->layout.controls()) {
      if (RecordedModel(placed) == model) return placed.page;
    }
    return std::nullopt;
  }
};

TEST_F(SettingsDialogLayoutTest, EachControlIsListedOnce) {
  SettingsDialog& f = Create();
  std::set<const void*> seen;
  for (const LaidOutControl& placed : f.layout.controls()) {
    EXPECT_TRUE(seen.insert(RecordedModel(placed)).second) << "listed twice, page " << placed.page;
  }
}

TEST_F(SettingsDialogLayoutTest, ControlsAreListedOnTheirPage) {
  SettingsDialog& f = Create();
  const struct {
    const void* model;
    int page;
  } cases[] = {
      {&f.mouse_actions_box, kActionPage},
      {&f.tray_icon_choice, kActionPage},
      {&f.register_picture1, kActionPage},
      {&f.quiet_over_full_screen_box, kActionPage},
      {&f.start_with_windows_box, kActionPage},
      {&f.mode_choice, kMouseActPage},
      {&f.auto_transfer_box, kMouseActPage},
      {&f.preview_box, kMouseActPage},
      {&f.trigger_cells[15], kTriggerPage},
      {&f.legend_labels[3], kTriggerPage},
      {&f.trigger_choice, kTriggerPage},
      {&f.black_hole_fields[3][3], kSensorPage},
      {&f.interval_text, kSensorPage},
      {&f.service_lists[7], kServicePage},
      {&f.service_picture, kServicePage},
      {&f.quiet_program_list, kQuietPage},
      {&f.quiet_program_field, kQuietPage},
      {&f.open_program_list, kQuietPage},
      {&f.add_quiet_program_button, kQuietPage},
      {&f.remove_quiet_program_button, kQuietPage},
      {&f.product_suffix, kVersionPage},
      {&f.ok_button, kOffPages},
      {&f.cancel_button, kOffPages},
      {&f.hint_choice, kOffPages},
  };
  for (const auto& c : cases) EXPECT_EQ(PageOf(c.model), c.page) << "case " << (&c - cases);
}

// Never shown, so never made: the tray icon's pictures, and the markers,
// which are painted into the trigger cells.
TEST_F(SettingsDialogLayoutTest, PicturesOnlyHeldAndPaintedMarkersAreNotListed) {
  SettingsDialog& f = Create();
  for (const Image& picture : f.frame_pictures) EXPECT_EQ(PageOf(&picture), std::nullopt);
  EXPECT_EQ(PageOf(&f.run_option_picture), std::nullopt);
  EXPECT_EQ(PageOf(&f.mouse_action_marker), std::nullopt);
  EXPECT_EQ(PageOf(&f.window_service_marker), std::nullopt);
}

// A page's controls lie inside the page control; the window's own below it.
TEST_F(SettingsDialogLayoutTest, PageControlsLieOnTheirPageAndTheOthersBelowIt) {
  SettingsDialog& f = Create();
  for (const LaidOutControl& placed : f.layout.controls()) {
    const Control* c = RecordedControl(placed);
    if (c == nullptr) continue;  // a radio set: its buttons are placed each
    if (placed.page == kOffPages) {
      EXPECT_GE(c->top, f.pages.top + f.pages.height) << c->hint;
    } else {
      EXPECT_GE(c->left, 0);
      EXPECT_GE(c->top, 0);
      EXPECT_LE(c->left + c->width, f.pages.width) << c->hint;
      EXPECT_LE(c->top + c->height, f.pages.height) << c->hint;
    }
  }
}

}  // namespace
}  // namespace fesk::testing
