// What a release would start, shown while the trigger is held: the engine
// drives the preview window through its port, tick by tick.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

class PreviewEngineTest : public EngineTest {
 protected:
  PreviewEngineTest() { preview_port = &preview; }

  // The texts shown, in order, with "-" for each time the window went.
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& call : preview.calls) texts.push_back(call.hide ? "-" : call.text);
    return texts;
  }

  // Right along the top ("lr"), down ("lrR"), then left along the bottom
  // ("lrRL"), trigger still held.
  void HoldRightDownLeft() {
    for (Point p : Line({100, 100}, {300, 100})) Tick(kShiftCtrl, p);
    for (Point p : Line({300, 100}, {300, 300})) Tick(kShiftCtrl, p);
    for (Point p : Line({300, 300}, {100, 300})) Tick(kShiftCtrl, p);
  }

  RecordingPreview preview;
};

TEST_F(PreviewEngineTest, FollowsTheStrokeCodeByCodeAndGoesAtTheRelease) {
  Register("Right", "right.exe", "lr");
  Register("Right down", "down.exe", "lrR");
  Start();
  HoldRightDownLeft();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Right", "Right down", kNothingRegisteredText}))
      << "one call for each new text, none while it holds";
  Idle();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Right", "Right down", kNothingRegisteredText, "-"}));
  EXPECT_TRUE(shell.opens.empty()) << "nothing registered for the code at the release";
}

// Shown at the first tick past the minimum move (20 pixels beats 10), at the
// cursor of that tick.
TEST_F(PreviewEngineTest, ShownBesideTheCursorOncePastTheMinimumMove) {
  Register("Right", "right.exe", "lr");
  Start();
  Tick(kShiftCtrl, {100, 100});
  Tick(kShiftCtrl, {108, 100});
  EXPECT_TRUE(preview.calls.empty()) << "8 pixels: not yet past the minimum move";
  Tick(kShiftCtrl, {120, 100});
  ASSERT_EQ(preview.calls.size(), 1u);
  EXPECT_EQ(preview.calls[0], (RecordingPreview::Call{"Right", {120, 100}, false}));
  EXPECT_TRUE(preview.follows.empty());
  Tick(kShiftCtrl, {140, 100});
  Tick(kShiftCtrl, {140, 100});  // no move, no sample
  Tick(kShiftCtrl, {160, 100});
  EXPECT_EQ(preview.calls.size(), 1u) << "the same text is not drawn again";
  EXPECT_EQ(preview.follows, (std::vector<Point>{{140, 100}, {160, 100}})) << "it goes along with the cursor";
}

// A slowly drawn square tells, at its end, the program of the whole square:
// the preview reads the samples kept of the whole movement, as the release.
TEST_F(PreviewEngineTest, FollowsTheWholeOfASlowMovement) {
  Register("Right", "right.exe", "lr");
  Register("Square", "square.exe", "lrRLl");
  Start();
  for (Point p : Square(160)) Tick(kShiftCtrl, p);
  ASSERT_FALSE(preview.calls.empty());
  EXPECT_EQ(preview.calls.back().text, "Square");
  EXPECT_EQ(Shown().front(), "Right");
  Idle();
  EXPECT_EQ(Opened(), std::vector<std::string>{"square.exe"});
}

// The start mask and the next slot decide as at the release: the first "lr"
// refuses a start at (100, 100), the second starts.
TEST_F(PreviewEngineTest, StartMaskAndNextSlotAsTheReleaseDecides) {
  const int refused = Register("Refused", "refused.exe", "lr");
  programs.run_positions[refused] = "000000000";
  Register("Allowed", "allowed.exe", "lr");
  Start();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Allowed", "-"}));
  EXPECT_EQ(Opened(), (std::vector<std::string>{"allowed.exe"}));
}

// The title the dispatcher shows at the release, read from the store (an
// edit since the tables were loaded shows).
TEST_F(PreviewEngineTest, TitleFromTheProgramStore) {
  const int slot = Register("Loaded", "right.exe", "lr");
  programs.programs[slot].Title = "Edited";
  Start();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Edited", "-"}));
}

TEST_F(PreviewEngineTest, WindowServiceNameUnderItsTrigger) {
  options.window_services = true;
  Start();
  Stroke({vk::kControl, vk::kAlt}, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"FESK設定表示", "-"}));
  EXPECT_EQ(services.calls, (std::vector<unsigned>{static_cast<unsigned>(options.services[4])}));
}

TEST_F(PreviewEngineTest, NothingWithTheOptionOff) {
  options.preview = false;
  Register("Right", "right.exe", "lr");
  Start();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_TRUE(preview.calls.empty());
  EXPECT_TRUE(preview.follows.empty());
  EXPECT_EQ(Opened(), (std::vector<std::string>{"right.exe"})) << "the release starts as before";
}

// No trigger held: the cursor moves, nothing is recognised, nothing drawn,
// the program in front is not asked about.
TEST_F(PreviewEngineTest, NothingOnIdleTicks) {
  Register("Right", "right.exe", "lr");
  Start();
  for (Point p : Line({100, 100}, {300, 100})) Tick({}, p);
  Idle();
  EXPECT_TRUE(preview.calls.empty());
  EXPECT_TRUE(preview.follows.empty());
  EXPECT_EQ(foreground.asked, 0);
}

// Over a full-screen program the release starts nothing, so nothing is
// shown; the program in front is asked once for the movement.
TEST_F(PreviewEngineTest, NothingOverAQuietProgramAskedOncePerMovement) {
  Register("Right", "right.exe", "lr");
  Start();
  foreground.FullScreen(input.screen);
  for (Point p : Line({100, 100}, {300, 100})) Tick(kShiftCtrl, p);
  EXPECT_TRUE(preview.calls.empty());
  EXPECT_EQ(foreground.asked, 1);
  Idle();
  EXPECT_TRUE(shell.opens.empty());
  foreground.facts.reset();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Right", "-"})) << "asked afresh for the next movement";
}

// A failed cursor read drops the movement: the window goes, nothing starts.
TEST_F(PreviewEngineTest, GoneWhenTheMovementIsDropped) {
  Register("Right", "right.exe", "lr");
  Start();
  for (Point p : Line({100, 100}, {300, 100})) Tick(kShiftCtrl, p);
  input.cursor_fails = true;
  Tick(kShiftCtrl, {320, 100});
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Right", "-"}));
  input.cursor_fails = false;
  Idle();
  EXPECT_TRUE(shell.opens.empty());
}

// ---- The launcher from its settings file --------------------------------------

class PreviewSettingsTest : public LauncherTest {
 protected:
  PreviewSettingsTest() { preview_port = &preview; }
  // The settings file with one program, "lr" from anywhere.
  void WriteFile(std::vector<std::string> system, const char* title) {
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), system.begin(), system.end());
    for (const std::string& line :
         {std::string("[CMD0]"), "DISCRIPTION=" + std::string(title), std::string("CMDLINE=app.exe"),
          std::string("ACTCODE=lr"), std::string("RUNPOS=111111111")}) {
      lines.push_back(line);
    }
    WriteIniLines(lines);
  }
  SettingsDialog& CreateLauncher(std::vector<std::string> system, const char* title) {
    WriteFile(std::move(system), title);
    return Create();
  }
  void RightStroke() { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& call : preview.calls) texts.push_back(call.hide ? "-" : call.text);
    return texts;
  }
  RecordingPreview preview;
};

// A file without the key shows the preview; the title is the file's
// DISCRIPTION as the release reads it, an edit saved by the editor included.
TEST_F(PreviewSettingsTest, FileWithoutTheKeyShowsTheTitleTheReleaseReads) {
  SettingsDialog& f = CreateLauncher({}, "App");
  EXPECT_TRUE(f.preview_box.checked());
  RightStroke();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"App", "-"}));
  WriteFile({}, "App edited");  // saved by the editor, not reloaded
  preview.calls.clear();
  RightStroke();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"App edited", "-"}));
  EXPECT_EQ(shell.opens.size(), 2u);
}

TEST_F(PreviewSettingsTest, BoxOffAppliesAtOnceAndTheKeyOffShowsNothing) {
  SettingsDialog& f = CreateLauncher({}, "App");
  f.preview_box.SetChecked(false);
  EXPECT_FALSE(f.options.preview);
  RightStroke();
  EXPECT_TRUE(preview.calls.empty());
  CreateLauncher({"PREVIEW=0"}, "App");
  RightStroke();
  EXPECT_TRUE(preview.calls.empty());
  EXPECT_EQ(shell.opens.size(), 2u) << "both releases started the program";
}

}  // namespace
}  // namespace fesk::testing
