#include <gtest/gtest.h>

#include "common/storable_path.h"
#include "launcher_fixture.h"
#include "tests/support/utf8_path.h"

namespace fesk::testing {
namespace {

class HandOffTest : public LauncherTest {
 protected:
  void CreateWithTrayPrograms(std::vector<std::string> system = {}) {
    std::vector<std::string> lines{"[SYSTEM]", "TRIGGER5=1"};
    lines.insert(lines.end(), system.begin(), system.end());
    for (const char* line : {"[CMD0]", "DISCRIPTION=zero", "CMDLINE=zero.exe", "[CMD1]", "DISCRIPTION=one",
                             "CMDLINE=one.exe", "OPTION=-o", "TASKTRAY=ON"}) {
      lines.push_back(line);
    }
    WriteIniLines(lines);
    Create();
  }
};

TEST_F(HandOffTest, TransferButtonStartsTheEditorWithTheLastCode) {
  SettingsDialog& f = Create();
  f.TransferMouseAction();
  EXPECT_TRUE(shell.execs.empty()) << "no movement yet";
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  f.popup.Show();
  f.popup.first_text.visible = true;
  f.TransferMouseAction();
  EXPECT_EQ(shell.execs, (std::vector<fake::FakeShell::ExecCall>{{"\"C:\\Fesk\\FESKINI.EXE\" /Alr", 5}}));
  EXPECT_FALSE(f.popup.visible);
  EXPECT_FALSE(f.popup.first_text.visible);
}

TEST_F(HandOffTest, ManualButtonStartsThePlainEditorAndHidesThePopup) {
  SettingsDialog& f = Create();
  f.loop.TrailShown = true;
  f.popup.Show();
  f.OpenEditor();
  EXPECT_EQ(shell.execs, (std::vector<fake::FakeShell::ExecCall>{{"\"C:\\Fesk\\FESKINI.EXE\"", 5}}));
  EXPECT_FALSE(f.popup.visible);
  EXPECT_TRUE(f.loop.TrailShown);
}

TEST_F(HandOffTest, LongCommandLinesArePassedWhole) {
  const std::string deep = "C:\\" + std::string(300, 'd') + "\\";
  form = std::make_unique<SettingsDialog>(
      LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr, FilePath(IniPath()), FilePath(deep)});
  form->FormCreate();
  form->OpenEditor();
  form->FormDropFiles({FilePath("C:\\" + std::string(400, 'x') + ".txt")});
  ASSERT_EQ(shell.execs.size(), 1u);
  EXPECT_EQ(shell.execs[0].command_line, "\"" + deep + "FESKINI.EXE\"");
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].parameters.size(), 2u + 3u + 400u + 4u);
}

TEST_F(HandOffTest, EachDroppedFileStartsItsOwnEditor) {
  SettingsDialog& f = Create();
  f.FormDropFiles({FilePath("C:\\a.txt"), testing::Utf8Path(u8"D:\\表\\b c.lnk"), FilePath("E:\\folder")});
  using Open = fake::FakeShell::OpenCall;
  EXPECT_EQ(shell.opens, (std::vector<Open>{{"C:\\Fesk\\FESKINI.EXE", "\"C:\\a.txt\"", "C:\\Fesk\\", 1, "C:\\"},
                                            {"C:\\Fesk\\FESKINI.EXE", "\"D:\\表\\b c.lnk\"", "C:\\Fesk\\", 1, "C:\\"},
                                            {"C:\\Fesk\\FESKINI.EXE", "\"E:\\folder\"", "C:\\Fesk\\", 1, "C:\\"}}));
}

// A dropped path the settings file cannot hold as it is ("é" has no code
// in code page 932) goes to the editor by its short form; without one it is
// refused with a box that names it, and no editor starts.
struct DroppedPathCase {
  const char8_t* dropped;
  const char* short_form;   // "" when Windows has none
  const char* handed_over;  // the editor's parameter; "" when refused
};

class DroppedPathTest : public LauncherTest, public ::testing::WithParamInterface<DroppedPathCase> {};

TEST_P(DroppedPathTest, IsHandedOverAsTheSettingsFileCanHoldIt) {
  const DroppedPathCase& c = GetParam();
  const FilePath dropped = testing::Utf8Path(c.dropped);
  if (*c.short_form) paths.short_forms[dropped.utf8] = c.short_form;
  SettingsDialog& f = Create();
  f.FormDropFiles({dropped});
  if (*c.handed_over) {
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].parameters, std::string("\"") + c.handed_over + "\"");
    EXPECT_TRUE(dialogs.boxes.empty());
  } else {
    EXPECT_TRUE(shell.opens.empty());
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].path, dropped);
    EXPECT_EQ(dialogs.boxes[0].text, dropped.utf8 + "\r" + kUnstorablePathText);
    EXPECT_EQ(dialogs.boxes[0].caption, kUnstorablePathCaption);
  }
}

const DroppedPathCase kDroppedPaths[] = {
    {u8"D:\\表\\b c.lnk", "D:\\X\\B~1.LNK", "D:\\表\\b c.lnk"},
    {u8"C:\\Users\\José Müller\\a.exe", "C:\\Users\\JOSM~1\\a.exe", "C:\\Users\\JOSM~1\\a.exe"},
    {u8"C:\\Users\\José Müller\\a.exe", "", ""},
    {u8"C:\\Ωmega\\a.exe", "", "C:\\Ωmega\\a.exe"},
};
INSTANTIATE_TEST_SUITE_P(Paths, DroppedPathTest, ::testing::ValuesIn(kDroppedPaths));

TEST_F(HandOffTest, OwnTrayIconShowsTheDialogOrStartsTheEditor) {
  SettingsDialog& f = Create();
  f.TrayIconMessage(0, 0x202);  // button up: ignored
  f.TrayIconMessage(0, 0x200);  // move: ignored
  EXPECT_FALSE(f.visible);
  f.TrayIconMessage(0, kMouseLeftDown);
  EXPECT_TRUE(f.visible);
  EXPECT_EQ(f.foreground_requests, 1);
  f.TrayIconMessage(0, kMouseRightDown);
  EXPECT_EQ(shell.execs, (std::vector<fake::FakeShell::ExecCall>{{"\"C:\\Fesk\\FESKINI.EXE\"", 5}}));
}

TEST_F(HandOffTest, ProgramIconStartsItsProgramWithEitherButton) {
  CreateWithTrayPrograms();
  ASSERT_EQ(form->tables.TrayProgramIconCount, 2);
  form->TrayIconMessage(2, kMouseLeftDown);
  form->TrayIconMessage(2, kMouseRightDown);
  form->TrayIconMessage(1, kMouseLeftDown);  // slot 0 has no icon
  form->TrayIconMessage(3, kMouseLeftDown);
  ASSERT_EQ(shell.opens.size(), 2u);
  EXPECT_EQ(shell.opens[0], shell.opens[1]);
  EXPECT_EQ(shell.opens[0].file, "one.exe");
  EXPECT_EQ(shell.opens[0].parameters, "-o");
  EXPECT_TRUE(dialogs.inputs.empty());
}

TEST_F(HandOffTest, RightClickAsksForAnOptionOnceWhenAllowed) {
  CreateWithTrayPrograms({"RUNOPTION=1"});
  dialogs.input_answers = {std::string("-typed")};
  form->TrayIconMessage(2, kMouseRightDown);
  ASSERT_EQ(dialogs.inputs.size(), 1u);
  EXPECT_EQ(dialogs.inputs[0].caption, "one");
  EXPECT_EQ(shell.opens[0].parameters, "-typed");
  EXPECT_FALSE(form->loop.RunOptionMode);
  form->TrayIconMessage(2, kMouseLeftDown);
  EXPECT_EQ(dialogs.inputs.size(), 1u);
}

TEST_F(HandOffTest, ProgramIconStartsTheProgramEvenInPaletteMode) {
  CreateWithTrayPrograms({"MODE=3"});
  Idle();  // a tick leaves the loop's source at "mouse action"
  form->TrayIconMessage(2, kMouseLeftDown);
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].file, "one.exe");
}

// Every way of starting the editor, from launcher folders with and without
// blanks.  The program's path is always quoted, so that Windows cannot read
// "C:\Program Files\Fesk\FESKINI.EXE" as "C:\Program.exe" with parameters;
// the code follows "/A" directly.
struct EditorStartCase {
  const char* name;
  const char* folder;
  const char* plain;     // 手動設定 and the right click on the own icon
  const char* transfer;  // ﾏｳｽ･ｱｸｼｮﾝ転送 after the stroke "lr"
};

class EditorCommandLineTest : public LauncherTest, public ::testing::WithParamInterface<EditorStartCase> {};

TEST_P(EditorCommandLineTest, TheProgramPathIsQuoted) {
  const EditorStartCase& c = GetParam();
  form = std::make_unique<SettingsDialog>(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr,
                                                              FilePath(IniPath()), FilePath(c.folder)});
  form->FormCreate();
  form->OpenEditor();
  form->TrayIconMessage(kOwnTrayIcon, kMouseRightDown);
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  form->TransferMouseAction();
  using Exec = fake::FakeShell::ExecCall;
  EXPECT_EQ(shell.execs, (std::vector<Exec>{{c.plain, 5}, {c.plain, 5}, {c.transfer, 5}}));
  // A dropped file is opened by the shell: the program is a file name of its
  // own, the path its quoted parameter.
  form->FormDropFiles({FilePath("C:\\My Files\\a b.txt")});
  ASSERT_EQ(shell.opens.size(), 1u);
  EXPECT_EQ(shell.opens[0].file, std::string(c.folder) + "FESKINI.EXE");
  EXPECT_EQ(shell.opens[0].parameters, "\"C:\\My Files\\a b.txt\"");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, EditorCommandLineTest,
    ::testing::Values(
        EditorStartCase{"Plain", "C:\\Fesk\\", "\"C:\\Fesk\\FESKINI.EXE\"", "\"C:\\Fesk\\FESKINI.EXE\" /Alr"},
        EditorStartCase{"WithBlank", "C:\\Program Files\\Fesk\\", "\"C:\\Program Files\\Fesk\\FESKINI.EXE\"",
                        "\"C:\\Program Files\\Fesk\\FESKINI.EXE\" /Alr"},
        // "表" ends in the byte of "\\"; "ツール 置き場" has a blank.
        EditorStartCase{"JapaneseWithBlank", "D:\\表\\ツール 置き場\\", "\"D:\\表\\ツール 置き場\\FESKINI.EXE\"",
                        "\"D:\\表\\ツール 置き場\\FESKINI.EXE\" /Alr"}),
    [](const ::testing::TestParamInfo<EditorStartCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fesk::testing
