#include "common/settings_place.h"

namespace fesk {

namespace {

constexpr const char* kSharedFiles[] = {kSettingsFileName, kGroupTableFileName};

// The user's folder, made when missing; nothing when it cannot be written.
std::optional<FilePath> WritableUserFolder(SettingsFolderPort& folders) {
  const std::optional<FilePath> root = folders.UserSettingsRoot();
  if (!root || root->empty()) return std::nullopt;
  const FilePath folder = InFolder(*root, std::string(kUserSettingsFolderName) + "\\");
  if (!folders.MakeFolder(folder) || !folders.CanCreateFilesIn(folder)) return std::nullopt;
  return folder;
}

// Only into a folder that holds neither file: once the user has saved there,
// what lies beside the programs (a newer sample, say) no longer comes in.
void CopyOnFirstUse(const FilePath& program_folder, const FilePath& user_folder, SettingsFolderPort& folders) {
  for (const char* name : kSharedFiles) {
    if (folders.FileExists(InFolder(user_folder, name))) return;
  }
  for (const char* name : kSharedFiles) {
    const FilePath beside = InFolder(program_folder, name);
    if (folders.FileExists(beside)) folders.CopyToNew(beside, InFolder(user_folder, name));
  }
}

}  // namespace

SettingsPlace ChooseSettingsPlace(const FilePath& program_folder, SettingsFolderPort& folders) {
  if (folders.CanCreateFilesIn(program_folder)) return SettingsPlace{program_folder, true};
  const std::optional<FilePath> user_folder = WritableUserFolder(folders);
  if (!user_folder) return SettingsPlace{program_folder, true};
  CopyOnFirstUse(program_folder, *user_folder, folders);
  return SettingsPlace{*user_folder, false};
}

}  // namespace fesk
