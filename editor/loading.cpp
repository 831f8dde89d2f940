// Filling the model from the settings file and the group table at start.
#include "common/group_table.h"
#include "common/settings_file.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {
constexpr char kHintKey[] = "HINT";
constexpr char kDisplayGroupKey[] = "DISPGROUP";
}  // namespace

void TFFeskINI::LoadSettings() {
  SettingsFile file(SettingsPath());

  bool hints = file.ReadString(kEditorSection, kHintKey, kOn) == kOn;
  RadioButton4.checked = hints;
  RadioButton5.checked = !hints;
  ShowHints = hints;

  DisplayGroup = file.ReadString(kEditorSection, kDisplayGroupKey, "");
  Label17.caption = DisplayGroup;

  ListSlotMap.fill(kNoListSlot);
  ListCount = 0;
  ListBox1.items.clear();
  ListBox1.item_index = -1;
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
    if (!CheckBox10.checked() || entry.group == DisplayGroup) {
      ListBox1.items.push_back(ListItemText(n, entry.discription));
      ListSlotMap[static_cast<std::size_t>(ListCount)] = n;
      ++ListCount;
    }
    LastSlot = n;
    Label6.caption = std::to_string(1);
    Label8.caption = std::to_string(LastSlot + 1);
  }
}

void TFFeskINI::LoadGroupTable() {
  GroupTableReadResult result = ReadGroupTableFile(GroupTablePath());
  TreeView1.tree = std::move(result.tree);
  TreeView1.selected = kNoGroupNode;
  TreeView1.expanded.clear();
  for (GroupNodeId node : TreeView1.tree.PreOrder()) TreeView1.expanded.insert(node);
  if (result.error) throw FeskError(*result.error);
  if (TreeView1.tree.Empty()) EnableGroupButtons(false);
}

}  // namespace fesk::editor
