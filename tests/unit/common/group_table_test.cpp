#include "common/group_table.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace fesk {
namespace {

// The tree as "name(children...)" for compact expectations.
std::string Shape(const GroupTree& tree, GroupNodeId node = kNoGroupNode) {
  std::string out;
  for (GroupNodeId child : tree.Children(node)) {
    if (!out.empty()) out += ",";
    out += tree.Name(child);
    if (!tree.Children(child).empty()) out += "(" + Shape(tree, child) + ")";
  }
  return out;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  const char* shape;
  const char* error;  // nullptr: none
};

class GroupTableRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(GroupTableRead, BuildsTheTree) {
  GroupTableReadResult result = ParseGroupTable(GetParam().bytes);
  EXPECT_EQ(Shape(result.tree), GetParam().shape);
  if (GetParam().error) {
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(*result.error, GetParam().error);
  } else {
    EXPECT_FALSE(result.error.has_value()) << *result.error;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupTableRead,
    ::testing::Values(ReadCase{"Empty", "", "", nullptr},
                      ReadCase{"Example", "A\r\n\tA1\r\n\t\tX\r\n\tA2\r\nB\r\n", "A(A1(X),A2),B", nullptr},
                      ReadCase{"SpacesCountLikeTabs", "A\r\n A1\r\n  X\r\n A2\r\nB\r\n", "A(A1(X),A2),B", nullptr},
                      ReadCase{"CrOnlyAndLfOnly", "A\r\tA1\n\t\tX\nB", "A(A1(X)),B", nullptr},
                      ReadCase{"LfCrIsTwoLineEnds", "A\n\rB", "A,,B", nullptr},
                      ReadCase{"BlankLineIsAnEmptyTopLevelNode", "A\r\n\r\nB\r\n", "A,,B", nullptr},
                      ReadCase{"NulEndsTheText", std::string("A\r\nB\0C\r\n", 8), "A,B", nullptr},
                      ReadCase{"TrailingSpacesKeptInNames", "A \r\n", "A ", nullptr},
                      ReadCase{"UpSeveralLevels", "A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\n\tE\r\n", "A(B(C(D)),E)", nullptr},
                      ReadCase{"LevelJumpStopsKeepingWhatWasRead", "A\r\n\tB\r\n\t\t\tDeep\r\nC\r\n", "A(B)",
                               "ｱｲﾃﾑ \"Deep\" の階層が不正です"},
                      ReadCase{"IndentedFirstLineIsTopLevelThenAJump", "\t\tA\r\n\t\tB\r\n", "A",
                               "ｱｲﾃﾑ \"B\" の階層が不正です"},
                      ReadCase{"JapaneseNames", "ゲーム\r\n\tﾊﾟｽﾞﾙ\r\n", "ゲーム(ﾊﾟｽﾞﾙ)", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GroupTable, WritesTabsCrLfInPreOrderAndReadsBackTheSameTree) {
  GroupTableReadResult read = ParseGroupTable("A\r\n A1\r\n  X\r\n A2\r\nB");
  std::string written = FormatGroupTable(read.tree);
  EXPECT_EQ(written, "A\r\n\tA1\r\n\t\tX\r\n\tA2\r\nB\r\n");
  EXPECT_EQ(FormatGroupTable(ParseGroupTable(written).tree), written);
  EXPECT_EQ(FormatGroupTable(GroupTree{}), "");
}

TEST(GroupTable, PathsJoinNamesFromTheTop) {
  GroupTree tree = ParseGroupTable("A\r\n\tA1\r\n\t\tX\r\nB\r\n").tree;
  GroupNodeId a = tree.Children(kNoGroupNode)[0];
  GroupNodeId x = tree.Children(tree.Children(a)[0])[0];
  EXPECT_EQ(tree.Path(x), "A\\A1\\X");
  EXPECT_EQ(tree.Path(tree.Children(kNoGroupNode)[1]), "B");
}

TEST(GroupTable, DeepAndLargeFilesDoNotCrash) {
  std::string deep;
  for (int level = 0; level < 3000; ++level) deep += std::string(level, '\t') + "n\r\n";
  GroupTableReadResult result = ParseGroupTable(deep);
  EXPECT_FALSE(result.error.has_value());
  EXPECT_EQ(result.tree.PreOrder().size(), 3000u);
  EXPECT_EQ(FormatGroupTable(result.tree), deep);

  std::string wide(1024 * 1024, '\n');  // a million empty top-level groups
  EXPECT_EQ(ParseGroupTable(wide).tree.Children(kNoGroupNode).size(), wide.size());
}

TEST(GroupTable, FileErrorsNameThePath) {
  testing::TempFolder folder;
  std::string missing = folder.File("FESK.TBL");
  try {
    ReadGroupTableFile(FilePath(missing));
    FAIL();
  } catch (const FeskError& error) {
    EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + missing + " は開けません");
  }
  std::string nowhere = folder.File("none") + "/FESK.TBL";
  try {
    WriteGroupTableFile(FilePath(nowhere), GroupTree{});
    FAIL();
  } catch (const FeskError& error) {
    EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + nowhere + " を作成できません");
  }
  GroupTree tree;
  tree.AddChild(kNoGroupNode, "FESK");
  WriteGroupTableFile(FilePath(missing), tree);
  EXPECT_EQ(folder.Read("FESK.TBL"), "FESK\r\n");
  EXPECT_EQ(Shape(ReadGroupTableFile(FilePath(missing)).tree), "FESK");
}

TEST(GroupTree, MoveRemoveAndSortKeepIdsStable) {
  GroupTree tree;
  GroupNodeId d = tree.AddChild(kNoGroupNode, "D");
  GroupNodeId a = tree.AddChild(kNoGroupNode, "A");
  GroupNodeId b = tree.AddChild(a, "B");
  tree.MoveUnder(a, d);
  EXPECT_EQ(Shape(tree), "D(A(B))");
  EXPECT_EQ(tree.Path(b), "D\\A\\B");
  EXPECT_TRUE(tree.IsInSubtree(b, a));
  EXPECT_FALSE(tree.IsInSubtree(d, a));
  tree.AddChild(d, "C");
  tree.SortAll([](const std::string& x, const std::string& y) { return x < y; });
  EXPECT_EQ(Shape(tree), "D(A(B),C)");
  tree.Remove(a);
  EXPECT_FALSE(tree.Exists(a));
  EXPECT_FALSE(tree.Exists(b));
  EXPECT_EQ(Shape(tree), "D(C)");
}

}  // namespace
}  // namespace fesk
