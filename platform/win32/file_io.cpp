// Win32 file operations.  Paths are converted from UTF-8 and the wide
// functions are used, so a folder of any name works on any Windows.
#include "common/file_io.h"

#include "platform/win32/windows_api.h"

#include <cstdint>

#include "platform/win32/text.h"

namespace fesk::fileio {

// Another process replacing the file at this very moment makes an open or a
// rename fail for an instant; such failures are retried for up to a second.
static bool Transient(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

template <typename Attempt>
static bool Retried(Attempt attempt) {
  for (int tries = 0;; ++tries) {
    if (attempt()) return true;
    if (tries == 50 || !Transient(GetLastError())) return false;
    Sleep(20);
  }
}

std::optional<std::string> ReadWholeFile(const FilePath& path) {
  std::wstring wide = win32::Wide(path);
  HANDLE file = INVALID_HANDLE_VALUE;
  Retried([&] {
    file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file != INVALID_HANDLE_VALUE;
  });
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  char buffer[16384];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr)) && got > 0) {
    content.append(buffer, got);
  }
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return content;
}

static bool IsReadOnly(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

static bool WriteAll(const std::wstring& path, std::string_view content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok =
      content.empty() || (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                          written == content.size());
  return CloseHandle(file) && ok;
}

bool ReplaceFileAtomically(const FilePath& path, std::string_view content) {
  std::wstring target = win32::Wide(path);
  if (IsReadOnly(target)) return false;
  std::wstring temporary = target + L".new";
  if (!WriteAll(temporary, content)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  if (!Retried([&] {
        return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
               FALSE;
      })) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

bool WriteWholeFile(const FilePath& path, std::string_view content) {
  std::wstring target = win32::Wide(path);
  if (IsReadOnly(target)) return false;
  return WriteAll(target, content);
}

// A named mutex per settings file: no lock file is left in the user's
// folder, and a holder that dies releases it (the next owner sees it
// abandoned and simply takes it).  The name is a hash of the path's UTF-8
// bytes with ASCII letters upper-cased: both programs build the path the
// same way from their common folder, so they meet at the same mutex.
static std::wstring MutexNameFor(const FilePath& path) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : path.utf8) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  wchar_t name[64];
  wsprintfW(name, L"FeskSettingsFile-%08lX%08lX", static_cast<unsigned long>(hash >> 32),
            static_cast<unsigned long>(hash & 0xFFFFFFFFu));
  return name;
}

CrossProcessLock::CrossProcessLock(const FilePath& path) {
  handle_ = CreateMutexW(nullptr, FALSE, MutexNameFor(path).c_str());
  if (handle_ != nullptr) WaitForSingleObject(static_cast<HANDLE>(handle_), INFINITE);
}

CrossProcessLock::~CrossProcessLock() {
  if (handle_ != nullptr) {
    ReleaseMutex(static_cast<HANDLE>(handle_));
    CloseHandle(static_cast<HANDLE>(handle_));
  }
}

}  // namespace fesk::fileio
