#include <gtest/gtest.h>

#include <sstream>

#include "launcher/ui/trigger_cells.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

class LauncherSettingsTest : public LauncherTest {};

TEST_F(LauncherSettingsTest, WithoutAFileEveryOptionHasItsDefault) {
  SettingsDialog& f = Create();
  EXPECT_EQ(f.mode_choice.item_index(), 0);
  EXPECT_EQ(f.options.mouse_action_trigger, 1);
  EXPECT_EQ(f.options.window_service_trigger, 6);
  EXPECT_EQ(f.options.mouse_action_keys, TriggerKeysFor(1));
  EXPECT_EQ(f.options.window_service_keys, TriggerKeysFor(6));
  EXPECT_EQ(f.options.neutral_divisor, 5);
  EXPECT_EQ(f.neutral_text.caption, "5");
  EXPECT_EQ(f.options.minimum_move, 10);
  EXPECT_EQ(f.minimum_move_text.caption, "10ﾄﾞｯﾄ");
  EXPECT_EQ(f.sensing_timer.interval, 10);
  EXPECT_EQ(f.interval_text.caption, "10/1000秒");
  EXPECT_FALSE(f.run_spot_box.checked());
  EXPECT_EQ((Rect{f.run_spot_fields[0].value, f.run_spot_fields[1].value, f.run_spot_fields[2].value,
                  f.run_spot_fields[3].value}),
            (Rect{0, 0, 1024, 768}));
  EXPECT_FALSE(f.black_holes_box.checked());
  EXPECT_EQ(f.tables.ProgramCount, 0);
  for (int position = 1; position <= 8; ++position) {
    EXPECT_EQ(f.tables.ScreenPositionSlots.Owner(position), kNoSlot);
  }
  const bool expected_flags[] = {false, true, false, true, true, false, false, false, false};
  const CheckBox* boxes[] = {&f.auto_transfer_box,   &f.start_errors_box,    &f.unregistered_actions_box,
                             &f.mouse_actions_box,   &f.shortcut_keys_box,   &f.screen_positions_box,
                             &f.window_services_box, &f.run_time_option_box, &f.program_tray_icons_box};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(boxes[i]->checked(), expected_flags[i]) << "CheckBox" << i + 1;
  const int services[] = {1, 3, 2, 6, 5, 7, 4, 8};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(f.service_lists[i].item_index, services[i]);
  EXPECT_EQ(f.tray_icon_choice.item_index(), 0);
  EXPECT_TRUE(f.hints_on.checked);
  EXPECT_TRUE(f.options.hints);
  EXPECT_EQ(f.mouse_action_marker.top, TriggerCellBounds(1).top + 5);
  EXPECT_EQ(f.window_service_marker.left, TriggerCellBounds(6).left);
}

TEST_F(LauncherSettingsTest, ListEndsAtTheFirstSlotWithoutTitleAndCommand) {
  WriteIni({"[CMD0]", "DISCRIPTION=A", "[CMD1]", "CMDLINE=b.exe", "[CMD2]", "OPTION=x", "[CMD3]", "DISCRIPTION=D",
            "DISPLAYPOS=1"});
  SettingsDialog& f = Create();
  EXPECT_EQ(f.tables.ProgramCount, 2);
  EXPECT_EQ(f.tables.ScreenPositionSlots.Owner(1), kNoSlot);
}

TEST_F(LauncherSettingsTest, TitlesAndCodesTakeTheirDefaults) {
  WriteIni({"[CMD0]", "DISCRIPTION=", "CMDLINE=a.exe", "ACTCODE=lr", "[CMD1]", "CMDLINE=b.exe"});
  SettingsDialog& f = Create();
  ASSERT_EQ(f.tables.ProgramCount, 2);
  EXPECT_EQ(f.tables.ProgramTitles[0], "");
  EXPECT_EQ(f.tables.ProgramTitles[1], "<ﾀｲﾄﾙ未登録>");
  EXPECT_EQ(f.tables.ActionCodes[0], "lr");
  EXPECT_EQ(f.tables.ActionCodes[1], "NONE");
}

TEST_F(LauncherSettingsTest, FirstProgramNamingAPositionOwnsIt) {
  WriteIni({"[CMD0]", "DISCRIPTION=A", "DISPLAYPOS=0", "[CMD1]", "DISCRIPTION=B", "DISPLAYPOS=3", "[CMD2]",
            "DISCRIPTION=C", "DISPLAYPOS=3", "[CMD3]", "DISCRIPTION=D", "DISPLAYPOS=9", "[CMD4]", "DISCRIPTION=E",
            "DISPLAYPOS=", "[CMD5]", "DISCRIPTION=F", "DISPLAYPOS=8"});
  SettingsDialog& f = Create();
  std::vector<int> owners;
  for (int position = 1; position <= 8; ++position) owners.push_back(f.tables.ScreenPositionSlots.Owner(position));
  EXPECT_EQ(owners, (std::vector<int>{kNoSlot, kNoSlot, 1, kNoSlot, kNoSlot, kNoSlot, kNoSlot, 5}));
}

TEST_F(LauncherSettingsTest, ShortcutsBecomeKeyAndModifierRequirements) {
  WriteIni({"[CMD0]", "DISCRIPTION=A", "HOTKEY=Shift+A", "[CMD1]", "DISCRIPTION=B", "HOTKEY=Alt+F5", "[CMD2]",
            "DISCRIPTION=C", "HOTKEY=Ctrl+Alt+B", "[CMD3]", "DISCRIPTION=D", "HOTKEY=Nothing", "[CMD4]",
            "DISCRIPTION=E"});
  SettingsDialog& f = Create();
  EXPECT_EQ(f.tables.HotKeyTable[0].key, kNoSlot);
  EXPECT_EQ(f.tables.HotKeyTable[1], MakeHotKeyEntry(kShortCutAlt | 0x74));
  EXPECT_EQ(f.tables.HotKeyTable[2], MakeHotKeyEntry(kShortCutCtrl | kShortCutAlt | 'B'));
  EXPECT_EQ(f.tables.HotKeyTable[3].key, kNoSlot);
  EXPECT_EQ(f.tables.HotKeyTable[4].key, kNoSlot);
}

TEST_F(LauncherSettingsTest, SlidersBringValuesIntoRange) {
  struct Case {
    std::string nutral, senmin, interval;
    int divisor, minimum, period;
  };
  const Case cases[] = {
      {"20", "999", "0", 10, 400, 1}, {"1", "-5", "500", 3, 0, 100},  {"abc", "x", "0x14", 5, 10, 20},
      {"7", "0", "100", 7, 0, 100},   {"10", "400", "1", 10, 400, 1},
  };
  for (const Case& c : cases) {
    WriteIni({"[SYSTEM]", "NUTRAL=" + c.nutral, "SENMIN=" + c.senmin, "INTERVAL=" + c.interval});
    SettingsDialog& f = Create();
    EXPECT_EQ(f.options.neutral_divisor, c.divisor) << c.nutral;
    EXPECT_EQ(f.neutral_text.caption, std::to_string(c.divisor));
    EXPECT_EQ(f.neutral_slider.position(), c.divisor);
    EXPECT_EQ(f.options.minimum_move, c.minimum) << c.senmin;
    EXPECT_EQ(f.minimum_move_text.caption, std::to_string(c.minimum) + "ﾄﾞｯﾄ");
    EXPECT_EQ(f.sensing_timer.interval, c.period) << c.interval;
    EXPECT_EQ(f.interval_text.caption, std::to_string(c.period) + "/1000秒");
  }
}

TEST_F(LauncherSettingsTest, OutOfRangeSelectionsFollowTheControls) {
  struct Case {
    std::string mode, icon, service;
    int mode_index, icon_index, service_index;
  };
  const Case cases[] = {
      {"7", "5", "18", 3, 1, -1},
      {"-2", "-1", "-1", -1, -1, -1},
      {"2", "1", "17", 2, 1, 17},
      {"-1", "0", "0", -1, 0, 0},
  };
  for (const Case& c : cases) {
    WriteIni({"[SYSTEM]", "MODE=" + c.mode, "SYSTEMICON=" + c.icon, "WinService3=" + c.service});
    SettingsDialog& f = Create();
    EXPECT_EQ(f.mode_choice.item_index(), c.mode_index) << c.mode;
    EXPECT_EQ(f.tray_icon_choice.item_index(), c.icon_index) << c.icon;
    EXPECT_EQ(f.service_lists[2].item_index, c.service_index) << c.service;
    f.Ok();
    SettingsFile saved{FilePath(IniPath())};
    EXPECT_EQ(saved.ReadInteger("SYSTEM", "MODE", 99), c.mode_index);
    EXPECT_EQ(saved.ReadInteger("SYSTEM", "SYSTEMICON", 99), c.icon_index);
    EXPECT_EQ(saved.ReadInteger("SYSTEM", "WinService3", 99), c.service_index);
  }
}

TEST_F(LauncherSettingsTest, TriggerNumbersOutsideTheTableAreIgnored) {
  WriteIni({"[SYSTEM]", "SELECTKEY=16", "WINSELECTKEY=-1"});
  SettingsDialog& f = Create();
  EXPECT_EQ(f.options.mouse_action_trigger, 0);
  EXPECT_EQ(f.options.window_service_trigger, 0);
  EXPECT_EQ(f.options.mouse_action_keys, TriggerKeysFor(0));
  EXPECT_EQ(f.mouse_action_marker.top, TriggerCellBounds(0).top + 5);

  f.TriggerCellClick(9);
  WriteIni({"[SYSTEM]", "SELECTKEY=16"});
  f.Cancel();
  EXPECT_EQ(f.options.mouse_action_trigger, 9) << "an ignored number keeps the current one";
}

TEST_F(LauncherSettingsTest, HintIsOnOnlyForTheExactText) {
  for (const auto& [text, on] :
       std::vector<std::pair<std::string, bool>>{{"ON", true}, {"on", false}, {"OFF", false}, {"", false}}) {
    WriteIni({"[SYSTEM]", "HINT=" + text});
    SettingsDialog& f = Create();
    EXPECT_EQ(f.options.hints, on) << text;
    EXPECT_EQ(f.hints_on.checked, on);
    EXPECT_EQ(f.hints_off.checked, !on);
  }
}

TEST_F(LauncherSettingsTest, RunSpotAndBlackHolesAreOnOnlyForTheExactText) {
  WriteIni({"[SYSTEM]", "RUN=ON", "HOOL=On", "RUNX1=5", "RUNY2=3000", "HOOL3Y2=77"});
  SettingsDialog& f = Create();
  EXPECT_TRUE(f.run_spot_box.checked());
  EXPECT_FALSE(f.black_holes_box.checked());
  EXPECT_EQ(f.run_spot_fields[0].value, 5);
  EXPECT_EQ(f.run_spot_fields[3].value, 3000) << "the first load shows values as stored";
  EXPECT_EQ(f.black_hole_fields[2][3].value, 77);
  EXPECT_EQ(f.run_spot_fields[3].max_value, 768);
  EXPECT_EQ(f.black_hole_fields[2][0].max_value, 1024);

  f.Cancel();  // later loads bring them into the limits
  EXPECT_EQ(f.run_spot_fields[3].value, 768);
}

TEST_F(LauncherSettingsTest, AllHundredSlotsUsed) {
  std::vector<std::string> lines;
  for (int slot = 0; slot < 101; ++slot) {
    lines.push_back("[CMD" + std::to_string(slot) + "]");
    lines.push_back("DISCRIPTION=P" + std::to_string(slot));
  }
  WriteIniLines(lines);
  SettingsDialog& f = Create();
  EXPECT_EQ(f.tables.ProgramCount, 100);
  EXPECT_EQ(f.tables.ProgramTitles[99], "P99");
}

TEST_F(LauncherSettingsTest, ProgramTrayIconsOnlyWithTheSwitch) {
  std::string title;
  for (int i = 0; i < 35; ++i) title += "あ";  // 70 bytes
  WriteIni({"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=A", "CMDLINE=a.exe", "TASKTRAY=ON", "[CMD1]",
            "DISCRIPTION=B", "TASKTRAY=on", "[CMD2]", "DISCRIPTION=" + title, "CMDLINE=c.exe", "TASKTRAY=ON", "[CMD3]",
            "DISCRIPTION=D"});
  SettingsDialog& f = Create();
  EXPECT_EQ(f.tables.TrayProgramIconCount, 3);
  EXPECT_EQ(f.tables.TrayIconProgram[1], 0);
  EXPECT_EQ(f.tables.TrayIconProgram[2], kNoSlot);
  EXPECT_EQ(f.tables.TrayIconProgram[3], 2);
  ASSERT_TRUE(tray.shown.count(1) && tray.shown.count(3));
  EXPECT_FALSE(tray.shown.count(2));
  EXPECT_EQ(tray.shown[1].picture, (TrayPicture{TrayPicture::Kind::kProgramFile, 0, "a.exe"}));
  EXPECT_EQ(tray.shown[1].tip, "A");
  EXPECT_EQ(tray.shown[3].tip.size(), 62u) << "cut to 63 bytes without half a character";
}

TEST_F(LauncherSettingsTest, TaskTraySwitchIsReadOnlyWhileNoProgramIsLoaded) {
  WriteIni({"[SYSTEM]", "TRIGGER5=0", "[CMD0]", "DISCRIPTION=A", "TASKTRAY=ON"});
  SettingsDialog& f = Create();
  EXPECT_FALSE(f.program_tray_icons_box.checked());
  WriteIni({"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=A", "TASKTRAY=ON"});
  f.Cancel();
  EXPECT_FALSE(f.program_tray_icons_box.checked());
  EXPECT_EQ(f.tables.TrayProgramIconCount, 0);

  WriteIni({"[SYSTEM]", "TRIGGER5=1"});
  f.Cancel();  // no program now
  WriteIni({"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=A", "TASKTRAY=ON"});
  f.Cancel();  // read while the count was 0
  EXPECT_TRUE(f.program_tray_icons_box.checked());
  EXPECT_EQ(f.tables.TrayProgramIconCount, 1);
}

// Every option away from its default, saved, and read by a new launcher.
TEST_F(LauncherSettingsTest, SavedOptionsComeBackAfterARestart) {
  SettingsDialog& f = Create();
  f.mode_choice.SetItemIndex(2);
  f.window_service_trigger_choice.checked = true;
  f.mouse_action_trigger_choice.checked = false;
  f.TriggerCellClick(11);
  f.mouse_action_trigger_choice.checked = true;
  f.TriggerCellClick(13);
  f.neutral_slider.SetPosition(8);
  f.minimum_move_slider.SetPosition(123);
  f.interval_slider.SetPosition(45);
  f.run_spot_box.SetChecked(true);
  f.black_holes_box.SetChecked(true);
  int value = 1;
  for (SpinEdit& field : f.run_spot_fields) field.SetValue(value++);
  for (auto& hole : f.black_hole_fields) {
    for (SpinEdit& field : hole) field.SetValue(value++);
  }
  for (CheckBox* box : {&f.auto_transfer_box, &f.start_errors_box, &f.unregistered_actions_box, &f.mouse_actions_box,
                        &f.shortcut_keys_box, &f.screen_positions_box, &f.window_services_box, &f.run_time_option_box,
                        &f.program_tray_icons_box}) {
    box->SetChecked(!box->checked());
  }
  for (int i = 0; i < 8; ++i) f.service_lists[i].Select(10 + i);
  f.service_lists[4].Select(5);  // keeps the dialog reachable
  f.tray_icon_choice.SetItemIndex(1);
  f.HintsOff();
  f.Ok();
  ASSERT_TRUE(dialogs.errors.empty());
  const std::string saved = ReadIni();

  SettingsDialog& g = Create();
  EXPECT_EQ(g.mode_choice.item_index(), 2);
  EXPECT_EQ(g.options.mouse_action_trigger, 13);
  EXPECT_EQ(g.options.window_service_trigger, 11);
  EXPECT_EQ(g.options.neutral_divisor, 8);
  EXPECT_EQ(g.options.minimum_move, 123);
  EXPECT_EQ(g.sensing_timer.interval, 45);
  EXPECT_TRUE(g.run_spot_box.checked());
  EXPECT_TRUE(g.black_holes_box.checked());
  EXPECT_EQ(g.run_spot_fields[3].value, 4);
  EXPECT_EQ(g.black_hole_fields[3][3].value, 20);
  EXPECT_EQ(g.auto_transfer_box.checked(), true);
  EXPECT_EQ(g.start_errors_box.checked(), false);
  EXPECT_EQ(g.program_tray_icons_box.checked(), true);
  EXPECT_EQ(g.service_lists[7].item_index, 17);
  EXPECT_EQ(g.service_lists[4].item_index, 5);
  EXPECT_EQ(g.tray_icon_choice.item_index(), 1);
  EXPECT_FALSE(g.options.hints);
  g.Ok();
  EXPECT_EQ(ReadIni(), saved) << "a second save writes the same file";
}

TEST_F(LauncherSettingsTest, SaveWritesSystemKeysInTheirOrder) {
  WriteIni({"[CMD0]", "DISCRIPTION=A"});
  SettingsDialog& f = Create();
  f.Ok();
  std::istringstream lines(ReadIni());
  std::vector<std::string> keys;
  std::string line, section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[')
      section = line;
    else if (section == "[SYSTEM]")
      keys.push_back(line.substr(0, line.find('=')));
  }
  std::vector<std::string> expected = {"MODE",  "SELECTKEY", "WINSELECTKEY", "RUN", "RUNX1",
                                       "RUNY1", "RUNX2",     "RUNY2",        "HOOL"};
  for (int hole = 1; hole <= 4; ++hole) {
    for (const char* part : {"X1", "Y1", "X2", "Y2"}) expected.push_back("HOOL" + std::to_string(hole) + part);
  }
  for (const char* key : {"NUTRAL", "SENMIN", "INTERVAL", "LINKFLG", "PRGERRMSG", "ACTERRMSG", "RUNOPTION", "TRIGGER1",
                          "TRIGGER2", "TRIGGER3", "TRIGGER4", "TRIGGER5"}) {
    expected.push_back(key);
  }
  for (int i = 1; i <= 8; ++i) expected.push_back("WinService" + std::to_string(i));
  expected.push_back("SYSTEMICON");
  expected.push_back("HINT");
  expected.push_back("FULLSCREENQUIET");
  expected.push_back("AUTOSTART");
  expected.push_back("PREVIEW");
  EXPECT_EQ(keys, expected);
  EXPECT_NE(ReadIni().find("[CMD0]\r\nDISCRIPTION=A\r\n"), std::string::npos) << "programs untouched";
  EXPECT_NE(ReadIni().find("RUN=OFF\r\n"), std::string::npos);
  EXPECT_NE(ReadIni().find("HINT=ON\r\n"), std::string::npos);
  EXPECT_NE(ReadIni().find("NUTRAL=5\r\n"), std::string::npos);
}

TEST_F(LauncherSettingsTest, ChangeFollowedByCancelIsGone) {
  SettingsDialog& f = Create();
  f.mouse_actions_box.SetChecked(false);
  f.minimum_move_slider.SetPosition(300);
  f.Cancel();
  EXPECT_TRUE(f.mouse_actions_box.checked());
  EXPECT_EQ(f.options.minimum_move, 10);
}

}  // namespace
}  // namespace fesk::testing
