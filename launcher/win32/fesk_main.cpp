// Fesk.exe: the resident launcher.
//
// One instance at a time; the second start of the program ends at once and
// silently.  The main window is the hidden settings dialog; everything else
// happens in its timers and messages.
#include "launcher/core/foreground_grant.h"
#include "launcher/services/elevated_window_note.h"
#include "launcher/services/window_services.h"
#include "launcher/win32/desktop_notices_window.h"
#include "launcher/win32/preview_window.h"
#include "launcher/win32/resource_ids.h"
#include "launcher/win32/settings_dialog_window.h"
#include "launcher/win32/win32_auto_start.h"
#include "launcher/win32/win32_foreground_rights.h"
#include "launcher/win32/win32_foreground_window.h"
#include "launcher/win32/win32_open_programs.h"
#include "launcher/win32/win32_key_sink.h"
#include "common/settings_file.h"
#include "platform/win32/win32_key_names.h"
#include "platform/win32/win32_ports.h"
#include "platform/win32/win32_settings_folders.h"

using namespace fesk;
using namespace fesk::win32;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Creating the mutex tells in one step whether it was there already, so
  // two starts at the same moment cannot both go on.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"MutexObjectForFesk");
  if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
    if (mutex) CloseHandle(mutex);
    return 0;
  }

  const FilePath folder = ProgramFolder();
  // Decided once, as the editor decides it at its start.
  const FilePath settings_path = SettingsPlaceFor(folder).SettingsFile();
  Win32Input input;
  Win32Clock clock;
  Win32Shell platform_shell;
  // The launcher works in its own folder: the folder it was started in
  // would otherwise stay in use, unremovable, for as long as it runs (and
  // the starts with a work folder come back here).
  platform_shell.SetCurrentDirectory(folder);
  // Every start of the launcher goes through this shell, which first lets
  // the program come to the front.
  Win32ForegroundRights foreground_rights;
  ForegroundGrantingShell shell(platform_shell, foreground_rights);
  // Every box it shows is granted the foreground as it opens.
  Win32Dialogs platform_dialogs("FESK");
  ForegroundGrantingDialogs dialogs(platform_dialogs, foreground_rights);
  Win32Tray tray(instance, TrayIconResources{
                               IDI_FESK, IDI_RUN_OPTION, {IDI_FRAME1, IDI_FRAME2, IDI_FRAME3, IDI_FRAME4, IDI_FRAME5}});
  Win32KeySink key_sink;
  Win32ForegroundWindow foreground;
  Win32AutoStart auto_start;
  Win32KeyNames key_names;
  Win32Paths paths;
  Win32OpenPrograms open_programs;
  SettingsDialog* form_pointer = nullptr;
  ElevatedWindowNote elevated_note(tray,
                                   [&form_pointer] { return form_pointer && form_pointer->options.TrayIconShown(); });
  WindowServices services(
      key_sink, foreground, shell, clock, folder,
      [&form_pointer] {
        if (form_pointer) form_pointer->ShowSettingsDialog();
      },
      [&form_pointer] { return form_pointer ? form_pointer->current_program().WorkDir : std::string(); },
      [&elevated_note] { elevated_note.Tell(); });

  PreviewWindow preview(instance);
  SettingsDialog form(LauncherEnvironment{input, clock, shell, dialogs, tray, services, &key_names, settings_path,
                                          folder, &foreground, &auto_start, ProgramPath(), &paths, &preview,
                                          &open_programs});
  form_pointer = &form;

  // The dialog is owned by a hidden window, so the program has no task-bar
  // button even while the dialog is shown; that window hears the desktop's
  // broadcasts for it.
  DesktopNoticesWindow notices(instance);
  SettingsDialogWindow window(instance, form, tray, notices);
  // Boxes belong to the dialog: no task-bar button of their own, and the
  // dialog waits while one is open.
  platform_dialogs.SetOwner(window.hwnd());
  window.Start();

  int code = RunMessageLoop([&window] { return window.hwnd(); });
  notices.SetHandler(nullptr);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  return code;
}
