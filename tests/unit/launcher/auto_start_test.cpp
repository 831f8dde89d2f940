// The two options added to page "動 作": FULLSCREENQUIET and AUTOSTART in
// section SYSTEM, the start with Windows box against the user's Run key,
// and the boxes' place and texts on the page.
#include <gtest/gtest.h>

#include "launcher/services/auto_start.h"
#include "launcher_fixture.h"
#include "tests/support/utf8_path.h"

namespace fesk::testing {
namespace {

constexpr char kQuotedProgram[] = "\"C:\\Fesk\\Fesk.exe\"";

class AutoStartTest : public LauncherTest {
 protected:
  SettingsDialog& Open() {
    SettingsDialog& f = Create();
    f.ShowSettingsDialog();
    return f;
  }
  std::string SystemValue(const std::string& key) const {
    return SettingsFile(FilePath(IniPath())).ReadString("SYSTEM", key, "(none)");
  }
};

// ---- The two keys --------------------------------------------------------------

TEST_F(AutoStartTest, FileWithoutTheKeysIsQuietAndDoesNotStartWithWindows) {
  SettingsDialog& f = Create();
  EXPECT_TRUE(f.quiet_over_full_screen_box.checked());
  EXPECT_TRUE(f.options.quiet_over_full_screen);
  EXPECT_FALSE(f.start_with_windows_box.checked());
  EXPECT_FALSE(f.options.start_with_windows);
}

TEST_F(AutoStartTest, KeysAreReadAndWrittenAsZeroOrOne) {
  WriteIni({"[SYSTEM]", "FULLSCREENQUIET=0", "AUTOSTART=1"});
  SettingsDialog& f = Create();
  EXPECT_FALSE(f.quiet_over_full_screen_box.checked());
  EXPECT_TRUE(f.start_with_windows_box.checked()) << "a hidden dialog shows the file's choice";
  f.Ok();
  EXPECT_EQ(SystemValue("FULLSCREENQUIET"), "0");
  f.quiet_over_full_screen_box.SetChecked(true);
  f.Ok();
  EXPECT_EQ(SystemValue("FULLSCREENQUIET"), "1");
  // Any other number is off, as for the other check boxes.
  WriteIni({"[SYSTEM]", "FULLSCREENQUIET=2"});
  EXPECT_FALSE(Create().quiet_over_full_screen_box.checked());
}

TEST_F(AutoStartTest, CancelGivesBackTheSavedQuietChoice) {
  SettingsDialog& f = Open();
  f.quiet_over_full_screen_box.SetChecked(false);
  f.Cancel();
  EXPECT_TRUE(f.options.quiet_over_full_screen);
}

// ---- The box against the Run key ----------------------------------------------

TEST_F(AutoStartTest, TickedBoxAndOkRegisterTheQuotedProgram) {
  SettingsDialog& f = Open();
  EXPECT_FALSE(f.start_with_windows_box.checked());
  f.start_with_windows_box.SetChecked(true);
  EXPECT_TRUE(auto_start.values.empty()) << "nothing before OK";
  f.Ok();
  EXPECT_EQ(auto_start.values, (std::map<std::string, std::string>{{"Fesk", kQuotedProgram}}));
  EXPECT_EQ(SystemValue("AUTOSTART"), "1");
  EXPECT_FALSE(f.visible);
}

TEST_F(AutoStartTest, ClearedBoxAndOkRemoveTheValue) {
  auto_start.values = {{"Fesk", kQuotedProgram}, {"Other", "other.exe"}};
  SettingsDialog& f = Open();
  EXPECT_TRUE(f.start_with_windows_box.checked());
  f.start_with_windows_box.SetChecked(false);
  f.Ok();
  EXPECT_EQ(auto_start.values, (std::map<std::string, std::string>{{"Other", "other.exe"}}));
  EXPECT_EQ(SystemValue("AUTOSTART"), "0");
}

TEST_F(AutoStartTest, CancelLeavesTheRunKeyAlone) {
  SettingsDialog& f = Open();
  f.start_with_windows_box.SetChecked(true);
  f.Cancel();
  EXPECT_TRUE(auto_start.values.empty());
  EXPECT_EQ(auto_start.writes, 0);
}

TEST_F(AutoStartTest, OkWithoutAChangeWritesNothing) {
  auto_start.values = {{"Fesk", kQuotedProgram}};
  SettingsDialog& f = Open();
  f.Ok();
  f.ShowSettingsDialog();
  f.Ok();
  EXPECT_EQ(auto_start.writes, 0);
}

// The user may have removed the entry, or made one, while the dialog was
// hidden: each opening shows the key as it is.
TEST_F(AutoStartTest, EachOpeningShowsTheRunKeyAsItIs) {
  WriteIni({"[SYSTEM]", "AUTOSTART=1"});
  SettingsDialog& f = Open();
  EXPECT_FALSE(f.start_with_windows_box.checked()) << "removed elsewhere";
  EXPECT_FALSE(f.options.start_with_windows);
  f.Ok();
  EXPECT_EQ(SystemValue("AUTOSTART"), "0");
  auto_start.values = {{"Fesk", kQuotedProgram}};
  f.ShowSettingsDialog();
  EXPECT_TRUE(f.start_with_windows_box.checked());
}

TEST_F(AutoStartTest, ShownDialogKeepsTheUsersTick) {
  SettingsDialog& f = Open();
  f.start_with_windows_box.SetChecked(true);
  f.ShowSettingsDialog();  // the tray icon clicked again while it is shown
  EXPECT_TRUE(f.start_with_windows_box.checked());
}

// Another copy of the launcher registered under the same name is not this
// one: the box shows off, and OK leaves the value as it is until the box is
// ticked.
TEST_F(AutoStartTest, ValueOfAnotherCopyShowsOffAndStays) {
  auto_start.values = {{"Fesk", "\"D:\\Old\\Fesk.exe\""}};
  SettingsDialog& f = Open();
  EXPECT_FALSE(f.start_with_windows_box.checked());
  f.Ok();
  EXPECT_EQ(auto_start.values.at("Fesk"), "\"D:\\Old\\Fesk.exe\"");
  f.ShowSettingsDialog();
  f.start_with_windows_box.SetChecked(true);
  f.Ok();
  EXPECT_EQ(auto_start.values.at("Fesk"), kQuotedProgram);
}

TEST_F(AutoStartTest, FailedWriteShowsAnErrorAndChangesNothingElse) {
  WriteIni({"[SYSTEM]", "MODE=0"});
  const std::string before = ReadIni();
  SettingsDialog& f = Open();
  auto_start.fail = true;
  f.start_with_windows_box.SetChecked(true);
  f.mode_choice.SetItemIndex(2);
  f.Ok();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].caption, "FESK 自動起動エラー");
  EXPECT_EQ(dialogs.boxes[0].text,
            "Windows起動時の自動起動を登録できません。\r\r"
            "レジストリ HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r"
            "に書き込めませんでした。設定は保存されていません。");
  EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::kOk);
  EXPECT_TRUE(auto_start.values.empty());
  EXPECT_EQ(ReadIni(), before) << "nothing saved";
  EXPECT_TRUE(f.visible) << "the dialog stays open";
  EXPECT_FALSE(f.start_with_windows_box.checked()) << "the box shows the key again";
  EXPECT_EQ(f.mode_choice.item_index(), 2) << "the other edits stay";
  auto_start.fail = false;
  f.Ok();
  EXPECT_EQ(SystemValue("MODE"), "2");
  EXPECT_TRUE(auto_start.values.empty());
}

TEST_F(AutoStartTest, FailedRemovalNamesTheRemoval) {
  auto_start.values = {{"Fesk", kQuotedProgram}};
  SettingsDialog& f = Open();
  auto_start.fail = true;
  f.start_with_windows_box.SetChecked(false);
  f.Ok();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text,
            "Windows起動時の自動起動を解除できません。\r\r"
            "レジストリ HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r"
            "から削除できませんでした。設定は保存されていません。");
  EXPECT_TRUE(f.start_with_windows_box.checked());
  EXPECT_EQ(auto_start.values.size(), 1u);
}

TEST_F(AutoStartTest, WithoutARunKeyTheBoxKeepsTheFilesChoice) {
  WriteIni({"[SYSTEM]", "AUTOSTART=1"});
  form = std::make_unique<SettingsDialog>(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr,
                                                              FilePath(IniPath()), FilePath(kLauncherFolder)});
  form->FormCreate();
  form->ShowSettingsDialog();
  EXPECT_TRUE(form->start_with_windows_box.checked());
  form->Ok();
  EXPECT_EQ(SystemValue("AUTOSTART"), "1");
}

TEST(AutoStartCommand, IsTheProgramInQuotes) {
  EXPECT_EQ(AutoStartCommand(FilePath("C:\\Program Files\\Fesk\\Fesk.exe")), "\"C:\\Program Files\\Fesk\\Fesk.exe\"");
}

TEST(AutoStartCommand, NamesTheProgramInQuotesOrNotInAnyCase) {
  const FilePath program("C:\\Program Files\\Fesk\\Fesk.exe");
  EXPECT_TRUE(AutoStartNames("\"C:\\Program Files\\Fesk\\Fesk.exe\"", program));
  EXPECT_TRUE(AutoStartNames("C:\\Program Files\\Fesk\\Fesk.exe", program));
  EXPECT_TRUE(AutoStartNames("  \"c:\\program files\\fesk\\FESK.EXE\" ", program));
  EXPECT_FALSE(AutoStartNames("\"C:\\Program Files\\Fesk\\Fesk.exe\" /x", program));
  EXPECT_FALSE(AutoStartNames("\"D:\\Fesk\\Fesk.exe\"", program));
  EXPECT_FALSE(AutoStartNames("", program));
  EXPECT_FALSE(AutoStartNames("\"\"", FilePath()));
}

// The value names the program as Windows spells it, in a folder of any
// name: "José" is no "Jose", which code page 932 would have made of it.
TEST(AutoStartCommand, NamesAFolderOfAnyName) {
  // Outside the checks: their texts are compiled in code page 932.
  const FilePath program = testing::Utf8Path(u8"C:\\José Müller\\表\\Fesk.exe");
  const std::string quoted = testing::Utf8(u8"\"C:\\José Müller\\表\\Fesk.exe\"");
  const std::string other_case = testing::Utf8(u8"\"c:\\José Müller\\表\\FESK.EXE\"");
  EXPECT_EQ(AutoStartCommand(program), quoted);
  EXPECT_TRUE(AutoStartNames(other_case, program));
  EXPECT_FALSE(AutoStartNames("\"C:\\Jose Muller\\表\\Fesk.exe\"", program));
}

// ---- The page ------------------------------------------------------------------

TEST_F(AutoStartTest, BoxesStandUnderTheOtherTwoWithTheirHints) {
  SettingsDialog& f = Create();
  EXPECT_EQ(f.quiet_over_full_screen_box.caption, "全画面表示中は休止");
  EXPECT_EQ(f.start_with_windows_box.caption, "Windows起動時に自動起動");
  const CheckBox* column[] = {&f.start_errors_box, &f.run_time_option_box, &f.quiet_over_full_screen_box,
                              &f.start_with_windows_box};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(column[i]->left, 214);
    EXPECT_EQ(column[i]->width, 187);
    EXPECT_EQ(column[i]->top, 130 + 20 * i);
  }
  // The last box ends no lower than the icon choice beside it.
  EXPECT_LE(f.start_with_windows_box.top + f.start_with_windows_box.height,
            f.tray_icon_choice.top + f.tray_icon_choice.height);
  EXPECT_EQ(f.quiet_over_full_screen_box.hint,
            "ONで全画面表示のﾌﾟﾛｸﾞﾗﾑ(ｹﾞｰﾑ、ｽﾗｲﾄﾞｼｮｰ、動画など)が前面にある間は\r"
            "[ﾏｳｽ･ｱｸｼｮﾝ]と[画面ﾎﾟｼﾞｼｮﾝ]でﾌﾟﾛｸﾞﾗﾑを起動しません\r"
            "\r"
            "[ｼｮｰﾄｶｯﾄ･ｷｰ]はいつでも有効です");
  EXPECT_EQ(f.start_with_windows_box.hint.rfind("ONでWindowsへのｻｲﾝｲﾝ時にFESKを自動起動します\r", 0), 0u);
}

}  // namespace
}  // namespace fesk::testing
