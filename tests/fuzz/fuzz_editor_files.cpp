// Any bytes as the editor's Fesk.Ini and FESK.TBL (one input holding both,
// see fuzz_support.h; without the marker the group table is missing): the
// headless editor starts on them, every page is shown and the editor saves.
// Nothing may crash or hang, the model must keep its own rules (fields
// within their widths, the list pointing at loaded slots), and a save of what
// was loaded must load back to the same programs and groups.
#include <cstdint>
#include <string>

#include "editor_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fesk::editor::Page;
  static const fesk::fuzz::ScratchFolder folder;
  folder.Clear();
  const std::string program_folder = folder.ProgramFolder();
  const fesk::fuzz::TwoFiles files = fesk::fuzz::SplitInput(fesk::fuzz::AsText(data, size));
  fesk::fuzz::ScratchFolder::Write(program_folder + "Fesk.Ini", files.first);
  if (files.second) fesk::fuzz::ScratchFolder::Write(program_folder + "FESK.TBL", *files.second);

  fesk::fuzz::Editor editor(program_folder + "FeskINI.exe", {});
  fesk::editor::MainForm& f = *editor.form;
  fesk::fuzz::CheckModel(f);
  if (!files.second) fesk::fuzz::Check(!editor.dialogs.errors.empty(), "a missing group table is reported");

  for (Page page :
       {Page::kProgram, Page::kShortCut, Page::kMouseAction, Page::kScreenPosition, Page::kGroup, Page::kProgram}) {
    f.PageChange(page);
  }
  f.FormActivate();
  fesk::fuzz::CheckModel(f);
  fesk::fuzz::CheckSaveLoadsBack(f);
  return 0;
}
