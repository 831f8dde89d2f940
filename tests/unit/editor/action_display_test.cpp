#include "editor/action_display.h"

#include <gtest/gtest.h>

namespace fesk::editor {
namespace {

struct DirectionCase {
  const char* code;
  const char* first;
  const char* second;
};

class DirectionTextTest : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(DirectionTextTest, NamesEachMoveOnTwoLines) {
  const DirectionCase& c = GetParam();
  DirectionLines lines = DirectionText(c.code);
  EXPECT_EQ(lines.first, c.first) << c.code;
  EXPECT_EQ(lines.second, c.second) << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DirectionTextTest,
    ::testing::Values(DirectionCase{"", "", ""}, DirectionCase{"l", "", ""}, DirectionCase{"lr", "右", ""},
                      DirectionCase{"lrl", "右→左", ""}, DirectionCase{"lR", "右下", ""},
                      DirectionCase{"Rl", "左上", ""}, DirectionCase{"rL", "左下", ""}, DirectionCase{"Lr", "右上", ""},
                      DirectionCase{"rR", "下", ""}, DirectionCase{"LR", "右", ""}, DirectionCase{"lL", "下", ""},
                      DirectionCase{"Ll", "上", ""}, DirectionCase{"Rr", "上", ""}, DirectionCase{"RL", "左", ""},
                      // Nine letters: seven moves on the first line, the eighth on the second.
                      DirectionCase{"lrlrlrlrl", "右→左→右→左→右→左→右", "→左"},
                      // Eight letters: the seventh move ends the first line, no arrow after it.
                      DirectionCase{"lrlrlrlr", "右→左→右→左→右→左→右", ""},
                      DirectionCase{"lrlrlrlrlrlrlrlr", "右→左→右→左→右→左→右", "→左→右→左→右→左→右→左→右"},
                      // Beyond 16 characters nothing more is named, but the arrow says more follows.
                      DirectionCase{"lrlrlrlrlrlrlrlrl", "右→左→右→左→右→左→右", "→左→右→左→右→左→右→左→右→"},
                      // A repeated letter or another character names no move; an arrow
                      // follows a named move while more characters come.
                      DirectionCase{"llr", "右", ""}, DirectionCase{"lxr", "", ""}, DirectionCase{"lrx", "右→", ""}));

struct CompletenessCase {
  const char* code;
  bool incomplete;
};

class IncompleteCodeTest : public ::testing::TestWithParam<CompletenessCase> {};

TEST_P(IncompleteCodeTest, MarksCodesWithoutAUsefulGesture) {
  EXPECT_EQ(IncompleteCode(GetParam().code), GetParam().incomplete) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, IncompleteCodeTest,
    ::testing::Values(CompletenessCase{"", true}, CompletenessCase{"l", true}, CompletenessCase{"rR", true},
                      CompletenessCase{"Rr", true}, CompletenessCase{"LR", true}, CompletenessCase{"RLR", true},
                      CompletenessCase{"lL", false}, CompletenessCase{"lr", false}, CompletenessCase{"rL", false},
                      CompletenessCase{"rRL", false}, CompletenessCase{"xyz", true},
                      // Only the first 15 characters count.
                      CompletenessCase{"lllllllllllllllr", true}, CompletenessCase{"llllllllllllllr", false}));

}  // namespace
}  // namespace fesk::editor
