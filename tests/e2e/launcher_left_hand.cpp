// A left-handed user (the mouse buttons swapped in the Control Panel) at a
// screen corner: the secondary button, which is the physical left one,
// starts the corner's program; the primary one, the physical right button a
// click on the Start button would press, starts nothing.  Then a click on
// the tray icon brings the dialog up as the foreground window.
//
// Wine reads "SwapMouseButtons" of HKCU\Control Panel\Mouse when a process
// starts, reports it with GetSystemMetrics(SM_SWAPBUTTON), and, as Windows
// does, GetAsyncKeyState reports the physical buttons that SendInput
// presses.  The prefix is shared with the other scenarios, so the value is
// put back as it was before the scenario ends.
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr wchar_t kMouseKey[] = L"Control Panel\\Mouse";
constexpr wchar_t kSwapValue[] = L"SwapMouseButtons";

int Run(const std::wstring& folder) {
  const std::wstring settings =
      Section(L"SYSTEM", {{L"TRIGGER3", L"1"}}) + Section(L"CMD0", {{L"DISCRIPTION", L"右上の角"},
                                                                    {L"CMDLINE", folder + L"\\corner.exe"},
                                                                    {L"OPTION", L"/corner"},
                                                                    {L"ACTCODE", L""},
                                                                    {L"DISPLAYPOS", L"3"}});
  FillFolder(folder, {L"corner.exe"}, settings);

  RegistryStringOverride swapped(HKEY_CURRENT_USER, kMouseKey, kSwapValue, L"1");
  Check(swapped.ok(), L"the mouse buttons are swapped in the prefix");
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return 1;
  const SIZE screen = ScreenSize();

  // 1. The primary button (the physical right one) held at the corner.
  MoveCursorTo({screen.cx - 1, 0});
  Click(MouseButton::kRight, 300);
  CheckEqual(Count(RecordsAfterQuiet(folder, 2500)), 0,
             L"the primary button (physical right) at the top right corner started nothing");

  // 2. The secondary button (the physical left one): once.
  Click(MouseButton::kLeft, 300);
  std::vector<LaunchRecord> corners = WaitForRecords(folder, 1, 15000, L"corner.exe");
  CheckEqual(Count(corners), 1, L"the secondary button (physical left) at the top right corner started corner.exe");
  if (!corners.empty()) CheckEqual(corners[0].Arguments(), L"/corner", L"with its OPTION");
  CheckEqual(Count(RecordsAfterQuiet(folder, 3000)), 1, L"once, and nothing else");
  MoveCursorTo({screen.cx / 2, screen.cy / 2});

  // 3. The tray icon's click shows the dialog in front.
  Check(ShowDialog(main), L"a click on the tray icon shows the dialog");
  Check(WaitUntil([&] { return GetForegroundWindow() == main; }, 10000), L"the dialog is the foreground window");
  return 0;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_left_hand");
  Run(folder);
  return Finish("launcher_left_hand");
}
