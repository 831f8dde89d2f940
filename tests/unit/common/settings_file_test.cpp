#include "common/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "tests/support/temp_folder.h"
#include "tests/support/utf8_path.h"

namespace fesk {
namespace {

using testing::TempFolder;

TEST(SettingsFile, MissingFileReadsDefaults) {
  TempFolder folder;
  SettingsFile file{FilePath(folder.File("Fesk.Ini"))};
  EXPECT_EQ(file.ReadString("SYSTEM", "HINT", "ON"), "ON");
  EXPECT_EQ(file.ReadInteger("SYSTEM", "INTERVAL", 10), 10);
  EXPECT_FALSE(folder.Exists("Fesk.Ini"));
}

struct IntegerCase {
  const char* text;
  int expected;
};

class SettingsInteger : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(SettingsInteger, ReadsDecimalOrHexOrGivesTheDefault) {
  TempFolder folder;
  folder.Write("Fesk.Ini", std::string("[SYSTEM]\r\nINTERVAL=") + GetParam().text + "\r\n");
  EXPECT_EQ(SettingsFile(FilePath(folder.File("Fesk.Ini"))).ReadInteger("SYSTEM", "INTERVAL", 10), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsInteger,
                         ::testing::Values(IntegerCase{"20", 20}, IntegerCase{"-3", -3}, IntegerCase{"+7", 7},
                                           IntegerCase{"0x14", 20}, IntegerCase{"0X1f", 31}, IntegerCase{"0x", 10},
                                           IntegerCase{"0xG", 10}, IntegerCase{"abc", 10}, IntegerCase{"42A", 10},
                                           IntegerCase{"", 10}, IntegerCase{"-", 10}, IntegerCase{"99999999999", 10},
                                           IntegerCase{"0xFFFFFFFF", -1}, IntegerCase{"0x100000000", 10},
                                           IntegerCase{"\"12\"", 12}));

TEST(SettingsFile, WritesReachTheFileAtOnceAndReadBack) {
  TempFolder folder;
  std::string path = folder.File("Fesk.Ini");
  SettingsFile file{FilePath(path)};
  file.WriteString("CMD0", "DISCRIPTION", "メモ帳");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[CMD0]\r\nDISCRIPTION=メモ帳\r\n");
  file.WriteInteger("SYSTEM", "MODE", -1);
  file.WriteString("CMD0", "CMDLINE", "");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[CMD0]\r\nDISCRIPTION=メモ帳\r\nCMDLINE=\r\n[SYSTEM]\r\nMODE=-1\r\n");
  EXPECT_EQ(file.ReadString("cmd0", "discription", "x"), "メモ帳");
  EXPECT_EQ(SettingsFile(FilePath(path)).ReadInteger("SYSTEM", "MODE", 0), -1);
}

TEST(SettingsFile, UnknownSectionsKeysAndCommentsStay) {
  TempFolder folder;
  folder.Write("Fesk.Ini", "; kept\r\n[MINE]\r\nx=1\r\n[SYSTEM]\r\nOTHER=2\r\nMODE=0\r\n");
  SettingsFile file{FilePath(folder.File("Fesk.Ini"))};
  file.WriteInteger("SYSTEM", "MODE", 2);
  file.EraseSection("CMD5");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "; kept\r\n[MINE]\r\nx=1\r\n[SYSTEM]\r\nOTHER=2\r\nMODE=2\r\n");
}

TEST(SettingsFile, EqualValueLeavesTheFileUntouched) {
  TempFolder folder;
  folder.Write("Fesk.Ini", "[S]\r\n\r\nA=1\r\n");  // a rewrite would drop the blank line
  SettingsFile file{FilePath(folder.File("Fesk.Ini"))};
  file.WriteString("S", "a", "1");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[S]\r\n\r\nA=1\r\n");
}

TEST(SettingsFile, ReadOnlyFileAndMissingFolderFailWithThePath) {
  TempFolder folder;
  folder.Write("Fesk.Ini", "[S]\r\na=1\r\n");
  std::filesystem::permissions(folder.File("Fesk.Ini"), std::filesystem::perms::owner_read);
  SettingsFile read_only{FilePath(folder.File("Fesk.Ini"))};
  try {
    read_only.WriteString("S", "a", "2");
    FAIL() << "no error";
  } catch (const FeskError& error) {
    EXPECT_EQ(std::string(error.what()), folder.File("Fesk.Ini") + " に書き込めません");
  }
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[S]\r\na=1\r\n");

  std::string nowhere = folder.File("missing") + "/Fesk.Ini";
  SettingsFile missing{FilePath(nowhere)};
  EXPECT_THROW(missing.WriteString("S", "a", "1"), FeskError);
}

TEST(SettingsFile, ErasingFromAMissingFileCreatesNothing) {
  TempFolder folder;
  SettingsFile file{FilePath(folder.File("Fesk.Ini"))};
  file.EraseSection("CMD3");
  EXPECT_FALSE(folder.Exists("Fesk.Ini"));
}

TEST(SettingsFile, ErasingEveryCopyOfASection) {
  TempFolder folder;
  folder.Write("Fesk.Ini", "[CMD1]\r\na=1\r\n[X]\r\nb=2\r\n[cmd1]\r\nc=3\r\n");
  SettingsFile(FilePath(folder.File("Fesk.Ini"))).EraseSection("CMD1");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[X]\r\nb=2\r\n[cmd1]\r\nc=3\r\n");
  SettingsFile(FilePath(folder.File("Fesk.Ini"))).EraseEverySection("CMD1");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[X]\r\nb=2\r\n");
}

TEST(SettingsFile, AValueIsWrittenUpToItsFirstLineBreak) {
  TempFolder folder;
  SettingsFile(FilePath(folder.File("Fesk.Ini"))).WriteString("CMD0", "CMDLINE", "a.exe\r[SYSTEM]\nINTERVAL=1");
  SettingsFile(FilePath(folder.File("Fesk.Ini"))).WriteString("CMD0", "OPTION", "\n/x");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[CMD0]\r\nCMDLINE=a.exe\r\nOPTION=\r\n");
  EXPECT_EQ(WrittenValueReadBack("a.exe\r[SYSTEM]"), "a.exe");
  EXPECT_EQ(WrittenValueReadBack(" \"  \" "), "  ");
  EXPECT_EQ(WrittenValueReadBack("title  "), "title");
}

TEST(SettingsFile, PathBesideTheExecutable) {
  EXPECT_EQ(SettingsFilePathFor(FilePath("C:\\Program Files\\Fesk\\Fesk.exe")),
            FilePath("C:\\Program Files\\Fesk\\Fesk.Ini"));
  // A folder of any name, as Windows spells it: 表 ends in 0x5C in code page
  // 932, é and ü have no code there; none of it passes through code page 932.
  const FilePath editor = testing::Utf8Path(u8"C:\\José Müller\\表\\FeskINI.exe");
  const FilePath settings = testing::Utf8Path(u8"C:\\José Müller\\表\\Fesk.Ini");
  EXPECT_EQ(SettingsFilePathFor(editor), settings);
}

// A writer killed at any moment leaves either the old or the new file, never
// a part of one: every write replaces the file in one step.
TEST(SettingsFile, WriterKilledAtRandomPointsNeverLeavesAPartialFile) {
  TempFolder folder;
  std::string path = folder.File("Fesk.Ini");
  const std::string big_a(200000, 'a'), big_b(200000, 'b');
  SettingsFile(FilePath(path)).WriteString("S", "v", big_a);
  for (int round = 0; round < 20; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) SettingsFile(FilePath(path)).WriteString("S", "v", i % 2 ? big_a : big_b);
    }
    usleep(1000 + round * 700);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::string content = folder.Read("Fesk.Ini");
    EXPECT_TRUE(content == "[S]\r\nv=" + big_a + "\r\n" || content == "[S]\r\nv=" + big_b + "\r\n")
        << "round " << round << ": " << content.size() << " bytes";
  }
}

// Two processes rewriting the whole file at the same time lose nothing: each
// read-modify-write runs alone.
TEST(SettingsFile, ConcurrentWritersLoseNoKeys) {
  TempFolder folder;
  std::string path = folder.File("Fesk.Ini");
  constexpr int kKeys = 150;
  pid_t writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = fork();
    ASSERT_GE(writers[w], 0);
    if (writers[w] == 0) {
      for (int i = 0; i < kKeys; ++i) {
        SettingsFile(FilePath(path)).WriteInteger(w == 0 ? "SYSTEM" : "CMD0", "K" + std::to_string(i), i);
      }
      _exit(0);
    }
  }
  for (pid_t writer : writers) {
    int status = 0;
    waitpid(writer, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  SettingsFile file{FilePath(path)};
  for (int i = 0; i < kKeys; ++i) {
    EXPECT_EQ(file.ReadInteger("SYSTEM", "K" + std::to_string(i), -1), i);
    EXPECT_EQ(file.ReadInteger("CMD0", "K" + std::to_string(i), -1), i);
  }
}

}  // namespace
}  // namespace fesk

namespace fesk {
namespace {

TEST(SettingsFile, DeferredWritesReachTheFileInOneStepOnFlush) {
  testing::TempFolder folder;
  folder.Write("Fesk.Ini", "[SYSTEM]\r\nLINK=lr\r\n[CMD7]\r\nDISCRIPTION=old\r\n");
  SettingsFile file{FilePath(folder.File("Fesk.Ini"))};
  file.DeferWrites();
  file.WriteString("FESKIN", "HINT", "ON");
  file.EraseSection("CMD7");
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[SYSTEM]\r\nLINK=lr\r\n[CMD7]\r\nDISCRIPTION=old\r\n");
  EXPECT_EQ(file.ReadString("FESKIN", "HINT", ""), "ON");
  file.Flush();
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[SYSTEM]\r\nLINK=lr\r\n[FESKIN]\r\nHINT=ON\r\n");
}

TEST(SettingsFile, AFailedFlushReportsThePathAndLeavesTheFile) {
  testing::TempFolder folder;
  folder.Write("Fesk.Ini", "[S]\r\na=1\r\n");
  std::filesystem::permissions(folder.File("Fesk.Ini"), std::filesystem::perms::owner_read);
  SettingsFile file{FilePath(folder.File("Fesk.Ini"))};
  file.DeferWrites();
  file.WriteString("S", "a", "2");
  EXPECT_THROW(file.Flush(), FeskError);
  EXPECT_EQ(folder.Read("Fesk.Ini"), "[S]\r\na=1\r\n");
}

}  // namespace
}  // namespace fesk
