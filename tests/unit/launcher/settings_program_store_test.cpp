// The registered programs as the launcher reads them from its settings file:
// every question reads the file as it is now.
#include <gtest/gtest.h>

#include "common/settings_file.h"
#include "launcher/services/settings_program_store.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

class SettingsProgramStoreTest : public LauncherTest {
 protected:
  SettingsFileProgramStore store{FilePath(IniPath())};
};

TEST_F(SettingsProgramStoreTest, LaunchKeysAreReadAsTheFileHoldsThemNow) {
  WriteIni({"[CMD3]", "DISCRIPTION=App", "CMDLINE=app.exe", "CMDSHOW=SW_SHOWMINIMIZED", "OPTION=-x", "WORKDIR=C:\\w",
            "RUNPOS=011111111"});
  CurrentProgram program = store.Program(3);
  EXPECT_EQ(program.CommandLine, "app.exe");
  EXPECT_EQ(program.ShowCommand, 2);
  EXPECT_EQ(program.Option, "-x");
  EXPECT_EQ(program.WorkDir, "C:\\w");
  EXPECT_EQ(program.Title, "App");
  EXPECT_EQ(store.Title(3), "App");
  EXPECT_EQ(store.RunPos(3), "011111111");
  WriteIni({"[CMD3]", "DISCRIPTION=Renamed", "CMDLINE=new.exe"});
  EXPECT_EQ(store.Program(3).CommandLine, "new.exe");
  EXPECT_EQ(store.Title(3), "Renamed");
}

TEST_F(SettingsProgramStoreTest, MissingKeysGiveTheLaunchersDefaults) {
  WriteIni({"[CMD0]", "CMDLINE=app.exe"});
  EXPECT_EQ(store.Program(0).ShowCommand, 5);
  EXPECT_EQ(store.Title(0), "<ﾀｲﾄﾙ未登録>");
  EXPECT_EQ(store.Program(0).Title, "<ﾀｲﾄﾙ未登録>");
  EXPECT_EQ(store.RunPos(0), "000000000");
  EXPECT_EQ(store.Program(1).CommandLine, "");
}

TEST_F(SettingsProgramStoreTest, LinkIsWrittenToSectionSystem) {
  WriteIni({"[SYSTEM]", "LINK=old"});
  store.WriteLink("lL");
  EXPECT_EQ(SettingsFile(FilePath(IniPath())).ReadString("SYSTEM", "LINK", "?"), "lL");
  SettingsFileProgramStore nowhere{FilePath(folder.File("missing/Fesk.Ini"))};
  EXPECT_THROW(nowhere.WriteLink("lL"), FeskError);
}

}  // namespace
}  // namespace fesk::testing
