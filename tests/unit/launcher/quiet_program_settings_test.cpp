// The quiet program list in the settings dialog and the settings file:
// QUIETPROGRAMS loaded into the list, edited with the add and remove
// buttons, saved with OK and restored with Cancel.
#include <gtest/gtest.h>

#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

using Names = std::vector<std::string>;

class QuietProgramSettingsTest : public LauncherTest {
 protected:
  SettingsDialog& CreateWith(std::vector<std::string> system) {
    std::vector<std::string> lines{"[SYSTEM]"};
    lines.insert(lines.end(), system.begin(), system.end());
    lines.insert(lines.end(), {"[CMD0]", "DISCRIPTION=App", "CMDLINE=app.exe", "ACTCODE=lr", "RUNPOS=111111111"});
    WriteIniLines(lines);
    return Create();
  }
  std::string Stored() const {
    return SettingsFile(FilePath(IniPath())).ReadString("SYSTEM", "QUIETPROGRAMS", "(none)");
  }
  void Type(SettingsDialog& f, std::string name) {
    f.quiet_program_field.text = std::move(name);
    f.add_quiet_program_button.on_click();
  }
  void RemoveAt(SettingsDialog& f, int index) {
    f.quiet_program_list.item_index = index;
    f.remove_quiet_program_button.on_click();
  }
  void RightStroke() { Stroke(kShiftCtrl, Line({100, 100}, {300, 100})); }
};

TEST_F(QuietProgramSettingsTest, TheFileListFillsTheListBox) {
  SettingsDialog& f = CreateWith({"QUIETPROGRAMS=mspaint.exe| mstsc.exe"});
  EXPECT_EQ(f.quiet_program_list.items, (Names{"mspaint.exe", "mstsc.exe"}));
  EXPECT_EQ(f.options.quiet_programs.names(), (Names{"mspaint.exe", "mstsc.exe"}));
}

TEST_F(QuietProgramSettingsTest, MissingKeyOrEmptyValueListsNothing) {
  for (const char* line : {"HINT=ON", "QUIETPROGRAMS=", "QUIETPROGRAMS=|"}) {
    SettingsDialog& f = CreateWith({line});
    EXPECT_TRUE(f.quiet_program_list.items.empty()) << line;
    EXPECT_TRUE(f.options.quiet_programs.empty()) << line;
  }
}

TEST_F(QuietProgramSettingsTest, AddTakesTheFileNameAndOkSavesItLast) {
  SettingsDialog& f = CreateWith({"HINT=ON"});
  Type(f, "C:\\Windows\\System32\\mspaint.exe");
  EXPECT_EQ(f.quiet_program_list.items, (Names{"mspaint.exe"}));
  EXPECT_EQ(f.quiet_program_list.item_index, 0) << "the new name is selected";
  EXPECT_TRUE(f.quiet_program_field.text.empty());
  Type(f, "MSPAINT.EXE");
  EXPECT_EQ(f.quiet_program_field.text, "MSPAINT.EXE") << "listed already: kept for the user to see";
  f.quiet_program_field.text = "mstsc.exe";
  f.quiet_program_field.on_enter_key();
  EXPECT_EQ(f.quiet_program_list.items, (Names{"mspaint.exe", "mstsc.exe"}));
  f.Ok();
  EXPECT_EQ(Stored(), "mspaint.exe|mstsc.exe");
  const std::string ini = ReadIni();
  EXPECT_NE(ini.find("AUTOSTART=0\r\nPREVIEW=1\r\nQUIETPROGRAMS=mspaint.exe|mstsc.exe\r\n[CMD0]"), std::string::npos)
      << ini;
}

TEST_F(QuietProgramSettingsTest, AnEditAppliesAtOnce) {
  SettingsDialog& f = CreateWith({"FULLSCREENQUIET=0"});
  foreground.OwnedBy("mspaint.exe");
  Type(f, "mspaint.exe");
  RightStroke();
  EXPECT_TRUE(shell.opens.empty());
  RemoveAt(f, 0);
  RightStroke();
  EXPECT_EQ(shell.opens.size(), 1u);
}

TEST_F(QuietProgramSettingsTest, RemoveTakesTheSelectedNameOff) {
  SettingsDialog& f = CreateWith({"QUIETPROGRAMS=a.exe|b.exe|c.exe"});
  f.quiet_program_list.item_index = -1;
  f.remove_quiet_program_button.on_click();
  EXPECT_EQ(f.quiet_program_list.items.size(), 3u) << "nothing selected, nothing removed";
  RemoveAt(f, 1);
  EXPECT_EQ(f.quiet_program_list.items, (Names{"a.exe", "c.exe"}));
  EXPECT_EQ(f.quiet_program_list.item_index, 1) << "the next name is selected";
  RemoveAt(f, 1);
  EXPECT_EQ(f.quiet_program_list.item_index, 0);
  f.Ok();
  EXPECT_EQ(Stored(), "a.exe");
}

// A file that had the key keeps it, empty; one that never had it is left
// without it.
TEST_F(QuietProgramSettingsTest, EmptyListIsWrittenOnlyOverTheKey) {
  SettingsDialog& f = CreateWith({"QUIETPROGRAMS=a.exe"});
  RemoveAt(f, 0);
  f.Ok();
  EXPECT_EQ(Stored(), "");
  SettingsDialog& g = CreateWith({"HINT=ON"});
  g.Ok();
  EXPECT_EQ(Stored(), "(none)");
  EXPECT_EQ(ReadIni().find("QUIETPROGRAMS"), std::string::npos);
}

TEST_F(QuietProgramSettingsTest, CancelRestoresTheList) {
  SettingsDialog& f = CreateWith({"QUIETPROGRAMS=a.exe|b.exe"});
  RemoveAt(f, 0);
  Type(f, "c.exe");
  f.Cancel();
  EXPECT_EQ(f.quiet_program_list.items, (Names{"a.exe", "b.exe"}));
  EXPECT_EQ(f.options.quiet_programs.names(), (Names{"a.exe", "b.exe"}));
  EXPECT_EQ(Stored(), "a.exe|b.exe");
}

TEST_F(QuietProgramSettingsTest, ThePageOffersTheProgramsOfTheOpenWindows) {
  SettingsDialog& f = CreateWith({});
  open_programs.files = {"explorer.exe", "mspaint.exe"};
  EXPECT_EQ(open_programs.asked, 0) << "not before the page is shown";
  f.pages.active_page = kQuietPage;
  f.PageChange();
  EXPECT_EQ(f.open_program_list.items, (Names{"explorer.exe", "mspaint.exe"}));
  f.open_program_list.Select(1);
  EXPECT_EQ(f.quiet_program_field.text, "mspaint.exe");
  f.add_quiet_program_button.on_click();
  EXPECT_EQ(f.quiet_program_list.items, (Names{"mspaint.exe"}));
  EXPECT_EQ(f.open_program_list.item_index, -1);
  f.pages.active_page = kActionPage;
  f.PageChange();
  EXPECT_EQ(open_programs.asked, 1) << "other pages do not ask";
}

}  // namespace
}  // namespace fesk::testing
