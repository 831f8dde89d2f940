// The start with Windows box on page "動 作" and the user's Run key.
#include "launcher/services/auto_start.h"
#include "launcher/ui/settings_dialog.h"

namespace fesk {

namespace {

constexpr char kAutoStartErrorCaption[] = "FESK 自動起動エラー";
constexpr char kRegisterFailedText[] =
    "Windows起動時の自動起動を登録できません。\r"
    "\r"
    "レジストリ HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r"
    "に書き込めませんでした。設定は保存されていません。";
constexpr char kUnregisterFailedText[] =
    "Windows起動時の自動起動を解除できません。\r"
    "\r"
    "レジストリ HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r"
    "から削除できませんでした。設定は保存されていません。";

}  // namespace

bool SettingsDialog::AutoStartRegistered() {
  std::optional<std::string> command = env_.auto_start->Command(kAutoStartValueName);
  return command && AutoStartNames(*command, env_.program_path);
}

void SettingsDialog::ShowAutoStartState() {
  if (AutoStartAvailable()) start_with_windows_box.SetChecked(AutoStartRegistered());
}

// Only a change the user made is carried out: a value that names another
// copy of the launcher stays unless the box is ticked.
bool SettingsDialog::ApplyAutoStart() {
  if (!AutoStartAvailable()) return true;
  const bool wanted = start_with_windows_box.checked();
  const bool registered = AutoStartRegistered();
  if (wanted == registered) return true;
  const bool done = wanted ? env_.auto_start->Register(kAutoStartValueName, AutoStartCommand(env_.program_path))
                           : env_.auto_start->Unregister(kAutoStartValueName);
  if (done) return true;
  env_.dialogs.MessageBox(wanted ? kRegisterFailedText : kUnregisterFailedText, kAutoStartErrorCaption, Buttons::kOk);
  start_with_windows_box.SetChecked(registered);
  return false;
}

}  // namespace fesk
