#include "platform/win32/dpi.h"

namespace fesk::win32 {

namespace {

template <class Function>
Function Lookup(const wchar_t* module_name, const char* name) {
  HMODULE module = GetModuleHandleW(module_name);
  if (module == nullptr) module = LoadLibraryW(module_name);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// MDT_EFFECTIVE_DPI of shellscalingapi.h.
constexpr int kEffectiveDpi = 0;

using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

int DpiOfMonitor(HMONITOR monitor) {
  static const auto get_dpi = Lookup<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (get_dpi && monitor && SUCCEEDED(get_dpi(monitor, kEffectiveDpi, &x, &y)) && y > 0) {
    return static_cast<int>(y);
  }
  return SystemDpi();
}

int DpiOfWindow(HWND window) {
  static const auto get_dpi = Lookup<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (get_dpi && window) {
    if (UINT dpi = get_dpi(window); dpi > 0) return static_cast<int>(dpi);
  }
  return window ? DpiOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)) : SystemDpi();
}

Monitor MonitorOfPoint(Point point) {
  HMONITOR monitor = MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor == nullptr || !GetMonitorInfoW(monitor, &info)) {
    return Monitor{Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, SystemDpi()};
  }
  const RECT& r = info.rcMonitor;
  return Monitor{Rect{r.left, r.top, r.right, r.bottom}, DpiOfMonitor(monitor)};
}

void AdjustFrameForDpi(RECT& frame, DWORD style, DWORD ex_style, int dpi) {
  static const auto adjust = Lookup<AdjustWindowRectExForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  if (adjust && adjust(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
}

}  // namespace fesk::win32
