// Scripted doubles of the editor's own ports (the file-open dialog, the
// desktop folders, the layout's key names), for the unit tests and the fuzz
// targets.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/hotkey_text.h"
#include "editor/editor_ports.h"

namespace fesk::editor::testing {

class FakeOpenDialog : public FileOpenDialogPort {
 public:
  std::vector<FileOpenRequest> requests;
  std::deque<std::optional<FilePath>> answers;  // empty: Cancel

  std::optional<FilePath> Execute(const FileOpenRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class FakeDesktop : public DesktopPort {
 public:
  std::string windows_directory = "C:\\WINDOWS";
  bool windows95 = false;
  std::optional<std::string> user_name = "taro";
  std::map<std::string, std::vector<std::string>> entries;  // by pattern
  std::set<std::string> existing_folders;
  std::string shell_desktop = "C:\\Users\\taro\\Desktop";
  std::vector<std::string> searched;

  std::string WindowsDirectory() override { return windows_directory; }
  bool IsWindows95Family() override { return windows95; }
  std::optional<std::string> UserName() override { return user_name; }
  std::vector<std::string> FindEntries(std::string_view pattern) override {
    searched.emplace_back(pattern);
    auto it = entries.find(std::string(pattern));
    return it == entries.end() ? std::vector<std::string>{} : it->second;
  }
  bool FolderExists(std::string_view folder) override { return existing_folders.count(std::string(folder)) > 0; }
  std::string ShellDesktopFolder() override { return shell_desktop; }
};

// The layout's one-character key names for keys without a fixed name.
class FakeKeyNames : public KeyNameSource {
 public:
  std::string KeyName(int virtual_key) const override {
    if (virtual_key == 0xBA) return ";";
    if (virtual_key == 0xC0) return "@";
    if (virtual_key == 0xDE) return "^";                         // as on the Japanese layout
    if (virtual_key == 0xBF || virtual_key == 0x6F) return "/";  // main and keypad
    return "";
  }
};

}  // namespace fesk::editor::testing
