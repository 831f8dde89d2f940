// The version page names the settings file the launcher uses.
#include "launcher/ui/settings_file_caption.h"

#include <gtest/gtest.h>

#include "launcher_fixture.h"
#include "tests/support/utf8_path.h"

namespace fesk::testing {
namespace {

struct CaptionCase {
  const char* name;
  std::string path;        // UTF-8
  std::string short_form;  // empty: none known
  std::string shown;       // code page 932 (the literals are)
};

class SettingsFileCaptionTable : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(SettingsFileCaptionTable, ShowsThePathOnItsOwnLine) {
  const CaptionCase& c = GetParam();
  fake::FakePaths paths;
  if (!c.short_form.empty()) paths.short_forms[c.path] = c.short_form;
  EXPECT_EQ(SettingsFileCaption(FilePath(c.path), &paths), "設定ファイル:\r\n" + c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFileCaptionTable,
    ::testing::Values(CaptionCase{"Beside", "C:\\Tools\\Fesk\\Fesk.Ini", "", "C:\\Tools\\Fesk\\Fesk.Ini"},
                      CaptionCase{"UsersFolder", Utf8(u8"C:\\Users\\山田\\AppData\\Roaming\\Fesk\\Fesk.Ini"), "",
                                  "C:\\Users\\山田\\AppData\\Roaming\\Fesk\\Fesk.Ini"},
                      CaptionCase{"ShortForm", "C:\\Users\\Jos\xC3\xA9\\AppData\\Roaming\\Fesk\\Fesk.Ini",
                                  "C:\\Users\\JOSE~1\\AppData\\Roaming\\Fesk\\Fesk.Ini",
                                  "C:\\Users\\JOSE~1\\AppData\\Roaming\\Fesk\\Fesk.Ini"},
                      CaptionCase{"NoShortForm", "C:\\Users\\Jos\xC3\xA9 M\xC3\xBCller\\Fesk.Ini", "",
                                  "C:\\Users\\Jos? M?ller\\Fesk.Ini"},
                      CaptionCase{"BrokenUtf8", "C:\\a\xE3\x81\\Fesk.Ini", "", "C:\\a??\\Fesk.Ini"}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

class VersionPageTest : public LauncherTest {};

TEST_F(VersionPageTest, NamesTheSettingsFileInUse) {
  SettingsDialog& f = Create();
  EXPECT_EQ(f.settings_file_label.caption, "設定ファイル:\r\n" + IniPath());
  EXPECT_FALSE(f.settings_file_label.hint.empty());
  bool listed = false;
  for (const LaidOutControl& placed : f.layout.controls()) {
    if (std::get_if<Label*>(&placed.model) && *std::get_if<Label*>(&placed.model) == &f.settings_file_label) {
      listed = true;
      EXPECT_EQ(placed.page, kVersionPage);
    }
  }
  EXPECT_TRUE(listed);
}

}  // namespace
}  // namespace fesk::testing
