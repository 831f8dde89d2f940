// The editor whose settings live apart from it (the user's own folder, when
// its program folder cannot be written): both files are read and saved
// there, LINK is read there, and what belongs to the program folder (the
// palette program) stays there.
#include "editor/palette_dialog.h"
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class SettingsFolderTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    KeepSettingsApart();
  }
  std::string BesideTheEditor(const char* name) const { return Folder() + name; }
};

TEST_F(SettingsFolderTest, ReadsAndSavesBothFilesInTheSettingsFolder) {
  WritePrograms({{"P0", "p0.exe", {{"GROUP", "道具"}}}});
  WriteTable("道具\r\n");
  WriteFile(BesideTheEditor("Fesk.Ini"), "[CMD0]\r\nDISCRIPTION=beside\r\nCMDLINE=b.exe\r\n");
  MainForm& f = Start();
  EXPECT_EQ(Entry(0).discription, "P0");
  ASSERT_EQ(f.program_list.items.size(), 1u);

  TypeInto(f.title_field, "Q0", f.program_list);
  f.SaveSilently = true;
  ASSERT_TRUE(f.Save());
  EXPECT_TRUE(dialogs_.errors.empty());
  EXPECT_NE(ReadFile(IniPath()).find("DISCRIPTION=Q0\r\n"), std::string::npos);
  EXPECT_EQ(ReadFile(TablePath()), "道具\r\n");
  EXPECT_EQ(ReadFile(BesideTheEditor("Fesk.Ini")), "[CMD0]\r\nDISCRIPTION=beside\r\nCMDLINE=b.exe\r\n");
  EXPECT_FALSE(FileExists(BesideTheEditor("FESK.TBL")));
}

TEST_F(SettingsFolderTest, TheTransferredCodeIsReadFromTheSettingsFolder) {
  WritePrograms({{"P0", "p0.exe", {}}});
  WriteFile(IniPath(), ReadFile(IniPath()) + "[SYSTEM]\r\nLINK=lR\r\n");
  WriteFile(BesideTheEditor("Fesk.Ini"), "[SYSTEM]\r\nLINK=rl\r\n");
  MainForm& f = Start();
  f.ReadMouseAction();
  EXPECT_EQ(Selected().actcode, "lR");
}

TEST_F(SettingsFolderTest, ThePaletteProgramIsStillTheOneBesideTheEditor) {
  WritePrograms({{"P0", "p0.exe", {}}});
  MainForm& f = Start();
  f.ApplyPaletteCommand(&kPaletteCommands[0]);
  EXPECT_EQ(Entry(0).cmdline, Folder() + "FESKPAL.EXE");
  EXPECT_EQ(Entry(0).workdir, Folder());
}

}  // namespace
}  // namespace fesk::editor::testing
