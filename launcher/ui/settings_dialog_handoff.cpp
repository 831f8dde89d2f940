// Starting the editor, tray-icon clicks and dropped files.
#include "launcher/ui/settings_dialog.h"

#include "common/storable_path.h"

namespace fesk {

void SettingsDialog::ShowSettingsDialog() {
  if (!visible) ShowAutoStartState();
  visible = true;
  ++foreground_requests;
}

// The command lines are passed whole: a long folder or code is not cut.  The
// program's path is quoted: unquoted, a folder with a blank in it (such as
// "C:\Program Files\Fesk\") is read up to the blank, and Windows would start
// "C:\Program.exe" where one exists (the shell port quotes it).
void SettingsDialog::StartEditor(const std::string& arguments) {
  env_.shell.Exec(InFolder(env_.launcher_folder, kEditorFileName), arguments, show::kShow);
}

void SettingsDialog::OpenEditor() {
  StartEditor("");
  HidePopup();
}

void SettingsDialog::TransferMouseAction() {
  if (loop.RecognizedCode.empty()) return;
  StartEditor(" /A" + loop.RecognizedCode);
  HidePopup();
}

void SettingsDialog::TrayIconMessage(int id, int mouse_message) {
  bool left = mouse_message == kMouseLeftDown, right = mouse_message == kMouseRightDown;
  if (!left && !right) return;
  if (id == kOwnTrayIcon) {
    if (left)
      ShowSettingsDialog();
    else
      StartEditor("");
    return;
  }
  if (id >= 1 && id <= tables.TrayProgramIconCount) ProgramIconClicked(id, right);
}

// A right click asks for a run-time option for this one start.  The click is
// no mouse action, so the palette mode does not take it over.
void SettingsDialog::ProgramIconClicked(int id, bool with_option) {
  int slot = tables.TrayIconProgram[static_cast<std::size_t>(id)];
  if (slot == kNoSlot) return;
  bool saved_mode = loop.RunOptionMode;
  if (with_option) loop.RunOptionMode = true;
  loop.TriggerSource = LaunchSource::kNone;
  engine_.RunProgram(slot, tables.ProgramTitles[static_cast<std::size_t>(slot)]);
  loop.RunOptionMode = saved_mode;
}

// One editor per file, each given the whole path (however long) in quotes,
// as the settings file can hold it; a path it cannot hold is refused here.
void SettingsDialog::FormDropFiles(const std::vector<FilePath>& paths) {
  for (const FilePath& path : paths) {
    const std::optional<std::string> storable = StorablePathOrRefuse(path, env_.paths, env_.dialogs);
    if (!storable) continue;
    env_.shell.Open(InFolder(env_.launcher_folder, kEditorFileName), "\"" + *storable + "\"", env_.launcher_folder,
                    show::kNormal);
  }
}

}  // namespace fesk
