// A program that stops answering never freezes the launcher.  Its window is
// in front and hangs; the Window service "ｱﾌﾟﾘ･ｳｨﾝﾄﾞｳ大きく" (up, Ctrl+Alt)
// is made over it.  The launcher's loop still runs within 2 s, and a
// shortcut still starts its program, while the window still hangs; the
// window is maximised once it answers again.
//
// The window is launcher_service_target.exe at the bottom right, which
// stops answering for 30 s when told to; the stroke is drawn over the bare
// desktop at the top left.
#include <optional>

#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr UINT kHangMessage = WM_APP + 1;  // launcher_service_target.exe
constexpr int kHangMs = 30000;

bool LogHas(const std::wstring& log, std::wstring_view event) {
  for (const std::wstring& line : ReadLines(log)) {
    if (line.find(event) != std::wstring::npos) return true;
  }
  return false;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_hung_window");
  FillFolder(folder, {L"hotkey.exe"},
             Section(L"SYSTEM", {{L"TRIGGER4", L"1"}}) +  // the Window services, under Ctrl+Alt
                 Section(L"CMD0", {{L"DISCRIPTION", L"ショートカット"},
                                   {L"CMDLINE", folder + L"\\hotkey.exe"},
                                   {L"ACTCODE", L""},
                                   {L"HOTKEY", L"Shift+Alt+H"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_hung_window");

  const std::wstring log = folder + L"\\target.log";
  Process target = Start(OwnFolder() + L"\\launcher_service_target.exe", L"\"" + log + L"\" 700 520 260 180", folder);
  HWND window = WaitForTopWindow({L"FeskServiceTarget", L"service target", target.id()}, 20000);
  Check(window != nullptr && WaitUntil([&] { return LogHas(log, L"ready"); }, 10000), L"the target window is there");
  Check(window && BringToFront(window, 5000), L"it is the foreground window");
  if (!window) return Finish("launcher_hung_window");

  // The window stops answering, and stays in front.
  PostToWindow(window, kHangMessage, kHangMs);
  Check(WaitUntil([&] { return LogHas(log, L"hang ms="); }, 10000), L"the window in front stops answering");
  DWORD_PTR ignored = 0;
  Check(!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored), L"it does not answer a message");
  CheckEqual(static_cast<long long>(GetForegroundWindow() == window), 1, L"it is still in front");

  // Up with Ctrl+Alt: maximise the window in front.  Then the launcher's
  // own loop still runs: its timers tick (a sent message would be answered
  // even by a launcher stuck waiting for the hung window).
  Gesture({VK_CONTROL, VK_MENU}, {{300, 400}, {300, 100}});
  const std::optional<long long> ticks = SensingTicks(main);
  Check(ticks && WaitUntil(
                     [&] {
                       const std::optional<long long> now = SensingTicks(main);
                       return now && *now > *ticks;
                     },
                     2000),
        L"the launcher's loop still runs within 2 s of the service over the hung window");
  { HeldKeys held({VK_SHIFT, VK_MENU, 'H'}, 300); }
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"hotkey.exe")), 1, L"a shortcut still starts its program");
  Check(!LogHas(log, L"answers"), L"all this while the window did not answer");

  // Once it answers again, the window takes the show command it was sent.
  Check(WaitUntil([&] { return LogHas(log, L"answers"); }, kHangMs + 10000), L"the window answers again");
  Check(WaitUntil([&] { return IsZoomed(window) != 0; }, 10000), L"and is maximised");
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish("launcher_hung_window");
}
