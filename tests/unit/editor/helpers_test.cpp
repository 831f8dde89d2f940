// The editor's small text helpers: list items, field widths, the command
// line and the order of group names.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "editor/command_line.h"
#include "editor/group_name_order.h"
#include "editor/program_entry.h"

namespace fesk::editor {
namespace {

TEST(ListItem, NumberPaddedToFourCharactersThenTitle) {
  EXPECT_EQ(ListItemText(7, "Notepad"), "7   Notepad");
  EXPECT_EQ(ListItemText(42, "A"), "42  A");
  EXPECT_EQ(ListItemNumber("42  A"), 42);
  EXPECT_EQ(ListItemNumber(" 3  B"), 3);
  EXPECT_EQ(ListItemNumber("    x"), -1);
  EXPECT_EQ(ListItemNumberField("7   Notepad"), "7   ");
}

TEST(ProgramFields, EveryFieldIsCutToItsWidthAtACharacterBoundary) {
  for (const FieldInfo& field : kProgramFields) {
    ProgramEntry entry;
    // A double-byte character straddling the limit goes as a whole.
    std::string text = std::string(field.width - 1, 'x') + "表" + "tail";
    SetField(entry, field.member, text);
    EXPECT_EQ(entry.*field.member, std::string(field.width - 1, 'x')) << field.key;
    SetField(entry, field.member, std::string(field.width, 'y'));
    EXPECT_EQ(entry.*field.member, std::string(field.width, 'y')) << field.key;
  }
}

struct CommandLineCase {
  const char* line;
  std::vector<std::string> parameters;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, SplitsLikeTheRunTimeLibrary) {
  EXPECT_EQ(CommandLineParameters(GetParam().line), GetParam().parameters) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Lines, CommandLineTest,
                         ::testing::Values(CommandLineCase{"C:\\Fesk\\FESKINI.EXE", {}},
                                           CommandLineCase{"C:\\Fesk\\FESKINI.EXE /Alr", {"/Alr"}},
                                           CommandLineCase{"\"C:\\Program Files\\FeskINI.exe\" \"C:\\My Files\\a.exe\"",
                                                           {"C:\\My Files\\a.exe"}},
                                           CommandLineCase{"FESKINI.EXE  /AlrL   C:\\a.exe ", {"/AlrL", "C:\\a.exe"}},
                                           CommandLineCase{"FESKINI.EXE \"\" x", {"x"}},
                                           // Trail bytes never split a parameter.
                                           CommandLineCase{"FESKINI.EXE C:\\表\\ｱ.exe", {"C:\\表\\ｱ.exe"}}));

TEST(GroupNameOrder, ApproximatesTheLocaleOrder) {
  std::vector<std::string> names = {"b", "B", "a", "A", "10", "1", "_x", "ｱ", "表", "ab"};
  std::sort(names.begin(), names.end(),
            [](const std::string& x, const std::string& y) { return ApproximateLstrcmp(x, y) < 0; });
  EXPECT_EQ(names, (std::vector<std::string>{"_x", "1", "10", "a", "A", "ab", "b", "B", "ｱ", "表"}));
  EXPECT_EQ(ApproximateLstrcmp("Same", "Same"), 0);
}

}  // namespace
}  // namespace fesk::editor
