// "ﾃﾞｽｸﾄｯﾌﾟ": registers the items on the user's desktop as new programs, one
// question per item.
#include "common/cp932.h"
#include "common/storable_path.h"
#include "common/text_encoding.h"
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
// The folder is carried as Windows spells it; only the items the settings
// file can name are stored.
FilePath MainForm::DesktopFolder() {
  std::string folder = desktop_.WindowsDirectory().utf8;
  if (!desktop_.IsWindows95Family()) {
    if (std::optional<std::string> user = desktop_.UserName()) {
      std::string name = TrimBlanks(*user);
      if (!name.empty()) folder += "\\Profiles\\" + name;
    }
  }
  folder += encoding::Cp932ToUtf8("\\ﾃﾞｽｸﾄｯﾌﾟ");
  if (!desktop_.FolderExists(FilePath(folder))) return desktop_.ShellDesktopFolder();
  return FilePath(folder);
}

void MainForm::ImportDesktop() {
  if (dialogs_.MessageBox("ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録ﾌﾟﾛｸﾞﾗﾑとして\r取り込みます", kCaption, Buttons::kOkCancel) !=
      Answer::kOk) {
    return;
  }
  const FilePath folder = DesktopFolder();
  if (folder.empty()) return;
  for (const std::string& name : desktop_.FindEntries(FilePath(folder.utf8 + "\\*.*"))) {
    if (name == "." || name == "..") continue;
    // The question names the item as it is called, whatever its characters.
    Answer answer = dialogs_.MessageBox(PathMessage{"\"", FilePath(name), "\"を\rFESKに登録します"}, kCaption,
                                        Buttons::kYesNoCancel);
    if (answer == Answer::kCancel) return;
    if (answer != Answer::kYes) continue;
    // An item the settings file cannot name is refused (its box shown) and
    // the next one offered.
    const std::optional<std::string> command =
        StorablePathOrRefuse(FilePath(folder.utf8 + "\\" + name), paths_, dialogs_);
    if (!command) continue;
    // With all slots in use the new-entry operation has said so; nothing is
    // stored for this item and the next one is offered.
    if (!StartNewEntry()) continue;
    title_field.text = encoding::Utf8ToCp932Exactly(name).value_or(cp932::FileNameOf(*command));
    StoreTitle();
    command_field.text = *command;
    StoreCommand();
  }
}

}  // namespace fesk::editor
