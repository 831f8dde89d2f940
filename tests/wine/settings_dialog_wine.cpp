// The launcher's settings dialog as a real window over its headless form.
// Every tick of the sensing loop ends in the window's after-event step.  While
// the dialog is hidden that step leaves the controls alone: bringing some
// hundred hidden controls up to date a hundred times a second cost the idle
// launcher a fifth of a processor under Wine.  The dialog is brought up to
// date when it is shown, and after every event while it is shown.  The time
// of a tick hidden and shown is printed.
#include <cstdio>
#include <string>

#include "launcher/core/window_service_runner.h"
#include "launcher/ui/settings_dialog.h"
#include "launcher/win32/settings_dialog_window.h"
#include "platform/fake/fake_ports.h"
#include "platform/win32/windows_api.h"
#include "tests/wine/wine_check.h"

using namespace fesk;
using fesk::winetest::Check;

namespace {

class NoServices : public WindowServiceRunner {
 public:
  void RunWindowService(WindowService) override {}
};

void Tick(HWND dialog) { SendMessageW(dialog, WM_TIMER, 1, 0); }  // sensing_timer

void TrayLeftClick(HWND dialog) { SendMessageW(dialog, kTrayCallbackMessage, 0, WM_LBUTTONDOWN); }

double MicrosecondsPerTick(HWND dialog, int ticks) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < ticks; ++i) Tick(dialog);
  QueryPerformanceCounter(&end);
  return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) / ticks;
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "fesk-dialog-wine-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);

  fake::FakeInput input;
  fake::FakeClock clock;
  fake::FakeShell shell;
  fake::FakeDialogs dialogs;
  fake::FakeTray tray_port;
  NoServices services;
  SettingsDialog form(LauncherEnvironment{input, clock, shell, dialogs, tray_port, services, nullptr,
                                          FilePath(folder + "Fesk.Ini"), FilePath(folder)});
  HINSTANCE instance = GetModuleHandleW(nullptr);
  win32::DesktopNoticesWindow notices(instance);
  win32::Win32Tray tray(instance, win32::TrayIconResources{});
  win32::SettingsDialogWindow window(instance, form, tray, notices);
  window.Start();
  const HWND dialog = window.hwnd();

  // What the desktop broadcasts is heard by a hidden top-level window with
  // no owner that is no message-only window (those hear no broadcast), the
  // dialog's owner, and handled once: a changed setting makes the loop read
  // the mouse buttons' setting again.
  const HWND heard_by = notices.hwnd();
  Check(heard_by != nullptr && GetAncestor(heard_by, GA_PARENT) == GetDesktopWindow(),
        "the notices window is a top-level window of the desktop");
  Check(GetWindow(heard_by, GW_OWNER) == nullptr && !IsWindowVisible(heard_by), "it is hidden and has no owner");
  Check(GetWindow(dialog, GW_OWNER) == heard_by, "it owns the dialog");
  const int reads = input.swap_reads;
  SendMessageW(heard_by, WM_SETTINGCHANGE, 0, 0);
  Check(input.swap_reads == reads + 1, "a changed setting told to the notices window reaches the loop");
  SendMessageW(dialog, WM_SETTINGCHANGE, 0, 0);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
  Check(input.swap_reads == reads + 2, "a broadcast reaches the loop once, through the notices window (" +
                                           std::to_string(input.swap_reads - reads) + " reads)");
  const HWND button2 = window.WindowOf(form.transfer_button);
  Check(dialog != nullptr && button2 != nullptr, "the dialog and its transfer_button exist");
  Check(!IsWindowVisible(dialog), "the dialog starts hidden");
  Check(!form.transfer_button.enabled, "Button2 is disabled until the first mouse action");

  // Shown: the controls show their models.
  TrayLeftClick(dialog);
  Check(IsWindowVisible(dialog) != FALSE, "a left click on the tray icon shows the dialog");
  Check(!IsWindowEnabled(button2), "shown, transfer_button is disabled like its model");
  form.transfer_button.enabled = true;  // as the recognizer does
  Tick(dialog);
  Check(IsWindowEnabled(button2) != FALSE, "a change made while shown is shown after the tick");
  const double shown_tick = MicrosecondsPerTick(dialog, 200);

  // Hidden: the ticks leave the controls alone.
  SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc: Cancel
  Check(!IsWindowVisible(dialog), "Cancel hides the dialog");
  form.transfer_button.enabled = false;
  for (int i = 0; i < 100; ++i) Tick(dialog);
  Check(IsWindowEnabled(button2) != FALSE, "ticks of the hidden dialog leave its controls alone");
  const double hidden_tick = MicrosecondsPerTick(dialog, 200);

  // Shown again: brought up to date before it can be seen.
  TrayLeftClick(dialog);
  Check(IsWindowVisible(dialog) != FALSE, "the dialog is shown again");
  Check(!IsWindowEnabled(button2), "showing it brings transfer_button up to date");

  std::printf(
      "tick of the sensing loop ending in the window's after-event step: "
      "hidden %.1f us, shown %.1f us\n",
      hidden_tick, shown_tick);
  return winetest::Finish("settings_dialog_wine");
}
