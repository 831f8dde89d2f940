// The loop over a program the user listed in QUIETPROGRAMS: mouse actions,
// screen positions and Window services start nothing while its window is in
// front; shortcut keys still start their programs.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace fesk::testing {
namespace {

constexpr int C = vk::kControl, A = vk::kAlt, R = vk::kRightButton;

// "lr" starts app.exe, Ctrl+A starts key.exe, the top-right corner
// corner.exe; screen positions and Window services are on, full-screen
// quiet off so that only the list decides.
class QuietProgramLoopTest : public EngineTest {
 protected:
  void SetUp() override {
    options.screen_positions = true;
    options.window_services = true;
    options.quiet_over_full_screen = false;
    options.quiet_programs = QuietProgramList::Parse("mspaint.exe|mstsc.exe");
    Register("App", "app.exe", "lr");
    SetHotKey(Register("Key", "key.exe"), "Ctrl+A");
    Register("Corner", "corner.exe", kNoActionCode, "3");
    Start();
  }
  void RightStroke() { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); }
  void Corner() {
    Tick({R}, {1023, 0});
    Idle();
  }
  // What a stroke, a corner and a shortcut start with `program` in front.
  std::vector<std::string> StartsOver(std::string program) {
    foreground.OwnedBy(std::move(program));
    shell.opens.clear();
    RightStroke();
    Corner();
    return Opened();
  }
};

TEST_F(QuietProgramLoopTest, StrokeAndCornerOverAListedProgramStartNothing) {
  options.report_unregistered_actions = true;
  EXPECT_TRUE(StartsOver("mspaint.exe").empty());
  EXPECT_TRUE(dialogs.boxes.empty()) << "nor reports it as unregistered";
  EXPECT_EQ(loop.RecognizedCode, "lr") << "the movement is still recognised";
  EXPECT_TRUE(trails.empty());
}

TEST_F(QuietProgramLoopTest, TheProgramInFrontDecides) {
  struct Case {
    const char* program_file;
    bool quiet;
  };
  const Case cases[] = {
      {"mspaint.exe", true},  {"MSTSC.EXE", true},
      {"MsPaint.Exe", true},  // letter case ignored
      {"notepad.exe", false}, {"mspaint", false},
      {"paint.exe", false},   {"", false},  // a window of no process the launcher could ask
  };
  for (const Case& c : cases) {
    const std::vector<std::string> started = StartsOver(c.program_file);
    if (c.quiet) {
      EXPECT_TRUE(started.empty()) << c.program_file;
    } else {
      EXPECT_EQ(started, (std::vector<std::string>{"app.exe", "corner.exe"})) << c.program_file;
    }
  }
}

TEST_F(QuietProgramLoopTest, NoWindowInFrontStartsAsBefore) {
  foreground.facts.reset();
  RightStroke();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"app.exe"}));
}

TEST_F(QuietProgramLoopTest, EmptyListQuietsNothingAndNeverAsks) {
  options.quiet_programs = QuietProgramList();
  EXPECT_EQ(StartsOver("mspaint.exe"), (std::vector<std::string>{"app.exe", "corner.exe"}));
  EXPECT_EQ(foreground.asked, 0) << "neither rule can apply";
}

TEST_F(QuietProgramLoopTest, ShortcutKeysStayActive) {
  foreground.OwnedBy("mspaint.exe");
  Tick({C, 'A'}, {500, 500});
  Idle();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
}

TEST_F(QuietProgramLoopTest, WindowServicesDoNothing) {
  foreground.OwnedBy("mstsc.exe");
  Stroke({C, A}, Line({300, 100}, {100, 100}));
  EXPECT_TRUE(services.calls.empty());
  foreground.OwnedBy("notepad.exe");
  Stroke({C, A}, Line({300, 100}, {100, 100}));
  EXPECT_EQ(services.calls.size(), 1u);
}

// Asked only once a movement passed the minimum move or a position matched,
// and then once for both rules.
TEST_F(QuietProgramLoopTest, AskedOnceAndNeverOnIdleTicks) {
  options.quiet_over_full_screen = true;
  foreground.OwnedBy("mspaint.exe");
  for (int i = 0; i < 100; ++i) Idle();
  Stroke(kShiftCtrl, {{100, 100}, {105, 100}});  // below the minimum move
  Tick({R}, {500, 300});                         // the right button off every position
  Idle();
  EXPECT_EQ(foreground.asked, 0);
  RightStroke();
  EXPECT_EQ(foreground.asked, 1);
  Corner();
  EXPECT_EQ(foreground.asked, 2);
  EXPECT_TRUE(shell.opens.empty());
}

// Both rules together: a full-screen window of an unlisted program is quiet
// by the full-screen rule, a listed one with that rule off by the list.
TEST_F(QuietProgramLoopTest, EitherRuleQuiets) {
  options.quiet_over_full_screen = true;
  foreground.FullScreen(input.screen);
  RightStroke();
  EXPECT_TRUE(shell.opens.empty());
  options.quiet_over_full_screen = false;
  RightStroke();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"app.exe"}));
}

}  // namespace
}  // namespace fesk::testing
