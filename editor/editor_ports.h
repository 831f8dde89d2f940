// Platform needs of the editor beyond the common ports: the file-open dialog
// of the browse button and what the desktop import asks of the system.  The
// Win32 layer implements them with GetOpenFileNameA-style dialogs and the
// kernel and shell calls named below; tests script them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_path.h"

namespace fesk::editor {

struct FileOpenRequest {
  std::string title;
  // Choices as "description|pattern|description|pattern ...".
  std::string filter;
  int filter_index = 1;   // 1-based choice selected when the dialog opens
  std::string file_name;  // initial file name
  bool hide_read_only = true;
  friend bool operator==(const FileOpenRequest&, const FileOpenRequest&) = default;
};

class FileOpenDialogPort {
 public:
  virtual ~FileOpenDialogPort() = default;
  // The chosen file's full path as Windows spells it, or nothing when the
  // user cancels.
  virtual std::optional<FilePath> Execute(const FileOpenRequest& request) = 0;
};

// The desktop's folder and names as Windows spells them (UTF-8): a user
// folder of any name ("C:\\Users\\José\\Desktop") is searched where it is.
class DesktopPort {
 public:
  virtual ~DesktopPort() = default;
  // GetWindowsDirectoryW (room for 255 characters), without trailing "\".
  virtual FilePath WindowsDirectory() = 0;
  // True on the Windows 95 family (top bit of GetVersion set).
  virtual bool IsWindows95Family() = 0;
  // GetUserNameW with room for 128 characters, UTF-8; nothing when it fails.
  virtual std::optional<std::string> UserName() = 0;
  // Names (UTF-8) of the entries matching the pattern (FindFirstFileW and
  // FindNextFileW), in the order the file system returns them, "." and ".."
  // included; empty when the search finds nothing or fails.
  virtual std::vector<std::string> FindEntries(const FilePath& pattern) = 0;
  virtual bool FolderExists(const FilePath& folder) = 0;
  // The user's real desktop folder as the shell names it
  // (CSIDL_DESKTOPDIRECTORY), without trailing "\"; empty when unknown.
  virtual FilePath ShellDesktopFolder() = 0;
};

}  // namespace fesk::editor
