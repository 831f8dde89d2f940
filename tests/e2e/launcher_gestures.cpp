// What starts a program: a Shift+Ctrl stroke from left to right ("lr"), its
// start region against each program's RUNPOS, the minimum size SENMIN, a
// shortcut key held down, and the right button at a screen corner.
//
// The screen is 1024 x 768, so the start regions are split at x 341 and 682,
// y 256 and 512.  The programs are recorder copies:
//   CMD0 "lr", not from the centre region    -> app.exe /x "two words" in 作業
//   CMD1 "lr", from anywhere                 -> second.exe /second
//   CMD2 shortcut Ctrl+Alt+K                  -> hotkey.exe /hotkey
//   CMD3 top-right corner (DISPLAYPOS 3)      -> corner.exe /corner
//   CMD4 a square "lrRLl", from anywhere      -> square.exe /square
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr int kQuietMs = 1500;

}  // namespace

int main() {
  const std::wstring name = L"launcher_gestures";
  const std::wstring folder = MakeTestFolder(name);
  const std::wstring work = folder + L"\\作業";
  MakeFolders(work);
  const std::wstring settings = Section(L"SYSTEM", {{L"SENMIN", L"100"}, {L"TRIGGER3", L"1"}}) +
                                Section(L"CMD0", {{L"DISCRIPTION", L"右へ ﾃｽﾄ"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"CMDSHOW", L"SW_SHOW"},
                                                  {L"WORKDIR", work},
                                                  {L"OPTION", L"/x \"two words\""},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111101111"}}) +
                                Section(L"CMD1", {{L"DISCRIPTION", L"中央から"},
                                                  {L"CMDLINE", folder + L"\\second.exe"},
                                                  {L"WORKDIR", folder},
                                                  {L"OPTION", L"/second"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}}) +
                                Section(L"CMD2", {{L"DISCRIPTION", L"ショートカット"},
                                                  {L"CMDLINE", folder + L"\\hotkey.exe"},
                                                  {L"OPTION", L"/hotkey"},
                                                  {L"ACTCODE", L""},
                                                  {L"HOTKEY", L"Ctrl+Alt+K"}}) +
                                Section(L"CMD3", {{L"DISCRIPTION", L"右上の角"},
                                                  {L"CMDLINE", folder + L"\\corner.exe"},
                                                  {L"OPTION", L"/corner"},
                                                  {L"ACTCODE", L""},
                                                  {L"DISPLAYPOS", L"3"}}) +
                                Section(L"CMD4", {{L"DISCRIPTION", L"四角"},
                                                  {L"CMDLINE", folder + L"\\square.exe"},
                                                  {L"OPTION", L"/square"},
                                                  {L"ACTCODE", L"lrRLl"},
                                                  {L"RUNPOS", L"111111111"}});
  FillFolder(folder, {L"app.exe", L"second.exe", L"hotkey.exe", L"corner.exe", L"square.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_gestures");
  const SIZE screen = ScreenSize();
  CheckEqual(screen.cx * 10000LL + screen.cy, 1024 * 10000LL + 768, L"the screen is 1024 x 768");

  // 1. From the top left region: CMD0 may start there.
  Gesture({VK_SHIFT, VK_CONTROL}, {{60, 150}, {320, 150}});
  std::vector<LaunchRecord> apps = WaitForRecords(folder, 1, 15000, L"app.exe");
  CheckEqual(Count(apps), 1, L"the stroke from the top left started app.exe");
  if (!apps.empty()) {
    CheckEqual(apps[0].Arguments(), L"/x \"two words\"", L"with its OPTION as arguments");
    Check(SamePath(apps[0].work_folder, work), L"in its WORKDIR (" + apps[0].work_folder + L")");
  }

  // 2. From the centre region, which CMD0's RUNPOS forbids: CMD1 instead.
  Gesture({VK_SHIFT, VK_CONTROL}, {{400, 380}, {660, 380}});
  std::vector<LaunchRecord> seconds = WaitForRecords(folder, 1, 15000, L"second.exe");
  CheckEqual(Count(seconds), 1, L"the stroke from the centre started second.exe");
  if (!seconds.empty()) {
    CheckEqual(seconds[0].Arguments(), L"/second", L"second.exe got its own OPTION");
    Check(SamePath(seconds[0].work_folder, folder), L"in its own WORKDIR");
  }
  CheckEqual(Count(RecordsAfterQuiet(folder, kQuietMs, L"app.exe")), 1, L"app.exe did not start from the centre");

  // 3. Exactly SENMIN (100) wide is not enough; one pixel more is.  The
  //    cursor rests at both ends with the keys held (a path of one point
  //    twice), so that the first and last samples are the ends even when a
  //    busy machine delays a tick.
  const std::size_t before_small = ReadRecords(folder).size();
  Gesture({VK_SHIFT, VK_CONTROL}, {{400, 600}, {400, 600}, {500, 600}, {500, 600}});
  CheckEqual(Count(RecordsAfterQuiet(folder, kQuietMs)), static_cast<long long>(before_small),
             L"a stroke 100 pixels wide started nothing");
  Gesture({VK_SHIFT, VK_CONTROL}, {{400, 600}, {400, 600}, {501, 600}, {501, 600}});
  apps = WaitForRecords(folder, 2, 15000, L"app.exe");
  CheckEqual(Count(apps), 2, L"a stroke 101 pixels wide started app.exe");
  CheckEqual(Count(RecordsAfterQuiet(folder, 300)), static_cast<long long>(before_small) + 1, L"and nothing else");

  // 4. A shortcut held for half a second (dozens of ticks) starts its
  //    program once; the next press starts it again.
  for (int press = 1; press <= 2; ++press) {
    { HeldKeys held({VK_CONTROL, VK_MENU, 'K'}, 600); }
    std::vector<LaunchRecord> hot = WaitForRecords(folder, static_cast<std::size_t>(press), 15000, L"hotkey.exe");
    hot = RecordsAfterQuiet(folder, kQuietMs, L"hotkey.exe");
    CheckEqual(Count(hot), press, L"press " + std::to_wstring(press) + L" of Ctrl+Alt+K started hotkey.exe once");
    if (static_cast<int>(hot.size()) >= press) {
      CheckEqual(hot[static_cast<std::size_t>(press - 1)].Arguments(), L"/hotkey", L"with its OPTION");
    }
  }

  // 5. The right button: at the bottom left corner, which no program
  //    claims, nothing; at the top right corner, CMD3's DISPLAYPOS, once.
  const std::size_t before_corner = ReadRecords(folder).size();
  MoveCursorTo({0, screen.cy - 1});
  Click(MouseButton::kRight, 300);
  CheckEqual(Count(RecordsAfterQuiet(folder, 2500)), static_cast<long long>(before_corner),
             L"the right button at the bottom left corner started nothing");
  MoveCursorTo({screen.cx - 1, 0});
  Click(MouseButton::kRight, 300);
  std::vector<LaunchRecord> corners = WaitForRecords(folder, 1, 15000, L"corner.exe");
  CheckEqual(Count(corners), 1, L"the right button at the top right corner started corner.exe");
  if (!corners.empty()) CheckEqual(corners[0].Arguments(), L"/corner", L"with its OPTION");
  CheckEqual(Count(RecordsAfterQuiet(folder, 3000)), static_cast<long long>(before_corner) + 1,
             L"once, and nothing else");
  MoveCursorTo({512, 384});

  // 6. A square drawn slowly, a point every 10 ms for about 1.6 s: far more
  //    moving ticks than the 50 samples kept.  The whole square is
  //    recognised, so its program starts, not CMD0 listed first for "lr",
  //    the code of its first half second.
  const std::size_t before_square = ReadRecords(folder).size();
  Gesture({VK_SHIFT, VK_CONTROL}, {{60, 150}, {300, 150}, {300, 390}, {60, 390}, {60, 150}}, 40, 10);
  std::vector<LaunchRecord> squares = WaitForRecords(folder, 1, 15000, L"square.exe");
  CheckEqual(Count(squares), 1, L"the slow square started square.exe");
  if (!squares.empty()) CheckEqual(squares[0].Arguments(), L"/square", L"with its OPTION");
  CheckEqual(Count(RecordsAfterQuiet(folder, kQuietMs)), static_cast<long long>(before_square) + 1,
             L"and nothing else (not app.exe for \"lr\")");

  CheckEqual(CountProcesses(L"Fesk.exe"), 1, L"the launcher still runs");
  return Finish("launcher_gestures");
}
