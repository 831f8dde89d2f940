// Quiet over full-screen programs: the rule that tells a full-screen program
// from other windows, and the loop that starts nothing from a mouse action
// or a screen position while one is in front.
#include <gtest/gtest.h>

#include "launcher/core/full_screen.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt, R = vk::kRightButton;
constexpr Rect kMonitor{0, 0, 1024, 768};

ForegroundFacts Window(Rect client, Rect monitor = kMonitor, std::string class_name = "Game") {
  return ForegroundFacts{true, client, monitor, std::move(class_name), ""};
}

// ---- The rule ---------------------------------------------------------------

TEST(FullScreenRule, ClientAreaOverTheWholeMonitorIsFullScreen) {
  EXPECT_TRUE(CoversItsMonitor(Window(kMonitor)));
  EXPECT_TRUE(CoversItsMonitor(Window({-8, -8, 1032, 776}))) << "larger than its monitor";
}

TEST(FullScreenRule, OnePixelShortOnAnySideIsNot) {
  const Rect short_of[] = {{1, 0, 1024, 768}, {0, 1, 1024, 768}, {0, 0, 1023, 768}, {0, 0, 1024, 767}};
  for (const Rect& client : short_of) {
    EXPECT_FALSE(CoversItsMonitor(Window(client)))
        << client.left << "," << client.top << "," << client.right << "," << client.bottom;
  }
}

// A maximised window leaves the task bar free, and one over an auto-hidden
// task bar still shows its caption above the client area.
TEST(FullScreenRule, MaximisedWindowIsNot) {
  EXPECT_FALSE(CoversItsMonitor(Window({0, 0, 1024, 728})));
  EXPECT_FALSE(CoversItsMonitor(Window({0, 23, 1024, 768})));
}

TEST(FullScreenRule, MonitorIsTheOneTheWindowIsOn) {
  const Rect second{1024, -200, 2304, 824};  // right of the first, higher up
  EXPECT_TRUE(CoversItsMonitor(Window(second, second)));
  EXPECT_FALSE(CoversItsMonitor(Window(kMonitor, second))) << "covers the first monitor only";
  EXPECT_FALSE(CoversItsMonitor(Window(second, kMonitor)));
}

TEST(FullScreenRule, DesktopAndShellWindowsAreNot) {
  for (const char* name : {"#32769", "Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd",
                           "Windows.UI.Core.CoreWindow", "progman", "SHELL_TRAYWND"}) {
    EXPECT_TRUE(IsShellWindowClass(name)) << name;
    EXPECT_FALSE(CoversItsMonitor(Window(kMonitor, kMonitor, name))) << name;
  }
  for (const char* name : {"", "Progman2", "TFFesk1", "UnityWndClass", "screenClass"}) {
    EXPECT_FALSE(IsShellWindowClass(name)) << name;
  }
}

TEST(FullScreenRule, HiddenWindowOrNoMonitorIsNot) {
  ForegroundFacts hidden = Window(kMonitor);
  hidden.visible = false;
  EXPECT_FALSE(CoversItsMonitor(hidden));
  EXPECT_FALSE(CoversItsMonitor(Window({0, 0, 0, 0}, {0, 0, 0, 0}))) << "no monitor covers nothing";
}

TEST(FullScreenRule, NoWindowOrNoPortIsNoFullScreenProgram) {
  fake::FakeForeground foreground;
  EXPECT_FALSE(FullScreenProgramInFront(&foreground));
  EXPECT_EQ(foreground.asked, 1);
  foreground.FullScreen({1024, 768});
  EXPECT_TRUE(FullScreenProgramInFront(&foreground));
  EXPECT_FALSE(FullScreenProgramInFront(nullptr));
}

// ---- The loop -----------------------------------------------------------------

// "lr" starts app.exe, Ctrl+A starts key.exe, the top-right corner
// corner.exe; screen positions are on.
class QuietOverFullScreenTest : public EngineTest {
 protected:
  void SetUp() override {
    options.screen_positions = true;
    Register("App", "app.exe", "lr");
    SetHotKey(Register("Key", "key.exe"), "Ctrl+A");
    Register("Corner", "corner.exe", kNoActionCode, "3");
  }
  void RightStroke() { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); }
};

// The same launcher from its settings file, for what the dialog and the
// file add.
class QuietOverFullScreenSettingsTest : public LauncherTest {
 protected:
  SettingsDialog& CreateLauncher(std::vector<std::string> system = {}) {
    std::vector<std::string> lines{"[SYSTEM]", "TRIGGER3=1"};
    lines.insert(lines.end(), system.begin(), system.end());
    for (const char* line :
         {"[CMD0]", "DISCRIPTION=App", "CMDLINE=app.exe", "ACTCODE=lr", "RUNPOS=111111111", "[CMD1]", "DISCRIPTION=Key",
          "CMDLINE=key.exe", "HOTKEY=Ctrl+A", "[CMD2]", "DISCRIPTION=Corner", "CMDLINE=corner.exe", "DISPLAYPOS=3"}) {
      lines.push_back(line);
    }
    WriteIniLines(lines);
    return Create();
  }
  void RightStroke() { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); }
};

TEST_F(QuietOverFullScreenTest, StrokeOverAFullScreenProgramStartsNothing) {
  options.report_unregistered_actions = true;
  Start();
  foreground.FullScreen(input.screen);
  RightStroke();
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_TRUE(dialogs.boxes.empty()) << "nor reports it as unregistered";
  EXPECT_EQ(loop.RecognizedCode, "lr") << "the movement is still recognised";
  EXPECT_EQ(loop.SampleCount, 0);
  foreground.facts.reset();
  RightStroke();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"app.exe"}));
}

TEST_F(QuietOverFullScreenTest, ShellWindowsAndSmallerWindowsInFrontDoNotQuietIt) {
  Start();
  foreground.FullScreen(input.screen, "Progman");
  RightStroke();
  foreground.facts = Window({0, 0, 1024, 728});
  RightStroke();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"app.exe", "app.exe"}));
}

TEST_F(QuietOverFullScreenTest, ShortcutKeysStayActive) {
  Start();
  foreground.FullScreen(input.screen);
  Tick({C, 'A'}, {500, 500});
  Idle();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
}

TEST_F(QuietOverFullScreenTest, ScreenPositionStartsNothingAndKeepsItsPause) {
  Start();
  foreground.FullScreen(input.screen);
  Tick({R}, {1023, 0});
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_EQ(clock.sleeps, (std::vector<int>{1500})) << "as at a corner nobody owns";
  foreground.facts.reset();
  Tick({R}, {1023, 0});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"corner.exe"}));
}

TEST_F(QuietOverFullScreenSettingsTest, WindowServicesTrailAndLinkWaitToo) {
  SettingsDialog& f = CreateLauncher({"TRIGGER4=1", "MODE=2", "LINKFLG=1"});
  foreground.FullScreen(input.screen);
  Stroke({C, A}, Line({300, 100}, {100, 100}));
  RightStroke();
  EXPECT_TRUE(services.calls.empty());
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_FALSE(f.loop.TrailShown);
  EXPECT_FALSE(f.popup.visible);
  EXPECT_EQ(SettingsFile(FilePath(IniPath())).ReadString("SYSTEM", "LINK", "?"), "?");
}

TEST_F(QuietOverFullScreenSettingsTest, BoxOffStartsOverAFullScreenProgramAsBefore) {
  SettingsDialog& f = CreateLauncher();
  EXPECT_TRUE(f.quiet_over_full_screen_box.checked()) << "on without the key";
  foreground.FullScreen(input.screen);
  f.quiet_over_full_screen_box.SetChecked(false);
  EXPECT_FALSE(f.options.quiet_over_full_screen) << "applies at once";
  RightStroke();
  Tick({R}, {1023, 0});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"app.exe", "corner.exe"}));
}

TEST_F(QuietOverFullScreenSettingsTest, FileWithTheKeyOffStartsOverAFullScreenProgram) {
  CreateLauncher({"FULLSCREENQUIET=0"});
  foreground.FullScreen(input.screen);
  RightStroke();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"app.exe"}));
}

// The window in front is asked about only when something would start.
TEST_F(QuietOverFullScreenTest, IdleTicksAndSmallMovementsDoNotAsk) {
  Start();
  foreground.FullScreen(input.screen);
  for (int i = 0; i < 100; ++i) Idle();
  Stroke(kShiftCtrl, {{100, 100}, {105, 100}});  // below the minimum move
  Tick({R}, {500, 300});                         // the right button off every position
  Tick({S}, {500, 300});
  Idle();
  EXPECT_EQ(foreground.asked, 0);
  RightStroke();
  EXPECT_EQ(foreground.asked, 1);
}

}  // namespace
}  // namespace fesk::testing
