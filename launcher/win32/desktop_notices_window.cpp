#include "launcher/win32/desktop_notices_window.h"

namespace fesk::win32 {

namespace {
constexpr wchar_t kClassName[] = L"FeskDesktopNotices";
}  // namespace

DesktopNoticesWindow::DesktopNoticesWindow(HINSTANCE instance) {
  WNDCLASSEXW kind{};
  kind.cbSize = sizeof kind;
  kind.lpfnWndProc = &DesktopNoticesWindow::Proc;
  kind.hInstance = instance;
  kind.lpszClassName = kClassName;
  RegisterClassExW(&kind);
  taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
  // Never shown: a tool window, so that not even a flash of it reaches the
  // task bar.
  hwnd_ =
      CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"FESK", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  // Run as administrator, the launcher would otherwise not hear the task
  // bar of a shell that runs with the user's normal rights; the message
  // filter of this window lets exactly that message through.
  if (hwnd_ && taskbar_created_ != 0) ChangeWindowMessageFilterEx(hwnd_, taskbar_created_, MSGFLT_ALLOW, nullptr);
}

DesktopNoticesWindow::~DesktopNoticesWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool DesktopNoticesWindow::IsNotice(UINT message) const {
  return (message == taskbar_created_ && taskbar_created_ != 0) || message == WM_SETTINGCHANGE ||
         message == WM_POWERBROADCAST || message == WM_DISPLAYCHANGE;
}

LRESULT CALLBACK DesktopNoticesWindow::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
  }
  auto* self = reinterpret_cast<DesktopNoticesWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->handler_ && self->IsNotice(message)) {
    LRESULT result = 0;
    if (self->handler_(message, w, l, result)) return result;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace fesk::win32
