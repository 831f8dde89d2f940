#include "editor/win32/win32_editor_ports.h"

#include <commdlg.h>
#include <shlobj.h>

#include "platform/win32/text.h"

namespace fesk::win32 {

namespace {

// Paths come back without a trailing backslash, as the editor joins them
// with its own ("C:\" stays a root, "C:").
FilePath WithoutTrailingBackslash(std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return PathOf(path);
}

}  // namespace

std::wstring DialogFilter(std::string_view filter) {
  std::wstring out = Wide(filter);
  for (wchar_t& c : out) {
    if (c == L'|') c = L'\0';
  }
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

namespace {

// The dialog makes the folder the user browses to the current folder (the
// flag that should keep it is ignored by the open dialog), and a current
// folder cannot be removed or renamed while the program runs: the editor's
// own is put back as soon as the dialog closes.
class CurrentFolderKept {
 public:
  CurrentFolderKept() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    folder_.assign(length, L'\0');
    folder_.resize(length > 0 ? GetCurrentDirectoryW(length, folder_.data()) : 0);
  }
  ~CurrentFolderKept() {
    if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());
  }
  CurrentFolderKept(const CurrentFolderKept&) = delete;
  CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

 private:
  std::wstring folder_;
};

}  // namespace

std::optional<FilePath> Win32FileOpenDialog::Execute(const editor::FileOpenRequest& request) {
  const CurrentFolderKept current_folder;
  std::wstring filter = DialogFilter(request.filter);
  std::wstring title = Wide(request.title);
  std::wstring initial = Wide(request.file_name);
  for (int attempt = 0; attempt < 2; ++attempt) {
    // Room for long paths; the editor cuts what it stores.
    std::wstring file(32768, L'\0');
    if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filter_index);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | (request.hide_read_only ? OFN_HIDEREADONLY : 0);
    if (GetOpenFileNameW(&dialog)) {
      file.resize(wcslen(file.c_str()));
      return PathOf(file);
    }
    // A command field that is no valid file name (an option or a quote in
    // it) keeps the dialog from opening at all; it opens without it then.
    if (CommDlgExtendedError() != FNERR_INVALIDFILENAME || initial.empty()) break;
    initial.clear();
  }
  return std::nullopt;
}

FilePath Win32Desktop::WindowsDirectory() {
  wchar_t folder[256] = {};
  UINT length = GetWindowsDirectoryW(folder, 256);
  if (length == 0 || length >= 256) return {};
  return WithoutTrailingBackslash(std::wstring(folder, length));
}

bool Win32Desktop::IsWindows95Family() { return (GetVersion() & 0x80000000u) != 0; }

std::optional<std::string> Win32Desktop::UserName() {
  wchar_t name[129] = {};
  DWORD size = 129;
  if (!GetUserNameW(name, &size)) return std::nullopt;
  return Utf8(name);
}

std::vector<std::string> Win32Desktop::FindEntries(const FilePath& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(Wide(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(Utf8(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool Win32Desktop::FolderExists(const FilePath& folder) {
  DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FilePath Win32Desktop::ShellDesktopFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  return WithoutTrailingBackslash(folder);
}

// lstrcmpA is CompareStringA in the thread's locale: on a Japanese Windows
// the bytes are read as code page 932 and ordered by the Japanese sort.
// Calling lstrcmpA here would read them in whatever code page this Windows
// has (on a Western one, a kanji name as two Latin letters), so the names
// are converted from code page 932 and compared with the Japanese locale
// named explicitly, which is what lstrcmpA does on a Japanese system.
int JapaneseLstrcmp(const std::string& a, const std::string& b) {
  static const LCID kJapanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN), SORT_DEFAULT);
  std::wstring wide_a = Wide(a), wide_b = Wide(b);
  int result = CompareStringW(kJapanese, 0, wide_a.c_str(), static_cast<int>(wide_a.size()), wide_b.c_str(),
                              static_cast<int>(wide_b.size()));
  if (result == 0) return a.compare(b);  // no such locale: plain byte order
  return result - CSTR_EQUAL;
}

}  // namespace fesk::win32
