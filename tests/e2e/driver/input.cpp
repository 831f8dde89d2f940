// Injected keys, mouse buttons and cursor moves; posted messages; dropped
// files.
#include <cstring>

#include "tests/e2e/driver/driver.h"

#include <shlobj.h>  // DROPFILES; after <windows.h>

namespace fesk::e2e {

namespace {

bool IsExtendedKey(WORD vk) {
  switch (vk) {
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS: return true;
    default: return false;
  }
}

bool SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  input.ki.dwExtraInfo = kDriverInputMark;
  return SendInput(1, &input, sizeof input) == 1;
}

bool SendButton(MouseButton button, bool up) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  switch (button) {
    case MouseButton::kLeft: input.mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN; break;
    case MouseButton::kRight: input.mi.dwFlags = up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN; break;
    case MouseButton::kMiddle: input.mi.dwFlags = up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN; break;
  }
  return SendInput(1, &input, sizeof input) == 1;
}

}  // namespace

bool KeyDown(WORD vk) { return SendKey(vk, false); }
bool KeyUp(WORD vk) { return SendKey(vk, true); }

bool PressKey(WORD vk, int hold_ms) {
  bool ok = KeyDown(vk);
  Sleep(static_cast<DWORD>(hold_ms));
  return KeyUp(vk) && ok;
}

bool TypeText(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT inputs[2]{};
    for (int i = 0; i < 2; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wScan = c;
      inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    if (SendInput(2, inputs, sizeof inputs[0]) != 2) return false;
    Sleep(10);
  }
  return true;
}

bool MouseDown(MouseButton button) { return SendButton(button, false); }
bool MouseUp(MouseButton button) { return SendButton(button, true); }

bool Click(MouseButton button, int hold_ms) {
  bool ok = MouseDown(button);
  Sleep(static_cast<DWORD>(hold_ms));
  return MouseUp(button) && ok;
}

bool ClickWindow(HWND window, MouseButton button) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return false;
  bool ok = MoveCursorTo({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  Sleep(30);
  return Click(button) && ok;
}

bool MoveCursorTo(POINT point) { return SetCursorPos(point.x, point.y) != 0; }

POINT CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return point;
}

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void MoveCursor(POINT from, POINT to, int steps, int pause_ms) {
  if (steps < 1) steps = 1;
  MoveCursorTo(from);
  for (int i = 1; i <= steps; ++i) {
    POINT point{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    MoveCursorTo(point);
    Sleep(static_cast<DWORD>(pause_ms));
  }
}

HeldKeys::HeldKeys(std::initializer_list<WORD> keys, int settle_ms) : keys_(keys) {
  for (WORD vk : keys_) KeyDown(vk);
  Sleep(static_cast<DWORD>(settle_ms));
}

HeldKeys::~HeldKeys() { Release(); }

void HeldKeys::Release() {
  for (auto vk = keys_.rbegin(); vk != keys_.rend(); ++vk) KeyUp(*vk);
  keys_.clear();
}

std::vector<HWND> WindowsUnderPath(const std::vector<POINT>& path, int steps) {
  std::vector<POINT> points(path.begin(), path.begin() + (path.empty() ? 0 : 1));
  if (steps < 1) steps = 1;
  for (std::size_t i = 1; i < path.size(); ++i) {
    for (int step = 1; step <= steps; ++step) {
      points.push_back({path[i - 1].x + (path[i].x - path[i - 1].x) * step / steps,
                        path[i - 1].y + (path[i].y - path[i - 1].y) * step / steps});
    }
  }
  std::vector<HWND> crossed;
  for (const WindowInfo& info : ListTopWindows(true)) {
    for (POINT point : points) {
      if (PtInRect(&info.rect, point)) {
        crossed.push_back(info.window);
        break;
      }
    }
  }
  return crossed;
}

void Gesture(std::initializer_list<WORD> keys, const std::vector<POINT>& path, int steps, int pause_ms) {
  if (path.empty()) return;
  for (HWND window : WindowsUnderPath(path, steps)) {
    Log(L"warning: the stroke crosses the window \"" + WindowText(window) + L"\" (class " + WindowClass(window) +
        L"); under Wine the held keys may come up there");
  }
  MoveCursorTo(path.front());
  Sleep(100);  // the poller takes the resting position first
  {
    HeldKeys held(keys, 80);
    for (std::size_t i = 1; i < path.size(); ++i) MoveCursor(path[i - 1], path[i], steps, pause_ms);
    Sleep(80);  // the end of the stroke is seen before the keys come up
  }
  Sleep(80);
}

bool PostToWindow(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (PostMessageW(window, message, w, l)) return true;
  Log(L"cannot post message " + std::to_wstring(message) + L" (error " + std::to_wstring(GetLastError()) + L")");
  return false;
}

bool PostTrayMessage(HWND main_window, UINT icon_id, UINT mouse_message, UINT callback_message) {
  return PostToWindow(main_window, callback_message, icon_id, mouse_message);
}

HWND WaitForWineTray(int timeout_ms) {
  WindowQuery query(L"__winex11_standalone_tray");
  query.visible_only = true;
  return WaitForTopWindow(query, timeout_ms);
}

bool MoveWineTrayAway() {
  WindowQuery query(L"__winex11_standalone_tray");
  bool moved = true;
  for (HWND tray : FindTopWindows(query)) {
    RECT rect{};
    GetWindowRect(tray, &rect);
    // Left of the screen, where no cursor goes.
    moved = SetWindowPos(tray, nullptr, -(rect.right - rect.left) - 100, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) &&
            moved;
  }
  return moved;
}

bool DropFiles(HWND window, const std::vector<std::wstring>& paths, POINT client_point) {
  // DROPFILES, then each path with its terminating zero, then one more zero.
  std::wstring names;
  for (const std::wstring& path : paths) names += path + L'\0';
  names += L'\0';
  std::string block(sizeof(DROPFILES) + names.size() * sizeof(wchar_t), '\0');
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt = client_point;
  header.fNC = FALSE;
  header.fWide = TRUE;
  std::memcpy(block.data(), &header, sizeof header);
  std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));

  DWORD process_id = WindowProcess(window);
  if (process_id == 0) {
    Log(L"DropFiles: no such window");
    return false;
  }
  if (process_id == GetCurrentProcessId()) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), block.data(), block.size());
    GlobalUnlock(memory);
    if (PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0)) return true;
    GlobalFree(memory);
    return false;
  }

  // Another process: the block must live in its address space.
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, process_id);
  if (!process) {
    Log(L"DropFiles: cannot open process " + std::to_wstring(process_id) + L" (error " +
        std::to_wstring(GetLastError()) + L")");
    return false;
  }
  void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  bool ok =
      remote && WriteProcessMemory(process, remote, block.data(), block.size(), &written) && written == block.size();
  if (ok) ok = PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != 0;
  if (!ok) {
    Log(L"DropFiles: cannot deliver the drop (error " + std::to_wstring(GetLastError()) + L")");
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return ok;
}

}  // namespace fesk::e2e
