// A foreground lock in memory: the window in front, windows that hang, and
// every step the launcher took, in order.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/foreground_rights.h"

namespace fesk::fake {

class FakeForegroundRights : public ForegroundRightsPort {
 public:
  WindowId foreground = 0;
  // While set, SetForeground is refused unless the launcher's input is
  // joined with the thread of the window in front (Windows' lock as it
  // treats a process that has not received the last input).
  bool locked = false;
  std::set<WindowId> hung;
  // The steps, by name; stamp, when set, adds the test's own note to each
  // (e.g. how many programs had started by then).
  std::vector<std::string> calls;
  std::function<std::string()> stamp;

  void SendNeutralInput() override { Log("neutral input"); }
  void AllowAnyProcessForeground() override { Log("allow any process"); }
  void SetForeground(WindowId window) override {
    Log("set foreground " + std::to_string(window));
    if (!locked || (shared_with_ != 0 && shared_with_ == foreground)) foreground = window;
  }
  WindowId Foreground() override { return foreground; }
  bool Responds(WindowId window) override {
    Log("responds? " + std::to_string(window));
    return hung.count(window) == 0;
  }
  bool ShareInputWith(WindowId window, bool share) override {
    Log((share ? "share input with " : "part input from ") + std::to_string(window));
    shared_with_ = share ? window : 0;
    return true;
  }

 private:
  void Log(std::string call) { calls.push_back(stamp ? call + stamp() : call); }

  WindowId shared_with_ = 0;
};

}  // namespace fesk::fake
