#include "common/profile_document.h"

#include <gtest/gtest.h>

namespace fesk {
namespace {

struct LookupCase {
  const char* name;
  const char* file;
  const char* section;
  const char* key;
  const char* expected;  // nullptr: missing (the default applies)
};

class ProfileLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookup, FindsWhatThePlatformFinds) {
  const LookupCase& c = GetParam();
  ProfileDocument doc = ProfileDocument::Parse(c.file);
  const std::string* raw = doc.FindRaw(c.section, c.key);
  if (c.expected == nullptr) {
    EXPECT_EQ(raw, nullptr);
  } else {
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(ProfileValueAsRead(*raw), c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileLookup,
    ::testing::Values(LookupCase{"Plain", "[S]\r\nk=v\r\n", "S", "k", "v"},
                      LookupCase{"CaseInsensitiveNames", "[system]\r\nMode=3\r\n", "SYSTEM", "MODE", "3"},
                      LookupCase{"SpacesAroundNames", "  [ sec ]  \r\n  key  =  value  \r\n", "sec", "key", "value"},
                      LookupCase{"ArgumentsTrimmed", "[sec]\r\nkey=v\r\n", " sec ", " key ", "v"},
                      LookupCase{"EmptyValueIsNotMissing", "[S]\r\nk=\r\n", "S", "k", ""},
                      LookupCase{"SecondEqualsBelongsToValue", "[S]\r\na=b=c\r\n", "S", "a", "b=c"},
                      LookupCase{"SemicolonInValue", "[S]\r\na=b ; c\r\n", "S", "a", "b ; c"},
                      LookupCase{"DoubleQuotesRemoved", "[S]\r\na=\"x y\"\r\n", "S", "a", "x y"},
                      LookupCase{"SingleQuotesRemoved", "[S]\r\na='x'\r\n", "S", "a", "x"},
                      LookupCase{"MixedQuotesKept", "[S]\r\na='x\"\r\n", "S", "a", "'x\""},
                      LookupCase{"LoneQuoteKept", "[S]\r\na=\"\r\n", "S", "a", "\""},
                      LookupCase{"FirstDuplicateSectionWins", "[S]\r\na=1\r\n[S]\r\na=2\r\nb=3\r\n", "S", "b", nullptr},
                      LookupCase{"FirstDuplicateKeyWins", "[S]\r\na=1\r\na=2\r\n", "S", "a", "1"},
                      LookupCase{"LineWithoutEqualsNeverFound", "[S]\r\nlonely\r\n", "S", "lonely", nullptr},
                      LookupCase{"KeysBeforeFirstSectionAreUnnamed", "a=1\r\n[S]\r\nb=2\r\n", "S", "a", nullptr},
                      LookupCase{"CrOnlyLines", "[S]\ra=1\rb=2\r", "S", "b", "2"},
                      LookupCase{"LfOnlyLines", "[S]\na=1\nb=2", "S", "b", "2"},
                      LookupCase{"TextAfterClosingBracketIgnored", "[S] junk\r\na=1\r\n", "S", "a", "1"},
                      LookupCase{"LastClosingBracketEndsName", "[a]b]\r\nk=1\r\n", "a]b", "k", "1"},
                      LookupCase{"NoClosingBracketIsAKeyLine", "[S]\r\n[T=1\r\n", "S", "[T", "1"},
                      LookupCase{"CommentLinesParsedLikeOthers", "[S]\r\n;c=1\r\n", "S", ";c", "1"},
                      LookupCase{"IdeographicSpaceIsNotTrimmed", "[S]\r\na=　x\r\n", "S", "a", "　x"},
                      LookupCase{"TabsAndVerticalSpaceTrimmed",
                                 "[S]\r\n\t\va\x1a=\x0b"
                                 "1\t\r\n",
                                 "S", "a", "1"},
                      LookupCase{"MissingSection", "[S]\r\na=1\r\n", "T", "a", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileDocument, RewriteKeepsUnknownLinesTrimmedAndDropsBlankLines) {
  ProfileDocument doc =
      ProfileDocument::Parse("top=1\r\n\r\n  [S]  \r\n ; note \r\n  a = 1 \r\nlonely\r\n\r\n[Other]\r\nx=y\r\n");
  EXPECT_TRUE(doc.SetValue("s", "A", "2"));
  EXPECT_EQ(doc.Serialize(), "top=1\r\n[S]\r\n; note\r\na=2\r\nlonely\r\n[Other]\r\nx=y\r\n");
}

TEST(ProfileDocument, NewKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd) {
  ProfileDocument doc = ProfileDocument::Parse("[A]\r\na=1\r\n[B]\r\nb=1\r\n");
  doc.SetValue("a", " New ", "  v");
  doc.SetValue("C", "c", "");
  EXPECT_EQ(doc.Serialize(), "[A]\r\na=1\r\nNew=v\r\n[B]\r\nb=1\r\n[C]\r\nc=\r\n");
}

TEST(ProfileDocument, ExistingKeyKeepsItsSpellingAndEqualValueChangesNothing) {
  ProfileDocument doc = ProfileDocument::Parse("[Sys]\r\nMoDe=1\r\n");
  EXPECT_FALSE(doc.SetValue("SYS", "mode", "1"));
  EXPECT_TRUE(doc.SetValue("SYS", "mode", "2"));
  EXPECT_EQ(doc.Serialize(), "[Sys]\r\nMoDe=2\r\n");
}

TEST(ProfileDocument, EraseRemovesOnlyTheFirstMatchingSection) {
  ProfileDocument doc = ProfileDocument::Parse("[A]\r\na=1\r\n[B]\r\nb=1\r\n[a]\r\nc=1\r\n");
  EXPECT_TRUE(doc.EraseSection("A"));
  EXPECT_EQ(doc.Serialize(), "[B]\r\nb=1\r\n[a]\r\nc=1\r\n");
  EXPECT_FALSE(doc.EraseSection("missing"));
}

TEST(ProfileDocument, LongValuesAreCutAtTheBufferWithoutHalfCharacters) {
  std::string value(1022, 'x');
  value += "表表";  // the second character would straddle byte 1023
  ProfileDocument doc = ProfileDocument::Parse("[S]\r\na=" + value + "\r\n");
  std::string read = ProfileValueAsRead(*doc.FindRaw("S", "a"));
  EXPECT_EQ(read, std::string(1022, 'x'));
  EXPECT_EQ(ProfileValueAsRead(std::string(2000, 'y')).size(), kProfileValueLimit);
}

TEST(ProfileDocument, DefaultsLoseTrailingSpacesAndQuotes) {
  EXPECT_EQ(ProfileDefaultAsRead("abc  "), "abc");
  EXPECT_EQ(ProfileDefaultAsRead("abc\t"), "abc\t");
  EXPECT_EQ(ProfileDefaultAsRead("\"q\""), "q");
}

TEST(ProfileDocument, NothingIsEscapedSoALineBreakInAValueReadsBackDifferently) {
  ProfileDocument doc = ProfileDocument::Parse("");
  doc.SetValue("S", "a", "1\r\nb=2");
  ProfileDocument again = ProfileDocument::Parse(doc.Serialize());
  EXPECT_EQ(*again.FindRaw("S", "a"), "1");
  EXPECT_EQ(*again.FindRaw("S", "b"), "2");
}

}  // namespace
}  // namespace fesk

namespace fesk {
namespace {

TEST(ProfileDocument, AWriteGivesALineWithoutEqualsItsValue) {
  ProfileDocument doc = ProfileDocument::Parse("[S]\r\nkey\r\nother\r\n");
  EXPECT_EQ(doc.FindRaw("S", "key"), nullptr);
  EXPECT_TRUE(doc.SetValue("S", "KEY", "v"));
  EXPECT_EQ(doc.Serialize(), "[S]\r\nkey=v\r\nother\r\n");
}

}  // namespace
}  // namespace fesk
