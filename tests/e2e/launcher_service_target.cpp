// A small window for the launcher's Window services to act on.  It writes
// one line per message of interest to a log file, so that a scenario can see
// exactly which keys and characters arrived and what became of the window:
//
//   launcher_service_target.exe <log file> <left> <top> <width> <height>
//
// Lines (UTF-8, CRLF), each "<tick> <event> ...":
//   ready                       the window is shown and in front
//   keydown|keyup|syskeydown|syskeyup vk=<hex> scan=<hex>[ ext][ driver]
//                               ext: the extended flag; driver: sent by the
//                               test driver (kDriverInputMark)
//   char|syschar code=<hex>
//   syscommand sc=<hex>         WM_SYSCOMMAND, the low four bits cleared
//   menuloop enter|exit         the window menu opened or closed
//   size restored|minimized|maximized
//   close                       WM_CLOSE (the window is then destroyed)
//   hang ms=<n>                 the window stops answering for n ms ...
//   answers                     ... and answers again
//
// A message kHangMessage (WM_APP + 1) posted to the window with wParam n
// makes it stop answering for n milliseconds, as a hung program does.
//
// Maximised, the window keeps to a small area beside its normal place
// (WM_GETMINMAXINFO), so that strokes drawn elsewhere never cross it: under
// Wine a stroke over a window loses its held keys.
//
//   launcher_service_target.exe /idle
//
// runs nothing but a message loop behind a hidden window: the yardstick of an
// idle Win32 program for the launcher's idle CPU time.
#include <cstdio>
#include <string>

#include "tests/e2e/driver/driver.h"

namespace {

std::wstring g_log;
RECT g_normal{};

// Each line is appended and the file closed again, so the scenario reads
// what happened so far while the window lives.
void Write(const std::string& event) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%llu ", static_cast<unsigned long long>(GetTickCount64()));
  std::string line = stamp + event + "\r\n";
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE file = CreateFileW(g_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      CloseHandle(file);
      return;
    }
    Sleep(10);
  }
}

std::string Hex(unsigned long long value) {
  char text[32];
  std::snprintf(text, sizeof text, "%llx", value);
  return text;
}

const char* KeyMessageName(UINT message) {
  switch (message) {
    case WM_KEYDOWN: return "keydown";
    case WM_KEYUP: return "keyup";
    case WM_SYSKEYDOWN: return "syskeydown";
    case WM_SYSKEYUP: return "syskeyup";
    default: return nullptr;
  }
}

constexpr UINT kHangMessage = WM_APP + 1;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (const char* name = KeyMessageName(message)) {
    const bool extended = ((l >> 24) & 1) != 0;
    const bool by_driver = static_cast<ULONG_PTR>(GetMessageExtraInfo()) == fesk::e2e::kDriverInputMark;
    Write(std::string(name) + " vk=" + Hex(w) + " scan=" + Hex((l >> 16) & 0xFF) + (extended ? " ext" : "") +
          (by_driver ? " driver" : ""));
  }
  switch (message) {
    case WM_CHAR: Write("char code=" + Hex(w)); break;
    case WM_SYSCHAR: Write("syschar code=" + Hex(w)); break;
    case WM_SYSCOMMAND: Write("syscommand sc=" + Hex(w & 0xFFF0)); break;
    case WM_ENTERMENULOOP: Write("menuloop enter"); break;
    case WM_EXITMENULOOP: Write("menuloop exit"); break;
    case WM_SIZE:
      Write(std::string("size ") + (w == SIZE_MINIMIZED   ? "minimized"
                                    : w == SIZE_MAXIMIZED ? "maximized"
                                                          : "restored"));
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(l);
      info->ptMaxPosition = {g_normal.left - 20, g_normal.top - 20};
      info->ptMaxSize = {g_normal.right - g_normal.left + 40, g_normal.bottom - g_normal.top + 40};
      return 0;
    }
    case WM_CLOSE: Write("close"); break;
    case kHangMessage:
      Write("hang ms=" + std::to_string(w));
      Sleep(static_cast<DWORD>(w));
      Write("answers");
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

int MessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return 2;

  WNDCLASSEXW kind{};
  kind.cbSize = sizeof kind;
  kind.lpfnWndProc = &TargetProc;
  kind.hInstance = instance;
  kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  kind.lpszClassName = L"FeskServiceTarget";
  RegisterClassExW(&kind);

  if (count == 2 && std::wstring(arguments[1]) == L"/idle") {
    CreateWindowExW(0, L"FeskServiceTarget", L"idle", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, instance,
                    nullptr);
    return MessageLoop();
  }
  if (count != 6) return 2;
  g_log = arguments[1];
  const int left = _wtoi(arguments[2]), top = _wtoi(arguments[3]);
  g_normal = {left, top, left + _wtoi(arguments[4]), top + _wtoi(arguments[5])};
  LocalFree(arguments);

  HWND window = CreateWindowExW(0, L"FeskServiceTarget", L"service target", WS_OVERLAPPEDWINDOW, g_normal.left,
                                g_normal.top, g_normal.right - g_normal.left, g_normal.bottom - g_normal.top, nullptr,
                                nullptr, instance, nullptr);
  if (!window) return 3;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  SetForegroundWindow(window);
  SetFocus(window);
  Write("ready");
  return MessageLoop();
}
