// The page "グループ", the group filter and the display group.
#include "common/group_table.h"
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class GroupPageTest : public EditorTest {
 protected:
  // A, A\B, A\B\X, A\BX, D and five programs in them (P3 in none).
  TFFeskINI& StartWithGroups() {
    WriteTable("A\r\n\tB\r\n\t\tX\r\n\tBX\r\nD\r\n");
    WritePrograms({{"P0", "p0", {{"GROUP", "A\\B"}}},
                   {"P1", "p1", {{"GROUP", "A\\B\\X"}}},
                   {"P2", "p2", {{"GROUP", "A\\BX"}}},
                   {"P3", "p3", {}},
                   {"P4", "p4", {{"GROUP", "A"}}}});
    return Start();
  }
  GroupNodeId Node(const std::string& path) {
    const GroupTree& tree = form().TreeView1.tree;
    for (GroupNodeId node : tree.PreOrder()) {
      if (tree.Path(node) == path) return node;
    }
    ADD_FAILURE() << "no group " << path;
    return kNoGroupNode;
  }
  std::vector<std::string> Paths() {
    std::vector<std::string> paths;
    const GroupTree& tree = form().TreeView1.tree;
    for (GroupNodeId node : tree.PreOrder()) paths.push_back(tree.Path(node));
    return paths;
  }
  std::vector<std::string> Groups() {
    std::vector<std::string> groups;
    for (int slot = 0; slot <= form().LastSlot; ++slot) groups.push_back(Entry(slot).group);
    return groups;
  }
  void Select(const std::string& path) { form().TreeView1Change(Node(path)); }
};

TEST_F(GroupPageTest, FirstGroupIsFeskAndTheNextOneIsAskedFor) {
  WritePrograms({{"P0", "p0"}});
  TFFeskINI& f = Start();
  f.PageControl1Change(Page::kGroup);
  Click(f.Button3, &TFFeskINI::Button3Click);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"FESK"}));
  EXPECT_TRUE(dialogs_.inputs.empty());
  EXPECT_TRUE(f.Modified);
  for (const Button* b : {&f.Button23, &f.Button12, &f.Button19, &f.Button11, &f.Button21}) {
    EXPECT_TRUE(b->enabled) << b->caption;
  }
  EXPECT_FALSE(f.Button22.enabled);
  // The tree had the focus with nothing selected: it selects its first group.
  EXPECT_EQ(f.TreeView1.selected, Node("FESK"));
  EXPECT_EQ(f.DisplayGroup, "FESK");
  EXPECT_TRUE(f.CheckBox10.checked());

  dialogs_.input_answers = {std::string("Sub")};
  Click(f.Button3, &TFFeskINI::Button3Click);
  ASSERT_EQ(dialogs_.inputs.size(), 1u);
  EXPECT_EQ(dialogs_.inputs[0].caption, "新規グループ作成　親[FESK]");
  EXPECT_EQ(dialogs_.inputs[0].prompt, "新規グループ名を入力してください");
  EXPECT_EQ(dialogs_.inputs[0].value, "");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"FESK", "FESK\\Sub"}));
  EXPECT_EQ(f.TreeView1.selected, Node("FESK\\Sub"));
  EXPECT_EQ(f.DisplayGroup, "FESK\\Sub");
  EXPECT_EQ(f.Label17.caption, "FESK\\Sub");
  EXPECT_TRUE(f.TreeView1.expanded.count(Node("FESK")));
  EXPECT_EQ(f.ActiveControl(), &f.TreeView1);
}

TEST_F(GroupPageTest, EmptyOrCancelledNameAddsNothing) {
  TFFeskINI& f = StartWithGroups();
  Select("D");
  f.Modified = false;
  dialogs_.input_answers = {std::string(), std::nullopt};
  f.Button3Click();
  f.Button3Click();
  EXPECT_EQ(Paths().size(), 5u);
  EXPECT_FALSE(f.Modified);
}

TEST_F(GroupPageTest, SelectingAGroupListsExactlyItsPrograms) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B");
  EXPECT_TRUE(f.CheckBox10.checked());
  EXPECT_EQ(f.DisplayGroup, "A\\B");
  EXPECT_EQ(f.Label17.caption, "A\\B");
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0"}));
  EXPECT_EQ(f.Label8.caption, "1");
  EXPECT_EQ(f.ListBox1.top, 50);
  EXPECT_EQ(f.ListBox1.height, 96);
  EXPECT_EQ(f.BitBtn2.top, 50);
  EXPECT_EQ(f.BitBtn3.top, 98);
  EXPECT_EQ(f.ActiveControl(), &f.TreeView1);
  EXPECT_FALSE(f.Modified);
}

TEST_F(GroupPageTest, ReportingTheSameSelectionAgainChangesNothing) {
  TFFeskINI& f = StartWithGroups();
  Select("A");
  f.CheckBox10.SetChecked(false);
  SelectListItem(2);
  Select("A");
  EXPECT_FALSE(f.CheckBox10.checked());
  EXPECT_EQ(f.CurrentItem, 2);
}

TEST_F(GroupPageTest, FilterOffListsEveryProgramAgain) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B");
  f.CheckBox10.SetChecked(false);
  EXPECT_EQ(f.ListCount, 5);
  EXPECT_EQ(f.Label8.caption, "5");
  EXPECT_EQ(f.ListBox1.item_index, 0);
  EXPECT_EQ(f.ListBox1.top, 24);
  EXPECT_EQ(f.ListBox1.height, 122);
  EXPECT_EQ(f.BitBtn2.height, 61);
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
}

TEST_F(GroupPageTest, FilterLeavingAnEmptyListLeavesTheShortcutPage) {
  TFFeskINI& f = StartWithGroups();
  f.PageControl1Change(Page::kShortCut);
  f.DisplayGroup = "nothing here";
  f.CheckBox10.SetChecked(true);
  EXPECT_EQ(f.ListCount, 0);
  EXPECT_EQ(f.PageControl1.active, Page::kProgram);
}

TEST_F(GroupPageTest, RenameRewritesThePathAndThoseBelowIt) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B");
  f.Button19Click();
  EXPECT_EQ(f.TreeView1.editing, Node("A\\B"));
  f.TreeView1Edited(std::string("C"));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"A\\C", "A\\C\\X", "A\\BX", "", "A"}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\C", "A\\C\\X", "A\\BX", "D"}));
  EXPECT_EQ(f.DisplayGroup, "A\\C");
  EXPECT_EQ(f.Label17.caption, "A\\C");
  EXPECT_EQ(f.Label20.caption, "A\\C");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.TreeView1.editing, kNoGroupNode);
}

TEST_F(GroupPageTest, CancelledRenameChangesNothing) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B");
  EXPECT_TRUE(f.TreeView1Editing(Node("A\\B")));
  f.TreeView1Edited(std::nullopt);
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\B", "A\\B\\X", "A\\BX", "D"}));
  EXPECT_FALSE(f.Modified);
}

TEST_F(GroupPageTest, EmptyNameIsRefusedAndTheOldNameKept) {
  TFFeskINI& f = StartWithGroups();
  Select("A");
  f.Modified = false;
  f.Button19Click();
  f.TreeView1Edited(std::string());
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\B", "A\\B\\X", "A\\BX", "D"}));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"A\\B", "A\\B\\X", "A\\BX", "", "A"}));
  EXPECT_EQ(f.DisplayGroup, "A");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.TreeView1.editing, kNoGroupNode);
}

TEST_F(GroupPageTest, MoveTakesTheSubgroupsAndTheirPrograms) {
  TFFeskINI& f = StartWithGroups();
  Select("A");
  f.Button21Click();
  EXPECT_TRUE(f.Button22.enabled);
  EXPECT_EQ(f.Label18.caption, "A");
  EXPECT_TRUE(f.Image7.visible);
  EXPECT_TRUE(f.Image8.visible);
  Select("D");
  f.Button22Click();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"D", "D\\A", "D\\A\\B", "D\\A\\B\\X", "D\\A\\BX"}));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"D\\A\\B", "D\\A\\B\\X", "D\\A\\BX", "", "D\\A"}));
  EXPECT_EQ(f.TreeView1.selected, Node("D\\A"));
  EXPECT_EQ(f.DisplayGroup, "D\\A");
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"4   P4"}));
  EXPECT_TRUE(f.Modified);
  EXPECT_TRUE(f.Button22.enabled);
  EXPECT_EQ(f.MoveSource, Node("D\\A"));
}

TEST_F(GroupPageTest, MoveIntoItselfOrBelowIsRefused) {
  TFFeskINI& f = StartWithGroups();
  Select("A");
  f.Button21Click();
  for (const char* destination : {"A\\B", "A"}) {
    Select(destination);
    f.Button22Click();
    EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\B", "A\\B\\X", "A\\BX", "D"}));
    EXPECT_EQ(f.DisplayGroup, destination);
    EXPECT_FALSE(f.Modified);
  }
}

TEST_F(GroupPageTest, MoveUnderASiblingWithTheSameBeginning) {
  WriteTable("A\r\nAB\r\n");
  WritePrograms({{"P0", "p0", {{"GROUP", "A"}}}});
  TFFeskINI& f = Start();
  Select("A");
  f.Button21Click();
  Select("AB");
  f.Button22Click();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"AB", "AB\\A"}));
  EXPECT_EQ(Entry(0).group, "AB\\A");
}

TEST_F(GroupPageTest, DeleteRemovesTheSubgroupsAndLeavesTheProgramsAlone) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B");
  dialogs_.answers = {Answer::kCancel, Answer::kOk};
  f.Button11Click();
  EXPECT_EQ(Paths().size(), 5u);
  EXPECT_FALSE(f.Modified);
  f.Button11Click();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].caption, "グループの削除");
  EXPECT_EQ(dialogs_.boxes[1].text,
            "\"B\"\rグループを削除します\r\r（グループを削除しても削除グループに属する\r"
            "　プログラム情報は、変わりません）");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"A", "A\\BX", "D"}));
  EXPECT_EQ(Groups(), (std::vector<std::string>{"A\\B", "A\\B\\X", "A\\BX", "", "A"}));
  EXPECT_TRUE(f.Modified);
  // The next sibling is selected and becomes the display group.
  EXPECT_EQ(f.TreeView1.selected, Node("A\\BX"));
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"2   P2"}));
}

TEST_F(GroupPageTest, SelectionAfterDeleteIsNextSiblingElseParentElsePrevious) {
  struct Case {
    const char* deleted;
    const char* selected;
  };
  const Case cases[] = {{"A", "D"}, {"A\\BX", "A"}, {"D", "A"}};
  for (const Case& c : cases) {
    form_.reset();
    TFFeskINI& f = StartWithGroups();
    Select(c.deleted);
    dialogs_.answers = {Answer::kOk};
    f.Button11Click();
    EXPECT_EQ(f.TreeView1.selected, Node(c.selected)) << c.deleted;
    EXPECT_EQ(f.DisplayGroup, c.selected) << c.deleted;
  }
}

TEST_F(GroupPageTest, DeletedMoveSourceIsForgotten) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B\\X");
  f.Button21Click();
  Select("A");
  dialogs_.answers = {Answer::kOk};
  f.Button11Click();
  EXPECT_EQ(f.MoveSource, kNoGroupNode);
  EXPECT_FALSE(f.Button22.enabled);
  EXPECT_FALSE(f.Image7.visible);
  EXPECT_EQ(f.Label18.caption, "");
  f.Button22Click();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"D"}));
}

TEST_F(GroupPageTest, DeletingTheLastGroupDisablesTheButtons) {
  WriteTable("Only\r\n");
  WritePrograms({{"P0", "p0"}});
  TFFeskINI& f = Start();
  Select("Only");
  f.Button21Click();
  dialogs_.answers = {Answer::kOk};
  f.Button11Click();
  EXPECT_TRUE(f.TreeView1.tree.Empty());
  for (const Button* b : {&f.Button23, &f.Button12, &f.Button19, &f.Button11, &f.Button21, &f.Button22}) {
    EXPECT_FALSE(b->enabled) << b->caption;
  }
  EXPECT_EQ(f.TreeView1.selected, kNoGroupNode);
  // Operations needing a group do nothing now.
  f.Button19Click();
  f.Button23Click();
  EXPECT_EQ(f.TreeView1.editing, kNoGroupNode);
  EXPECT_EQ(dialogs_.boxes.size(), 1u);
}

TEST_F(GroupPageTest, SortOrdersEveryLevelWithoutSettingModified) {
  WriteTable("b\r\nB\r\na\r\n\tz\r\n\ty\r\n");
  TFFeskINI& f = Start();
  f.Button12Click();
  EXPECT_EQ(Paths(), (std::vector<std::string>{"a", "a\\y", "a\\z", "b", "B"}));
  EXPECT_FALSE(f.Modified);
  f.Button4Click();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(f.Terminated);
}

TEST_F(GroupPageTest, SortUsesTheComparatorGiven) {
  WriteTable("a\r\nc\r\nb\r\n");
  TFFeskINI f(EditorPorts{dialogs_, shell_, clock_, open_dialog_, desktop_, &key_names_}, ExePath(),
              [](const std::string& x, const std::string& y) { return y.compare(x); });
  f.FormCreate({});
  f.Button12Click();
  const GroupTree& tree = f.TreeView1.tree;
  std::vector<std::string> names;
  for (GroupNodeId node : tree.PreOrder()) names.push_back(tree.Name(node));
  EXPECT_EQ(names, (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(GroupPageTest, ModeTwoNeedsAProgram) {
  WriteTable("G\r\n");
  WritePrograms({{"P0", "p0", {{"GROUP", "other"}}}});
  TFFeskINI& f = Start();
  f.PageControl1Change(Page::kGroup);  // selects G: the list becomes empty
  ASSERT_EQ(f.Label6.caption, "0");
  f.RadioButton7Click();
  EXPECT_TRUE(f.RadioButton6.checked);
  EXPECT_FALSE(f.RadioButton7.checked);
  EXPECT_TRUE(f.Button3.visible);
  EXPECT_FALSE(f.Button23.visible);
  EXPECT_FALSE(f.TreeView1.read_only);
  EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(GroupPageTest, ModeTwoPutsTheSelectedProgramIntoAGroup) {
  TFFeskINI& f = StartWithGroups();
  SelectListItem(3);  // P3, in no group
  f.PageControl1Change(Page::kGroup);
  f.CheckBox10.SetChecked(false);
  SelectListItem(3);
  f.RadioButton7Click();
  EXPECT_TRUE(f.RadioButton7.checked);
  EXPECT_TRUE(f.TreeView1.read_only);
  EXPECT_EQ((Rect{f.TreeView1.left, f.TreeView1.top, f.TreeView1.width, f.TreeView1.height}),
            (Rect{40, 36, 321, 102}));
  EXPECT_TRUE(f.Shape22.visible);
  EXPECT_TRUE(f.Button23.visible);
  for (const Control* c : {static_cast<const Control*>(&f.Button3), static_cast<const Control*>(&f.Button22),
                           static_cast<const Control*>(&f.Label18), static_cast<const Control*>(&f.Bevel2)}) {
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
  EXPECT_FALSE(f.CheckBox10.checked());

  dialogs_.answers = {Answer::kOk};
  f.Button23Click();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[1].caption, "グループ登録");
  EXPECT_EQ(dialogs_.boxes[1].text, "\"P3\"を\r\"D\"\rグループに登録します\r");
  EXPECT_EQ(Entry(3).group, "D");
  EXPECT_EQ(f.DisplayGroup, "D");
  EXPECT_EQ(f.Label17.caption, "D");
  EXPECT_EQ(f.Label20.caption, "D");
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.TreeView1);
}

TEST_F(GroupPageTest, PuttingIntoAGroupRebuildsTheFilteredList) {
  TFFeskINI& f = StartWithGroups();
  Select("A\\B");
  f.RadioButton7Click();
  Select("D");
  dialogs_.answers = {Answer::kOk, Answer::kOk};
  f.Button23Click();
  EXPECT_EQ(Entry(0).group, "D");
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0"}));
  EXPECT_TRUE(f.CheckBox10.checked());
}

TEST_F(GroupPageTest, DisplayGroupPanelShowsTheGroupPageInModeOne) {
  TFFeskINI& f = StartWithGroups();
  SelectListItem(0);
  f.PageControl1Change(Page::kGroup);
  f.RadioButton7Click();
  f.PageControl1Change(Page::kProgram);
  for (void (TFFeskINI::*click)() : {&TFFeskINI::Panel2Click, &TFFeskINI::Label17Click,
                                     &TFFeskINI::Label20Click}) {
    f.RadioButton7Click();
    f.PageControl1Change(Page::kProgram);
    (f.*click)();
    EXPECT_EQ(f.PageControl1.active, Page::kGroup);
    EXPECT_TRUE(f.RadioButton6.checked);
    EXPECT_FALSE(f.TreeView1.read_only);
    EXPECT_FALSE(f.Button15.enabled);
    EXPECT_EQ(f.ActiveControl(), &f.TreeView1);
  }
}

TEST_F(GroupPageTest, GroupWithAnEmptyNameNeverListsFreeSlots) {
  WriteTable("\r\nG\r\n");
  WriteFile(IniPath(), IniText({{"CMD0", {{"DISCRIPTION", "P0"}, {"CMDLINE", "p0"}}},
                                {"CMD1", {{"DISCRIPTION", "P1"}, {"CMDLINE", "p1"}, {"GROUP", "G"}}},
                                {"CMD2", {{"GROUP", ""}}}}));
  TFFeskINI& f = Start();
  Select("");
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0"}));
  // Renaming it does not pull the programs of no group into it.
  f.Button19Click();
  f.TreeView1Edited(std::string("Named"));
  EXPECT_EQ(Entry(0).group, "");
}

TEST_F(GroupPageTest, EditedTreeIsSavedAndReadBack) {
  TFFeskINI& f = StartWithGroups();
  Select("A");
  f.Button21Click();
  Select("D");
  f.Button22Click();
  dialogs_.input_answers = {std::string("表示")};
  f.Button3Click();
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
