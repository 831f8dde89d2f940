// FeskINI.exe: the registration editor.
//
// One instance at a time; a second start ends at once and silently, and its
// command line is dropped.  The command line (GetCommandLineW read as code
// page 932) can hand over a mouse action ("/A" and the code) or a program to
// register.
#include "editor/command_line.h"
#include "editor/main_form.h"
#include "editor/win32/main_window.h"
#include "editor/win32/win32_editor_ports.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_key_names.h"
#include "platform/win32/win32_ports.h"
#include "platform/win32/win32_settings_folders.h"

using namespace fesk;
using namespace fesk::win32;

namespace {

constexpr char kApplicationTitle[] = "FESK プログラム登録";

// Tab, Enter and Esc work in every window of the program as in a dialog.
int RunEditorLoop(const MainWindow& window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND dialog = window.DialogFor(message.hwnd);
    if (dialog && IsWindowVisible(dialog) && IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Creating the mutex tells in one step whether it was there already, so
  // two starts at the same moment cannot both go on.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"MutexObjectForFeskINI");
  if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
    if (mutex) CloseHandle(mutex);
    return 0;
  }

  const std::vector<std::string> parameters = editor::CommandLineParameters(Utf8(GetCommandLineW()));

  Win32Clock clock;
  Win32Shell shell;
  Win32Dialogs dialogs(kApplicationTitle);
  ShowingDialogs showing_dialogs(dialogs);
  Win32FileOpenDialog open_dialog;
  ShowingFileOpenDialog showing_open_dialog(open_dialog, showing_dialogs);
  Win32Desktop desktop;
  Win32KeyNames key_names;
  Win32Paths paths;
  editor::MainForm form(
      editor::EditorPorts{showing_dialogs, shell, clock, showing_open_dialog, desktop, &key_names, &paths},
      ProgramPath(), SettingsPlaceFor(ProgramFolder()).folder, JapaneseLstrcmp);

  MainWindow window(instance, form, Wide(kHelpFileName));
  dialogs.SetOwner(window.hwnd());
  open_dialog.SetOwner(window.hwnd());
  showing_dialogs.SetBeforeModal([&window] { window.ShowModels(); });
  window.Start(parameters);

  RunEditorLoop(window);
  // The editor ends through ExitProcess when the form is terminated; a quit
  // message from elsewhere ends it here.
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  return 0;
}
