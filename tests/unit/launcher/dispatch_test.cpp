#include <gtest/gtest.h>

#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

// A registered program as the dispatcher meets it.
struct Prog {
  std::string name, code;
  std::string run_pos = "111111111";
  std::string work_dir = "";
  int show = show::kShow;
  std::string option = "";
};

class DispatchTest : public EngineTest {
 protected:
  // The programs in slots 0, 1, ...; "<name>.exe" each.
  LauncherEngine& CreateWith(std::vector<Prog> registered) {
    tables = ProgramTables{};
    programs = FakeProgramStore{};
    for (const Prog& p : registered) {
      const int slot = Register(p.name, p.name + ".exe", p.code);
      programs.run_positions[slot] = p.run_pos;
      CurrentProgram& program = programs.programs[slot];
      program.WorkDir = p.work_dir;
      program.ShowCommand = p.show;
      program.Option = p.option;
    }
    return Start();
  }
  void StrokeRight(Point from = {100, 100}) { Stroke(kShiftCtrl, Line(from, {from.x + 200, from.y})); }
};

// What the settings file and the dialog add: the keys read at each start,
// their defaults and the switches on the dialog.
class DispatchFileTest : public LauncherTest {
 protected:
  // Sections given as lists of "KEY=value" lines, one per slot.
  SettingsDialog& CreateWith(std::vector<std::string> system, std::vector<std::vector<std::string>> programs) {
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), system.begin(), system.end());
    for (std::size_t slot = 0; slot < programs.size(); ++slot) {
      lines.push_back("[CMD" + std::to_string(slot) + "]");
      lines.insert(lines.end(), programs[slot].begin(), programs[slot].end());
    }
    WriteIniLines(lines);
    return Create();
  }
  void StrokeRight(Point from = {100, 100}) { Stroke(kShiftCtrl, Line(from, {from.x + 200, from.y})); }
};

std::vector<std::string> FileProg(const std::string& name, const std::string& code,
                                  std::vector<std::string> more = {"RUNPOS=111111111"}) {
  std::vector<std::string> lines{"DISCRIPTION=" + name, "CMDLINE=" + name + ".exe", "ACTCODE=" + code};
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

TEST_F(DispatchTest, LowestMatchingSlotWinsInNormalMode) {
  CreateWith({{"a", "rl"}, {"b", "lr"}, {"c", "lr"}});
  StrokeRight();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"b.exe"}));
}

TEST_F(DispatchTest, ConfirmationModeOffersTheNextSlotAfterCancel) {
  options.mode = MouseActionMode::kConfirm;
  CreateWith({{"a", "lr"}, {"b", "lr"}, {"c", "lr"}});
  std::vector<Gate> gates;
  std::vector<bool> timer_running;
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) {
    gates.push_back(loop.MouseActionGate);
    timer_running.push_back(timer.enabled);
    engine->SensingTick();  // a tick delivered by the box's message loop
  };
  dialogs.answers = {Answer::kCancel, Answer::kOk};
  StrokeRight();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"b.exe"}));
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[0].text, "\"a\"\r  を実行します。");
  EXPECT_EQ(dialogs.boxes[0].caption, "FESK プログラムの実行確認");
  EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::kOkCancel);
  EXPECT_EQ(dialogs.boxes[1].text, "\"b\"\r  を実行します。");
  EXPECT_EQ(gates, (std::vector<Gate>{Gate::kShut, Gate::kShut}));
  EXPECT_EQ(timer_running, (std::vector<bool>{false, false}));
  EXPECT_EQ(loop.MouseActionGate, Gate::kOpen);
  EXPECT_TRUE(timer.enabled);
}

TEST_F(DispatchTest, DeclinedEverywhereReportsNothing) {
  options.mode = MouseActionMode::kConfirm;
  options.report_unregistered_actions = true;
  CreateWith({{"a", "lr"}});
  dialogs.answers = {Answer::kCancel};
  StrokeRight();
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(DispatchFileTest, ConfirmationShowsTheTitleReadNow) {
  CreateWith({"MODE=1"}, {FileProg("a", "lr")});
  WriteIni({"[CMD0]", "DISCRIPTION=renamed", "CMDLINE=a.exe", "ACTCODE=rl", "RUNPOS=111111111"});
  StrokeRight();  // the table still has "lr"
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "\"renamed\"\r  を実行します。");
}

TEST_F(DispatchTest, ForbiddenStartRegionSkipsToTheNextMatch) {
  // The start (100, 100) lies in the top-left region of 1024 x 768.
  CreateWith({{"a", "lr", "011111111"}, {"b", "lr"}});
  StrokeRight();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"b.exe"}));
}

// The grid is the one of the monitor the movement began on: a stroke in the
// top-left region of a monitor left of the primary one is judged there (on
// the primary screen's grid it would lie on no region and be allowed).
TEST_F(DispatchTest, StartRegionIsJudgedOnTheMonitorOfTheStart) {
  input.monitors = {Monitor{Rect{0, 0, 1024, 768}, 96}, Monitor{Rect{-1280, 0, 0, 1024}, 96}};
  CreateWith({{"a", "lr", "011111111"}, {"b", "lr"}});
  StrokeRight({-1200, 100});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"b.exe"}));
  CreateWith({{"a", "lr", "011111111"}, {"b", "lr"}});
  StrokeRight({-800, 100});  // the top centre of that monitor
  EXPECT_EQ(Opened(), (std::vector<std::string>{"b.exe", "a.exe"}));
}

TEST_F(DispatchFileTest, MissingMaskAllowsOnlyStartsOnGridLines) {
  struct Case {
    Point start;
    bool started;
  };
  // Grid lines at x 341 and 682, y 256 and 512.
  const Case cases[] = {
      {{100, 100}, false}, {{341, 100}, true}, {{100, 512}, true}, {{342, 100}, false}, {{682, 600}, true}};
  for (const Case& c : cases) {
    CreateWith({}, {FileProg("a", "lr", {})});
    StrokeRight(c.start);
    EXPECT_EQ(shell.opens.size(), c.started ? 1u : 0u) << c.start.x << "," << c.start.y;
    shell.opens.clear();
  }
}

TEST_F(DispatchTest, MaskForbiddingBottomCentreAllowsItsUpperLine) {
  CreateWith({{"a", "lr", "111111101"}});
  StrokeRight({400, 600});
  EXPECT_TRUE(shell.opens.empty());
  StrokeRight({400, 512});
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(DispatchTest, ProgramWithoutCodeEndsTheScan) {
  options.report_unregistered_actions = true;
  CreateWith({{"a", "rl"}, {"b", kNoActionCode}, {"c", "lr"}});
  StrokeRight();
  EXPECT_TRUE(shell.opens.empty());
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "マウス・アクションが登録されていません");
  EXPECT_EQ(dialogs.boxes[0].caption, "FESK プログラムの実行確認");
  EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::kOk);
}

TEST_F(DispatchTest, EmptyCodeNeverStartsAProgram) {
  options.report_unregistered_actions = true;
  CreateWith({{"a", ""}});
  // Every sample on a centre line of the box (100..150, 100..200).
  Stroke(kShiftCtrl, {{150, 100}, {100, 150}, {150, 200}});
  EXPECT_EQ(loop.RecognizedCode, "");
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(DispatchTest, UnmatchedCodeIsSilentWithoutTheSwitch) {
  CreateWith({{"a", "rl"}});
  StrokeRight();
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(DispatchTest, PaletteModeOpensThePaletteWithTheCode) {
  options.mode = MouseActionMode::kPalette;
  CreateWith({{"a", "lr", "111111111", "D:\\w", show::kMinimized}});
  StrokeRight();
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0], (fake::FakeShell::OpenCall{"C:\\Fesk\\FeskPal.exe", "A lr", "D:\\w", 2, "C:\\"}));
  EXPECT_EQ(loop.TriggerSource, LaunchSource::kMouseAction) << "the palette case leaves the source";
}

TEST_F(DispatchTest, PaletteFailureIsReportedWithTheProgramsTitle) {
  options.mode = MouseActionMode::kPalette;
  CreateWith({{"a", "lr"}});
  shell.results = {2};
  StrokeRight();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "\"a\" の起動ができません。\r\r原因：ファイルが見つかりませんでした。");
}

TEST_F(DispatchFileTest, ShowStatesOfCmdShow) {
  const std::pair<std::string, int> cases[] = {
      {"SW_SHOWMAXIMIZED", 3}, {"SW_SHOWMINIMIZED", 2}, {"SW_SHOW", 5}, {"bogus", 5}};
  for (const auto& [text, show] : cases) {
    CreateWith({}, {FileProg("a", "lr", {"RUNPOS=111111111", "CMDSHOW=" + text})});
    StrokeRight();
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].show, show) << text;
    shell.opens.clear();
  }
}

TEST_F(DispatchFileTest, LaunchKeysAreReadAtEachStart) {
  CreateWith({}, {FileProg("a", "lr")});
  WriteIni({"[CMD0]", "DISCRIPTION=a", "CMDLINE=new.exe", "OPTION=/n", "ACTCODE=zz", "RUNPOS=111111111"});
  StrokeRight();
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].file, "new.exe");
  EXPECT_EQ(shell.opens[0].parameters, "/n");
}

TEST_F(DispatchFileTest, EmptyCommandLineIsStillOpened) {
  CreateWith({}, {{"DISCRIPTION=a", "ACTCODE=lr", "RUNPOS=111111111"}});
  shell.results = {2};
  StrokeRight();
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].file, "");
  EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(DispatchFileTest, LaunchErrorsAreReportedOnlyWithTheSwitch) {
  SettingsDialog& f = CreateWith({}, {FileProg("a", "lr")});
  shell.results = {31, 32};
  StrokeRight();
  StrokeRight();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].caption, "FESK プログラム起動エラー");
  EXPECT_EQ(dialogs.boxes[0].text, "\"a\" の起動ができません。\r\r原因：予知しない実行エラーが発生しました。");
  f.start_errors_box.SetChecked(false);
  shell.results = {2};
  StrokeRight();
  EXPECT_EQ(dialogs.boxes.size(), 1u);
}

TEST_F(DispatchTest, WrongWorkFolderIsReportedAndTheStartStillTried) {
  CreateWith({{"a", "lr", "111111111", "Q:\\gone"}});
  shell.missing_folders = {"Q:\\gone"};
  StrokeRight();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "\"a\" の実行用ワーク・フォルダーの指定が違います\r\r\"Q:\\gone\"");
  EXPECT_EQ(dialogs.boxes[0].caption, "FESK プログラム起動エラー");
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].directory, "Q:\\gone");
  EXPECT_EQ(shell.opens[0].current_directory, "C:\\");
}

// A process's current folder is in use while the process runs: it cannot be
// removed or renamed, and the stick that holds it cannot be ejected.  The
// launcher is in the work folder only while the shell resolves the command
// (a command without a folder is looked for there) and is back in its own
// folder before anything else happens: before the start error's box, and
// for good.
TEST_F(DispatchTest, TheWorkFolderIsLetGoRightAfterTheStart) {
  struct Case {
    std::string name;
    int result;
    std::size_t boxes;
  };
  const Case cases[] = {{"started", 42, 0}, {"start error", 2, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shell.opens.clear();
    shell.results = {c.result};
    shell.current_directory = kLauncherFolder;
    CreateWith({{"a", "lr", "111111111", "D:\\work"}});
    std::vector<std::string> folders_while_open;
    dialogs.while_open = [&](const fake::FakeDialogs::Box&) { folders_while_open.push_back(shell.current_directory); };
    StrokeRight();
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].directory, "D:\\work");
    EXPECT_EQ(shell.opens[0].current_directory, "D:\\work");
    EXPECT_EQ(shell.current_directory, kLauncherFolder);
    EXPECT_EQ(folders_while_open, std::vector<std::string>(c.boxes, kLauncherFolder));
  }
}

class RunTimeOptionTest : public DispatchTest {
 protected:
  void SetUp() override {
    options.run_time_option = true;
    CreateWith({{"a", "lr", "111111111", "", show::kShow, "-q"}});
    SetHotKey(0, "Ctrl+A");
    loop.RunOptionMode = true;
  }
};

// The switch on the dialog, which also ends the mode.
class RunTimeOptionSwitchTest : public DispatchFileTest {
 protected:
  void SetUp() override {
    CreateWith({"RUNOPTION=1"}, {FileProg("a", "lr", {"RUNPOS=111111111", "OPTION=-q", "HOTKEY=Ctrl+A"})});
    form->loop.RunOptionMode = true;
  }
};

TEST_F(RunTimeOptionTest, EditedOptionIsUsedForThisStart) {
  dialogs.input_answers = {std::string("-v file.txt")};
  StrokeRight();
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].caption, "a");
  EXPECT_EQ(dialogs.inputs[0].prompt, "起動時ｵﾌﾟｼｮﾝを入力して下さい");
  EXPECT_EQ(dialogs.inputs[0].value, "-q");
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].parameters, "-v file.txt");
}

TEST_F(RunTimeOptionTest, CancelEndsTheStart) {
  StrokeRight();
  EXPECT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_TRUE(shell.opens.empty());
  EXPECT_EQ(loop.TriggerSource, LaunchSource::kNone);
}

TEST_F(RunTimeOptionTest, AskedForShortcutsToo) {
  Tick({vk::kControl, 'A'}, {500, 500});
  EXPECT_EQ(dialogs.inputs.size(), 1u);
}

TEST_F(RunTimeOptionSwitchTest, NotAskedWithTheModeOffOrTheSwitchOff) {
  form->loop.RunOptionMode = false;
  StrokeRight();
  form->loop.RunOptionMode = true;
  form->run_time_option_box.SetChecked(false);  // also ends the mode
  StrokeRight();
  EXPECT_TRUE(dialogs.inputs.empty());
  EXPECT_EQ(shell.opens.size(), 2u);
  EXPECT_FALSE(form->loop.RunOptionMode);
}

}  // namespace
}  // namespace fesk::testing
