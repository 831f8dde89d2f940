// A full-screen program, as a game, a slide show or a video player shows
// itself: one borderless window over the whole of the monitor it starts on,
// brought to the front.  It ends when the window is closed.  With "window"
// it is an ordinary program instead: its window leaves the left 200 and the
// bottom 100 pixels of the monitor free, yet reaches the top right corner,
// where a click still lands on it.
//
//   full_screen_target.exe [window]
#include <cstring>

#include "platform/win32/windows_api.h"

namespace {

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  WNDCLASSEXW kind{};
  kind.cbSize = sizeof kind;
  kind.lpfnWndProc = &TargetProc;
  kind.hInstance = instance;
  kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  kind.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  kind.lpszClassName = L"FeskFullScreenTarget";
  RegisterClassExW(&kind);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcMonitor;
  const bool windowed = arguments != nullptr && std::strstr(arguments, "window") != nullptr;
  RECT place = area;
  if (windowed) {
    place.left += 200;
    place.bottom -= 100;
  }
  HWND window = CreateWindowExW(
      0, L"FeskFullScreenTarget", windowed ? L"window" : L"full screen", windowed ? WS_POPUP | WS_BORDER : WS_POPUP,
      place.left, place.top, place.right - place.left, place.bottom - place.top, nullptr, nullptr, instance, nullptr);
  if (!window) return 3;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetForegroundWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
