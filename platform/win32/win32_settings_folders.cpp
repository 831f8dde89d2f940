#include "platform/win32/win32_settings_folders.h"

#include "platform/win32/windows_api.h"

#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "common/file_io.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

namespace {

// A name no other file has: the launcher and the editor may probe the same
// folder at the same moment.
std::wstring UniqueName(std::wstring_view stem) {
  return std::wstring(stem) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64()) +
         L".tmp";
}

}  // namespace

// CREATE_NEW never touches a file that is there; what is made is removed
// at once.  A folder where a file can be made but not removed counts as not
// writable: replacing the settings file removes the old one.
bool Win32SettingsFolders::CanCreateFilesIn(const FilePath& folder) {
  const std::wstring probe = Wide(folder) + UniqueName(L"~fesk-probe");
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return DeleteFileW(probe.c_str()) != FALSE;
}

std::optional<FilePath> Win32SettingsFolders::UserSettingsRoot() {
  PWSTR path = nullptr;
  std::optional<FilePath> root;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &path)) && path[0] != 0) {
    std::wstring folder = path;
    if (folder.back() != L'\\') folder += L'\\';
    root = PathOf(folder);
  }
  CoTaskMemFree(path);
  return root;
}

bool Win32SettingsFolders::MakeFolder(const FilePath& folder) {
  const std::wstring wide = Wide(folder);
  if (CreateDirectoryW(wide.c_str(), nullptr)) return true;
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32SettingsFolders::FileExists(const FilePath& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Written under another name and then moved into place without replacing:
// the other program, copying at the same moment or already reading, sees
// the whole file or none, and the first copy stays.
bool Win32SettingsFolders::CopyToNew(const FilePath& from, const FilePath& to) {
  const std::optional<std::string> content = fileio::ReadWholeFile(from);
  if (!content) return false;
  const std::wstring target = Wide(to);
  const std::wstring temporary = Wide(FolderOf(to)) + UniqueName(L"~fesk-copy");
  if (!fileio::WriteWholeFile(PathOf(temporary), *content)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

SettingsPlace SettingsPlaceFor(const FilePath& program_folder) {
  Win32SettingsFolders folders;
  return ChooseSettingsPlace(program_folder, folders);
}

}  // namespace fesk::win32
