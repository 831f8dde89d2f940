// "ＯＫ" of the palette command dialog: the selected entry becomes a command
// that starts the icon palette program beside the editor.
#include "editor/main_form.h"

namespace fesk::editor {

// The title field takes the focus first, on the program page: the control
// that had it (the shortcut field, a start-position box, a show-state
// button) stores its value as it is left, before the command is written,
// so that the command's values stand.
void MainForm::ApplyPaletteCommand(const PaletteCommand* choice) {
  ShowPage(Page::kProgram);
  FocusControl(title_field);
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  // A folder the settings file cannot name changes nothing.
  const std::optional<std::string> folder = StorableProgramFolder();
  if (!folder) return;
  // Without a choice the title, option and command fields keep what they show.
  if (choice != nullptr) {
    title_field.text = choice->title;
    option_field.text = choice->option;
    command_field.text = *folder + kPaletteRegisteredName;
  }
  work_folder_field.text = *folder;

  entry->cmdshow = kShowNormal;
  entry->actcode.clear();
  Modified = true;
  // An empty title field keeps the stored title, as leaving the field would.
  if (!title_field.text.empty()) {
    SetField(*entry, &ProgramEntry::discription, title_field.text);
    std::string& item = program_list.items[static_cast<std::size_t>(CurrentItem)];
    item = ListItemNumberField(item) + title_field.text;
    SelectItem(CurrentItem);
  }
  SetField(*entry, &ProgramEntry::cmdline, command_field.text);
  SetField(*entry, &ProgramEntry::workdir, work_folder_field.text);
  SetField(*entry, &ProgramEntry::option, option_field.text);
  entry->runpos = kEditorRunPosDefault;
  entry->hotkey.clear();
  SetField(*entry, &ProgramEntry::group, DisplayGroup);
  // Every page shows the new command now (the code table empty, the
  // shortcut field clear, every start-position box checked), so that no
  // control shows, and on leaving stores, a value of the old entry.
  ShowEntry(CurrentItem);
}

}  // namespace fesk::editor
