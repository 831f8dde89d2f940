#include "common/text_encoding.h"

#include <gtest/gtest.h>

#include "tests/support/utf8_path.h"

namespace fesk::encoding {
namespace {

// Each UTF-8 text and the code page 932 bytes it stores as ("" when it has
// none: no look-alike, no "?").
struct ExactCase {
  const char8_t* utf8;
  std::optional<std::string> cp932;
};

class Utf8ToCp932Test : public ::testing::TestWithParam<ExactCase> {};

TEST_P(Utf8ToCp932Test, OnlyWhatCodePage932SpellsExactly) {
  const ExactCase& c = GetParam();
  EXPECT_EQ(Utf8ToCp932Exactly(testing::Utf8(c.utf8)), c.cp932);
  if (c.cp932) EXPECT_EQ(Cp932ToUtf8(*c.cp932), testing::Utf8(c.utf8));
}

const ExactCase kCases[] = {
    {u8"C:\\Fesk\\", std::string("C:\\Fesk\\")},
    {u8"C:\\表\\Ωmega", std::string("C:\\\x95\x5C\\\x83\xB6mega")},  // 表 ends in 0x5C
    {u8"ﾃﾞｽｸﾄｯﾌﾟ", std::string("\xC3\xDE\xBD\xB8\xC4\xAF\xCC\xDF")},
    {u8"José", std::nullopt},  // no code for é: never "Jose"
    {u8"Müller", std::nullopt},
    {u8"김", std::nullopt},  // Korean
    {u8"\U0001F600", std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Texts, Utf8ToCp932Test, ::testing::ValuesIn(kCases));

TEST(Utf8ToCp932, NoValidUtf8HasNone) { EXPECT_EQ(Utf8ToCp932Exactly("\xC3"), std::nullopt); }

}  // namespace
}  // namespace fesk::encoding
