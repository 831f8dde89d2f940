#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "launcher/ui/trigger_cells.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

class SettingsDialogTest : public LauncherTest {
 protected:
  int Removes(int id) const {
    int n = 0;
    for (const auto& call : tray.calls) n += call.kind == fake::FakeTray::Call::kRemove && call.id == id;
    return n;
  }
  int Adds(int id) const {
    int n = 0;
    for (const auto& call : tray.calls) n += call.kind == fake::FakeTray::Call::kAdd && call.id == id;
    return n;
  }
};

const char kGuardText[] =
    "注意！\r\r処理を継続する(OKを押す)とFESK設定画面が呼び出せなくなります\r\r"
    "原因1:Windowｻｰﾋﾞｽの\"FESK設定画面表示\"が利用可能ではありません\r"
    "原因2:FESKｱｲｺﾝが\"ｱｲｺﾝ非表示\"に設定されています\r\r"
    "上記の原因を最低1つ以上解決することをお勧めします(ｷｬﾝｾﾙを押して下さい)";

TEST_F(SettingsDialogTest, OkGuardAsksOnlyWhenTheDialogWouldBeUnreachable) {
  struct Case {
    int icon;
    bool services_on;
    int list_with_settings;  // -1: no list shows the dialog
    Answer answer;
    bool asks, saved;
  };
  const Case cases[] = {
      {0, false, -1, Answer::kCancel, false, true}, {1, true, 4, Answer::kCancel, false, true},
      {1, true, 7, Answer::kCancel, false, true},   {1, false, 4, Answer::kCancel, true, false},
      {1, false, 4, Answer::kOk, true, true},       {1, true, -1, Answer::kCancel, true, false},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(IniPath());
    SettingsDialog& f = Create();
    f.visible = true;
    f.tray_icon_choice.SetItemIndex(c.icon);
    f.window_services_box.SetChecked(c.services_on);
    f.service_lists[4].Select(1);
    if (c.list_with_settings >= 0) f.service_lists[c.list_with_settings].Select(5);
    dialogs.boxes.clear();
    dialogs.answers = {c.answer};
    f.Ok();
    ASSERT_EQ(dialogs.boxes.size(), c.asks ? 1u : 0u) << c.icon << c.services_on << c.list_with_settings;
    if (c.asks) {
      EXPECT_EQ(dialogs.boxes[0].text, kGuardText);
      EXPECT_EQ(dialogs.boxes[0].caption, "確認");
      EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::kOkCancel);
    }
    EXPECT_EQ(std::filesystem::exists(IniPath()), c.saved);
    EXPECT_EQ(f.visible, !c.saved);
  }
}

TEST_F(SettingsDialogTest, FailedSaveShowsTheErrorAndKeepsTheDialogOpen) {
  const std::string path = folder.File("missing/Fesk.Ini");
  form = std::make_unique<SettingsDialog>(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr,
                                                              FilePath(path), FilePath(kLauncherFolder)});
  form->FormCreate();
  form->visible = true;
  form->Ok();
  EXPECT_EQ(dialogs.errors, (std::vector<std::string>{path + " に書き込めません"}));
  EXPECT_TRUE(form->visible);
}

// The section is written in one replacement: a file that cannot be written
// keeps every byte, none of the keys before the failing one slip in.
TEST_F(SettingsDialogTest, FailedSaveLeavesTheFileAsItWas) {
  WriteIni({"[SYSTEM]", "MODE=1", "[CMD0]", "DISCRIPTION=a", "CMDLINE=a.exe"});
  SettingsDialog& f = Create();
  f.visible = true;
  f.mode_choice.SetItemIndex(2);
  f.minimum_move_slider.SetPosition(99);
  const std::string before = ReadIni();
  ::chmod(IniPath().c_str(), 0444);
  f.Ok();
  EXPECT_EQ(dialogs.errors, (std::vector<std::string>{IniPath() + " に書き込めません"}));
  EXPECT_EQ(ReadIni(), before);
  EXPECT_TRUE(f.visible);
}

TEST_F(SettingsDialogTest, CancelRestoresTheFileAndMouseActionsWorkAgain) {
  WriteIni({"[CMD0]", "DISCRIPTION=a", "CMDLINE=a.exe", "ACTCODE=lr", "RUNPOS=111111111"});
  SettingsDialog& f = Create();
  f.visible = true;
  f.mouse_actions_box.SetChecked(false);
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_TRUE(shell.opens.empty());
  f.Cancel();
  EXPECT_FALSE(f.visible);
  EXPECT_TRUE(f.mouse_actions_box.checked());
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(SettingsDialogTest, CancelRestoresTheSavedTriggers) {
  SettingsDialog& f = Create();
  f.TriggerCellClick(12);
  EXPECT_EQ(f.options.mouse_action_keys, TriggerKeysFor(12));
  f.Cancel();
  EXPECT_EQ(f.options.mouse_action_trigger, 1);
  EXPECT_EQ(f.options.mouse_action_keys, TriggerKeysFor(1));
  EXPECT_EQ(f.mouse_action_marker.top, TriggerCellBounds(1).top + 5);
}

TEST_F(SettingsDialogTest, HidingTheIconActsAtOnceAndCancelBringsItBack) {
  SettingsDialog& f = Create();
  tray.calls.clear();
  f.tray_icon_choice.SetItemIndex(1);
  EXPECT_EQ(Removes(0), 1);
  f.Cancel();  // the file says 0
  EXPECT_EQ(Adds(0), 1);
  EXPECT_TRUE(tray.shown.count(0));
}

TEST_F(SettingsDialogTest, HiddenIconAtStartUpRemovesNothing) {
  WriteIni({"[SYSTEM]", "SYSTEMICON=1"});
  Create();
  EXPECT_TRUE(tray.calls.empty());
}

TEST_F(SettingsDialogTest, IconIsNotRemovedWhileTheGateIsClosed) {
  SettingsDialog& f = Create();
  tray.calls.clear();
  f.loop.MouseActionGate = Gate::kShut;
  f.tray_icon_choice.SetItemIndex(1);
  EXPECT_TRUE(tray.calls.empty());
}

TEST_F(SettingsDialogTest, ReloadSavesRemovesProgramIconsLoadsAndTells) {
  WriteIni(
      {"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=a", "TASKTRAY=ON", "[CMD1]", "DISCRIPTION=b", "TASKTRAY=ON"});
  SettingsDialog& f = Create();
  f.visible = true;
  f.minimum_move_slider.SetPosition(77);
  WriteIni({"[SYSTEM]", "TRIGGER5=0", "[CMD0]", "DISCRIPTION=a", "TASKTRAY=ON", "[CMD1]", "DISCRIPTION=b", "[CMD2]",
            "DISCRIPTION=c", "ACTCODE=lL"});
  tray.calls.clear();
  f.ReloadPrograms();
  EXPECT_FALSE(f.visible);
  EXPECT_EQ(f.options.minimum_move, 77) << "saved by the OK part";
  EXPECT_EQ(Removes(1), 1);
  EXPECT_EQ(Removes(2), 1);
  EXPECT_EQ(f.tables.ProgramCount, 3);
  EXPECT_EQ(f.tables.ActionCodes[2], "lL");
  EXPECT_TRUE(f.program_tray_icons_box.checked()) << "the switch is not taken from the file";
  EXPECT_EQ(f.tables.TrayProgramIconCount, 1);
  EXPECT_TRUE(tray.shown.count(1));
  EXPECT_FALSE(tray.shown.count(2));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "プログラム登録情報を読込みました。");
  EXPECT_EQ(dialogs.boxes[0].caption, "FESK プログラム読込");
  EXPECT_EQ(dialogs.boxes[0].buttons, Buttons::kOk);
}

// After the editor changed the programs, Cancel leaves exactly the icons of
// the new tables, each with its own program's picture and tip, and ending the
// launcher then leaves none behind.
struct CancelIcons {
  const char* name;
  std::vector<std::string> after;                            // the file the editor wrote
  std::map<int, std::pair<std::string, std::string>> icons;  // id: program file, tip
};

std::ostream& operator<<(std::ostream& out, const CancelIcons& c) { return out << c.name; }

class CancelProgramIcons : public SettingsDialogTest, public ::testing::WithParamInterface<CancelIcons> {};

TEST_P(CancelProgramIcons, CancelShowsTheIconsOfTheNewTablesOnly) {
  WriteIni({"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=a", "CMDLINE=a.exe", "TASKTRAY=ON", "[CMD1]",
            "DISCRIPTION=b", "CMDLINE=b.exe", "TASKTRAY=ON", "[CMD2]", "DISCRIPTION=c", "CMDLINE=c.exe",
            "TASKTRAY=ON"});
  SettingsDialog& f = Create();
  ASSERT_EQ(tray.shown.size(), 4u) << "the launcher's icon and three program icons";
  WriteIniLines(GetParam().after);
  f.Cancel();
  std::map<int, std::pair<std::string, std::string>> icons;
  for (const auto& [id, icon] : tray.shown) {
    if (id != kOwnTrayIcon) icons[id] = {icon.picture.file, icon.tip};
  }
  EXPECT_EQ(icons, GetParam().icons);
  dialogs.answers = {Answer::kOk};
  ASSERT_TRUE(f.FormCloseQuery());
  EXPECT_TRUE(tray.shown.empty()) << "no icon outlives the launcher";
}

INSTANTIATE_TEST_SUITE_P(
    SettingsDialog, CancelProgramIcons,
    ::testing::Values(CancelIcons{"Fewer",
                                  {"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=b", "CMDLINE=b.exe", "TASKTRAY=ON"},
                                  {{1, {"b.exe", "b"}}}},
                      CancelIcons{"Reordered",
                                  {"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=c", "CMDLINE=c.exe", "TASKTRAY=ON",
                                   "[CMD1]", "DISCRIPTION=a", "CMDLINE=a.exe", "TASKTRAY=ON", "[CMD2]", "DISCRIPTION=b",
                                   "CMDLINE=b.exe"},
                                  {{1, {"c.exe", "c"}}, {2, {"a.exe", "a"}}}},
                      CancelIcons{"Unchanged",
                                  {"[SYSTEM]", "TRIGGER5=1", "[CMD0]", "DISCRIPTION=a", "CMDLINE=a.exe", "TASKTRAY=ON",
                                   "[CMD1]", "DISCRIPTION=b", "CMDLINE=b.exe", "TASKTRAY=ON", "[CMD2]", "DISCRIPTION=c",
                                   "CMDLINE=c.exe", "TASKTRAY=ON"},
                                  {{1, {"a.exe", "a"}}, {2, {"b.exe", "b"}}, {3, {"c.exe", "c"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsDialogTest, ReloadGoesOnWhenTheGuardStopsTheSave) {
  SettingsDialog& f = Create();
  f.tray_icon_choice.SetItemIndex(1);
  f.minimum_move_slider.SetPosition(77);
  dialogs.answers = {Answer::kCancel};
  f.ReloadPrograms();
  ASSERT_EQ(dialogs.boxes.size(), 2u);
  EXPECT_EQ(dialogs.boxes[1].text, "プログラム登録情報を読込みました。");
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
  EXPECT_EQ(f.options.minimum_move, 10) << "the load replaced the unsaved edit";
}

TEST_F(SettingsDialogTest, HintSwitch) {
  SettingsDialog& f = Create();
  f.HintsOff();
  EXPECT_FALSE(f.options.hints);
  EXPECT_TRUE(f.hints_off.checked);
  EXPECT_FALSE(f.hints_on.checked);
  f.HintsOn();
  EXPECT_TRUE(f.options.hints);
}

TEST_F(SettingsDialogTest, TurningRunTimeOptionOffEndsTheMode) {
  for (int icon : {0, 1}) {
    WriteIni({"[SYSTEM]", "RUNOPTION=1", "SYSTEMICON=" + std::to_string(icon)});
    SettingsDialog& f = Create();
    f.loop.RunOptionMode = true;
    tray.calls.clear();
    f.run_time_option_box.SetChecked(false);
    EXPECT_FALSE(f.loop.RunOptionMode);
    if (icon == 0) {
      ASSERT_EQ(tray.calls.size(), 1u);
      EXPECT_EQ(tray.calls[0].kind, fake::FakeTray::Call::kModify);
      EXPECT_EQ(tray.calls[0].picture.kind, TrayPicture::Kind::kApplication);
    } else {
      EXPECT_TRUE(tray.calls.empty());
    }
    f.loop.RunOptionMode = true;
    f.run_time_option_box.SetChecked(true);
    EXPECT_TRUE(f.loop.RunOptionMode) << "turning it on changes nothing";
  }
}

TEST_F(SettingsDialogTest, PageChangeSetsTheHelpContext) {
  SettingsDialog& f = Create();
  EXPECT_EQ(f.help_context, 23);
  EXPECT_EQ(f.pages.help_context, 29);
  EXPECT_EQ(f.pages.active_page, kVersionPage);
  // The quiet page, added before "ﾊﾞｰｼﾞｮﾝ", has a topic of its own.
  const int contexts[] = {24, 25, 26, 27, 28, 41, 29};
  for (int page = 0; page < 7; ++page) {
    f.pages.active_page = page;
    f.PageChange();
    EXPECT_EQ(f.pages.help_context, contexts[page]);
  }
}

TEST_F(SettingsDialogTest, CellClickMovesTheChosenMarker) {
  SettingsDialog& f = Create();
  ASSERT_TRUE(f.mouse_action_trigger_choice.checked);
  f.TriggerCellClick(7);
  EXPECT_EQ(f.options.mouse_action_trigger, 7);
  EXPECT_EQ(f.options.mouse_action_keys, TriggerKeysFor(7));
  EXPECT_EQ(f.mouse_action_marker.left, f.trigger_cells[7].left);
  EXPECT_EQ(f.mouse_action_marker.top, f.trigger_cells[7].top + 5);
  EXPECT_EQ(f.options.window_service_trigger, 6);
  f.ChooseWindowServiceTrigger();
  EXPECT_FALSE(f.mouse_action_trigger_choice.checked);
  f.TriggerCellClick(15);
  EXPECT_EQ(f.options.window_service_trigger, 15);
  EXPECT_EQ(f.options.window_service_keys, TriggerKeysFor(15));
  EXPECT_EQ(f.window_service_marker.left, f.trigger_cells[15].left);
  EXPECT_EQ(f.options.mouse_action_trigger, 7);
}

TEST_F(SettingsDialogTest, SlidersKeepTheirParametersAndLabels) {
  SettingsDialog& f = Create();
  f.neutral_slider.SetPosition(9);
  f.minimum_move_slider.SetPosition(250);
  f.interval_slider.SetPosition(70);
  EXPECT_EQ(f.options.neutral_divisor, 9);
  EXPECT_EQ(f.neutral_text.caption, "9");
  EXPECT_EQ(f.options.minimum_move, 250);
  EXPECT_EQ(f.minimum_move_text.caption, "250ﾄﾞｯﾄ");
  EXPECT_EQ(f.sensing_timer.interval, 70);
  EXPECT_EQ(f.interval_text.caption, "70/1000秒");
}

TEST_F(SettingsDialogTest, TypedCoordinatesAreBoundedByTheScreen) {
  SettingsDialog& f = Create();
  f.run_spot_fields[2].SetValue(5000);
  f.black_hole_fields[1][1].SetValue(-4);
  EXPECT_EQ(f.run_spot_fields[2].value, 1024);
  EXPECT_EQ(f.black_hole_fields[1][1].value, 0);
}

TEST_F(SettingsDialogTest, CaptionsAndHintsOfTheDialog) {
  SettingsDialog& f = Create();
  EXPECT_EQ(f.ok_button.caption, "ＯＫ");
  EXPECT_EQ(f.ok_button.hint, "設定情報を保存し隠します");
  EXPECT_EQ(f.cancel_button.hint, "設定情報を保存せずに隠します");
  EXPECT_EQ(f.mouse_actions_box.hint, "ONで[ﾏｳｽ･ｱｸｼｮﾝ]機能が有効になります");
  EXPECT_EQ(f.transfer_button.caption, "ﾏｳｽ･ｱｸｼｮﾝ転送");
  EXPECT_FALSE(f.transfer_button.enabled);
  EXPECT_EQ(f.reload_button.hint, "｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣で設定した情報を読込みます");
  EXPECT_EQ(f.run_spot_fields[3].hint, "ﾏｳｽｱｸｼｮﾝ実行開始場所を画面解像度で設定(右下縦軸の位置)");
  EXPECT_EQ(f.black_hole_fields[0][0].hint, "ﾏｳｽｱｸｼｮﾝ未実行場所１を画面解像度で設定(左上横軸の位置)");
  EXPECT_EQ(f.black_hole_fields[3][1].hint, "ﾏｳｽｱｸｼｮﾝ未実行場所４を画面解像度で設定(左上縦軸の位置)");
  EXPECT_EQ(f.black_hole_fields[2][2].max_length, 4);
  EXPECT_EQ(f.service_lists[0].hint, "左上に移動した時のｱｸｼｮﾝを選択してください");
  EXPECT_EQ(f.service_lists[7].hint, "右下に移動した時のｱｸｼｮﾝを選択してください");
  EXPECT_EQ(f.trigger_cells[1].hint, "<SHIFT>+<CTRL>キーでﾏｳｽｱｸｼｮﾝを判断します");
  EXPECT_EQ(f.mouse_action_marker.caption, "★");
  EXPECT_EQ(f.window_service_marker.hint, "この場所のトリガーキーを設定");
  EXPECT_EQ(f.window_service_trigger_choice.caption, "Winｻｰﾋﾞｽ[●]");
  EXPECT_EQ(f.program_tray_icons_box.hint,
            "ONで[タスクトレイ・アイコン]機能が有効になります\r"
            "注意：実際のｱｲｺﾝの表示/非表示には、FESKを再起動するか\r"
            "　　　「最新情報読込み」ボタンを押す必要があります");
  EXPECT_EQ(f.auto_transfer_box.hint,
            "ONで｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣に常時ﾏｳｽ･ｱｸｼｮﾝを自動転送します\r"
            "｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣画面の[ﾏｳｽACT読込]ボタンで利用します\r\r"
            "(ﾏｳｽ･ｱｸｼｮﾝ登録時のみ使用して下さい)");
  EXPECT_EQ(f.run_time_option_box.hint,
            "ONでﾌﾟﾛｸﾞﾗﾑの実行直前にｵﾌﾟｼｮﾝの指定が可能となります\r\r"
            "ｵﾌﾟｼｮﾝを入力するには、FESK実行中に<Shift><Ctrl><Alt>キー\r"
            "を同時に押してﾓｰﾄﾞを切替える必要があります\r\r"
            "繰り返しキーを押すと[ｵﾌﾟｼｮﾝ入力ﾓｰﾄﾞ]と[ｵﾌﾟｼｮﾝ未入力ﾓｰﾄﾞ]\r"
            "が順次切り変わります");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(f.service_lists[i].items.size(), 18u);
  EXPECT_EQ(f.service_lists[5].items[7], "Windowsｽﾀｰﾄ表示");
  EXPECT_EQ(f.pages.pages,
            (std::vector<std::string>{"動 作", "ﾏｳｽACT", "ﾏｳｽACTﾄﾘｶﾞｰ", "ﾏｳｽACTｾﾝｻｰ", "Winｻｰﾋﾞｽ", "休 止", "ﾊﾞｰｼﾞｮﾝ"}));
}

}  // namespace
}  // namespace fesk::testing
