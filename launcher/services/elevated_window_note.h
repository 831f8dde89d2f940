// The note that tells the user, once a run, that the launcher left a window
// alone because it runs as administrator and the launcher does not.
//
// Windows keeps a program from acting on the windows of a more privileged
// one: typed keys are dropped without an error and window operations fail.
// The Window services therefore leave such a window alone, and without a
// word the user would only see a gesture do nothing.  The note is a balloon
// on the launcher's own tray icon: it does not take the foreground from the
// window the user is working in (a message box would, and would open behind
// it anyway).  With the icon hidden there is nothing to show it on; the note
// then waits for a run of the service while the icon is shown, since a box
// or an icon of its own would go against the user's choice of no tray icon.
#pragma once

#include <functional>
#include <utility>

#include "platform/ports.h"

namespace fesk {

inline constexpr char kElevatedNoteTitle[] = "FESK";
inline constexpr char kElevatedNoteText[] = "管理者として実行中のウィンドウには操作できません。";

class ElevatedWindowNote {
 public:
  // icon_shown: whether the launcher's own tray icon is shown now.
  ElevatedWindowNote(TrayPort& tray, std::function<bool()> icon_shown)
      : tray_(tray), icon_shown_(std::move(icon_shown)) {}

  // Shows the note unless it has been shown in this run already.
  void Tell();

 private:
  TrayPort& tray_;
  std::function<bool()> icon_shown_;
  bool told_ = false;
};

}  // namespace fesk
