// Filling the model from the settings file and the group table at start.
#include "common/group_table.h"
#include "common/settings_file.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {
constexpr char kHintKey[] = "HINT";
constexpr char kDisplayGroupKey[] = "DISPGROUP";
}  // namespace

void MainForm::LoadSettings() {
  SettingsFile file(SettingsPath());

  bool hints = file.ReadString(kEditorSection, kHintKey, kOn) == kOn;
  hint_choice.Check(hints ? hints_on : hints_off);
  show_hints = hints;

  DisplayGroup = file.ReadString(kEditorSection, kDisplayGroupKey, "");
  display_group_label.caption = DisplayGroup;

  ListSlotMap.fill(kNoListSlot);
  ListCount = 0;
  program_list.items.clear();
  program_list.item_index = -1;
  // -1 until a program is read, so that a list without programs is never
  // mistaken for one whose only program sits in slot 0.
  LastSlot = -1;
  for (int n = 0; n < kProgramSlots; ++n) {
    const std::string section = ProgramSection(n);
    ProgramEntry entry;
    for (const FieldInfo& field : kProgramFields) {
      const char* fallback = field.member == &ProgramEntry::runpos ? kEditorRunPosDefault : "";
      SetField(entry, field.member, file.ReadString(section, field.key, fallback));
    }
    ProgramTable[static_cast<std::size_t>(n)] = entry;
    if (entry.IsFree()) break;
    if (!group_filter.checked() || entry.group == DisplayGroup) {
      program_list.items.push_back(ListItemText(n, entry.discription));
      ListSlotMap[static_cast<std::size_t>(ListCount)] = n;
      ++ListCount;
    }
    LastSlot = n;
    list_position.caption = std::to_string(1);
    program_count.caption = std::to_string(LastSlot + 1);
  }
}

void MainForm::LoadGroupTable() {
  GroupTableReadResult result = ReadGroupTableFile(GroupTablePath());
  group_tree.tree = std::move(result.tree);
  group_tree.selected = kNoGroupNode;
  group_tree.expanded.clear();
  for (GroupNodeId node : group_tree.tree.PreOrder()) group_tree.expanded.insert(node);
  if (result.error) throw FeskError(*result.error);
  if (group_tree.tree.Empty()) EnableGroupButtons(false);
}

}  // namespace fesk::editor
