#include <gtest/gtest.h>

#include "launcher_fixture.h"
#include "tests/support/japanese_key_names.h"

namespace fesk::testing {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt, R = vk::kRightButton;

class SensingLoopDialogTest : public LauncherTest {
 protected:
  // One program for "lr" allowed everywhere, plus the given SYSTEM lines.
  SettingsDialog& CreateWithRightStroke(std::vector<std::string> system = {}) {
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), system.begin(), system.end());
    for (const char* line : {"[CMD0]", "DISCRIPTION=Editor", "CMDLINE=C:\\app\\app.exe", "CMDSHOW=SW_SHOWMAXIMIZED",
                             "OPTION=-x", "WORKDIR=C:\\work", "ACTCODE=lr", "RUNPOS=111111111"}) {
      lines.push_back(line);
    }
    WriteIniLines(lines);
    return Create();
  }
  std::vector<Point> RightStroke() { return Line({100, 100}, {300, 100}); }
};

// The same program registered in code, for what the engine alone decides.
class SensingLoopTest : public EngineTest {
 protected:
  LauncherEngine& CreateWithRightStroke() {
    tables = ProgramTables{};
    const int slot = Register("Editor", "C:\\app\\app.exe", "lr");
    CurrentProgram& program = programs.programs[slot];
    program.ShowCommand = show::kMaximized;
    program.Option = "-x";
    program.WorkDir = "C:\\work";
    return Start();
  }
  std::vector<Point> RightStroke() { return Line({100, 100}, {300, 100}); }
};

TEST_F(SensingLoopDialogTest, MouseActionStartsTheProgramRegisteredForItsCode) {
  SettingsDialog& f = CreateWithRightStroke();
  Stroke(kShiftCtrl, RightStroke());
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0], (fake::FakeShell::OpenCall{"C:\\app\\app.exe", "-x", "C:\\work", 3, "C:\\work"}));
  EXPECT_EQ(f.loop.RecognizedCode, "lr");
  EXPECT_EQ(f.loop.TriggerSource, LaunchSource::kNone);
  EXPECT_EQ(f.loop.SampleCount, 0);
  EXPECT_TRUE(f.transfer_button.enabled);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(SensingLoopTest, TrayIconShowsProgressWhileRecording) {
  CreateWithRightStroke();
  tray.calls.clear();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}, 20));
  std::vector<std::pair<TrayPicture::Kind, int>> pictures;
  for (const auto& call : tray.calls) {
    ASSERT_EQ(call.kind, fake::FakeTray::Call::kModify);
    EXPECT_EQ(call.tip, "FESK 2.3");
    pictures.emplace_back(call.picture.kind, call.picture.frame);
  }
  using K = TrayPicture::Kind;
  EXPECT_EQ(pictures,
            (std::vector<std::pair<K, int>>{{K::kFrame, 1}, {K::kFrame, 2}, {K::kFrame, 3}, {K::kApplication, 0}}));
}

TEST_F(SensingLoopTest, HiddenTrayIconGetsNoFrames) {
  options.tray_icon = TrayIconChoice::kHidden;
  CreateWithRightStroke();
  tray.calls.clear();
  Stroke(kShiftCtrl, RightStroke());
  EXPECT_TRUE(tray.calls.empty());
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(SensingLoopTest, HoldingWithoutMovingRecordsOneSampleAndStartsNothing) {
  options.minimum_move = 0;
  CreateWithRightStroke();
  for (int i = 0; i < 5; ++i) Tick(kShiftCtrl, {200, 200});
  EXPECT_EQ(loop.SampleCount, 1);
  Idle();
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_EQ(recognized, 1) << "the movement was recognised, just too small";
}

// However slowly a movement is drawn, the whole of it is recognised: a
// square of 160 moving ticks reads as the square, not as its first 50 ticks
// (the top edge: "lr").  A short one keeps every sample, as before.
TEST_F(SensingLoopTest, TheWholeMovementIsRecognisedHoweverSlowlyDrawn) {
  struct Case {
    int moving_ticks;
    std::size_t kept;
  };
  options.mode = MouseActionMode::kTrail;
  for (const Case c : {Case{40, 41}, Case{160, 41}, Case{800, 26}}) {
    tables = ProgramTables{};
    Register("Right", "right.exe", "lr");
    Register("Square", "square.exe", "lrRLl");
    Start();
    shell.opens.clear();
    trails.clear();
    Stroke(kShiftCtrl, Square(c.moving_ticks));
    EXPECT_EQ(loop.RecognizedCode, "lrRLl") << c.moving_ticks;
    EXPECT_EQ(Opened(), std::vector<std::string>{"square.exe"}) << c.moving_ticks;
    EXPECT_EQ(loop.Stroke.width, 200);
    EXPECT_EQ(loop.Stroke.height, 200);
    EXPECT_EQ(trails, std::vector<std::size_t>{c.kept}) << "the trail draws the samples kept";
  }
}

TEST_F(SensingLoopTest, MovementMustExceedTheMinimumMove) {
  struct Case {
    Point end;
    bool started;
  };
  const Case cases[] = {{{200, 100}, false}, {{201, 100}, true}, {{200, 200}, false}, {{200, 201}, true}};
  // A dispatched movement either starts "lr" or reports that nothing has it.
  options.minimum_move = 100;
  options.report_unregistered_actions = true;
  for (const Case& c : cases) {
    CreateWithRightStroke();
    Stroke(kShiftCtrl, {{100, 100}, c.end});
    EXPECT_EQ(shell.opens.size() + dialogs.boxes.size(), c.started ? 1u : 0u) << c.end.x << "," << c.end.y;
    shell.opens.clear();
    dialogs.boxes.clear();
  }
}

TEST_F(SensingLoopTest, AnotherModifierSuspendsTheMovementUntilAllKeysAreUp) {
  CreateWithRightStroke();
  for (Point p : RightStroke()) Tick(kShiftCtrl, p);
  for (Point p : Line({300, 110}, {300, 500})) Tick({S, C, A}, p);
  EXPECT_EQ(loop.SampleCount, 11) << "nothing recorded, nothing released";
  Tick({A}, {300, 500});
  EXPECT_EQ(loop.SampleCount, 11);
  Idle();
  EXPECT_EQ(loop.RecognizedCode, "lr");
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(SensingLoopDialogTest, ChangedTriggerAppliesFromTheNextTick) {
  SettingsDialog& f = CreateWithRightStroke();
  f.TriggerCellClick(9);  // Alt
  Stroke(kShiftCtrl, RightStroke());
  EXPECT_TRUE(shell.opens.empty());
  Stroke({A}, RightStroke());
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(SensingLoopDialogTest, MiddleButtonTriggerIgnoresTheRightButton) {
  SettingsDialog& f = CreateWithRightStroke();
  f.TriggerCellClick(15);
  Stroke({vk::kMiddleButton, R}, RightStroke());
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(SensingLoopTest, SameTriggerForBothLetsTheWindowServiceWin) {
  options.window_services = true;
  options.SetWindowServiceTrigger(1);
  CreateWithRightStroke();
  Stroke(kShiftCtrl, RightStroke());
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_EQ(services.calls, (std::vector<unsigned>{5}));
  EXPECT_EQ(loop.TriggerSource, LaunchSource::kNone);
  EXPECT_FALSE(loop.WinServiceActive);
}

TEST_F(SensingLoopTest, WindowServiceTriggerWorksWithMouseActionsOff) {
  options.mouse_actions = false;
  options.window_services = true;
  options.services[3] = WindowService::kPaletteGroups;  // 9
  CreateWithRightStroke();
  Stroke({C, A}, Line({300, 100}, {100, 100}));
  EXPECT_EQ(services.calls, (std::vector<unsigned>{9}));
  Stroke(kShiftCtrl, RightStroke());
  EXPECT_EQ(services.calls.size(), 1u);
  EXPECT_TRUE(shell.opens.empty());
}

TEST_F(SensingLoopTest, LastRecordedTickDecidesTheKindOfMovement) {
  options.window_services = true;
  CreateWithRightStroke();
  std::vector<Point> points = RightStroke();
  for (std::size_t i = 0; i < points.size(); ++i)
    Tick(i < 5 ? std::initializer_list<int>{C, A} : kShiftCtrl, points[i]);
  Idle();
  EXPECT_TRUE(services.calls.empty());
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(SensingLoopDialogTest, UnselectedServiceListPassesAnIgnoredOperation) {
  CreateWithRightStroke({"TRIGGER4=1", "WinService5=40"});
  Stroke({C, A}, RightStroke());
  EXPECT_EQ(services.calls, (std::vector<unsigned>{static_cast<unsigned>(-1)}));
}

TEST_F(SensingLoopTest, NonStraightCodeSelectsNoService) {
  options.window_services = true;
  options.report_unregistered_actions = true;
  CreateWithRightStroke();
  Stroke({C, A}, {{100, 100}, {300, 100}, {300, 300}});
  EXPECT_TRUE(services.calls.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
}

// Ctrl+A starts a.exe, Alt+F5 b.exe; Shift+C is no shortcut (it would fire
// while the user types).
class ShortcutTest : public EngineTest {
 protected:
  LauncherEngine& CreateWithShortcuts() {
    SetHotKey(Register("A", "a.exe"), "Ctrl+A");
    SetHotKey(Register("B", "b.exe"), "Alt+F5");
    SetHotKey(Register("C", "c.exe"), "Shift+C");
    return Start();
  }
};

// The same programs from the settings file, for the switch on the dialog and
// the key names of the file.
class ShortcutFileTest : public SensingLoopDialogTest {
 protected:
  SettingsDialog& CreateWithShortcuts(std::vector<std::string> system = {}) {
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), system.begin(), system.end());
    for (const char* line :
         {"[CMD0]", "DISCRIPTION=A", "CMDLINE=a.exe", "HOTKEY=Ctrl+A", "[CMD1]", "DISCRIPTION=B", "CMDLINE=b.exe",
          "HOTKEY=Alt+F5", "[CMD2]", "DISCRIPTION=C", "CMDLINE=c.exe", "HOTKEY=Shift+C"}) {
      lines.push_back(line);
    }
    WriteIniLines(lines);
    return Create();
  }
};

TEST_F(ShortcutTest, FiresOncePerPress) {
  CreateWithShortcuts();
  for (int i = 0; i < 5; ++i) Tick({C, 'A'}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"a.exe"}));
  Tick({C}, {500, 500});
  Tick({C, 'A'}, {500, 500});
  EXPECT_EQ(Opened().size(), 2u);
  Tick({C, S, 'A'}, {500, 500});  // a modifier out of its state ends the press
  Tick({C, 'A'}, {500, 500});
  EXPECT_EQ(Opened().size(), 3u);
}

TEST_F(ShortcutTest, ModifiersMustBeExactlyTheRequiredOnes) {
  CreateWithShortcuts();
  Tick({A, C, 0x74}, {500, 500});
  Tick({A, S, 0x74}, {500, 500});
  Tick({S, 'C'}, {500, 500});
  EXPECT_TRUE(Opened().empty());
  Tick({A, 0x74}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"b.exe"}));
}

// The texts the editor stores for the keys the Japanese layout names fire on
// those keys: "^" is a key after "Ctrl+", and "/" is the main keyboard's.
TEST_F(ShortcutFileTest, LayoutNamedKeysFireTheKeyTheyWereStoredFrom) {
  WriteIniLines({"[CMD0]", "DISCRIPTION=Caret", "CMDLINE=caret.exe", "HOTKEY=Ctrl+^", "[CMD1]", "DISCRIPTION=Slash",
                 "CMDLINE=slash.exe", "HOTKEY=Ctrl+Alt+/"});
  JapaneseKeyNames layout;
  form = std::make_unique<SettingsDialog>(LauncherEnvironment{input, clock, shell, dialogs, tray, services, &layout,
                                                              FilePath(IniPath()), FilePath(kLauncherFolder)});
  form->FormCreate();
  Tick({C, 0xDE}, {500, 500});
  Idle();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"caret.exe"}));
  Tick({C, A, 0x6F}, {500, 500});  // the keypad's "/"
  Idle();
  EXPECT_EQ(Opened().size(), 1u);
  Tick({C, A, 0xBF}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"caret.exe", "slash.exe"}));
}

TEST_F(ShortcutFileTest, OffWhileTheFunctionIsOff) {
  SettingsDialog& f = CreateWithShortcuts({"TRIGGER2=0"});
  Tick({C, 'A'}, {500, 500});
  EXPECT_TRUE(Opened().empty());
  f.shortcut_keys_box.SetChecked(true);
  Tick({C, 'A'}, {500, 500});
  EXPECT_EQ(Opened().size(), 1u);
}

TEST_F(ShortcutTest, PaletteModeStartsTheProgramItself) {
  options.mode = MouseActionMode::kPalette;
  CreateWithShortcuts();
  Tick({C, 'A'}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"a.exe"}));
}

TEST_F(ShortcutTest, TickDeliveredDuringAStartsBoxDoesNothing) {
  CreateWithShortcuts();
  shell.results = {2};
  int samples_in_box = -1;
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) {
    std::set<int> outer = input.held;
    Tick(kShiftCtrl, {100, 100});
    samples_in_box = loop.SampleCount;
    input.held = outer;
  };
  Tick({C, 'A'}, {500, 500});
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(samples_in_box, 0);
  Tick(kShiftCtrl, {100, 100});
  EXPECT_EQ(loop.SampleCount, 1) << "the next tick senses again";
}

TEST_F(ShortcutTest, ClosedGateSensesNothing) {
  CreateWithShortcuts();
  loop.MouseActionGate = Gate::kShut;
  Tick({C, 'A'}, {500, 500});
  EXPECT_TRUE(Opened().empty());
}

// The top edge starts top.exe, the top-right corner corner.exe (claimed
// first, so other.exe never starts there).
class ScreenPositionTest : public EngineTest {
 protected:
  void SetUp() override {
    options.screen_positions = true;
    Register("Top", "top.exe", kNoActionCode, "2");
    Register("Corner", "corner.exe", kNoActionCode, "3");
    Register("Other", "other.exe", kNoActionCode, "3");
    Start();
  }
};

class ScreenPositionFileTest : public SensingLoopDialogTest {
 protected:
  void SetUp() override {
    WriteIni({"[SYSTEM]", "TRIGGER3=1", "[CMD0]", "DISCRIPTION=Top", "CMDLINE=top.exe", "DISPLAYPOS=2", "[CMD1]",
              "DISCRIPTION=Corner", "CMDLINE=corner.exe", "DISPLAYPOS=3", "[CMD2]", "DISCRIPTION=Other",
              "CMDLINE=other.exe", "DISPLAYPOS=3"});
    Create();
  }
};

TEST_F(ScreenPositionTest, EachTickWithTheRightButtonCostsItsPauses) {
  struct Case {
    Point cursor;
    std::string opened;
    std::vector<int> sleeps;
  };
  const Case cases[] = {
      {{1023, 0}, "corner.exe", {500, 1500}},
      {{500, 0}, "top.exe", {500, 1500}},
      {{0, 767}, "", {1500}},  // nobody owns the bottom-left corner
      {{500, 300}, "", {1500}},
  };
  for (const Case& c : cases) {
    shell.opens.clear();
    clock.sleeps.clear();
    Tick({R}, c.cursor);
    EXPECT_EQ(clock.sleeps, c.sleeps) << c.cursor.x << "," << c.cursor.y;
    EXPECT_EQ(shell.opens.size(), c.opened.empty() ? 0u : 1u);
    if (!c.opened.empty() && !shell.opens.empty()) {
      EXPECT_EQ(shell.opens[0].file, c.opened);
    }
    EXPECT_EQ(loop.TriggerSource, LaunchSource::kMouseAction);
  }
}

TEST_F(ScreenPositionTest, HeldPositionStartsAgainOnEveryTick) {
  Tick({R}, {1023, 0});
  Tick({R}, {1023, 0});
  EXPECT_EQ(shell.opens.size(), 2u);
  EXPECT_EQ(clock.TotalSlept(), 4000);
}

TEST_F(ScreenPositionTest, TimerIsStoppedWhileTheBlockWorks) {
  timer.enabled = true;
  bool stopped_during_start = false;
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) { stopped_during_start = !timer.enabled; };
  shell.results = {2};
  Tick({R}, {1023, 0});
  EXPECT_TRUE(stopped_during_start);
  EXPECT_TRUE(timer.enabled);
}

TEST_F(ScreenPositionFileTest, OffWithoutTheFunction) {
  form->screen_positions_box.SetChecked(false);
  Tick({R}, {1023, 0});
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_TRUE(clock.sleeps.empty());
}

// Two monitors side by side: a 1024 x 768 primary one and a 1280 x 1024
// one on its left, reaching 256 pixels higher.
class TwoMonitorScreenPositionTest : public ScreenPositionTest {
 protected:
  void SetUp() override {
    input.monitors = {Monitor{Rect{0, 0, 1024, 768}, 96}, Monitor{Rect{-1280, -256, 0, 768}, 144}};
    ScreenPositionTest::SetUp();
  }
  std::string StartedAt(Point cursor) {
    shell.opens.clear();
    Tick({R}, cursor);
    return shell.opens.empty() ? "" : shell.opens[0].file;
  }
};

TEST_F(TwoMonitorScreenPositionTest, EachMonitorHasItsOwnCornersAndEdges) {
  EXPECT_EQ(StartedAt({-1, -256}), "corner.exe") << "top-right corner of the left monitor";
  EXPECT_EQ(StartedAt({-600, -256}), "top.exe") << "top edge of the left monitor";
  EXPECT_EQ(StartedAt({1023, 0}), "corner.exe") << "top-right corner of the primary monitor";
  EXPECT_EQ(StartedAt({500, 0}), "top.exe");
  EXPECT_EQ(StartedAt({-600, 0}), "") << "the left monitor goes on above y = 0";
  EXPECT_EQ(StartedAt({-600, 300}), "");
}

TEST_F(ScreenPositionTest, OneMonitorJudgesTheScreenAsBefore) {
  input.monitors = {Monitor{Rect{0, 0, 1024, 768}, 144}};
  Tick({R}, {1023, 0});
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].file, "corner.exe");
}

TEST_F(SensingLoopTest, CtrlShiftAltTogglesRunOptionModeOnEveryTick) {
  options.run_time_option = true;
  CreateWithRightStroke();
  tray.calls.clear();
  for (int i = 0; i < 3; ++i) Tick({C, S, A}, {10, 10});
  EXPECT_TRUE(loop.RunOptionMode);
  EXPECT_EQ(clock.sleeps, (std::vector<int>{500, 500, 500}));
  using K = TrayPicture::Kind;
  std::vector<K> kinds;
  for (const auto& call : tray.calls) kinds.push_back(call.picture.kind);
  EXPECT_EQ(kinds, (std::vector<K>{K::kRunOption, K::kApplication, K::kRunOption}));
}

TEST_F(SensingLoopTest, RunOptionToggleNeedsTheSwitch) {
  CreateWithRightStroke();
  Tick({C, S, A}, {10, 10});
  EXPECT_FALSE(loop.RunOptionMode);
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(SensingLoopTest, StartsOutsideTheRunSpotOrInABlackHoleAreRefused) {
  struct Case {
    StartArea area;
    Point start;
    bool started;
  };
  const Rect spot{50, 50, 150, 150}, hole{90, 90, 110, 110}, none{};
  const Case cases[] = {
      {{true, spot}, {100, 100}, true},
      {{true, spot}, {150, 150}, true},
      {{true, spot}, {151, 100}, false},
      {{false, spot}, {151, 100}, true},
      {{false, {}, true, {none, hole, none, none}}, {100, 100}, false},
      {{false, {}, true, {none, hole, none, none}}, {111, 100}, true},
      {{false, {}, true, {}}, {0, 0}, false},
  };
  for (const Case& c : cases) {
    options.start_area = c.area;
    recognized = 0;
    CreateWithRightStroke();
    Stroke(kShiftCtrl, Line(c.start, {c.start.x + 200, c.start.y}));
    EXPECT_EQ(shell.opens.size(), c.started ? 1u : 0u) << c.start.x << "," << c.start.y;
    EXPECT_EQ(recognized == 1, c.started) << "a refused movement is never recognised";
    EXPECT_EQ(loop.SampleCount, 0);
    shell.opens.clear();
  }
}

TEST_F(SensingLoopTest, StartRulesApplyToWindowServiceMovementsToo) {
  options.window_services = true;
  options.start_area.black_holes_on = true;
  options.start_area.black_holes[0] = Rect{0, 0, 200, 200};
  CreateWithRightStroke();
  Stroke({C, A}, RightStroke());
  EXPECT_TRUE(services.calls.empty());
}

TEST_F(SensingLoopDialogTest, EditedSpotAppliesBeforeItIsSaved) {
  SettingsDialog& f = CreateWithRightStroke();
  f.run_spot_box.SetChecked(true);
  f.run_spot_fields[0].SetValue(500);
  Stroke(kShiftCtrl, RightStroke());
  EXPECT_TRUE(shell.opens.empty());
}

TEST_F(SensingLoopDialogTest, TrailModeDrawsTheMovementAfterStartingTheProgram) {
  SettingsDialog& f = CreateWithRightStroke({"MODE=2"});
  Stroke(kShiftCtrl, RightStroke());
  EXPECT_EQ(shell.opens.size(), 1u);
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_TRUE(f.loop.TrailShown);
  EXPECT_TRUE(f.popup.visible);
  EXPECT_EQ(f.popup.left, 98);
  EXPECT_EQ(f.popup.width, 204);
}

TEST_F(SensingLoopDialogTest, LinkCodeIsWrittenAfterEveryDispatchedMovement) {
  CreateWithRightStroke({"LINKFLG=1"});
  Stroke(kShiftCtrl, Line({100, 100}, {100, 300}));
  EXPECT_EQ(SettingsFile(FilePath(IniPath())).ReadString("SYSTEM", "LINK", "?"), "lL");
  EXPECT_TRUE(shell.opens.empty());
  Stroke(kShiftCtrl, {{100, 100}, {105, 100}});  // too small: not handed over
  EXPECT_EQ(SettingsFile(FilePath(IniPath())).ReadString("SYSTEM", "LINK", "?"), "lL");
}

TEST_F(SensingLoopDialogTest, LinkWriteFailureIsShownAndTheMovementStillEnds) {
  form = std::make_unique<SettingsDialog>(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr,
                                                              FilePath(folder.File("missing/Fesk.Ini")),
                                                              FilePath(kLauncherFolder)});
  form->FormCreate();
  form->auto_transfer_box.SetChecked(true);
  Stroke(kShiftCtrl, RightStroke());
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0], folder.File("missing/Fesk.Ini") + " に書き込めません");
  EXPECT_EQ(form->loop.SampleCount, 0);
}

}  // namespace
}  // namespace fesk::testing
