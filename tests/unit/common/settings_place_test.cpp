#include "common/settings_place.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace fesk {
namespace {

const std::string kPrograms = "C:\\Program Files\\Fesk\\";
const std::string kRoaming = "C:\\Users\\ユーザー\\AppData\\Roaming\\";
const std::string kUser = kRoaming + "Fesk\\";

// A file system of a few folders and files, with the folders a user may
// write in.
class FakeFolders : public SettingsFolderPort {
 public:
  std::set<std::string> writable;
  std::set<std::string> folders;
  std::map<std::string, std::string> files;  // path -> content
  std::optional<std::string> roaming = kRoaming;
  std::vector<std::string> copied;  // targets, in order
  std::vector<std::string> probed;

  bool CanCreateFilesIn(const FilePath& folder) override {
    probed.push_back(folder.utf8);
    return folders.count(folder.utf8) != 0 && writable.count(folder.utf8) != 0;
  }
  std::optional<FilePath> UserSettingsRoot() override {
    if (!roaming) return std::nullopt;
    return FilePath(*roaming);
  }
  bool MakeFolder(const FilePath& folder) override {
    if (folders.count(folder.utf8)) return true;
    if (!writable.count(FolderOf(FilePath(folder.utf8.substr(0, folder.utf8.size() - 1))).utf8)) return false;
    folders.insert(folder.utf8);
    writable.insert(folder.utf8);  // the user made it
    return true;
  }
  bool FileExists(const FilePath& path) override { return files.count(path.utf8) != 0; }
  bool CopyToNew(const FilePath& from, const FilePath& to) override {
    if (files.count(to.utf8) || !writable.count(FolderOf(to).utf8)) return false;
    files[to.utf8] = files.at(from.utf8);
    copied.push_back(to.utf8);
    return true;
  }
};

enum Where { kBeside, kInUserFolder };

struct PlaceCase {
  const char* name;
  bool programs_writable;
  std::vector<std::string> beside;      // files lying beside the programs
  std::vector<std::string> user_files;  // files already in %APPDATA%\Fesk
  bool user_folder_exists;
  bool roaming_writable;  // %APPDATA% itself (where Fesk is made)
  bool user_folder_writable;
  bool roaming_known;
  Where expected;
  std::vector<std::string> expected_copies;  // file names copied into the user's folder
};

class SettingsPlaceTable : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(SettingsPlaceTable, ChoosesTheFolderAndCopiesOnFirstUse) {
  const PlaceCase& c = GetParam();
  FakeFolders fs;
  fs.folders = {kPrograms, kRoaming};
  if (c.programs_writable) fs.writable.insert(kPrograms);
  if (c.roaming_writable) fs.writable.insert(kRoaming);
  if (c.user_folder_exists) fs.folders.insert(kUser);
  if (c.user_folder_writable) fs.writable.insert(kUser);
  if (!c.roaming_known) fs.roaming.reset();
  for (const std::string& name : c.beside) fs.files[kPrograms + name] = "beside:" + name;
  for (const std::string& name : c.user_files) fs.files[kUser + name] = "user:" + name;

  const SettingsPlace place = ChooseSettingsPlace(FilePath(kPrograms), fs);

  const std::string folder = c.expected == kBeside ? kPrograms : kUser;
  EXPECT_EQ(place.folder.utf8, folder);
  EXPECT_EQ(place.beside_programs, c.expected == kBeside);
  EXPECT_EQ(place.SettingsFile().utf8, folder + "Fesk.Ini");
  EXPECT_EQ(place.GroupTable().utf8, folder + "FESK.TBL");
  std::vector<std::string> expected_copies;
  for (const std::string& name : c.expected_copies) expected_copies.push_back(kUser + name);
  EXPECT_EQ(fs.copied, expected_copies);
  // What was copied is what lay beside the programs; what the user had stays.
  for (const std::string& name : c.expected_copies) EXPECT_EQ(fs.files[kUser + name], "beside:" + name);
  for (const std::string& name : c.user_files) EXPECT_EQ(fs.files[kUser + name], "user:" + name);
  // The programs' folder is asked first, by a real attempt, every time.
  ASSERT_FALSE(fs.probed.empty());
  EXPECT_EQ(fs.probed.front(), kPrograms);
}

const std::vector<std::string> kBoth = {"Fesk.Ini", "FESK.TBL"};
const std::vector<std::string> kNone = {};

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsPlaceTable,
    ::testing::Values(
        // A portable folder that can be written: nothing changes.
        PlaceCase{"WritableEmpty", true, kNone, kNone, false, true, false, true, kBeside, kNone},
        PlaceCase{"WritableWithFiles", true, kBoth, kNone, false, true, false, true, kBeside, kNone},
        PlaceCase{"WritableWhileTheUserFolderHasFiles", true, kBoth, kBoth, true, true, true, true, kBeside, kNone},
        // "C:\Program Files": the user's folder, made and filled on first use.
        PlaceCase{"UnwritableFirstUseCopiesBoth", false, kBoth, kNone, false, true, false, true, kInUserFolder, kBoth},
        PlaceCase{"UnwritableFirstUseIntoAnEmptyFolder", false, kBoth, kNone, true, false, true, true, kInUserFolder,
                  kBoth},
        PlaceCase{"UnwritableCopiesTheOneFileThere",
                  false,
                  {"Fesk.Ini"},
                  kNone,
                  false,
                  true,
                  false,
                  true,
                  kInUserFolder,
                  {"Fesk.Ini"}},
        PlaceCase{"UnwritableWithNothingBeside", false, kNone, kNone, false, true, false, true, kInUserFolder, kNone},
        // Later uses keep what the user saved there.
        PlaceCase{"UnwritableLaterUseKeepsTheUsersFiles", false, kBoth, kBoth, true, true, true, true, kInUserFolder,
                  kNone},
        PlaceCase{"UnwritableUserSavedOnlySettings",
                  false,
                  kBoth,
                  {"Fesk.Ini"},
                  true,
                  true,
                  true,
                  true,
                  kInUserFolder,
                  kNone},
        PlaceCase{
            "UnwritableUserSavedOnlyGroups", false, kBoth, {"FESK.TBL"}, true, true, true, true, kInUserFolder, kNone},
        // Neither place can be written: beside the programs, where a write
        // fails with its usual error.
        PlaceCase{"NeitherCanBeWritten", false, kBoth, kNone, true, false, false, true, kBeside, kNone},
        PlaceCase{"UserFolderCannotBeMade", false, kBoth, kNone, false, false, false, true, kBeside, kNone},
        PlaceCase{"NoUserFolderKnown", false, kBoth, kNone, false, true, false, false, kBeside, kNone}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

// The launcher and the editor start at the same moment: each decides for
// itself and both come to the same files, copied once.
TEST(SettingsPlace, TwoProgramsDecidingOneAfterTheOtherAgree) {
  FakeFolders fs;
  fs.folders = {kPrograms, kRoaming};
  fs.writable = {kRoaming};
  fs.files[kPrograms + "Fesk.Ini"] = "sample";
  const SettingsPlace launcher = ChooseSettingsPlace(FilePath(kPrograms), fs);
  const SettingsPlace editor = ChooseSettingsPlace(FilePath(kPrograms), fs);
  EXPECT_EQ(launcher, editor);
  EXPECT_EQ(fs.copied, std::vector<std::string>{kUser + "Fesk.Ini"});
}

}  // namespace
}  // namespace fesk
