#include "launcher/services/window_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launcher/core/tray_icons.h"
#include "launcher/services/elevated_window_note.h"
#include "launcher/services/key_sink_fakes.h"
#include "platform/fake/fake_ports.h"

namespace fesk {
namespace {

// A clock whose sleeps appear in the key log, so that the order of keys and
// pauses can be checked.
class LoggingClock : public fake::FakeClock {
 public:
  explicit LoggingClock(fake::RecordingKeySink& sink) : sink_(sink) {}
  void Sleep(int milliseconds) override {
    FakeClock::Sleep(milliseconds);
    sink_.Note("sleep:" + std::to_string(milliseconds));
  }

 private:
  fake::RecordingKeySink& sink_;
};

const std::string kFolder = "C:\\Tools\\\x83\x5C\x83\x74\x83\x67\\";  // a trail byte 0x5C inside

struct Services {
  fake::RecordingKeySink keys;
  fake::FakeForegroundWindow window;
  fake::FakeShell shell;
  LoggingClock clock{keys};
  fake::FakeTray tray;
  bool icon_shown = true;
  ElevatedWindowNote note{tray, [this] { return icon_shown; }};
  int settings_shown = 0;
  std::string work_folder = "D:\\Work";
  WindowServices services{keys,
                          window,
                          shell,
                          clock,
                          FilePath(kFolder),
                          [this] { ++settings_shown; },
                          [this] { return work_folder; },
                          [this] { note.Tell(); }};

  Services() { tray.Add(kOwnTrayIcon, TrayPicture{}, kTrayTip); }

  // Everything the last operation did, for checking that it did nothing else.
  bool Untouched() const {
    return keys.events.empty() && window.shows.empty() && shell.opens.empty() && shell.execs.empty() &&
           clock.sleeps.empty() && settings_shown == 0 && tray.balloons.empty();
  }
};

struct Typing {
  unsigned operation;
  std::string log;
};

class WindowServicesTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(WindowServicesTyping, TypesItsKeys) {
  Services s;
  s.services.RunWindowService(WindowService{GetParam().operation});
  EXPECT_EQ(s.keys.Log(), GetParam().log);
  EXPECT_TRUE(s.shell.opens.empty());
  EXPECT_TRUE(s.window.shows.empty());
  EXPECT_EQ(s.settings_shown, 0);
  EXPECT_TRUE(s.tray.balloons.empty()) << "an ordinary window in front: no note";
}

INSTANTIATE_TEST_SUITE_P(WindowServices, WindowServicesTyping,
                         ::testing::Values(Typing{1, "+Alt +Space -Space -Alt"}, Typing{2, "+Alt +F4 -F4 -Alt"},
                                           Typing{7, "+Ctrl +Esc -Esc -Ctrl"},
                                           Typing{8, "+Ctrl +Esc -Esc -Ctrl sleep:100 +Alt +F4 -F4 -Alt"}),
                         [](const auto& info) { return "Operation" + std::to_string(info.param.operation); });

struct Opening {
  unsigned operation;
  std::string file;
  std::string parameters;
};

class WindowServicesOpening : public ::testing::TestWithParam<Opening> {};

TEST_P(WindowServicesOpening, OpensTheProgramFromTheLauncherFolder) {
  Services s;
  s.services.RunWindowService(WindowService{GetParam().operation});
  ASSERT_EQ(s.shell.opens.size(), 1u);
  const auto& open = s.shell.opens[0];
  EXPECT_EQ(open.file, kFolder + GetParam().file);
  EXPECT_EQ(open.parameters, GetParam().parameters);
  EXPECT_EQ(open.directory, "D:\\Work");
  EXPECT_EQ(open.show, 5);
  EXPECT_TRUE(s.keys.events.empty());
  EXPECT_TRUE(s.window.shows.empty());
  EXPECT_TRUE(s.clock.sleeps.empty());
}

INSTANTIATE_TEST_SUITE_P(WindowServices, WindowServicesOpening,
                         ::testing::Values(Opening{6, "FeskIni.exe", ""}, Opening{9, "FeskPal.exe", "M"},
                                           Opening{10, "FeskPal.exe", "1"}, Opening{11, "FeskPal.exe", "2"},
                                           Opening{12, "FeskPal.exe", "3"}, Opening{13, "FeskPal.exe", "4"},
                                           Opening{14, "FeskPal.exe", "5"}, Opening{15, "FeskPal.exe", "6"},
                                           Opening{16, "FeskPal.exe", "7"}, Opening{17, "FeskPal.exe", "8"}),
                         [](const auto& info) { return "Operation" + std::to_string(info.param.operation); });

TEST(WindowServicesOpen, UsesTheWorkFolderOfTheMomentAndIgnoresFailure) {
  Services s;
  s.work_folder = "";
  s.shell.results = {2, 2};  // file not found: not reported, nothing retried
  s.services.RunWindowService(WindowService::kStartEditor);
  s.work_folder = "E:\\Later";
  s.services.RunWindowService(WindowService::kPaletteGroups);
  ASSERT_EQ(s.shell.opens.size(), 2u);
  EXPECT_EQ(s.shell.opens[0].directory, "");
  EXPECT_EQ(s.shell.opens[1].directory, "E:\\Later");
  EXPECT_TRUE(s.keys.events.empty());
}

struct Resizing {
  const char* name;
  unsigned operation;
  bool iconic, zoomed;
  int show;
};

class WindowServicesResizing : public ::testing::TestWithParam<Resizing> {};

TEST_P(WindowServicesResizing, ShowsTheForegroundWindow) {
  Services s;
  s.window.iconic = GetParam().iconic;
  s.window.zoomed = GetParam().zoomed;
  s.services.RunWindowService(WindowService{GetParam().operation});
  EXPECT_EQ(s.window.shows, std::vector<int>{GetParam().show});
  EXPECT_TRUE(s.keys.events.empty());
  EXPECT_TRUE(s.shell.opens.empty());
  EXPECT_TRUE(s.tray.balloons.empty()) << "an ordinary window in front: no note";
}

INSTANTIATE_TEST_SUITE_P(
    WindowServices, WindowServicesResizing,
    ::testing::Values(Resizing{"EnlargeMinimised", 3, true, false, 9}, Resizing{"EnlargeNormal", 3, false, false, 3},
                      Resizing{"EnlargeMaximised", 3, false, true, 3}, Resizing{"ShrinkMaximised", 4, false, true, 9},
                      Resizing{"ShrinkNormal", 4, false, false, 2}, Resizing{"ShrinkMinimised", 4, true, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowServicesSettings, OperationFiveShowsTheSettingsDialog) {
  Services s;
  s.services.RunWindowService(WindowService::kShowSettings);
  EXPECT_EQ(s.settings_shown, 1);
  EXPECT_TRUE(s.keys.events.empty());
  EXPECT_TRUE(s.shell.opens.empty());
  EXPECT_TRUE(s.window.shows.empty());
}

TEST(WindowServicesNothing, OperationsOutsideOneToSeventeenDoNothing) {
  for (unsigned operation : {0u, 18u, 19u, 255u, 4294967295u}) {
    Services s;
    s.services.RunWindowService(WindowService{operation});
    EXPECT_TRUE(s.Untouched()) << operation;
  }
}

TEST(WindowServicesNothing, EveryOtherOperationDoesSomething) {
  for (unsigned operation = 1; operation <= 17; ++operation) {
    Services s;
    s.services.RunWindowService(WindowService{operation});
    EXPECT_FALSE(s.Untouched()) << operation;
  }
}

// A window in front that runs as administrator while the launcher does not:
// Windows would drop the keys and refuse the window operations in silence, so
// the services that type keys or change the window leave it alone and say
// why, once a run.
const fake::FakeTray::Note kElevatedNote{kOwnTrayIcon, "FESK", "管理者として実行中のウィンドウには操作できません。"};

class WindowServicesElevated : public ::testing::TestWithParam<unsigned> {};

TEST_P(WindowServicesElevated, LeavesTheWindowAloneAndSaysWhy) {
  Services s;
  s.window.elevated = true;
  s.window.iconic = true;
  s.services.RunWindowService(WindowService{GetParam()});
  EXPECT_TRUE(s.keys.events.empty()) << s.keys.Log();
  EXPECT_TRUE(s.window.shows.empty());
  EXPECT_TRUE(s.clock.sleeps.empty());
  EXPECT_EQ(s.tray.balloons, std::vector<fake::FakeTray::Note>{kElevatedNote});
}

INSTANTIATE_TEST_SUITE_P(WindowServices, WindowServicesElevated, ::testing::Values(1u, 2u, 3u, 4u, 7u, 8u),
                         [](const auto& info) { return "Operation" + std::to_string(info.param); });

TEST(WindowServicesElevatedNote, IsShownOncePerRun) {
  Services s;
  s.window.elevated = true;
  for (unsigned operation : {1u, 3u, 1u, 8u}) s.services.RunWindowService(WindowService{operation});
  EXPECT_EQ(s.tray.balloons.size(), 1u);
  EXPECT_TRUE(s.keys.events.empty());
  s.window.elevated = false;  // an ordinary window again: the services act as before
  s.services.RunWindowService(WindowService::kWindowMenu);
  EXPECT_EQ(s.keys.Log(), "+Alt +Space -Space -Alt");
  EXPECT_EQ(s.tray.balloons.size(), 1u);
}

// With the launcher's icon hidden there is nothing to show the balloon on;
// the note waits until the icon is shown.
TEST(WindowServicesElevatedNote, WaitsWhileTheIconIsHidden) {
  Services s;
  s.window.elevated = true;
  s.icon_shown = false;
  s.tray.Remove(kOwnTrayIcon);
  s.services.RunWindowService(WindowService::kCloseApplication);
  EXPECT_TRUE(s.keys.events.empty());
  EXPECT_TRUE(s.tray.balloons.empty());
  s.icon_shown = true;
  s.tray.Add(kOwnTrayIcon, TrayPicture{}, kTrayTip);
  s.services.RunWindowService(WindowService::kCloseApplication);
  s.services.RunWindowService(WindowService::kCloseApplication);
  EXPECT_EQ(s.tray.balloons, std::vector<fake::FakeTray::Note>{kElevatedNote});
}

// Showing the settings dialog and starting programs do not touch the window
// in front: they go on as usual, without a note.
TEST(WindowServicesElevatedNote, ServicesThatLeaveTheWindowInFrontAloneStillRun) {
  Services s;
  s.window.elevated = true;
  for (unsigned operation = 5; operation <= 17; ++operation) {
    if (operation == 7 || operation == 8) continue;
    s.services.RunWindowService(WindowService{operation});
  }
  EXPECT_EQ(s.settings_shown, 1);
  EXPECT_EQ(s.shell.opens.size(), 10u);
  EXPECT_TRUE(s.tray.balloons.empty());
}

TEST(WindowServicesRunner, WorksThroughTheDispatchersInterface) {
  Services s;
  WindowServiceRunner& runner = s.services;
  runner.RunWindowService(kDefaultWindowServices[1]);  // "Ll": enlarge
  EXPECT_EQ(s.window.shows, std::vector<int>{3});
}

}  // namespace
}  // namespace fesk
