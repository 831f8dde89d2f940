// The on/off options, row by row: each box edits its option at once, loads
// from its key and is saved under it, and starts from the options' default.
#include <gtest/gtest.h>

#include <string>

#include "launcher/services/option_switches.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

class OptionSwitchesTest : public LauncherTest {
 protected:
  std::string Value(bool on) { return on ? "1" : "0"; }
};

// A row whose box had no click action would leave its option stale.
TEST_F(OptionSwitchesTest, AClickOnEachBoxChangesItsOptionAtOnce) {
  for (const OptionSwitch& row : kOptionSwitches) {
    SettingsDialog& f = Create();
    CheckBox& box = f.*row.box;
    const bool before = f.options.*row.option;
    ASSERT_EQ(box.checked(), before) << row.key;
    box.SetChecked(!box.checked());  // what a click on the window does
    EXPECT_EQ(f.options.*row.option, !before) << row.key;
  }
}

TEST_F(OptionSwitchesTest, EachBoxIsLoadedFromItsKeyAndSavedUnderIt) {
  for (const OptionSwitch& row : kOptionSwitches) {
    const bool other = !(LauncherOptions{}.*row.option);
    WriteIni({"[SYSTEM]", std::string(row.key) + "=" + Value(other)});
    SettingsDialog& f = Create();
    EXPECT_EQ((f.*row.box).checked(), other) << row.key;
    EXPECT_EQ(f.options.*row.option, other) << row.key;
    (f.*row.box).SetChecked(!other);
    f.Ok();
    EXPECT_NE(ReadIni().find("\r\n" + std::string(row.key) + "=" + Value(!other) + "\r\n"), std::string::npos)
        << row.key;
  }
}

// The keys and the defaults the file has always had: a box starts from the
// options' default, and a file without the key gives the same.
TEST_F(OptionSwitchesTest, EachKeyHasItsDefault) {
  const struct {
    const char* key;
    CheckBox SwitchBoxes::*box;
    bool on;
  } cases[] = {
      {"LINKFLG", &SwitchBoxes::auto_transfer_box, false},
      {"PRGERRMSG", &SwitchBoxes::start_errors_box, true},
      {"ACTERRMSG", &SwitchBoxes::unregistered_actions_box, false},
      {"RUNOPTION", &SwitchBoxes::run_time_option_box, false},
      {"TRIGGER1", &SwitchBoxes::mouse_actions_box, true},
      {"TRIGGER2", &SwitchBoxes::shortcut_keys_box, true},
      {"TRIGGER3", &SwitchBoxes::screen_positions_box, false},
      {"TRIGGER4", &SwitchBoxes::window_services_box, false},
      {"TRIGGER5", &SwitchBoxes::program_tray_icons_box, false},
      {"FULLSCREENQUIET", &SwitchBoxes::quiet_over_full_screen_box, true},
      {"AUTOSTART", &SwitchBoxes::start_with_windows_box, false},
      {"PREVIEW", &SwitchBoxes::preview_box, true},
  };
  ASSERT_EQ(std::size(cases), kOptionSwitches.size());
  const OptionControls design_time;
  SettingsDialog& f = Create();
  for (std::size_t i = 0; i < kOptionSwitches.size(); ++i) {
    const OptionSwitch& row = kOptionSwitches[i];
    EXPECT_STREQ(row.key, cases[i].key);
    EXPECT_EQ(row.box, cases[i].box) << row.key;
    EXPECT_EQ((design_time.*row.box).checked(), cases[i].on) << row.key << " before the first load";
    EXPECT_EQ((f.*row.box).checked(), cases[i].on) << row.key << " without a file";
  }
}

}  // namespace
}  // namespace fesk::testing
