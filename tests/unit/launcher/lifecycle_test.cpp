#include <gtest/gtest.h>

#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

class LifecycleTest : public LauncherTest {};

TEST_F(LifecycleTest, CreationLeavesAHiddenSensingLauncherWithItsIcon) {
  WriteIni({"[SYSTEM]", "INTERVAL=25"});
  SettingsDialog& f = Create();
  EXPECT_FALSE(f.visible);
  EXPECT_TRUE(f.taskbar_button_hidden);
  EXPECT_TRUE(f.accepts_dropped_files);
  EXPECT_EQ(f.hint_hide_pause, 10000);
  EXPECT_EQ(f.help_file, "Fesk.hlp");
  EXPECT_EQ(f.help_context, 23);
  EXPECT_TRUE(f.sensing_timer.enabled);
  EXPECT_EQ(f.sensing_timer.interval, 25);
  EXPECT_TRUE(f.trail_timer.enabled);
  EXPECT_EQ(f.trail_timer.interval, 1000);
  EXPECT_EQ(f.loop.MouseActionGate, Gate::kOpen);
  EXPECT_EQ(f.loop.LastCursor, (Point{-1, -1}));
  EXPECT_FALSE(f.popup.visible);
  ASSERT_EQ(tray.calls.size(), 1u);
  EXPECT_EQ(tray.calls[0], (fake::FakeTray::Call{fake::FakeTray::Call::kAdd, 0,
                                                 TrayPicture{TrayPicture::Kind::kApplication, 0, {}}, "FESK 2.3"}));
}

TEST_F(LifecycleTest, GateIsShutUntilCreationEnds) {
  form = std::make_unique<SettingsDialog>(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr,
                                                              FilePath(IniPath()), FilePath(kLauncherFolder)});
  EXPECT_EQ(form->loop.MouseActionGate, Gate::kStarting);
  WriteIni({"[CMD0]", "DISCRIPTION=a", "HOTKEY=Ctrl+A"});
  form->FormCreate();
  Tick({vk::kControl, 'A'}, {0, 0});
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(LifecycleTest, ClosingAsksAndCancelKeepsEverything) {
  SettingsDialog& f = Create();
  tray.calls.clear();
  dialogs.answers = {Answer::kCancel};
  EXPECT_FALSE(f.FormCloseQuery());
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "FESKを終了します。");
  EXPECT_EQ(dialogs.boxes[0].caption, "終了確認");
  EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::kOkCancel);
  EXPECT_TRUE(tray.calls.empty());
  EXPECT_TRUE(f.sensing_timer.enabled);
}

TEST_F(LifecycleTest, ClosingRemovesEveryTrayIcon) {
  for (int icon : {0, 1}) {
    WriteIni({"[SYSTEM]", "TRIGGER5=1", "SYSTEMICON=" + std::to_string(icon), "[CMD0]", "DISCRIPTION=a", "TASKTRAY=ON",
              "[CMD1]", "DISCRIPTION=b", "TASKTRAY=ON"});
    SettingsDialog& f = Create();
    EXPECT_TRUE(f.FormCloseQuery());
    EXPECT_TRUE(tray.shown.empty()) << "icon choice " << icon;
    tray.shown.clear();
  }
}

}  // namespace
}  // namespace fesk::testing
