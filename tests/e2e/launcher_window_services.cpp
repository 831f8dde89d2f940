// The Window services: straight strokes made with the Window-service
// trigger (Ctrl+Alt, TRIGGER4=1) act on the window in front or start the
// launcher's companions, whatever programs are registered for the codes.
//
// The window in front is launcher_service_target.exe, which logs the keys
// (with their scan codes: programs that read them must see the keys meant),
// characters and commands it receives.  It stands at the bottom right; the
// strokes are drawn over the bare desktop at the top left (under Wine a
// stroke over a window loses its held keys), and the target's maximised
// size keeps it in its corner.
//   "Rl" up-left     op 1  "% "     Alt+Space: the window menu
//   "Lr" up-right    op 2  "%{F4}"  Alt+F4: the window closes
//   "Ll" up          op 3  maximise, or restore a minimised window
//   "lL" down        op 4  minimise, or restore a maximised window
//   "rl" left        op 6  FeskIni.exe
//   "lR" down-right  op 9  (WinService8=9 in Fesk.Ini) FeskPal.exe M
//   "lr" right       op 5  the settings dialog, although CMD0 has "lr"
#include <cstdlib>

#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

const std::vector<POINT> kUpLeft = {{500, 400}, {200, 100}};
const std::vector<POINT> kUpRight = {{200, 400}, {500, 100}};
const std::vector<POINT> kUp = {{300, 400}, {300, 100}};
const std::vector<POINT> kDown = {{300, 100}, {300, 400}};
const std::vector<POINT> kLeft = {{500, 250}, {200, 250}};
const std::vector<POINT> kDownRight = {{200, 100}, {500, 400}};
const std::vector<POINT> kRight = {{200, 250}, {500, 250}};

void ServiceStroke(const std::vector<POINT>& path) { Gesture({VK_CONTROL, VK_MENU}, path); }

// One event the target logged: "<tick> <event> <fields>".
struct TargetEvent {
  unsigned long long tick = 0;
  std::wstring text;  // without the tick
};

class Target {
 public:
  Target(const std::wstring& folder, const std::wstring& log_name) : log_(folder + L"\\" + log_name) {
    process_ = Start(OwnFolder() + L"\\launcher_service_target.exe", L"\"" + log_ + L"\" 700 520 260 180", folder);
    window_ = WaitForTopWindow({L"FeskServiceTarget", L"service target", process_.id()}, 20000);
    Check(window_ != nullptr, L"the target window is there");
    Check(WaitUntil([&] { return !Events(L"ready").empty(); }, 10000), L"the target is ready");
    Check(window_ && BringToFront(window_, 5000), L"the target is the foreground window");
  }

  HWND window() const { return window_; }
  Process& process() { return process_; }

  std::vector<TargetEvent> Events(std::wstring_view prefix = {}) const {
    std::vector<TargetEvent> events;
    for (const std::wstring& line : ReadLines(log_)) {
      std::size_t space = line.find(L' ');
      if (space == std::wstring::npos) continue;
      TargetEvent event{std::wcstoull(line.c_str(), nullptr, 10), line.substr(space + 1)};
      if (event.text.compare(0, prefix.size(), prefix) == 0) events.push_back(event);
    }
    return events;
  }

  std::size_t Mark() const { return Events().size(); }

  // What the launcher did to the window since `mark`, one event a line: the
  // driver's own keys (the trigger) are left out.
  std::wstring LauncherEventsSince(std::size_t mark) const {
    std::vector<TargetEvent> events = Events();
    std::wstring text;
    for (std::size_t i = mark; i < events.size(); ++i) {
      const std::wstring& event = events[i].text;
      if (event.ends_with(L" driver")) continue;
      text += event + L"\n";
    }
    return text;
  }

  // The keys and characters the launcher typed since `mark`.
  std::wstring LauncherKeysSince(std::size_t mark) const {
    std::wstring text, events = LauncherEventsSince(mark);
    std::size_t start = 0;
    while (start < events.size()) {
      std::size_t end = events.find(L'\n', start);
      std::wstring event = events.substr(start, end - start);
      if (event.find(L"key") != std::wstring::npos || event.find(L"char") != std::wstring::npos) {
        text += event + L"\n";
      }
      start = end + 1;
    }
    return text;
  }

  // The show states the window went through since `mark` ("size ..." events).
  std::wstring SizesSince(std::size_t mark) const {
    std::vector<TargetEvent> events = Events();
    std::wstring text;
    for (std::size_t i = mark; i < events.size(); ++i) {
      if (events[i].text.compare(0, 5, L"size ") == 0) text += events[i].text.substr(5) + L"\n";
    }
    return text;
  }

  bool WaitForEvent(std::wstring_view event, std::size_t mark, int timeout_ms) const {
    return WaitUntil(
        [&] {
          std::vector<TargetEvent> events = Events();
          for (std::size_t i = mark; i < events.size(); ++i) {
            if (events[i].text == event) return true;
          }
          return false;
        },
        timeout_ms, 50);
  }

 private:
  std::wstring log_;
  Process process_;
  HWND window_ = nullptr;
};

// Ops 3 and 4 on the target: one stroke, one change of show state.
void ShowStateStroke(Target& target, const std::vector<POINT>& stroke, const wchar_t* direction, const wchar_t* state,
                     bool zoomed, bool iconic) {
  Check(GetForegroundWindow() == target.window(), L"the target is still in front");
  const std::size_t mark = target.Mark();
  ServiceStroke(stroke);
  const std::wstring expected = std::wstring(state) + L"\n";
  Check(WaitUntil([&] { return !target.SizesSince(mark).empty(); }, 10000, 50),
        std::wstring(L"the stroke ") + direction + L" changed the window");
  Pause(500);  // no second change may follow
  CheckEqual(target.SizesSince(mark), expected,
             std::wstring(L"the stroke ") + direction + L" made the window " + state);
  CheckEqual(static_cast<long long>(IsZoomed(target.window()) != 0), zoomed,
             std::wstring(L"IsZoomed after ") + direction);
  CheckEqual(static_cast<long long>(IsIconic(target.window()) != 0), iconic,
             std::wstring(L"IsIconic after ") + direction);
  CheckEqual(target.LauncherKeysSince(mark), L"", L"and the launcher typed nothing into it");
}

}  // namespace

int main() {
  const std::wstring name = L"launcher_window_services";
  const std::wstring folder = MakeTestFolder(name);
  const std::wstring settings = Section(L"SYSTEM", {{L"TRIGGER4", L"1"}, {L"WinService8", L"9"}}) +
                                Section(L"CMD0", {{L"DISCRIPTION", L"右へ"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}});
  FillFolder(folder, {L"app.exe", L"FeskIni.exe", L"FeskPal.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_window_services");

  // Op 1, up-left: Alt down, Space down gives the window menu, whose loop
  // then takes the key-ups.  The target is ended with its menu open (a
  // stroke over an open menu would lose its keys: Wine grabs the pointer).
  {
    Target target(folder, L"menu.log");
    const std::size_t mark = target.Mark();
    ServiceStroke(kUpLeft);
    Check(target.WaitForEvent(L"menuloop enter", mark, 10000), L"up-left opened the window menu");
    Pause(500);
    CheckEqual(target.LauncherEventsSince(mark),
               L"syskeydown vk=12 scan=38\n"  // Alt, with its scan code
               L"syskeydown vk=20 scan=39\n"  // Space
               L"syschar code=20\n"
               L"syscommand sc=f100\n"  // SC_KEYMENU
               L"menuloop enter\n",
               L"up-left typed Alt+Space and nothing else");
    target.process().Kill();
  }

  // Op 2, up-right: Alt+F4 closes the window and its program ends.
  {
    Target target(folder, L"close.log");
    const std::size_t mark = target.Mark();
    ServiceStroke(kUpRight);
    Check(target.process().Wait(15000), L"up-right ended the target program");
    CheckEqual(target.LauncherEventsSince(mark),
               L"syskeydown vk=12 scan=38\n"  // Alt
               L"syskeydown vk=73 scan=3e\n"  // F4
               L"syscommand sc=f060\n"        // SC_CLOSE
               L"close\n",
               L"up-right typed Alt+F4 and the window closed");
  }

  // Ops 3 and 4: up maximises, down restores the maximised window, down
  // again minimises, up restores the minimised one.
  {
    Target target(folder, L"size.log");
    ShowStateStroke(target, kUp, L"up", L"maximized", true, false);
    ShowStateStroke(target, kDown, L"down", L"restored", false, false);
    ShowStateStroke(target, kDown, L"down", L"minimized", false, true);
    ShowStateStroke(target, kUp, L"up", L"restored", false, false);
    target.process().Kill();
  }
  // With the target gone nothing is in front, and Wine delivers no raw input
  // then: the launcher, asleep since the last stroke, notices at its next
  // safety tick (at most a second) and senses without sleeping from then on.
  // On Windows raw input comes whatever is in front.
  Pause(1500);

  // Op 6, left: the editor from the launcher's folder, without parameters.
  ServiceStroke(kLeft);
  std::vector<LaunchRecord> editors = WaitForRecords(folder, 1, 15000, L"FeskIni.exe");
  CheckEqual(Count(editors), 1, L"left started FeskIni.exe");
  if (!editors.empty()) CheckEqual(editors[0].Arguments(), L"", L"without parameters");

  // Op 9, chosen for down-right in Fesk.Ini: the palette program with "M".
  ServiceStroke(kDownRight);
  std::vector<LaunchRecord> palettes = WaitForRecords(folder, 1, 15000, L"FeskPal.exe");
  CheckEqual(Count(palettes), 1, L"down-right started FeskPal.exe");
  if (!palettes.empty()) CheckEqual(palettes[0].Arguments(), L"M", L"with \"M\"");

  // Op 5, right: the settings dialog, not the program registered for "lr".
  ServiceStroke(kRight);
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"right showed the settings dialog");
  Check(WaitUntil([&] { return GetForegroundWindow() == main; }, 5000), L"in front");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"app.exe")), 0, L"the program with \"lr\" did not start");
  CheckEqual(Count(ReadRecords(folder)), 2, L"nothing else started");

  return Finish("launcher_window_services");
}
