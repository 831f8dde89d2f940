// Test folders, the programs of the build, and file contents.
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/internal.h"

namespace fesk::e2e {

namespace internal {

std::wstring WindowsPath(std::wstring path) {
  if (path.empty() || path[0] != L'/') return path;
  for (wchar_t& c : path) {
    if (c == L'/') c = L'\\';
  }
  return L"Z:" + path;
}

std::wstring Environment(const wchar_t* name) {
  DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
  if (length == 0) return {};
  std::wstring value(length, L'\0');
  length = GetEnvironmentVariableW(name, value.data(), length);
  value.resize(length);
  return value;
}

}  // namespace internal

namespace {

// Sharing violations are short-lived here: a recorder appending its record,
// a program that is still closing.  Opening retries for a while.
HANDLE OpenWithRetry(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  for (int attempt = 0;; ++attempt) {
    HANDLE file = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    DWORD error = GetLastError();
    if ((error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION && error != ERROR_ACCESS_DENIED) ||
        attempt >= 100) {
      return INVALID_HANDLE_VALUE;
    }
    Sleep(20);
  }
}

}  // namespace

std::wstring OwnFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ParentFolder(path);
}

std::wstring WinBuildFolder() { return FullPath(OwnFolder() + L"\\..\\.."); }

std::wstring LauncherExe() {
  std::wstring chosen = internal::Environment(L"FESK_LAUNCHER_EXE");
  if (!chosen.empty()) return internal::WindowsPath(chosen);
  return WinBuildFolder() + L"\\launcher\\win32\\Fesk.exe";
}

std::wstring EditorExe() {
  std::wstring chosen = internal::Environment(L"FESK_EDITOR_EXE");
  if (!chosen.empty()) return internal::WindowsPath(chosen);
  return WinBuildFolder() + L"\\editor\\win32\\FeskINI.exe";
}

std::wstring RecorderExe() { return OwnFolder() + L"\\recorder.exe"; }

std::wstring FileName(std::wstring_view path) {
  std::size_t slash = path.find_last_of(L"\\/");
  return std::wstring(slash == std::wstring_view::npos ? path : path.substr(slash + 1));
}

std::wstring ParentFolder(std::wstring_view path) {
  std::size_t slash = path.find_last_of(L"\\/");
  return std::wstring(slash == std::wstring_view::npos ? std::wstring_view{} : path.substr(0, slash));
}

std::wstring FullPath(const std::wstring& path) {
  DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring full(length, L'\0');
  length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
  full.resize(length);
  return full;
}

bool SamePath(std::wstring_view a, std::wstring_view b) {
  auto trim = [](std::wstring_view path) {
    if (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.remove_suffix(1);
    return std::wstring(path);
  };
  const std::wstring left = trim(a), right = trim(b);
  return CompareStringOrdinal(left.c_str(), -1, right.c_str(), -1, TRUE) == CSTR_EQUAL;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool MakeFolders(const std::wstring& path) {
  if (path.empty()) return false;
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  std::wstring parent = ParentFolder(path);
  if (!parent.empty() && parent.back() != L':' && !MakeFolders(parent)) return false;
  return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool RemoveTree(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(path.c_str()) != 0;
  }
  bool removed = true;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      removed = RemoveTree(path + L"\\" + name) && removed;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return RemoveDirectoryW(path.c_str()) != 0 && removed;
}

std::wstring MakeTestFolder(std::wstring_view name) {
  wchar_t temp[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  std::wstring base(temp, length);
  if (!base.empty() && base.back() == L'\\') base.pop_back();
  std::wstring folder = base + L"\\fesk-e2e\\" + std::wstring(name);
  // Files of an earlier run may still be held by its programs for a moment.
  WaitUntil([&] { return RemoveTree(folder); }, 5000, 100);
  if (!MakeFolders(folder)) {
    Log(L"cannot make the test folder " + folder);
    return {};
  }
  return folder;
}

std::wstring CopyInto(const std::wstring& source, const std::wstring& folder, std::wstring_view new_name) {
  std::wstring target = folder + L"\\" + (new_name.empty() ? FileName(source) : std::wstring(new_name));
  MakeFolders(folder);
  if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) {
    Log(L"cannot copy " + source + L" to " + target + L" (error " + std::to_wstring(GetLastError()) + L")");
    return {};
  }
  return target;
}

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  HANDLE file = OpenWithRetry(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  if (file == INVALID_HANDLE_VALUE) {
    Log(L"cannot write " + path);
    return false;
  }
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool WriteCp932File(const std::wstring& path, std::wstring_view text) { return WriteFileBytes(path, Cp932(text)); }

bool WriteUtf8File(const std::wstring& path, std::wstring_view text) { return WriteFileBytes(path, Utf8(text)); }

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  if (!FileExists(path)) return std::nullopt;
  HANDLE file =
      OpenWithRetry(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::optional<std::wstring> ReadCp932File(const std::wstring& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return FromCp932(*bytes);
}

std::optional<std::wstring> ReadUtf8File(const std::wstring& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  std::string_view text = *bytes;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return FromUtf8(text);
}

}  // namespace fesk::e2e
