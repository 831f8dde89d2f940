// Quiet over chosen programs: the list as QUIETPROGRAMS stores it, and the
// rule that asks which program owns the window in front.
#include <gtest/gtest.h>

#include "launcher/core/quiet_programs.h"
#include "platform/fake/fake_ports.h"

namespace fesk::testing {
namespace {

using Names = std::vector<std::string>;

// ---- The stored value -------------------------------------------------------

struct ParseCase {
  const char* value;
  Names names;
  const char* stored;  // what is written back
};

// "ポ" is 0x83 0x7C: its trail byte is the separator's.
TEST(QuietProgramValue, ParsesAndWritesBack) {
  const ParseCase cases[] = {
      {"", {}, ""},
      {"mspaint.exe", {"mspaint.exe"}, "mspaint.exe"},
      {"mspaint.exe|mstsc.exe", {"mspaint.exe", "mstsc.exe"}, "mspaint.exe|mstsc.exe"},
      {" mspaint.exe |\tmstsc.exe\t", {"mspaint.exe", "mstsc.exe"}, "mspaint.exe|mstsc.exe"},
      {"||a.exe|| |b.exe|", {"a.exe", "b.exe"}, "a.exe|b.exe"},
      {"|", {}, ""},
      {"ポスター.exe|b.exe", {"ポスター.exe", "b.exe"}, "ポスター.exe|b.exe"},
      {"My Game.exe", {"My Game.exe"}, "My Game.exe"},
  };
  for (const ParseCase& c : cases) {
    QuietProgramList list = QuietProgramList::Parse(c.value);
    EXPECT_EQ(list.names(), c.names) << c.value;
    EXPECT_EQ(list.ToValue(), c.stored) << c.value;
    EXPECT_EQ(list.empty(), c.names.empty()) << c.value;
  }
}

TEST(QuietProgramValue, StoredValueReadsBackTheSame) {
  for (const char* value : {"mspaint.exe|mstsc.exe", "ポスター.exe", "a.exe|ソフト.exe|B.EXE"}) {
    EXPECT_EQ(QuietProgramList::Parse(QuietProgramList::Parse(value).ToValue()).ToValue(), value);
  }
}

// ---- Editing the list ---------------------------------------------------------

TEST(QuietProgramEdit, AddKeepsTheFileNameOnceAndRemoveTakesItOff) {
  QuietProgramList list;
  EXPECT_TRUE(list.Add("mspaint.exe"));
  EXPECT_TRUE(list.Add(" C:\\Windows\\System32\\mstsc.exe "));
  EXPECT_FALSE(list.Add("MSPAINT.EXE")) << "listed already";
  EXPECT_FALSE(list.Add(""));
  EXPECT_FALSE(list.Add("  "));
  EXPECT_FALSE(list.Add("C:\\Tools\\")) << "a folder";
  EXPECT_FALSE(list.Add("a|b.exe"));
  EXPECT_TRUE(list.Add("D:\\ソフト\\ソ.exe")) << "0x5C trail bytes are no folder separator";
  EXPECT_EQ(list.names(), (Names{"mspaint.exe", "mstsc.exe", "ソ.exe"}));
  EXPECT_TRUE(list.Remove("mstsc.exe"));
  EXPECT_FALSE(list.Remove("mstsc.exe"));
  EXPECT_EQ(list.ToValue(), "mspaint.exe|ソ.exe");
}

// ---- The match ----------------------------------------------------------------

struct MatchCase {
  const char* listed;
  const char* program;
  bool quiet;
};

// "ソ" is 0x83 0x5C (a "\" as trail byte), "ア" is 0x83 0x41 (an "A") and
// "ヂ" is 0x83 0x61 (an "a"): they must be neither a folder separator nor
// one letter in two cases.
TEST(QuietProgramRule, MatchesTheFileNameIgnoringLetterCase) {
  const MatchCase cases[] = {
      {"mspaint.exe|mstsc.exe", "mspaint.exe", true},
      {"mspaint.exe|mstsc.exe", "mstsc.exe", true},
      {"mspaint.exe", "MSPaint.EXE", true},
      {"MSPAINT.EXE", "mspaint.exe", true},
      {"mspaint.exe", "C:\\Windows\\System32\\mspaint.exe", true},
      {"mspaint.exe", "C:/Windows/System32/mspaint.exe", true},
      {"C:\\Windows\\mspaint.exe", "mspaint.exe", true},
      {"mspaint.exe", "notepad.exe", false},
      {"mspaint.exe", "mspaint.exe.bak", false},
      {"mspaint.exe", "mspaint", false},
      {"paint.exe", "mspaint.exe", false},
      {"mspaint.exe", "", false},
      {"", "mspaint.exe", false},
      {"", "", false},
      {"mspaint.exe", "C:\\Windows\\", false},
      {"ソ.exe", "C:\\ツール\\ソ.exe", true},
      {".exe", "C:\\ツール\\ソ.exe", false},
      {"ア.exe", "ア.EXE", true},
      {"ア.exe", "ヂ.exe", false},
      {"ヂ.exe", "ア.exe", false},
      {"ポスター.exe", "ポスター.exe", true},
  };
  for (const MatchCase& c : cases) {
    EXPECT_EQ(QuietProgramList::Parse(c.listed).Lists(c.program), c.quiet)
        << "\"" << c.listed << "\" / \"" << c.program << "\"";
  }
}

TEST(QuietProgramRule, FileNameOfAPathStepsOverDoubleByteCharacters) {
  EXPECT_EQ(ProgramFileName("C:\\ツール\\ソ.exe"), "ソ.exe");
  EXPECT_EQ(ProgramFileName("ソ.exe"), "ソ.exe");
  EXPECT_EQ(ProgramFileName("C:\\a/b.exe"), "b.exe");
  EXPECT_EQ(ProgramFileName("C:\\a\\"), "");
  EXPECT_EQ(ProgramFileName(""), "");
}

// ---- Asking about the window in front ------------------------------------------

TEST(QuietProgramInFront, ListedProgramInFrontIsQuiet) {
  fake::FakeForeground foreground;
  const QuietProgramList list = QuietProgramList::Parse("mspaint.exe|mstsc.exe");
  foreground.OwnedBy("MSTSC.EXE");
  EXPECT_TRUE(QuietOverListedProgram(list, &foreground));
  foreground.OwnedBy("notepad.exe");
  EXPECT_FALSE(QuietOverListedProgram(list, &foreground));
  EXPECT_EQ(foreground.asked, 2);
}

// A process the launcher may not ask gives no name.
TEST(QuietProgramInFront, WindowOfNoKnownProgramOrNoWindowIsNot) {
  fake::FakeForeground foreground;
  const QuietProgramList list = QuietProgramList::Parse("mspaint.exe");
  foreground.OwnedBy("");
  EXPECT_FALSE(QuietOverListedProgram(list, &foreground));
  foreground.facts.reset();
  EXPECT_FALSE(QuietOverListedProgram(list, &foreground));
  EXPECT_FALSE(QuietOverListedProgram(list, nullptr));
}

// With nothing listed the window in front is not even asked about.
TEST(QuietProgramInFront, EmptyListNeverAsks) {
  fake::FakeForeground foreground;
  foreground.OwnedBy("mspaint.exe");
  EXPECT_FALSE(QuietOverListedProgram(QuietProgramList::Parse(""), &foreground));
  EXPECT_EQ(foreground.asked, 0);
}

}  // namespace
}  // namespace fesk::testing
