// "ﾃﾞｽｸﾄｯﾌﾟ": registers the items on the user's desktop as new programs, one
// question per item.
#include "editor/main_form.h"

namespace fesk::editor {

namespace {

constexpr char kCaption[] = "ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録";

std::string TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

}  // namespace

// The Windows directory, on the NT family "\Profiles\" and the logon name,
// then "\ﾃﾞｽｸﾄｯﾌﾟ".  Where that folder does not exist (every Windows since
// profiles moved out of the Windows directory, and every non-Japanese one)
// the user's real desktop as the shell names it takes its place.
std::string MainForm::DesktopFolder() {
  std::string folder = desktop_.WindowsDirectory();
  if (!desktop_.IsWindows95Family()) {
    if (std::optional<std::string> user = desktop_.UserName()) {
      std::string name = TrimBlanks(*user);
      if (!name.empty()) folder += "\\Profiles\\" + name;
    }
  }
  folder += "\\ﾃﾞｽｸﾄｯﾌﾟ";
  if (!desktop_.FolderExists(folder)) folder = desktop_.ShellDesktopFolder();
  return folder;
}

void MainForm::ImportDesktop() {
  if (dialogs_.MessageBox("ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録ﾌﾟﾛｸﾞﾗﾑとして\r取り込みます", kCaption, Buttons::kOkCancel) !=
      Answer::kOk) {
    return;
  }
  const std::string folder = DesktopFolder();
  if (folder.empty()) return;
  for (const std::string& name : desktop_.FindEntries(folder + "\\*.*")) {
    if (name == "." || name == "..") continue;
    Answer answer = dialogs_.MessageBox("\"" + name + "\"を\rFESKに登録します", kCaption, Buttons::kYesNoCancel);
    if (answer == Answer::kCancel) return;
    if (answer != Answer::kYes) continue;
    // With all slots in use the new-entry operation has said so; nothing is
    // stored for this item and the next one is offered.
    if (!StartNewEntry()) continue;
    title_field.text = name;
    StoreTitle();
    command_field.text = folder + "\\" + name;
    StoreCommand();
  }
}

}  // namespace fesk::editor
