// A path the user hands over to be stored, by each way it reaches the
// editor (a dropped file, the browse dialog, the command line): stored as it
// is when code page 932 holds it, by its short form when Windows has one
// that code page 932 holds, otherwise refused with a box that names it and
// nothing changed or written.
#include "common/storable_path.h"
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

enum class Way { kDropped, kBrowsed, kCommandLine };

struct StoringCase {
  Way way;
  const char8_t* given;
  const char* short_form;  // "" when Windows has none
  const char* stored;      // the saved CMDLINE; "" when refused
};

class StoringPathsTest : public EditorTest, public ::testing::WithParamInterface<StoringCase> {
 protected:
  // The path arrives by its way; the editor then saves, as the user would.
  MainForm& Hand(const StoringCase& c, const FilePath& path) {
    if (c.way == Way::kCommandLine) {
      MainForm& f = Start({path.utf8});
      return f;
    }
    MainForm& f = Start();
    if (c.way == Way::kDropped) {
      f.FilesDropped({path});
    } else {
      open_dialog_.answers.push_back(path);
      Click(f.browse_button, &MainForm::BrowseProgram);
      f.FocusControl(f.program_list);  // the command is stored when the field is left
    }
    return f;
  }
};

TEST_P(StoringPathsTest, StoresWhatTheSettingsFileCanHoldOrRefuses) {
  const StoringCase& c = GetParam();
  const FilePath given = fesk::testing::Utf8Path(c.given);
  if (*c.short_form) paths_.short_forms[given.utf8] = c.short_form;
  WritePrograms({});
  const std::string before = ReadFile(IniPath());
  MainForm& f = Hand(c, given);
  if (*c.stored) {
    EXPECT_TRUE(dialogs_.boxes.empty());
    f.SaveSilently = true;
    f.Save();
    EXPECT_NE(ReadFile(IniPath()).find(std::string("CMDLINE=") + c.stored + "\r\n"), std::string::npos);
  } else {
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].path, given);
    EXPECT_EQ(dialogs_.boxes[0].text, given.utf8 + "\r" + kUnstorablePathText);
    EXPECT_EQ(dialogs_.boxes[0].caption, kUnstorablePathCaption);
    EXPECT_FALSE(f.Modified);
    EXPECT_EQ(ReadFile(IniPath()), before);
  }
}

constexpr char8_t kAccented[] = u8"C:\\Users\\José Müller\\Tools\\a.exe";
constexpr char kAccentedShort[] = "C:\\Users\\JOSMLL~1\\Tools\\a.exe";
constexpr char8_t kJapanese[] = u8"C:\\表\\Ωmega\\b.exe";  // all in code page 932 (表 ends in 0x5C)

const StoringCase kCases[] = {
    {Way::kDropped, kJapanese, "", "C:\\表\\Ωmega\\b.exe"},
    {Way::kDropped, kAccented, kAccentedShort, kAccentedShort},
    {Way::kDropped, kAccented, "", ""},
    {Way::kBrowsed, kJapanese, "", "C:\\表\\Ωmega\\b.exe"},
    {Way::kBrowsed, kAccented, kAccentedShort, kAccentedShort},
    {Way::kBrowsed, kAccented, "", ""},
    {Way::kCommandLine, kJapanese, "", "C:\\表\\Ωmega\\b.exe"},
    {Way::kCommandLine, kAccented, kAccentedShort, kAccentedShort},
    {Way::kCommandLine, kAccented, "", ""},
};
INSTANTIATE_TEST_SUITE_P(Ways, StoringPathsTest, ::testing::ValuesIn(kCases));

// The editor copied into a folder code page 932 cannot spell: it reads and
// saves its own files there, and registers the palette program beside it by
// the folder's short form or not at all.
class ForeignFolderTest : public EditorTest {
 protected:
  std::string FolderPrefix() const override { return fesk::testing::Utf8(u8"feskini-José Müller-"); }
  void ApplyPalette(MainForm& f) { f.ApplyPaletteCommand(&kPaletteCommands[0]); }
};

TEST_F(ForeignFolderTest, TheEditorReadsAndSavesItsOwnFiles) {
  WritePrograms({{"P0", "p0.exe", {}}});
  MainForm& f = Start();
  EXPECT_EQ(Entry(0).discription, "P0");
  TypeInto(f.title_field, "Q0", f.program_list);
  f.SaveSilently = true;
  f.Save();
  EXPECT_FALSE(f.Modified);
  EXPECT_NE(ReadFile(IniPath()).find("DISCRIPTION=Q0\r\n"), std::string::npos);
  EXPECT_TRUE(dialogs_.errors.empty());
}

TEST_F(ForeignFolderTest, ThePaletteProgramIsRegisteredByTheFoldersShortForm) {
  WritePrograms({{"P0", "p0.exe", {}}});
  MainForm& f = Start();
  paths_.short_forms[f.ProgramFolder().utf8] = "C:\\FESKIN~1\\";
  ApplyPalette(f);
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_EQ(Entry(0).cmdline, "C:\\FESKIN~1\\FESKPAL.EXE");
  EXPECT_EQ(Entry(0).workdir, "C:\\FESKIN~1\\");
}

TEST_F(ForeignFolderTest, WithoutAShortFormThePaletteProgramIsRefused) {
  WritePrograms({{"P0", "p0.exe", {}}});
  MainForm& f = Start();
  ApplyPalette(f);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].path, f.ProgramFolder());
  EXPECT_EQ(dialogs_.boxes[0].caption, kUnstorablePathCaption);
  EXPECT_EQ(Entry(0).cmdline, "p0.exe");
  EXPECT_EQ(Entry(0).discription, "P0");
  EXPECT_FALSE(f.Modified);
}

}  // namespace
}  // namespace fesk::editor::testing
