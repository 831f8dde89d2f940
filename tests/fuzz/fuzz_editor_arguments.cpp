// Any text as the editor's command line and as files dropped on the
// programs.  The input's first line is the command line (as GetCommandLine
// gives it, program name first); every further line is the path of one
// dropped file.
//
// Splitting the command line must give parameters without quotes that,
// quoted and joined again, split to themselves; a file dropped on the
// launcher must reach the editor as exactly the path the settings file can
// hold (or not at all, after the box that refuses it); the editor started
// with the parameters of a launcher hand-off on two registered programs,
// then given the dropped files, must keep its model's rules and save what it
// holds so that it loads back.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "common/storable_path.h"
#include "editor/command_line.h"
#include "editor_fuzzing.h"
#include "tests/support/headless_launcher.h"

namespace {

using fesk::fuzz::Check;

constexpr char kSettings[] =
    "[CMD0]\r\nDISCRIPTION=メモ帳\r\nCMDLINE=C:\\WINDOWS\\notepad.exe\r\n"
    "[CMD1]\r\nDISCRIPTION=電卓\r\nCMDLINE=calc.exe\r\n";

void CheckSplit(std::string_view line, const std::vector<std::string>& parameters) {
  std::size_t bytes = 0;
  bool empty = false;
  std::string joined = "\"C:\\Fesk\\FESKINI.EXE\"";
  for (const std::string& parameter : parameters) {
    Check(parameter.find('"') == std::string::npos, "a parameter holds no quote");
    Check(parameter.find('\0') == std::string::npos, "a parameter holds no NUL");
    bytes += parameter.size();
    empty = empty || parameter.empty();
    joined += " \"" + parameter + "\"";
  }
  Check(bytes <= line.size(), "the parameters come from the line");
  if (!empty) {
    Check(fesk::editor::CommandLineParameters(joined) == parameters, "quoted parameters split to themselves");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = fesk::fuzz::AsText(data, size);
  const std::size_t line_end = input.find('\n');
  const std::string_view line = input.substr(0, line_end);
  std::vector<std::string> dropped;
  for (std::size_t at = line_end; at != std::string_view::npos && at < input.size();) {
    std::size_t next = input.find('\n', at + 1);
    std::string_view path = input.substr(at + 1, next == std::string_view::npos ? next : next - at - 1);
    if (!path.empty()) dropped.emplace_back(path);
    at = next;
  }

  const std::vector<std::string> parameters = fesk::editor::CommandLineParameters(line);
  CheckSplit(line, parameters);

  // The launcher's hand-off of dropped files needs no settings.
  static fesk::testing::HeadlessLauncher launcher("Fesk.Ini");
  for (const std::string& path : dropped) {
    launcher.shell.opens.clear();
    launcher.form.FormDropFiles({fesk::FilePath(path)});
    const std::optional<std::string> storable = fesk::StorableForm(fesk::FilePath(path), nullptr);
    Check(launcher.shell.opens.size() == (storable ? 1u : 0u), "one editor per dropped file the file can hold");
    if (!storable) continue;
    const std::string command_line = "\"" + launcher.shell.opens[0].file + "\" " + launcher.shell.opens[0].parameters;
    if (storable->find('"') == std::string::npos && storable->find('\0') == std::string::npos) {
      Check(fesk::editor::CommandLineParameters(command_line) == std::vector<std::string>{*storable},
            "the editor is given the dropped path");
    }
  }

  static const fesk::fuzz::ScratchFolder folder;
  folder.Clear();
  const std::string program_folder = folder.ProgramFolder();
  fesk::fuzz::ScratchFolder::Write(program_folder + "Fesk.Ini", kSettings);
  fesk::fuzz::ScratchFolder::Write(program_folder + "FESK.TBL", "");
  fesk::fuzz::Editor editor(program_folder + "FeskINI.exe", parameters);
  fesk::editor::MainForm& f = *editor.form;
  fesk::fuzz::CheckModel(f);
  // What the command line hands over in the settings file's terms (a path it
  // cannot hold is left out).
  const std::vector<std::string> handed_over = f.StorableParameters(parameters);
  if (!handed_over.empty()) {
    Check(f.LastSlot == 2, "the command line starts a new entry after the programs");
    const fesk::editor::ProgramEntry& entry = f.ProgramTable[2];
    const std::string& first = handed_over[0];
    if (first.starts_with("/A")) {
      Check(entry.actcode == fesk::cp932::CutToBytes(std::string_view(first).substr(2), 16),
            "a hand-off gives the new entry its code");
    }
    const std::string* command =
        first.starts_with("/A") ? (handed_over.size() > 1 ? &handed_over[1] : nullptr) : &first;
    if (command) {
      Check(entry.cmdline == fesk::cp932::CutToBytes(*command, 128), "the new entry's command is the parameter");
    }
  }
  std::vector<fesk::FilePath> dropped_paths;
  for (const std::string& path : dropped) dropped_paths.emplace_back(path);
  f.FilesDropped(dropped_paths);
  fesk::fuzz::CheckModel(f);
  fesk::fuzz::CheckSaveLoadsBack(f);
  return 0;
}
