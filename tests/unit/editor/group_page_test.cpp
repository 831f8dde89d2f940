// The page "グループ", the group filter and the display group.
#include "common/group_table.h"
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class GroupPageTest : public EditorTest {
 protected:
  // A, A\B, A\B\X, A\BX, D and five programs in them (P3 in none).
  MainForm& StartWithGroups() {
    WriteTable("A\r\n\tB\r\n\t\tX\r\n\tBX\r\nD\r\n");
    WritePrograms({{"P0", "p0", {{"GROUP", "A\\B"}}},
                   {"P1", "p1", {{"GROUP", "A\\B\\X"}}},
                   {"P2", "p2", {{"GROUP", "A\\BX"}}},
                   {"P3", "p3", {}},
                   {"P4", "p4", {{"GROUP", "A"}}}});
    return Start();
  }
  GroupNodeId Node(const std::string& path) {
    const GroupTree& tree = form().group_tree.tree;
    for (GroupNodeId node : tree.PreOrder()) {
      if (tree.Path(node) == path) return node;
    }
    ADD_FAILURE() << "no group " << path;
    return kNoGroupNode;
  }
  std::vector<std::string> Paths() {
    std::vector<std::string> paths;
    const GroupTree& tree = form().group_tree.tree;
    for (GroupNodeId node : tree.PreOrder()) paths.push_back(tree.Path(node));
    return paths;
  }
  std::vector<std::string> Groups() {
    std::vector<std::string> groups;
    for (int slot = 0; slot <= form().LastSlot; ++slot) groups.push_back(Entry(slot).group);
    return groups;
  }
  void Select(const std::string& path) { form().GroupTreeChange(Node(path)); }
};

TEST_F(GroupPageTest, FirstGroupIsFeskAndTheNextOneIsAskedFor) {
  WritePrograms({{"P0", "p0"}});
  MainForm& f = Start();
  f.PageChange(Page::kGroup);
  Click(f.add_group_button, &MainForm::AddGroup);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"FESK"}));
  EXPECT_TRUE(dialogs_.inputs.empty());
  EXPECT_TRUE(f.Modified);
  for (const Button* b : {&f.register_in_group_button, &f.sort_groups_button, &f.rename_group_button,
                          &f.delete_group_button, &f.move_source_button}) {
    EXPECT_TRUE(b->enabled) << b->caption;
  }
  EXPECT_FALSE(f.move_target_button.enabled);
  // The tree had the focus with nothing selected: it selects its first group.
  EXPECT_EQ(f.group_tree.selected, Node("FESK"));
  EXPECT_EQ(f.DisplayGroup, "FESK");
  EXPECT_TRUE(f.group_filter.checked());

  dialogs_.input_answers = {std::string("Sub")};
  Click(f.add_group_button, &MainForm::AddGroup);
  ASSERT_EQ(dialogs_.inputs.size(), 1u);
  EXPECT_EQ(dialogs_.inputs[0].caption, "新規グループ作成　親[FESK]");
  EXPECT_EQ(dialogs_.inputs[0].prompt, "新規グループ名を入力してください");
  EXPECT_EQ(dialogs_.inputs[0].value, "");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"FESK", "FESK\\Sub"}));
  EXPECT_EQ(f.group_tree.selected, Node("FESK\\Sub"));
  EXPECT_EQ(f.DisplayGroup, "FESK\\Sub");
  EXPECT_EQ(f.display_group_label.caption, "FESK\\Sub");
  EXPECT_TRUE(f.group_tree.expanded.count(Node("FESK")));
  EXPECT_EQ(f.ActiveControl(), &f.group_tree);
}

TEST_F(GroupPageTest, EmptyOrCancelledNameAddsNothing) {
  MainForm& f = StartWithGroups();
  Select("D");
  f.Modified = false;
  dialogs_.input_answers = {std::string(), std::nullopt};
  f.AddGroup();
  f.AddGroup();
  EXPECT_EQ(Paths().size(), 5u);
  EXPECT_FALSE(f.Modified);
}

TEST_F(GroupPageTest, SelectingAGroupListsExactlyItsPrograms) {
  MainForm& f = StartWithGroups();
  Select("A\\B");
  EXPECT_TRUE(f.group_filter.checked());
  EXPECT_EQ(f.DisplayGroup, "A\\B");
  EXPECT_EQ(f.display_group_label.caption, "A\\B");
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0"}));
  EXPECT_EQ(f.program_count.caption, "1");
  EXPECT_EQ(f.program_list.top, 50);
  EXPECT_EQ(f.program_list.height, 96);
  EXPECT_EQ(f.move_up_button.top, 50);
  EXPECT_EQ(f.move_down_button.top, 98);
  EXPECT_EQ(f.ActiveControl(), &f.group_tree);
  EXPECT_FALSE(f.Modified);
}

TEST_F(GroupPageTest, ReportingTheSameSelectionAgainChangesNothing) {
  MainForm& f = StartWithGroups();
  Select("A");
  f.group_filter.SetChecked(false);
  SelectListItem(2);
  Select("A");
  EXPECT_FALSE(f.group_filter.checked());
  EXPECT_EQ(f.CurrentItem, 2);
}

TEST_F(GroupPageTest, FilterOffListsEveryProgramAgain) {
  MainForm& f = StartWithGroups();
  Select("A\\B");
  f.group_filter.SetChecked(false);
  EXPECT_EQ(f.ListCount, 5);
  EXPECT_EQ(f.program_count.caption, "5");
  EXPECT_EQ(f.program_list.item_index, 0);
  EXPECT_EQ(f.program_list.top, 24);
  EXPECT_EQ(f.program_list.height, 122);
  EXPECT_EQ(f.move_up_button.height, 61);
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
}

TEST_F(GroupPageTest, FilterLeavingAnEmptyListLeavesTheShortcutPage) {
  MainForm& f = StartWithGroups();
  f.PageChange(Page::kShortCut);
  f.DisplayGroup = "nothing here";
  f.group_filter.SetChecked(true);
  EXPECT_EQ(f.ListCount, 0);
  EXPECT_EQ(f.pages.active, Page::kProgram);
}

TEST_F(GroupPageTest, RenameRewritesThePathAndThoseBelowIt) {
  MainForm& f = StartWithGroups();
  Select("A\\B");
  f.RenameGroup();
  EXPECT_EQ(f.group_tree.editing, Node("A\\B"));
  f.GroupTreeEdited(std::string("C"));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"A\\C", "A\\C\\X", "A\\BX", "", "A"}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\C", "A\\C\\X", "A\\BX", "D"}));
  EXPECT_EQ(f.DisplayGroup, "A\\C");
  EXPECT_EQ(f.display_group_label.caption, "A\\C");
  EXPECT_EQ(f.entry_group_label.caption, "A\\C");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.group_tree.editing, kNoGroupNode);
}

TEST_F(GroupPageTest, CancelledRenameChangesNothing) {
  MainForm& f = StartWithGroups();
  Select("A\\B");
  EXPECT_TRUE(f.GroupTreeEditing(Node("A\\B")));
  f.GroupTreeEdited(std::nullopt);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\B", "A\\B\\X", "A\\BX", "D"}));
  EXPECT_FALSE(f.Modified);
}

TEST_F(GroupPageTest, EmptyNameIsRefusedAndTheOldNameKept) {
  MainForm& f = StartWithGroups();
  Select("A");
  f.Modified = false;
  f.RenameGroup();
  f.GroupTreeEdited(std::string());
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\B", "A\\B\\X", "A\\BX", "D"}));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"A\\B", "A\\B\\X", "A\\BX", "", "A"}));
  EXPECT_EQ(f.DisplayGroup, "A");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.group_tree.editing, kNoGroupNode);
}

TEST_F(GroupPageTest, MoveTakesTheSubgroupsAndTheirPrograms) {
  MainForm& f = StartWithGroups();
  Select("A");
  f.ChooseMoveSource();
  EXPECT_TRUE(f.move_target_button.enabled);
  EXPECT_EQ(f.move_source_label.caption, "A");
  EXPECT_TRUE(f.move_arrow_left.visible);
  EXPECT_TRUE(f.move_arrow_right.visible);
  Select("D");
  f.MoveGroup();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"D", "D\\A", "D\\A\\B", "D\\A\\B\\X", "D\\A\\BX"}));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"D\\A\\B", "D\\A\\B\\X", "D\\A\\BX", "", "D\\A"}));
  EXPECT_EQ(f.group_tree.selected, Node("D\\A"));
  EXPECT_EQ(f.DisplayGroup, "D\\A");
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"4   P4"}));
  EXPECT_TRUE(f.Modified);
  EXPECT_TRUE(f.move_target_button.enabled);
  EXPECT_EQ(f.MoveSource, Node("D\\A"));
}

TEST_F(GroupPageTest, MoveIntoItselfOrBelowIsRefused) {
  MainForm& f = StartWithGroups();
  Select("A");
  f.ChooseMoveSource();
  for (const char* destination : {"A\\B", "A"}) {
    Select(destination);
    f.MoveGroup();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\B", "A\\B\\X", "A\\BX", "D"}));
    EXPECT_EQ(f.DisplayGroup, destination);
    EXPECT_FALSE(f.Modified);
  }
}

TEST_F(GroupPageTest, MoveUnderASiblingWithTheSameBeginning) {
  WriteTable("A\r\nAB\r\n");
  WritePrograms({{"P0", "p0", {{"GROUP", "A"}}}});
  MainForm& f = Start();
  Select("A");
  f.ChooseMoveSource();
  Select("AB");
  f.MoveGroup();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"AB", "AB\\A"}));
  EXPECT_EQ(Entry(0).group, "AB\\A");
}

TEST_F(GroupPageTest, DeleteRemovesTheSubgroupsAndLeavesTheProgramsAlone) {
  MainForm& f = StartWithGroups();
  Select("A\\B");
  dialogs_.answers = {Answer::kCancel, Answer::kOk};
  f.DeleteGroup();
  EXPECT_EQ(Paths().size(), 5u);
  EXPECT_FALSE(f.Modified);
  f.DeleteGroup();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].caption, "グループの削除");
  EXPECT_EQ(dialogs_.boxes[1].text,
            "\"B\"\rグループを削除します\r\r（グループを削除しても削除グループに属する\r"
            "　プログラム情報は、変わりません）");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\BX", "D"}));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"A\\B", "A\\B\\X", "A\\BX", "", "A"}));
  EXPECT_TRUE(f.Modified);
  // The next sibling is selected and becomes the display group.
  EXPECT_EQ(f.group_tree.selected, Node("A\\BX"));
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"2   P2"}));
}

TEST_F(GroupPageTest, SelectionAfterDeleteIsNextSiblingElseParentElsePrevious) {
  struct Case {
    const char* deleted;
    const char* selected;
  };
  const Case cases[] = {{"A", "D"}, {"A\\BX", "A"}, {"D", "A"}};
  for (const Case& c : cases) {
    form_.reset();
    MainForm& f = StartWithGroups();
    Select(c.deleted);
    dialogs_.answers = {Answer::kOk};
    f.DeleteGroup();
    EXPECT_EQ(f.group_tree.selected, Node(c.selected)) << c.deleted;
    EXPECT_EQ(f.DisplayGroup, c.selected) << c.deleted;
  }
}

TEST_F(GroupPageTest, DeletedMoveSourceIsForgotten) {
  MainForm& f = StartWithGroups();
  Select("A\\B\\X");
  f.ChooseMoveSource();
  Select("A");
  dialogs_.answers = {Answer::kOk};
  f.DeleteGroup();
  EXPECT_EQ(f.MoveSource, kNoGroupNode);
  EXPECT_FALSE(f.move_target_button.enabled);
  EXPECT_FALSE(f.move_arrow_left.visible);
  EXPECT_EQ(f.move_source_label.caption, "");
  f.MoveGroup();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"D"}));
}

TEST_F(GroupPageTest, DeletingTheLastGroupDisablesTheButtons) {
  WriteTable("Only\r\n");
  WritePrograms({{"P0", "p0"}});
  MainForm& f = Start();
  Select("Only");
  f.ChooseMoveSource();
  dialogs_.answers = {Answer::kOk};
  f.DeleteGroup();
  EXPECT_TRUE(f.group_tree.tree.Empty());
  for (const Button* b : {&f.register_in_group_button, &f.sort_groups_button, &f.rename_group_button,
                          &f.delete_group_button, &f.move_source_button, &f.move_target_button}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_EQ(f.group_tree.selected, kNoGroupNode);
  // Operations needing a group do nothing now.
  f.RenameGroup();
  f.RegisterInGroup();
  EXPECT_EQ(f.group_tree.editing, kNoGroupNode);
  EXPECT_EQ(dialogs_.boxes.size(), 1u);
}

TEST_F(GroupPageTest, SortOrdersEveryLevelWithoutSettingModified) {
  WriteTable("b\r\nB\r\na\r\n\tz\r\n\ty\r\n");
  MainForm& f = Start();
  f.SortGroups();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"a", "a\\y", "a\\z", "b", "B"}));
  EXPECT_FALSE(f.Modified);
  f.EndEditor();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(f.terminated);
}

TEST_F(GroupPageTest, SortUsesTheComparatorGiven) {
  WriteTable("a\r\nc\r\nb\r\n");
  MainForm f(EditorPorts{dialogs_, shell_, clock_, open_dialog_, desktop_, &key_names_}, FilePath(ExePath()),
             FilePath(SettingsFolder()), [](const std::string& x, const std::string& y) { return y.compare(x); });
  f.FormCreate({});
  f.SortGroups();
  const GroupTree& tree = f.group_tree.tree;
  std::vector<std::string> names;
  for (GroupNodeId node : tree.PreOrder()) names.push_back(tree.Name(node));
  EXPECT_EQ(names, (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(GroupPageTest, ModeTwoNeedsAProgram) {
  WriteTable("G\r\n");
  WritePrograms({{"P0", "p0", {{"GROUP", "other"}}}});
  MainForm& f = Start();
  f.PageChange(Page::kGroup);  // selects G: the list becomes empty
  ASSERT_EQ(f.list_position.caption, "0");
  f.ChooseMode2();
  EXPECT_TRUE(f.mode1_choice.checked);
  EXPECT_FALSE(f.mode2_choice.checked);
  EXPECT_TRUE(f.add_group_button.visible);
  EXPECT_FALSE(f.register_in_group_button.visible);
  EXPECT_FALSE(f.group_tree.read_only);
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(GroupPageTest, ModeTwoPutsTheSelectedProgramIntoAGroup) {
  MainForm& f = StartWithGroups();
  SelectListItem(3);  // P3, in no group
  f.PageChange(Page::kGroup);
  f.group_filter.SetChecked(false);
  SelectListItem(3);
  f.ChooseMode2();
  EXPECT_TRUE(f.mode2_choice.checked);
  EXPECT_TRUE(f.group_tree.read_only);
  EXPECT_EQ((Rect{f.group_tree.left, f.group_tree.top, f.group_tree.width, f.group_tree.height}),
            (Rect{40, 36, 321, 102}));
  EXPECT_TRUE(f.mode2_frame.visible);
  EXPECT_TRUE(f.register_in_group_button.visible);
  for (const Control* c :
       {static_cast<const Control*>(&f.add_group_button), static_cast<const Control*>(&f.move_target_button),
        static_cast<const Control*>(&f.move_source_label), static_cast<const Control*>(&f.move_source_bevel)}) {
    EXPECT_FALSE(c->visible);
  }
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "FESKINI 確認");
  EXPECT_EQ(dialogs_.boxes[0].text,
            "\"P3\"\r\r　を登録するグループを選択して\r　[プログラムをグループに登録]の\r　ボタンを押してください");

  // Choosing a group in mode 2 does not change the display group.
  const std::string display = f.DisplayGroup;
  Select("D");
  EXPECT_EQ(f.DisplayGroup, display);
  EXPECT_FALSE(f.group_filter.checked());

  dialogs_.answers = {Answer::kOk};
  f.RegisterInGroup();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].caption, "グループ登録");
  EXPECT_EQ(dialogs_.boxes[1].text, "\"P3\"を\r\"D\"\rグループに登録します\r");
  EXPECT_EQ(Entry(3).group, "D");
  EXPECT_EQ(f.DisplayGroup, "D");
  EXPECT_EQ(f.display_group_label.caption, "D");
  EXPECT_EQ(f.entry_group_label.caption, "D");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.group_tree);
}

TEST_F(GroupPageTest, PuttingIntoAGroupRebuildsTheFilteredList) {
  MainForm& f = StartWithGroups();
  Select("A\\B");
  f.ChooseMode2();
  Select("D");
  dialogs_.answers = {Answer::kOk, Answer::kOk};
  f.RegisterInGroup();
  EXPECT_EQ(Entry(0).group, "D");
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0"}));
  EXPECT_TRUE(f.group_filter.checked());
}

TEST_F(GroupPageTest, DisplayGroupPanelShowsTheGroupPageInModeOne) {
  MainForm& f = StartWithGroups();
  SelectListItem(0);
  f.PageChange(Page::kGroup);
  f.ChooseMode2();
  f.PageChange(Page::kProgram);
  for (void (MainForm::*click)() : {&MainForm::DisplayGroupClick}) {
    f.ChooseMode2();
    f.PageChange(Page::kProgram);
    (f.*click)();
    EXPECT_EQ(f.pages.active, Page::kGroup);
    EXPECT_TRUE(f.mode1_choice.checked);
    EXPECT_FALSE(f.group_tree.read_only);
    EXPECT_FALSE(f.duplicate_check_button.enabled);
    EXPECT_EQ(f.ActiveControl(), &f.group_tree);
  }
}

TEST_F(GroupPageTest, GroupWithAnEmptyNameNeverListsFreeSlots) {
  WriteTable("\r\nG\r\n");
  WriteFile(IniPath(), IniText({{"CMD0", {{"DISCRIPTION", "P0"}, {"CMDLINE", "p0"}}},
                                {"CMD1", {{"DISCRIPTION", "P1"}, {"CMDLINE", "p1"}, {"GROUP", "G"}}},
                                {"CMD2", {{"GROUP", ""}}}}));
  MainForm& f = Start();
  Select("");
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0"}));
  // Renaming it does not pull the programs of no group into it.
  f.RenameGroup();
  f.GroupTreeEdited(std::string("Named"));
  EXPECT_EQ(Entry(0).group, "");
}

TEST_F(GroupPageTest, EditedTreeIsSavedAndReadBack) {
  MainForm& f = StartWithGroups();
  Select("A");
  f.ChooseMoveSource();
  Select("D");
  f.MoveGroup();
  dialogs_.input_answers = {std::string("表示")};
  f.AddGroup();
  dialogs_.answers = {Answer::kOk, Answer::kOk};
  ASSERT_TRUE(f.Save());
  const std::vector<std::string> saved = Paths();
  EXPECT_EQ(ReadFile(TablePath()), "D\r\n\tA\r\n\t\tB\r\n\t\t\tX\r\n\t\tBX\r\n\t\t表示\r\n");
  form_.reset();
  Start();
  EXPECT_EQ(Paths(), saved);
  EXPECT_EQ(Entry(0).group, "D\\A\\B");
}

}  // namespace
}  // namespace fesk::editor::testing
