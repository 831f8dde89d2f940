// Start of the editor: loading the settings file and the group table, and the
// command line.
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class StartupTest : public EditorTest {};

TEST_F(StartupTest, NoFileAndNoParametersOpensOnOneNewEntry) {
  MainForm& f = Start();
  EXPECT_TRUE(f.visible);
  ASSERT_EQ(f.program_list.items, (std::vector<std::string>{"0   <新規登録>"}));
  EXPECT_EQ(f.program_list.item_index, 0);
  EXPECT_EQ(f.title_field.text, "<新規登録>");
  EXPECT_EQ(f.ActiveControl(), &f.title_field);
  EXPECT_EQ(f.list_position.caption, "1");
  EXPECT_EQ(f.program_count.caption, "1");
  EXPECT_EQ(f.LastSlot, 0);
  EXPECT_FALSE(f.Modified);
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(StartupTest, OneProgramWithoutParametersIsSelectedAndShown) {
  WritePrograms({{"Notepad", "notepad.exe", {{"WORKDIR", "C:\\W\\"}}}});
  MainForm& f = Start();
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   Notepad"}));
  EXPECT_EQ(f.program_list.item_index, 0);
  EXPECT_EQ(f.CurrentItem, 0);
  EXPECT_EQ(f.title_field.text, "Notepad");
  EXPECT_EQ(f.command_field.text, "notepad.exe");
  EXPECT_EQ(f.work_folder_field.text, "C:\\W\\");
  EXPECT_EQ(f.LastSlot, 0);
  EXPECT_EQ(f.program_count.caption, "1");
}

TEST_F(StartupTest, ProgramParameterGoesIntoASecondNewEntry) {
  WritePrograms({{"Notepad", "notepad.exe"}});
  MainForm& f = Start({"C:\\Tools\\calc.exe"});
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   Notepad", "1   <新規登録>"}));
  EXPECT_EQ(f.CurrentItem, 1);
  EXPECT_EQ(Entry(1).cmdline, "C:\\Tools\\calc.exe");
  EXPECT_EQ(f.command_field.text, "C:\\Tools\\calc.exe");
  EXPECT_EQ(Entry(0).discription, "Notepad");
  EXPECT_EQ(Entry(0).cmdline, "notepad.exe");
  EXPECT_TRUE(f.Modified);
}

TEST_F(StartupTest, MouseActionHandOffWithAProgram) {
  MainForm& f = Start({"/AlrL", "C:\\a.exe"});
  EXPECT_EQ(Entry(0).discription, "<新規登録>");
  EXPECT_EQ(Entry(0).actcode, "lrL");
  EXPECT_EQ(Entry(0).cmdline, "C:\\a.exe");
  EXPECT_EQ(f.CellCursor, 3);
  EXPECT_EQ(f.first_direction_line.caption, "右→左下");
  EXPECT_EQ(f.ActiveControl(), &f.title_field);
}

TEST_F(StartupTest, HandedOverCodeIsAChangeThatEndingAsksAbout) {
  MainForm& f = Start({"/Alr"});
  EXPECT_TRUE(f.Modified);
  f.EndEditor();
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");
  EXPECT_FALSE(f.terminated);  // Cancel
  form_.reset();
  dialogs_.boxes.clear();
  // "/A" without a code hands over nothing.
  MainForm& g = Start({"/A"});
  EXPECT_FALSE(g.Modified);
  g.EndEditor();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(g.terminated);
}

TEST_F(StartupTest, HandOffKeepsAtMostSixteenLetters) {
  Start({"/Alrlrlrlrlrlrlrlrlr"});
  EXPECT_EQ(Entry(0).actcode, "lrlrlrlrlrlrlrlr");
  EXPECT_EQ(form().CellCursor, 16);
}

TEST_F(StartupTest, LowerCaseSlashAIsAPath) {
  Start({"/alr"});
  EXPECT_EQ(Entry(0).actcode, "");
  EXPECT_EQ(Entry(0).cmdline, "/alr");
}

TEST_F(StartupTest, FullListLeavesRegisteredProgramsAloneOnAHandOff) {
  std::vector<Program> programs;
  for (int n = 0; n < 100; ++n) programs.push_back({"P" + std::to_string(n), "p.exe"});
  WritePrograms(programs);
  MainForm& f = Start({"/Alr", "C:\\x.exe"});
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "FESKプログラム登録上限");
  EXPECT_EQ(f.ListCount, 100);
  EXPECT_EQ(Entry(0).actcode, "");
  EXPECT_EQ(Entry(0).cmdline, "p.exe");
  EXPECT_FALSE(f.Modified);
}

TEST_F(StartupTest, ListEndsAtTheFirstSlotWithoutTitleAndCommand) {
  WriteFile(IniPath(), IniText({{"CMD0", {{"DISCRIPTION", "A"}, {"CMDLINE", "a"}}},
                                {"CMD1", {{"CMDLINE", "b.exe"}}},
                                {"CMD3", {{"DISCRIPTION", "D"}, {"CMDLINE", "d"}}}}));
  MainForm& f = Start();
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   A", "1   "}));
  EXPECT_EQ(f.LastSlot, 1);
  EXPECT_EQ(f.ListCount, 2);
  EXPECT_EQ(Entry(1).cmdline, "b.exe");
  EXPECT_TRUE(Entry(3).IsFree());
}

TEST_F(StartupTest, FieldsAreCutToTheirWidthsAndMissingKeysTakeTheDefaults) {
  // 39 letters and a double-byte character: the character does not fit.
  const std::string title = std::string(39, 'T') + "表";
  WritePrograms({{title, std::string(130, 'c'), {{"ACTCODE", std::string(35, 'l')}}}});
  Start();
  EXPECT_EQ(Entry(0).discription, std::string(39, 'T'));
  EXPECT_EQ(Entry(0).cmdline, std::string(128, 'c'));
  EXPECT_EQ(Entry(0).actcode, std::string(30, 'l'));
  EXPECT_EQ(Entry(0).runpos, "111111111");
  EXPECT_EQ(Entry(0).cmdshow, "");
  EXPECT_EQ(Entry(0).group, "");
}

TEST_F(StartupTest, HintSwitchAndDisplayGroupAreRead) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> feskin;
    bool hints;
  };
  const Case cases[] = {{{}, true}, {{{"HINT", "ON"}}, true}, {{{"HINT", "on"}}, false}, {{{"HINT", "OFF"}}, false}};
  for (const Case& c : cases) {
    WritePrograms({{"A", "a"}}, c.feskin);
    form_.reset();
    MainForm& f = Start();
    EXPECT_EQ(f.show_hints, c.hints);
    EXPECT_EQ(f.hints_on.checked, c.hints);
    EXPECT_EQ(f.hints_off.checked, !c.hints);
  }
  WritePrograms({{"A", "a"}}, {{"DISPGROUP", "X\\Y"}});
  form_.reset();
  EXPECT_EQ(Start().DisplayGroup, "X\\Y");
  EXPECT_EQ(form().display_group_label.caption, "X\\Y");
}

TEST_F(StartupTest, LoadHonoursTheGroupFilter) {
  WritePrograms({{"A", "a", {{"GROUP", "G"}}}, {"B", "b", {{"GROUP", "H"}}}, {"C", "c", {{"GROUP", "G"}}}},
                {{"DISPGROUP", "G"}});
  MainForm& f = Start();
  f.group_filter.SetChecked(true);
  f.LoadSettings();
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   A", "2   C"}));
  EXPECT_EQ(f.ListSlotMap[1], 2);
  EXPECT_EQ(f.ListSlotMap[2], kNoListSlot);
  EXPECT_EQ(f.LastSlot, 2);
}

TEST_F(StartupTest, StartUpSettings) {
  MainForm& f = Start();
  EXPECT_EQ(f.help_context, 30);
  EXPECT_EQ(f.new_button.help_context, 31);
  EXPECT_EQ(f.desktop_button.help_context, 31);
  EXPECT_EQ(f.delete_button.help_context, 33);
  for (const Control* c :
       {static_cast<const Control*>(&f.move_up_button), static_cast<const Control*>(&f.move_down_button),
        static_cast<const Control*>(&f.group_filter), static_cast<const Control*>(&f.duplicate_check_button)}) {
    EXPECT_EQ(c->help_context, 40);
  }
  EXPECT_EQ(f.hint_hide_pause, 10000);
  EXPECT_TRUE(f.accepts_dropped_files);
  EXPECT_EQ(f.program_list.hint, "ﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄ\r　(ﾌﾟﾛｸﾞﾗﾑを選択して下さい)");
  EXPECT_EQ(f.group_filter.hint,
            "ﾁｪｯｸON :ｸﾞﾙｰﾌﾟで選択されている\r          対応ﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r"
            "          表示されます\rﾁｪｯｸOFF:全てのﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r          表示されます。");
  EXPECT_EQ(f.position_text.caption,
            "ここで指定した画面端で\r右ﾏｳｽ･ｸﾘｯｸすると\r対応するプログラムを\r実行できます\r\r(１個所に１プログラム)");
  // Full-width spaces (81 40 in code page 932) lead the continued lines.
  EXPECT_NE(f.display_group_panel.hint.find("\r\x81\x40("), std::string::npos);
  EXPECT_FALSE(f.palette_dialog.visible);
  EXPECT_FALSE(f.about_box.visible);
}

TEST_F(StartupTest, EmptyGroupTableDisablesTheGroupButtons) {
  MainForm& f = Start();
  for (const Button* b : {&f.register_in_group_button, &f.sort_groups_button, &f.rename_group_button,
                          &f.delete_group_button, &f.move_source_button, &f.move_target_button}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_TRUE(f.add_group_button.enabled);
}

TEST_F(StartupTest, GroupTableIsReadAndFullyExpanded) {
  WriteTable("A\r\n\tA1\r\n\t\tX\r\n\tA2\r\nB\r\n");
  MainForm& f = Start();
  const GroupTree& tree = f.group_tree.tree;
  ASSERT_EQ(tree.PreOrder().size(), 5u);
  EXPECT_EQ(tree.Path(tree.PreOrder()[2]), "A\\A1\\X");
  EXPECT_EQ(f.group_tree.expanded.size(), 5u);
  EXPECT_TRUE(f.sort_groups_button.enabled);
  EXPECT_FALSE(f.move_target_button.enabled);
}

TEST_F(StartupTest, MissingGroupTableStopsTheStartUpAfterTheList) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start({"C:\\x.exe"}, /*with_table=*/false);
  EXPECT_EQ(dialogs_.errors, (std::vector<std::string>{"ﾌｧｲﾙ " + TablePath() + " は開けません"}));
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   A"}));
  EXPECT_EQ(f.program_list.item_index, -1);
  EXPECT_TRUE(f.sort_groups_button.enabled);  // not disabled: the table was never read
  EXPECT_FALSE(f.crossed_mouse_picture.visible);
}

TEST_F(StartupTest, LevelJumpKeepsTheNodesBeforeIt) {
  WriteTable("A\r\n\t\tdeep\r\nB\r\n");
  MainForm& f = Start();
  EXPECT_EQ(dialogs_.errors, (std::vector<std::string>{"ｱｲﾃﾑ \"deep\" の階層が不正です"}));
  EXPECT_EQ(f.group_tree.tree.PreOrder().size(), 1u);
  EXPECT_TRUE(f.program_list.items.empty());
}

TEST_F(StartupTest, ActivationShowsTheSelectedEntryAgain) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  f.title_field.text = "typed but not stored";
  f.FormActivate();
  EXPECT_EQ(f.title_field.text, "A");
}

}  // namespace
}  // namespace fesk::editor::testing
