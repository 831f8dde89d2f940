// The right to the foreground: every start of the launcher hands it on
// before the shell is asked, every box the launcher shows is granted it just
// before it opens, and the launcher's own dialog reaches the front through
// the foreground lock.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

constexpr int C = vk::kControl, R = vk::kRightButton;

class ForegroundGrantTest : public LauncherTest {
 protected:
  // Notes with each step how many starts the shell had been asked for.
  void SetUp() override {
    foreground_rights.stamp = [this] { return " after " + std::to_string(Starts()) + " starts"; };
  }
  std::size_t Starts() const { return shell.opens.size() + shell.execs.size(); }
};

// Each way a program or the editor is started, from the user's action to
// the shell.
TEST_F(ForegroundGrantTest, EveryStartHandsOnTheForegroundBeforeTheShellIsAsked) {
  struct Case {
    std::string name;
    std::vector<std::string> settings;
    std::function<void()> act;
  };
  const std::vector<std::string> program{"[CMD0]",           "DISCRIPTION=App", "CMDLINE=app.exe", "ACTCODE=lr",
                                         "RUNPOS=111111111", "HOTKEY=Ctrl+A",   "DISPLAYPOS=3",    "TASKTRAY=ON"};
  auto with = [&program](std::vector<std::string> system) {
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), system.begin(), system.end());
    lines.insert(lines.end(), program.begin(), program.end());
    return lines;
  };
  auto stroke = [this] { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); };
  const Case cases[] = {
      {"stroke", with({}), stroke},
      {"stroke in palette mode", with({"MODE=3"}), stroke},
      {"shortcut key", with({}),
       [this] {
         Tick({C, 'A'}, {500, 500});
       }},
      {"screen corner", with({"TRIGGER3=1"}),
       [this] {
         Tick({R}, {1023, 0});
       }},
      {"tray icon", with({"TRIGGER5=1"}), [this] { form->TrayIconMessage(1, kMouseLeftDown); }},
      {"editor button", with({}), [this] { form->editor_button.on_click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shell.opens.clear();
    shell.execs.clear();
    foreground_rights.calls.clear();
    WriteIniLines(c.settings);
    Create();
    c.act();
    EXPECT_EQ(Starts(), 1u);
    EXPECT_EQ(foreground_rights.calls,
              (std::vector<std::string>{"neutral input after 0 starts", "allow any process after 0 starts"}));
  }
}

TEST_F(ForegroundGrantTest, IdleTicksAndAMovementThatStartsNothingTouchNoForeground) {
  WriteIni({"[CMD0]", "DISCRIPTION=App", "CMDLINE=app.exe", "ACTCODE=rl"});
  Create();
  Idle();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Starts(), 0u);
  EXPECT_TRUE(foreground_rights.calls.empty());
}

// Each box the launcher may show while the user works in another program,
// from the user's action to the box.  The step taken last before a box opens
// must be the grant: the box asks to come to the front as it opens.
TEST_F(ForegroundGrantTest, EveryBoxIsGrantedTheForegroundJustBeforeItOpens) {
  struct Case {
    std::string name;
    std::vector<std::string> system;
    std::vector<std::string> program;
    std::function<void()> act;
  };
  const std::vector<std::string> program{"[CMD0]",     "DISCRIPTION=App",  "CMDLINE=app.exe",
                                         "ACTCODE=lr", "RUNPOS=111111111", "HOTKEY=Ctrl+A"};
  auto stroke = [this] { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); };
  auto unregistered_stroke = [this] { Stroke(kShiftCtrl, Line({300, 100}, {100, 100})); };
  const Case cases[] = {
      {"confirmation in mode 1", {"MODE=1"}, program, stroke},
      {"unregistered movement", {"ACTERRMSG=1"}, program, unregistered_stroke},
      {"wrong work folder",
       {},
       {"[CMD0]", "DISCRIPTION=App", "CMDLINE=app.exe", "ACTCODE=lr", "RUNPOS=111111111", "WORKDIR=Q:\\gone"},
       [this, stroke] {
         shell.missing_folders = {"Q:\\gone"};
         stroke();
       }},
      {"LINK that cannot be written",
       {"LINKFLG=1"},
       program,
       [this, unregistered_stroke] {
         std::filesystem::remove_all(folder.path());
         unregistered_stroke();
       }},
      {"start error",
       {},
       program,
       [this, stroke] {
         shell.results = {2};
         stroke();
       }},
      {"run-time option box",
       {"RUNOPTION=1"},
       program,
       [this] {
         form->loop.RunOptionMode = true;
         Tick({C, 'A'}, {500, 500});
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::create_directories(folder.path());
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), c.system.begin(), c.system.end());
    lines.insert(lines.end(), c.program.begin(), c.program.end());
    WriteIniLines(lines);
    Create();
    dialogs = fake::FakeDialogs{};
    shell.missing_folders.clear();
    foreground_rights.calls.clear();
    auto shown = [this] { return dialogs.boxes.size() + dialogs.inputs.size() + dialogs.errors.size(); };
    foreground_rights.stamp = [shown] { return shown() == 0 ? " before the box" : " after the box"; };
    c.act();
    ASSERT_EQ(shown(), 1u);
    std::string last_before;
    for (const std::string& call : foreground_rights.calls) {
      if (call.ends_with(" before the box")) last_before = call;
    }
    EXPECT_EQ(last_before, "neutral input before the box");
  }
}

constexpr WindowId kDialog = 42, kActive = 7;

// Windows' lock as the launcher meets it: a window of another program in
// front, which may refuse the dialog the foreground and may hang.
TEST(BringToFrontTest, TheDialogReachesTheFrontAndNeverJoinsAHungWindow) {
  struct Case {
    std::string name;
    WindowId in_front;
    bool locked, front_hung;
    bool reached;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"no lock", kActive, false, false, true, {"neutral input", "set foreground 42"}},
      {"lock refuses the first try",
       kActive,
       true,
       false,
       true,
       {"neutral input", "set foreground 42", "responds? 7", "share input with 7", "set foreground 42",
        "part input from 7"}},
      {"lock and a hung window in front",
       kActive,
       true,
       true,
       false,
       {"neutral input", "set foreground 42", "responds? 7"}},
      {"lock and no window in front", 0, true, false, false, {"neutral input", "set foreground 42"}},
      {"already in front", kDialog, true, false, true, {"neutral input", "set foreground 42"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fake::FakeForegroundRights rights;
    rights.foreground = c.in_front;
    rights.locked = c.locked;
    if (c.front_hung) rights.hung.insert(c.in_front);
    EXPECT_EQ(BringToFront(rights, kDialog), c.reached);
    EXPECT_EQ(rights.foreground, c.reached ? kDialog : c.in_front);
    EXPECT_EQ(rights.calls, c.calls);
  }
}

}  // namespace
}  // namespace fesk::testing
