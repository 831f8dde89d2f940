// The least any polling launcher does while idle, for the idle figures of
// bench/launcher_wine_figures.sh: a hidden window with a 10 ms message
// timer, and on each tick the asynchronous state of the sixteen keys a
// default configuration's idle tick asks for when it skips nothing: Alt,
// Shift and Ctrl (the run-option toggle), the right button (screen
// positions), and the six keys of each trigger, Ctrl + Alt (Window
// services) and Shift + Ctrl (mouse actions), their "no key" places
// included.  It runs until its window is closed or its process is ended.
//
// Started with "idle" it sets no timer: a window that only waits for
// messages, the least any Wine program with a window costs (the floor
// under a launcher that sleeps while no input comes).
#include "platform/win32/windows_api.h"

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kInterval = 10;

constexpr int kKeys[16] = {
    VK_MENU,    VK_SHIFT,   VK_CONTROL,                                      // run-option toggle
    VK_RBUTTON,                                                              // screen positions
    VK_CONTROL, VK_MENU,    0,          VK_LBUTTON, VK_SHIFT,   VK_RBUTTON,  // Ctrl + Alt
    VK_SHIFT,   VK_CONTROL, 0,          VK_MENU,    VK_LBUTTON, VK_RBUTTON,  // Shift + Ctrl
};

volatile int g_held = 0;

LRESULT CALLBACK PollerProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_TIMER: {
      int held = 0;
      for (int key : kKeys) held += (GetAsyncKeyState(key) & 0x8000) != 0;
      g_held = held;
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  WNDCLASSEXW kind{};
  kind.cbSize = sizeof kind;
  kind.lpfnWndProc = &PollerProc;
  kind.hInstance = instance;
  kind.lpszClassName = L"FeskMinimalPoller";
  if (!RegisterClassExW(&kind)) return 1;
  HWND window = CreateWindowExW(0, L"FeskMinimalPoller", L"minimal poller", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 2;
  const bool idle = arguments != nullptr && lstrcmpA(arguments, "idle") == 0;
  if (!idle && !SetTimer(window, kTimer, kInterval, nullptr)) return 2;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
