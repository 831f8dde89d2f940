// The headless editor as the fuzz targets drive it, the rules its model
// keeps, and the save round trip: what a save writes must load back to the
// same programs and groups.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/group_table.h"
#include "common/settings_file.h"
#include "editor/main_form.h"
#include "fuzz_support.h"
#include "platform/fake/fake_ports.h"
#include "tests/support/editor_fakes.h"

namespace fesk::fuzz {

using editor::ProgramEntry;

struct Editor {
  fake::FakeDialogs dialogs;
  fake::FakeShell shell;
  fake::FakeClock clock;
  editor::testing::FakeOpenDialog open_dialog;
  editor::testing::FakeDesktop desktop;
  editor::testing::FakeKeyNames key_names;
  std::unique_ptr<editor::MainForm> form;

  Editor(const std::string& executable, const std::vector<std::string>& parameters) {
    form =
        std::make_unique<editor::MainForm>(editor::EditorPorts{dialogs, shell, clock, open_dialog, desktop, &key_names},
                                           FilePath(executable), FolderOf(FilePath(executable)));
    form->FormCreate(parameters);
  }
};

inline void CheckModel(const editor::MainForm& f) {
  Check(f.LastSlot >= -1 && f.LastSlot < editor::kProgramSlots, "LastSlot is a slot or -1");
  Check(f.ListCount >= 0 && f.ListCount <= f.LastSlot + 1, "the list holds loaded programs only");
  Check(f.program_list.items.size() == static_cast<std::size_t>(f.ListCount), "one list item per entry");
  for (int i = 0; i < editor::kProgramSlots; ++i) {
    int slot = f.ListSlotMap[static_cast<std::size_t>(i)];
    if (i < f.ListCount) {
      Check(slot >= 0 && slot <= f.LastSlot, "a list item names a used slot");
    } else {
      Check(slot == editor::kNoListSlot, "positions after the list name no slot");
    }
  }
  for (const ProgramEntry& entry : f.ProgramTable) {
    for (const editor::FieldInfo& field : editor::kProgramFields) {
      Check((entry.*field.member).size() <= field.width, "a field keeps its width");
    }
  }
}

// Saves, and starts a second editor on the files written: the programs with
// a title come back in slot order, field by field, each value as the
// settings file gives back what was written (WrittenValueReadBack: up to
// its first line break, without blanks at its ends and a pair of enclosing
// quotes); the tree
// comes back as the group table file reads it.
inline void CheckSaveLoadsBack(editor::MainForm& f) {
  std::vector<ProgramEntry> saved;
  for (const ProgramEntry& entry : f.ProgramTable) {
    if (!WrittenValueReadBack(entry.discription).empty()) saved.push_back(entry);
  }
  const std::string tree = FormatGroupTable(f.group_tree.tree);
  const bool hints = f.hints_on.checked;
  f.Save();
  Check(!f.Modified, "the save succeeds");
  Check(ScratchFolder::Read(f.GroupTablePath().utf8) == tree, "the group table is the tree");

  const GroupTableReadResult tree_read = ParseGroupTable(tree);
  Editor reloaded(f.ProgramFolder().utf8 + "FeskINI.exe", {});
  editor::MainForm& g = *reloaded.form;
  CheckModel(g);
  Check(reloaded.dialogs.errors.empty() || tree_read.error, "the saved files load without an error");
  Check(g.hints_on.checked == hints, "the hint switch loads back");
  // An editor started without programs opens on a new entry, which is no
  // program of the file.
  const std::size_t loaded = static_cast<std::size_t>(g.LastSlot + 1);
  const bool new_entry_only = saved.empty() && loaded == 1 && g.ProgramTable[0].discription == editor::kNewEntryTitle;
  Check(new_entry_only || loaded == saved.size(), "the programs saved load back, as many");
  for (std::size_t n = 0; n < saved.size() && n < loaded; ++n) {
    for (const editor::FieldInfo& field : editor::kProgramFields) {
      Check(g.ProgramTable[n].*field.member == WrittenValueReadBack(saved[n].*field.member),
            "each program loads back field by field");
    }
  }
  Check(FormatGroupTable(g.group_tree.tree) == FormatGroupTable(tree_read.tree), "the groups load back");
}

}  // namespace fesk::fuzz
