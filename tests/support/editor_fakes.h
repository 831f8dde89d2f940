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
#include "common/text_encoding.h"
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

// The folders and names are given as the tests write them: in code page
// 932 (Japanese names), or in UTF-8 with utf8_texts set; the port speaks
// UTF-8 as Windows spells names.
class FakeDesktop : public DesktopPort {
 public:
  std::string windows_directory = "C:\\WINDOWS";
  bool windows95 = false;
  std::optional<std::string> user_name = "taro";
  std::map<std::string, std::vector<std::string>> entries;  // by pattern
  std::set<std::string> existing_folders;
  std::string shell_desktop = "C:\\Users\\taro\\Desktop";
  std::vector<std::string> searched;
  bool utf8_texts = false;

  std::string Utf8(const std::string& text) const { return utf8_texts ? text : encoding::Cp932ToUtf8(text); }
  std::string AsWritten(const std::string& utf8) const {
    return utf8_texts ? utf8 : encoding::Utf8ToCp932Exactly(utf8).value_or(utf8);
  }

  FilePath WindowsDirectory() override { return FilePath(Utf8(windows_directory)); }
  bool IsWindows95Family() override { return windows95; }
  std::optional<std::string> UserName() override {
    if (!user_name) return std::nullopt;
    return Utf8(*user_name);
  }
  std::vector<std::string> FindEntries(const FilePath& pattern) override {
    searched.push_back(AsWritten(pattern.utf8));
    auto it = entries.find(searched.back());
    std::vector<std::string> names;
    if (it != entries.end()) {
      for (const std::string& name : it->second) names.push_back(Utf8(name));
    }
    return names;
  }
  bool FolderExists(const FilePath& folder) override { return existing_folders.count(AsWritten(folder.utf8)) > 0; }
  FilePath ShellDesktopFolder() override { return FilePath(Utf8(shell_desktop)); }
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
