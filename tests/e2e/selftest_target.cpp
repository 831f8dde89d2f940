// The subject of the driver's self-test, a small program that behaves the
// way the launcher does where the driver touches it: it asks a question in a
// message box when it starts, polls GetAsyncKeyState and GetCursorPos every
// 10 ms, accepts dropped files, takes a tray-style callback message, has an
// edit box and a button that notes the box's text, and asks "終了確認" before
// it quits.  Everything it notices goes, one UTF-8 line at
// a time, to target.log beside it.
#include <string>

#include "platform/win32/windows_api.h"

namespace {

constexpr UINT kTrayCallback = WM_USER + 101;
constexpr UINT kAskToQuit = WM_APP + 1;
constexpr int kEditId = 100;
constexpr int kButtonId = 101;
constexpr wchar_t kClassName[] = L"FeskE2ETarget";
constexpr wchar_t kCaption[] = L"E2E 受け皿";

std::wstring g_log_path;
CRITICAL_SECTION g_log_lock;

void Note(const std::wstring& line) {
  std::wstring text = line + L"\r\n";
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
  EnterCriticalSection(&g_log_lock);
  HANDLE file = CreateFileW(g_log_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  LeaveCriticalSection(&g_log_lock);
}

std::wstring Point(POINT p) { return std::to_wstring(p.x) + L" " + std::to_wstring(p.y); }

bool Down(int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

// The launcher's way of sensing: a look at the keys and the cursor every
// 10 ms, from its own thread.
DWORD WINAPI PollThread(void*) {
  bool trigger = false, left = false, right = false;
  bool letters[26] = {};
  int samples = 0, moves = 0;
  POINT start{}, last{};
  for (;;) {
    POINT cursor{};
    GetCursorPos(&cursor);
    if (Down(VK_SHIFT) && Down(VK_CONTROL)) {
      if (!trigger) {
        trigger = true;
        samples = moves = 0;
        start = last = cursor;
        Note(L"trigger down at " + Point(cursor));
      } else {
        ++samples;
        if (cursor.x != last.x || cursor.y != last.y) ++moves;
        last = cursor;
      }
    } else if (trigger) {
      trigger = false;
      Note(L"trigger up start " + Point(start) + L" end " + Point(last) + L" samples " + std::to_wstring(samples) +
           L" moves " + std::to_wstring(moves));
    }
    if (Down(VK_LBUTTON) != left) {
      left = !left;
      Note(std::wstring(L"left button ") + (left ? L"down at " : L"up at ") + Point(cursor));
    }
    if (Down(VK_RBUTTON) != right) {
      right = !right;
      Note(std::wstring(L"right button ") + (right ? L"down at " : L"up at ") + Point(cursor));
    }
    for (int i = 0; i < 26; ++i) {
      if (Down('A' + i) != letters[i]) {
        letters[i] = !letters[i];
        if (letters[i]) Note(std::wstring(L"key ") + static_cast<wchar_t>(L'A' + i));
      }
    }
    Sleep(10);
  }
}

void OnDrop(HDROP drop) {
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  Note(L"drop count " + std::to_wstring(count));
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    length = DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    Note(L"drop file " + path);
  }
  POINT point{};
  BOOL client = DragQueryPoint(drop, &point);
  Note(L"drop point " + Point(point) + (client ? L" client" : L" non-client"));
  DragFinish(drop);
  Note(L"drop finished");
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_DROPFILES: OnDrop(reinterpret_cast<HDROP>(w)); return 0;
    case WM_CREATE:
      CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 20, 140, 360,
                      24, window, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
      CreateWindowExW(0, L"Button", L"記録", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 20, 180, 100, 28,
                      window, reinterpret_cast<HMENU>(kButtonId), nullptr, nullptr);
      return 0;
    case WM_SETFOCUS: SetFocus(GetDlgItem(window, kEditId)); return 0;
    case WM_COMMAND:
      if (LOWORD(w) == kButtonId && HIWORD(w) == BN_CLICKED) {
        HWND edit = GetDlgItem(window, kEditId);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
        Note(L"button clicked, edit: " + text);
      }
      return 0;
    case kTrayCallback: Note(L"tray icon " + std::to_wstring(w) + L" mouse " + std::to_wstring(l)); return 0;
    case kAskToQuit: {
      int answer = MessageBoxW(window, L"E2E 受け皿を終了しますか？", L"終了確認", MB_YESNO | MB_ICONQUESTION);
      Note(L"quit box answer " + std::to_wstring(answer));
      if (answer == IDYES) DestroyWindow(window);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT band{20, 20, 380, 120};
      HBRUSH brush = CreateSolidBrush(RGB(40, 120, 200));
      FillRect(dc, &band, brush);
      DeleteObject(brush);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      DrawTextW(dc, L"ファイルをここへドロップ", -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      SelectObject(dc, old);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      Note(L"closed");
      PostQuitMessage(0);
      return 0;
    default: return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  InitializeCriticalSection(&g_log_lock);
  wchar_t module[MAX_PATH];
  std::wstring path(module, GetModuleFileNameW(nullptr, module, MAX_PATH));
  g_log_path = path.substr(0, path.find_last_of(L'\\')) + L"\\target.log";

  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kClassName;
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(WS_EX_ACCEPTFILES, kClassName, kCaption, WS_OVERLAPPEDWINDOW, 100, 100, 420, 300,
                                nullptr, nullptr, instance, nullptr);
  DragAcceptFiles(window, TRUE);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  Note(L"window ready");
  CreateThread(nullptr, 0, PollThread, nullptr, 0, nullptr);

  int answer = MessageBoxW(window, L"テスト用の確認です。\n実行しますか？", L"FESK プログラムの実行確認",
                           MB_OKCANCEL | MB_ICONQUESTION);
  Note(L"startup box answer " + std::to_wstring(answer));

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
