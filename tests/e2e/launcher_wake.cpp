// The launcher asleep while nobody touches a key or a button: its sensing
// ticks almost stop, and a key or button event wakes it at once.
//
//   CMD0 stroke "lr" (Shift+Ctrl)             -> app.exe
//   CMD1 shortcut Ctrl+Alt+K                  -> hotkey.exe
//   CMD2 top-right corner (DISPLAYPOS 3)      -> corner.exe
//
// Wine hands raw input only to the processes of a desktop that has a window
// in front, as a user's desktop always has: a small window of
// launcher_service_target.exe at the bottom left is the foreground window
// here, away from the stroke and the corner.
//
// Each press below is short (100 ms) and starts from a sleeping launcher,
// whose safety tick looks only once a second: one such look could catch a
// press, but not five in a row; the key or button event itself must wake
// the loop for every press to start its program.  Last, resume from sleep,
// broadcast as Windows sends it, wakes the loop too.  The number of ticks is
// asked of the launcher's window (registered message "FeskSensingTicks").
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr int kPresses = 5;
constexpr int kPressMs = 100;

// Ticks over one second: a hundred while the fast timer runs, a few while
// asleep.
std::optional<long long> TicksInASecond(HWND main) {
  std::optional<long long> before = SensingTicks(main);
  Pause(1000);
  std::optional<long long> after = SensingTicks(main);
  if (!before || !after) return std::nullopt;
  return *after - *before;
}

// Waits until the launcher has let its fast timer stop.
bool WaitAsleep(HWND main) {
  std::optional<long long> last;
  bool asleep = WaitUntil(
      [&] {
        last = TicksInASecond(main);
        return last && *last <= 10;
      },
      30000, 0);
  if (!asleep) Log(L"ticks in the last second: " + (last ? std::to_wstring(*last) : std::wstring(L"none")));
  return asleep;
}

void PressShortcut() {
  KeyDown(VK_CONTROL);
  KeyDown(VK_MENU);
  KeyDown('K');
  Pause(kPressMs);
  KeyUp('K');
  KeyUp(VK_MENU);
  KeyUp(VK_CONTROL);
}

// The cursor stays at the corner; only the click is short.
void ClickAtCorner(SIZE screen) {
  MoveCursorTo({screen.cx - 1, 0});
  MouseDown(MouseButton::kRight);
  Pause(kPressMs);
  MouseUp(MouseButton::kRight);
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"launcher_wake");
  // The stroke's program first: the search for a stroke's program ends at
  // the first program without one.
  const std::wstring settings = Section(L"SYSTEM", {{L"TRIGGER3", L"1"}}) +  // screen positions on
                                Section(L"CMD0", {{L"DISCRIPTION", L"ストローク"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}}) +
                                Section(L"CMD1", {{L"DISCRIPTION", L"ショートカット"},
                                                  {L"CMDLINE", folder + L"\\hotkey.exe"},
                                                  {L"ACTCODE", L""},
                                                  {L"HOTKEY", L"Ctrl+Alt+K"}}) +
                                Section(L"CMD2", {{L"DISCRIPTION", L"右上の角"},
                                                  {L"CMDLINE", folder + L"\\corner.exe"},
                                                  {L"ACTCODE", L""},
                                                  {L"DISPLAYPOS", L"3"}});
  FillFolder(folder, {L"hotkey.exe", L"corner.exe", L"app.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_wake");
  const SIZE screen = ScreenSize();
  Process front =
      Start(OwnFolder() + L"\\launcher_service_target.exe", L"\"" + folder + L"\\front.log\" 0 660 120 100", folder);
  HWND front_window = WaitForTopWindow({L"FeskServiceTarget", L"service target", front.id()}, 20000);
  Check(front_window && BringToFront(front_window, 5000), L"a window is in front");

  // 1. Left alone, the launcher falls asleep and its ticks almost stop.
  Check(SensingTicks(main).has_value(), L"the launcher answers how many ticks it ran");
  Check(WaitAsleep(main), L"left alone, the launcher's fast timer stops");
  const std::optional<long long> idle_before = SensingTicks(main);
  Pause(3000);
  const std::optional<long long> idle_after = SensingTicks(main);
  if (idle_before && idle_after) {
    const long long idle = *idle_after - *idle_before;
    Log(L"sensing ticks in 3 s of idleness: " + std::to_wstring(idle));
    Check(idle <= 30,
          L"in 3 s of idleness at most 30 ticks (the fast timer would run 300), ran " + std::to_wstring(idle));
  }

  // 2. A short shortcut press, each from a sleeping launcher, starts its
  //    program every time.
  for (int press = 1; press <= kPresses; ++press) {
    Check(WaitAsleep(main), L"asleep before shortcut press " + std::to_wstring(press));
    PressShortcut();
    const auto records = WaitForRecords(folder, static_cast<std::size_t>(press), 15000, L"hotkey.exe");
    CheckEqual(Count(records), press, L"short press " + std::to_wstring(press) + L" of Ctrl+Alt+K started hotkey.exe");
  }

  // 3. A short click of the screen-position button at the top right corner,
  //    each from a sleeping launcher, starts the corner's program every time.
  for (int press = 1; press <= kPresses; ++press) {
    Check(WaitAsleep(main), L"asleep before corner click " + std::to_wstring(press));
    ClickAtCorner(screen);
    const auto records = WaitForRecords(folder, static_cast<std::size_t>(press), 15000, L"corner.exe");
    MoveCursorTo({512, 384});
    CheckEqual(Count(records), press, L"short click " + std::to_wstring(press) + L" at the corner started corner.exe");
  }

  // 4. A stroke from a sleeping launcher is recognised from its start.
  Check(WaitAsleep(main), L"asleep before the stroke");
  Gesture({VK_SHIFT, VK_CONTROL}, {{300, 400}, {600, 400}});
  CheckEqual(Count(WaitForRecords(folder, 1, 15000, L"app.exe")), 1, L"the stroke started app.exe");

  // 5. Resume from sleep, broadcast to the top-level windows as Windows
  //    sends it, wakes the sleeping loop at once: for the quiet time the
  //    fast timer runs again.
  Check(WaitAsleep(main), L"asleep before the resume");
  const std::optional<long long> before_resume = SensingTicks(main);
  DWORD_PTR answer = 0;
  Check(SendMessageTimeoutW(HWND_BROADCAST, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, SMTO_ABORTIFHUNG, 5000,
                            &answer) != 0,
        L"the resume is broadcast");
  Pause(200);
  const std::optional<long long> after_resume = SensingTicks(main);
  if (before_resume && after_resume) {
    Check(*after_resume - *before_resume >= 5, L"the broadcast resume woke the loop (" +
                                                   std::to_wstring(*after_resume - *before_resume) +
                                                   L" ticks in 200 ms)");
  }

  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"hotkey.exe")), kPresses, L"no shortcut started twice");
  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish("launcher_wake");
}
