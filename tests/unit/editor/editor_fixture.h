// A headless editor in a temporary program folder, with scripted platform
// doubles.
//
// The program folder is "<temp>/\": on this system the backslash is an
// ordinary file-name character, so the editor's "<folder>Fesk.Ini" is the
// file "\Fesk.Ini" inside the temporary directory.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/main_form.h"
#include "platform/fake/fake_ports.h"
#include "tests/support/editor_fakes.h"
#include "tests/support/utf8_path.h"

namespace fesk::editor::testing {

struct Program {
  std::string title, command;
  std::map<std::string, std::string> keys{};  // further keys of the section
};

// Settings-file text: sections in order, keys in order, CR LF.
inline std::string IniText(
    const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>& sections) {
  std::string text;
  for (const auto& [name, keys] : sections) {
    text += "[" + name + "]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
  }
  return text;
}

class EditorTest : public ::testing::Test {
 protected:
  // The start of the program folder's name.
  virtual std::string FolderPrefix() const { return "feskini-"; }

  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / (FolderPrefix() + "XXXXXX")).string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    form_.reset();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(dir_, ignored)) {
      ::chmod(entry.path().c_str(), 0644);
    }
    std::filesystem::remove_all(dir_, ignored);
  }

  std::string Folder() const { return dir_.string() + "/\\"; }
  std::string ExePath() const { return Folder() + "FeskINI.exe"; }
  // Where the editor keeps its two files: beside it, unless a test chose a
  // folder apart (as the user's own folder is when the program folder
  // cannot be written).
  std::string SettingsFolder() const { return settings_folder_.empty() ? Folder() : settings_folder_; }
  void KeepSettingsApart() {
    std::filesystem::create_directory(dir_ / "user");
    settings_folder_ = (dir_ / "user").string() + "/\\";
  }
  std::string IniPath() const { return SettingsFolder() + "Fesk.Ini"; }
  std::string TablePath() const { return SettingsFolder() + "FESK.TBL"; }

  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

  // Writes programs as CMD0, CMD1 ... (title and command first, then the
  // further keys) after an optional FESKIN section.
  void WritePrograms(const std::vector<Program>& programs,
                     const std::vector<std::pair<std::string, std::string>>& feskin = {}) {
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
    if (!feskin.empty()) sections.push_back({"FESKIN", feskin});
    for (std::size_t n = 0; n < programs.size(); ++n) {
      std::vector<std::pair<std::string, std::string>> keys = {{"DISCRIPTION", programs[n].title},
                                                               {"CMDLINE", programs[n].command}};
      for (const auto& [key, value] : programs[n].keys) keys.emplace_back(key, value);
      sections.push_back({"CMD" + std::to_string(n), keys});
    }
    WriteFile(IniPath(), IniText(sections));
  }
  void WriteTable(const std::string& bytes) { WriteFile(TablePath(), bytes); }

  // Starts the editor as the program does (FormCreate), with an empty group
  // table unless the test wrote one or removed it.
  MainForm& Start(const std::vector<std::string>& parameters = {}, bool with_table = true) {
    if (with_table && !FileExists(TablePath())) WriteTable("");
    form_ =
        std::make_unique<MainForm>(EditorPorts{dialogs_, shell_, clock_, open_dialog_, desktop_, &key_names_, &paths_},
                                   FilePath(ExePath()), FilePath(SettingsFolder()));
    form_->FormCreate(parameters);
    return *form_;
  }
  MainForm& form() { return *form_; }

  // A user's click on a button: the focus moves to it, then it acts.
  template <typename Handler>
  void Click(Control& button, Handler handler) {
    form_->FocusControl(button);
    (form_.get()->*handler)();
  }
  // The user selects list position p.
  void SelectListItem(int position) {
    form_->FocusControl(form_->program_list);
    form_->program_list.item_index = position;
    form_->ProgramListClick();
  }
  // The user types into a field and moves the focus on.
  void TypeInto(Edit& edit, const std::string& text, Control& next) {
    form_->FocusControl(edit);
    edit.text = text;
    form_->FocusControl(next);
  }
  const ProgramEntry& Entry(int slot) { return form_->ProgramTable[static_cast<std::size_t>(slot)]; }
  const ProgramEntry& Selected() { return Entry(form_->ListSlotMap[static_cast<std::size_t>(form_->CurrentItem)]); }

  std::filesystem::path dir_;
  fake::FakeDialogs dialogs_;
  fake::FakeShell shell_;
  fake::FakeClock clock_;
  FakeOpenDialog open_dialog_;
  FakeDesktop desktop_;
  fake::FakePaths paths_;
  FakeKeyNames key_names_;
  std::unique_ptr<MainForm> form_;
  std::string settings_folder_;
};

}  // namespace fesk::editor::testing
