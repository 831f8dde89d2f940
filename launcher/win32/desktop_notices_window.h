// The launcher's hidden window for what the desktop tells every program: a
// new task bar ("TaskbarCreated", after Explorer restarted), a changed
// system setting, sleep and resume, a changed display.
//
// Windows broadcasts these to the top-level windows, "including disabled or
// invisible unowned windows"; nothing promises them to the settings dialog,
// which is owned.  So they are heard here, in a hidden top-level window that
// has no owner and is not message-only, and handed to the dialog.  The
// window is also the dialog's owner, which keeps the launcher off the task
// bar even while the dialog is shown.
#pragma once

#include <functional>

#include "platform/win32/windows_api.h"

namespace fesk::win32 {

class DesktopNoticesWindow {
 public:
  // Handles one notice; false lets the window's default handling answer it.
  using Handler = std::function<bool(UINT message, WPARAM w, LPARAM l, LRESULT& result)>;

  explicit DesktopNoticesWindow(HINSTANCE instance);
  ~DesktopNoticesWindow();
  DesktopNoticesWindow(const DesktopNoticesWindow&) = delete;
  DesktopNoticesWindow& operator=(const DesktopNoticesWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The registered message of a new task bar.
  UINT taskbar_created() const { return taskbar_created_; }
  // Whether the message is one of the notices heard here.
  bool IsNotice(UINT message) const;
  void SetHandler(Handler handler) { handler_ = std::move(handler); }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);

  HWND hwnd_ = nullptr;
  UINT taskbar_created_ = 0;
  Handler handler_;
};

}  // namespace fesk::win32
