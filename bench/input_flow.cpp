// A helper of bench/idle_cpu_wine.sh, run in the Wine prefix of a program
// being measured:
//
//   input_flow.exe ticks       prints how many sensing ticks the launcher of
//                              this prefix has run (its main window answers
//                              the registered message "FeskSensingTicks"),
//                              or "none" when there is no launcher
//   input_flow.exe keys N      presses F24 every 100 ms for N seconds
//   input_flow.exe front N     only keeps its window in front for N seconds
//
// F24 is a key event like any other for raw input, but no keyboard has it
// and the launcher's loop never reads it: it wakes the launcher and starts
// nothing, the least input a user's typing can be.  The keys go to a small
// window of this helper in front: Wine hands raw input to other processes
// only while some window is in front, as a user's desktop always has; the
// idle measurement keeps the same window in front, with no keys.
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "tests/e2e/driver/driver.h"

namespace {

constexpr int kKeyPeriod = 100;
constexpr int kKeyHold = 30;

int PrintTicks() {
  HWND main = FindWindowW(L"TFFesk1", nullptr);
  DWORD_PTR answer = 0;
  const UINT message = RegisterWindowMessageW(L"FeskSensingTicks");
  if (!main || !SendMessageTimeoutW(main, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
    std::puts("none");
    return 1;
  }
  std::printf("%llu\n", static_cast<unsigned long long>(answer));
  return 0;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

// Keeps a small window of this helper in front for `seconds`, pressing F24
// every 100 ms meanwhile when `press_keys`.
int HoldFront(int seconds, bool press_keys) {
  HWND front = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"input flow", WS_POPUP | WS_VISIBLE, 0, 700, 60, 40,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(front);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  ULONGLONG next = GetTickCount64();
  while (next < end) {
    if (press_keys) fesk::e2e::PressKey(VK_F24, kKeyHold);
    PumpMessages();
    next += kKeyPeriod;
    const ULONGLONG now = GetTickCount64();
    if (next > now) Sleep(static_cast<DWORD>(next - now));
  }
  DestroyWindow(front);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 2 && std::wcscmp(argv[1], L"ticks") == 0) return PrintTicks();
  if (argc >= 3 && std::wcscmp(argv[1], L"keys") == 0) return HoldFront(std::wcstol(argv[2], nullptr, 10), true);
  if (argc >= 3 && std::wcscmp(argv[1], L"front") == 0) return HoldFront(std::wcstol(argv[2], nullptr, 10), false);
  std::fputs("usage: input_flow.exe ticks | keys SECONDS | front SECONDS\n", stderr);
  return 2;
}
