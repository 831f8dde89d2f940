// Start of the editor: loading the settings file and the group table, and the
// command line.
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class StartupTest : public EditorTest {};

TEST_F(StartupTest, NoFileAndNoParametersOpensOnOneNewEntry) {
  TFFeskINI& f = Start();
  EXPECT_TRUE(f.Visible);
  ASSERT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   <新規登録>"}));
  EXPECT_EQ(f.ListBox1.item_index, 0);
  EXPECT_EQ(f.Edit3.text, "<新規登録>");
  EXPECT_EQ(f.ActiveControl(), &f.Edit3);
  EXPECT_EQ(f.Label6.caption, "1");
  EXPECT_EQ(f.Label8.caption, "1");
  EXPECT_EQ(f.LastSlot, 0);
  EXPECT_FALSE(f.Modified);
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(StartupTest, OneProgramWithoutParametersIsSelectedAndShown) {
  WritePrograms({{"Notepad", "notepad.exe", {{"WORKDIR", "C:\\W\\"}}}});
  TFFeskINI& f = Start();
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   Notepad"}));
  EXPECT_EQ(f.ListBox1.item_index, 0);
  EXPECT_EQ(f.CurrentItem, 0);
  EXPECT_EQ(f.Edit3.text, "Notepad");
  EXPECT_EQ(f.Edit1.text, "notepad.exe");
  EXPECT_EQ(f.Edit2.text, "C:\\W\\");
  EXPECT_EQ(f.LastSlot, 0);
  EXPECT_EQ(f.Label8.caption, "1");
}

TEST_F(StartupTest, ProgramParameterGoesIntoASecondNewEntry) {
  WritePrograms({{"Notepad", "notepad.exe"}});
  TFFeskINI& f = Start({"C:\\Tools\\calc.exe"});
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   Notepad", "1   <新規登録>"}));
  EXPECT_EQ(f.CurrentItem, 1);
  EXPECT_EQ(Entry(1).cmdline, "C:\\Tools\\calc.exe");
  EXPECT_EQ(f.Edit1.text, "C:\\Tools\\calc.exe");
  EXPECT_EQ(Entry(0).discription, "Notepad");
  EXPECT_EQ(Entry(0).cmdline, "notepad.exe");
  EXPECT_TRUE(f.Modified);
}

TEST_F(StartupTest, MouseActionHandOffWithAProgram) {
  TFFeskINI& f = Start({"/AlrL", "C:\\a.exe"});
  EXPECT_EQ(Entry(0).discription, "<新規登録>");
  EXPECT_EQ(Entry(0).actcode, "lrL");
  EXPECT_EQ(Entry(0).cmdline, "C:\\a.exe");
  EXPECT_EQ(f.CellCursor, 3);
  EXPECT_EQ(f.Label10.caption, "右→左下");
  EXPECT_EQ(f.ActiveControl(), &f.Edit3);
}

TEST_F(StartupTest, HandedOverCodeIsAChangeThatEndingAsksAbout) {
  TFFeskINI& f = Start({"/Alr"});
  EXPECT_TRUE(f.Modified);
  f.Button4Click();
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");
  EXPECT_FALSE(f.Terminated);  // Cancel
  form_.reset();
  dialogs_.boxes.clear();
  // "/A" without a code hands over nothing.
  TFFeskINI& g = Start({"/A"});
  EXPECT_FALSE(g.Modified);
  g.Button4Click();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(g.Terminated);
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
  TFFeskINI& f = Start({"/Alr", "C:\\x.exe"});
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
  TFFeskINI& f = Start();
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   A", "1   "}));
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
  const Case cases[] = {{{}, true}, {{{"HINT", "ON"}}, true}, {{{"HINT", "on"}}, false},
                        {{{"HINT", "OFF"}}, false}};
  for (const Case& c : cases) {
    WritePrograms({{"A", "a"}}, c.feskin);
    form_.reset();
    TFFeskINI& f = Start();
    EXPECT_EQ(f.ShowHints, c.hints);
    EXPECT_EQ(f.RadioButton4.checked, c.hints);
    EXPECT_EQ(f.RadioButton5.checked, !c.hints);
  }
  WritePrograms({{"A", "a"}}, {{"DISPGROUP", "X\\Y"}});
  form_.reset();
  EXPECT_EQ(Start().DisplayGroup, "X\\Y");
  EXPECT_EQ(form().Label17.caption, "X\\Y");
}

TEST_F(StartupTest, LoadHonoursTheGroupFilter) {
  WritePrograms({{"A", "a", {{"GROUP", "G"}}}, {"B", "b", {{"GROUP", "H"}}},
                 {"C", "c", {{"GROUP", "G"}}}},
                {{"DISPGROUP", "G"}});
  TFFeskINI& f = Start();
  f.CheckBox10.SetChecked(true);
  f.LoadSettings();
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   A", "2   C"}));
  EXPECT_EQ(f.ListSlotMap[1], 2);
  EXPECT_EQ(f.ListSlotMap[2], kNoListSlot);
  EXPECT_EQ(f.LastSlot, 2);
}

TEST_F(StartupTest, StartUpSettings) {
  TFFeskINI& f = Start();
  EXPECT_EQ(f.HelpContext, 30);
  EXPECT_EQ(f.Button1.help_context, 31);
  EXPECT_EQ(f.Button16.help_context, 31);
  EXPECT_EQ(f.Button2.help_context, 33);
  for (const Control* c : {static_cast<const Control*>(&f.BitBtn2), static_cast<const Control*>(&f.BitBtn3),
                           static_cast<const Control*>(&f.CheckBox10), static_cast<const Control*>(&f.Button15)}) {
    EXPECT_EQ(c->help_context, 40);
  }
  EXPECT_EQ(f.HintHidePause, 10000);
  EXPECT_TRUE(f.AcceptsDroppedFiles);
  EXPECT_EQ(f.ListBox1.hint, "ﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄ\r　(ﾌﾟﾛｸﾞﾗﾑを選択して下さい)");
  EXPECT_EQ(f.CheckBox10.hint,
            "ﾁｪｯｸON :ｸﾞﾙｰﾌﾟで選択されている\r          対応ﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r"
            "          表示されます\rﾁｪｯｸOFF:全てのﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r          表示されます。");
  EXPECT_EQ(f.Label21.caption,
            "ここで指定した画面端で\r右ﾏｳｽ･ｸﾘｯｸすると\r対応するプログラムを\r実行できます\r\r(１個所に１プログラム)");
  // Full-width spaces (81 40 in code page 932) lead the continued lines.
  EXPECT_NE(f.Panel2.hint.find("\r\x81\x40("), std::string::npos);
  EXPECT_FALSE(f.Form1.Visible);
  EXPECT_FALSE(f.Form3.Visible);
}

TEST_F(StartupTest, EmptyGroupTableDisablesTheGroupButtons) {
  TFFeskINI& f = Start();
  for (const Button* b : {&f.Button23, &f.Button12, &f.Button19, &f.Button11, &f.Button21, &f.Button22}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_TRUE(f.Button3.enabled);
}

TEST_F(StartupTest, GroupTableIsReadAndFullyExpanded) {
  WriteTable("A\r\n\tA1\r\n\t\tX\r\n\tA2\r\nB\r\n");
  TFFeskINI& f = Start();
  const GroupTree& tree = f.TreeView1.tree;
  ASSERT_EQ(tree.PreOrder().size(), 5u);
  EXPECT_EQ(tree.Path(tree.PreOrder()[2]), "A\\A1\\X");
  EXPECT_EQ(f.TreeView1.expanded.size(), 5u);
  EXPECT_TRUE(f.Button12.enabled);
  EXPECT_FALSE(f.Button22.enabled);
}

TEST_F(StartupTest, MissingGroupTableStopsTheStartUpAfterTheList) {
  WritePrograms({{"A", "a"}});
  TFFeskINI& f = Start({"C:\\x.exe"}, /*with_table=*/false);
  EXPECT_EQ(dialogs_.errors, (std::vector<std::string>{"ﾌｧｲﾙ " + TablePath() + " は開けません"}));
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   A"}));
  EXPECT_EQ(f.ListBox1.item_index, -1);
  EXPECT_TRUE(f.Button12.enabled);  // not disabled: the table was never read
  EXPECT_FALSE(f.Image3.visible);
}

TEST_F(StartupTest, LevelJumpKeepsTheNodesBeforeIt) {
  WriteTable("A\r\n\t\tdeep\r\nB\r\n");
  TFFeskINI& f = Start();
  EXPECT_EQ(dialogs_.errors, (std::vector<std::string>{"ｱｲﾃﾑ \"deep\" の階層が不正です"}));
  EXPECT_EQ(f.TreeView1.tree.PreOrder().size(), 1u);
  EXPECT_TRUE(f.ListBox1.items.empty());
}

TEST_F(StartupTest, ActivationShowsTheSelectedEntryAgain) {
  WritePrograms({{"A", "a"}});
  TFFeskINI& f = Start();
  f.Edit3.text = "typed but not stored";
  f.FormActivate();
  EXPECT_EQ(f.Edit3.text, "A");
}

}  // namespace
}  // namespace fesk::editor::testing
