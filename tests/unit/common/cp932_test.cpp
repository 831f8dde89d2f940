#include "common/cp932.h"

#include <gtest/gtest.h>

namespace fesk::cp932 {
namespace {

// "表" is 95 5C in code page 932: its trail byte is the backslash.
const std::string kHyou = "表";

TEST(Cp932, TrailByteBackslashIsNotASeparator) {
  ASSERT_EQ(kHyou, std::string("\x95\x5c"));
  std::string path = "C:\\" + kHyou + "\\a.exe";
  EXPECT_EQ(FolderOf(path), "C:\\" + kHyou + "\\");
  EXPECT_EQ(FileNameOf(path), "a.exe");
  EXPECT_EQ(Split("A\\" + kHyou + "\\B", '\\'), (std::vector<std::string>{"A", kHyou, "B"}));
  EXPECT_EQ(FileNameOf(kHyou), kHyou);
  EXPECT_EQ(Find(kHyou + "\\", '\\'), 2u);
}

TEST(Cp932, CutNeverSplitsACharacter) {
  std::string text = "ab" + kHyou + "c";
  EXPECT_EQ(CutToBytes(text, 2), "ab");
  EXPECT_EQ(CutToBytes(text, 3), "ab");
  EXPECT_EQ(CutToBytes(text, 4), "ab" + kHyou);
  EXPECT_EQ(CutToBytes(text, 99), text);
  // Half-width katakana are single bytes and are cut like letters.
  EXPECT_EQ(CutToBytes("ｱｲｳ", 2), "ｱｲ");
}

TEST(Cp932, LeadByteAtTheEnd) {
  EXPECT_TRUE(EndsWithLeadByte("ab\x95"));
  EXPECT_FALSE(EndsWithLeadByte("ab" + kHyou));
  EXPECT_FALSE(EndsWithLeadByte(""));
}

TEST(Cp932, CaseFoldingLeavesTrailBytesAlone) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase("System", "SYSTEM"));
  // 0x83 0x61 and 0x83 0x41 are two different katakana.
  EXPECT_FALSE(EqualsIgnoreAsciiCase("\x83\x61", "\x83\x41"));
  EXPECT_EQ(ToUpperAscii("a\x83\x61z"), "A\x83\x61Z");
}

}  // namespace
}  // namespace fesk::cp932
