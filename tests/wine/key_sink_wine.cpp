// The launcher's real key sink and foreground-window operations against
// windows of another thread: typed keys arrive as the characters the
// key-description text names, a double-byte character reaches a Unicode
// window as one UTF-16 character and an ANSI window as its two code page
// 932 bytes, a Ctrl the user holds does not turn the text into shortcuts,
// the resize operations act on the foreground window without waiting for a
// program that does not answer, a window of the launcher's own process does
// not count as running with more rights, the window in front is told by its
// program's file name, and the programs of the open windows name this one
// once.
#include <optional>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "launcher/services/send_keys.h"
#include "launcher/win32/win32_foreground_window.h"
#include "launcher/win32/win32_key_sink.h"
#include "launcher/win32/win32_open_programs.h"
#include "platform/win32/windows_api.h"
#include "tests/wine/wine_check.h"

namespace {

constexpr UINT kFocusRequest = WM_APP + 1;
// The target's thread stops answering until `g_release` is set (at most
// 30 s), as a hung program does.
constexpr UINT kHangRequest = WM_APP + 2;
HANDLE g_hanging = nullptr;
HANDLE g_release = nullptr;
volatile LONG g_hang_over = 0;

// Characters received by the target windows, as their window procedures saw
// them: WM_CHAR wParam values.
std::vector<unsigned> g_received;
CRITICAL_SECTION g_lock;

LRESULT CALLBACK AnsiProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_CHAR) {
    EnterCriticalSection(&g_lock);
    g_received.push_back(static_cast<unsigned>(w));
    LeaveCriticalSection(&g_lock);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

LRESULT CALLBACK WideProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_CHAR) {
    EnterCriticalSection(&g_lock);
    g_received.push_back(static_cast<unsigned>(w));
    LeaveCriticalSection(&g_lock);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

struct Target {
  bool ansi = false;
  HWND window = nullptr;
  DWORD thread = 0;
  HANDLE ready = nullptr;
};

// A window of its own thread, with an ANSI or a Unicode message loop as an
// ANSI or a Unicode program would have.
DWORD WINAPI TargetThread(void* parameter) {
  Target& target = *static_cast<Target*>(parameter);
  if (target.ansi) {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = AnsiProc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = "FeskAnsiTarget";
    RegisterClassA(&window_class);
    target.window = CreateWindowExA(0, "FeskAnsiTarget", "ansi", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
  } else {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = WideProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"FeskWideTarget";
    RegisterClassW(&window_class);
    target.window = CreateWindowExW(0, L"FeskWideTarget", L"wide", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 330, 10, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
  }
  SetEvent(target.ready);
  MSG message;
  for (;;) {
    BOOL got = target.ansi ? GetMessageA(&message, nullptr, 0, 0) : GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) break;
    if (message.message == kFocusRequest) {
      SetForegroundWindow(target.window);
      SetFocus(target.window);
      continue;
    }
    if (message.message == kHangRequest) {
      SetEvent(g_hanging);
      WaitForSingleObject(g_release, 30000);
      InterlockedExchange(&g_hang_over, 1);
      continue;
    }
    TranslateMessage(&message);
    if (target.ansi) {
      DispatchMessageA(&message);
    } else {
      DispatchMessageW(&message);
    }
  }
  return 0;
}

void Start(Target& target) {
  target.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CreateThread(nullptr, 0, TargetThread, &target, 0, &target.thread);
  WaitForSingleObject(target.ready, 10000);
}

void Focus(const Target& target) {
  PostThreadMessageW(target.thread, kFocusRequest, 0, 0);
  for (int i = 0; i < 50 && GetForegroundWindow() != target.window; ++i) Sleep(50);
  Sleep(200);
}

std::vector<unsigned> TakeReceived() {
  Sleep(500);  // let the target thread handle what was sent
  EnterCriticalSection(&g_lock);
  std::vector<unsigned> received;
  received.swap(g_received);
  LeaveCriticalSection(&g_lock);
  return received;
}

std::string Show(const std::vector<unsigned>& characters) {
  std::string text;
  for (unsigned c : characters) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%s%04X", text.empty() ? "" : " ", c);
    text += hex;
  }
  return text;
}

// The user's own key press or release, as the keyboard would send it.
void PressSideKey(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
  Sleep(100);
}

void CheckTyping(const Target& target, fesk::KeySender& sender) {
  const std::string kind = target.ansi ? "ANSI window: " : "Unicode window: ";
  Focus(target);
  fesk::winetest::Check(GetForegroundWindow() == target.window, kind + "is in the foreground");

  // Keys go through the input queue, posted characters straight to the
  // window's queue; each part is awaited so their order is the text's.
  TakeReceived();
  sender.SendKeys("aB~");
  fesk::winetest::CheckEqual(Show(TakeReceived()), "0061 0042 000D", kind + "\"aB~\"");
  sender.SendKeys("\x82\xA0");  // hiragana A
  fesk::winetest::CheckEqual(Show(TakeReceived()), target.ansi ? "0082 00A0" : "3042", kind + "double-byte character");
  sender.SendKeys("{} 2}");
  fesk::winetest::CheckEqual(Show(TakeReceived()), "007D 007D", kind + "\"{} 2}\"");

  // The user still holds the left Ctrl: the text is typed without it (not
  // Ctrl+A, character 0001), and the key, released for the text, is not
  // pressed again by the sender, which sees it up now.
  PressSideKey(VK_LCONTROL, 0);
  fesk::winetest::Check((GetAsyncKeyState(VK_LCONTROL) & 0x8000) != 0, kind + "the left Ctrl is held");
  sender.SendKeys("a");
  fesk::winetest::CheckEqual(Show(TakeReceived()), "0061", kind + "\"a\" with Ctrl held");
  fesk::winetest::Check((GetAsyncKeyState(VK_LCONTROL) & 0x8000) == 0, kind + "Ctrl is not left down");
  PressSideKey(VK_LCONTROL, KEYEVENTF_KEYUP);
}

}  // namespace

int main() {
  InitializeCriticalSection(&g_lock);
  fesk::winetest::Check(GetACP() == 932, "the system code page is 932");

  Target ansi, wide;
  ansi.ansi = true;
  Start(ansi);
  Start(wide);

  fesk::win32::Win32KeySink sink;
  fesk::KeySender sender(sink);
  CheckTyping(ansi, sender);
  CheckTyping(wide, sender);

  // Our own thread cannot be attached to itself: the character is dropped.
  HWND own = CreateWindowExW(0, L"STATIC", L"own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 250, 200, 100, nullptr,
                             nullptr, nullptr, nullptr);
  SetForegroundWindow(own);
  Sleep(200);
  fesk::winetest::Check(GetForegroundWindow() == own, "our own window is in the foreground");
  fesk::winetest::Check(!sink.PostDoubleByteChar('\x82', '\xA0'),
                        "a double-byte character for our own thread is refused");

  fesk::win32::Win32ForegroundWindow foreground;
  fesk::winetest::Check(!foreground.ElevatedAboveUs(), "a window of our own process is not above us");
  // The program of the window in front, by its file name alone, as the list
  // of programs to leave alone names it.
  const std::optional<fesk::ForegroundFacts> facts = foreground.Facts();
  fesk::winetest::Check(facts && fesk::cp932::EqualsIgnoreAsciiCase(facts->program_file, "key_sink_wine.exe"),
                        "the window in front belongs to key_sink_wine.exe (" +
                            (facts ? facts->program_file : std::string("no window")) + ")");
  // The programs of the open windows, offered for that list: this program
  // once, however many windows it shows.
  const std::vector<std::string> open = fesk::win32::Win32OpenPrograms().ProgramFiles();
  int listed = 0;
  for (const std::string& file : open) listed += fesk::cp932::EqualsIgnoreAsciiCase(file, "key_sink_wine.exe") ? 1 : 0;
  fesk::winetest::Check(listed == 1, "the open windows' programs name key_sink_wine.exe once (" +
                                         std::to_string(listed) + " of " + std::to_string(open.size()) + ")");

  // Resizing the foreground window.
  Focus(wide);
  foreground.Show(SW_SHOWMAXIMIZED);
  Sleep(300);
  fesk::winetest::Check(IsZoomed(wide.window) && foreground.IsZoomed(), "Show(3) maximises");
  foreground.Show(SW_RESTORE);
  Sleep(300);
  fesk::winetest::Check(!IsZoomed(wide.window) && !IsIconic(wide.window), "Show(9) restores");

  // The program in front stops answering: the resize is asked for without
  // waiting for it, and done once the program answers again.
  g_hanging = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  g_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  PostThreadMessageW(wide.thread, kHangRequest, 0, 0);
  fesk::winetest::Check(WaitForSingleObject(g_hanging, 10000) == WAIT_OBJECT_0, "the window in front stops answering");
  foreground.Show(SW_SHOWMAXIMIZED);
  fesk::winetest::Check(InterlockedCompareExchange(&g_hang_over, 0, 0) == 0,
                        "Show(3) returns while the window in front does not answer");
  SetEvent(g_release);
  bool zoomed = false;
  for (int i = 0; i < 100 && !zoomed; ++i) {
    Sleep(50);
    zoomed = IsZoomed(wide.window) != 0;
  }
  fesk::winetest::Check(zoomed, "and the window is maximised once it answers again");
  foreground.Show(SW_RESTORE);
  Sleep(300);
  foreground.Show(SW_SHOWMINIMIZED);
  Sleep(300);
  fesk::winetest::Check(IsIconic(wide.window) != 0, "Show(2) minimises");

  PostThreadMessageW(ansi.thread, WM_QUIT, 0, 0);
  PostThreadMessageW(wide.thread, WM_QUIT, 0, 0);
  return fesk::winetest::Finish("key_sink_wine");
}
