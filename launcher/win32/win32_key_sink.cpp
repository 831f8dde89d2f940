#include "launcher/win32/win32_key_sink.h"

#include "common/cp932.h"
#include "launcher/services/key_scan_codes.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

namespace {

constexpr UINT kCodePage = 932;
constexpr DWORD kIdleWaitMs = 10000;
constexpr LPARAM kCharKeyData = 0x10001;  // repeat count 1, scan code 1

// The scan codes of the launcher's own keyboard layout.
class LayoutScanCodes : public ScanCodePort {
 public:
  unsigned ScanCode(int virtual_key) override {
    return MapVirtualKeyW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_VSC_EX);
  }
};

// Each key event as the keyboard would send it: with the key's scan code
// and, for an extended key, the extended flag, so that programs that read
// the scan code (remote desktops, virtual machines, games) see the key that
// is meant.
void SendKeyEvent(int virtual_key, DWORD flags) {
  LayoutScanCodes layout;
  const KeyEventCodes codes = KeyEventCodesOf(virtual_key, layout);
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(virtual_key);
  input.ki.wScan = codes.scan;
  input.ki.dwFlags = flags | (codes.extended ? KEYEVENTF_EXTENDEDKEY : 0);
  input.ki.time = 0;
  input.ki.dwExtraInfo = 0;
  SendInput(1, &input, sizeof input);
}

// The keys are interpreted by the thread that owns the foreground window,
// with its keyboard layout; that layout decides which key and shift state
// give a character.  Without a foreground window our own layout is used.
HKL TypingLayout() {
  HWND foreground = GetForegroundWindow();
  DWORD thread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  return GetKeyboardLayout(thread);
}

}  // namespace

void Win32KeySink::KeyDown(int virtual_key) { SendKeyEvent(virtual_key, 0); }

void Win32KeySink::KeyUp(int virtual_key) { SendKeyEvent(virtual_key, KEYEVENTF_KEYUP); }

// The most significant bit: down now.  (The least significant bit tells of a
// press since an earlier call, by whichever program asked; it is no state.)
bool Win32KeySink::KeyIsDown(int virtual_key) { return (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

std::uint16_t Win32KeySink::LayoutKey(char character) {
  // The byte is a code page 932 character whatever the system's ANSI code
  // page is (VkKeyScanExA would read it in the ANSI code page, which turns
  // half-width katakana into Latin letters on a non-Japanese system).
  if (cp932::IsLeadByte(static_cast<unsigned char>(character))) return kNoLayoutKey;
  wchar_t wide = 0;
  if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, &character, 1, &wide, 1) != 1) {
    return kNoLayoutKey;
  }
  // -1 (no key produces it) becomes 0xFFFF.
  return static_cast<std::uint16_t>(VkKeyScanExW(wide, TypingLayout()));
}

bool Win32KeySink::PostDoubleByteChar(char lead, char trail) {
  HWND foreground = GetForegroundWindow();
  DWORD process_id = 0;
  const DWORD target = foreground ? GetWindowThreadProcessId(foreground, &process_id) : 0;
  const DWORD self = GetCurrentThreadId();
  // Attaching is what lets GetFocus see the other thread's focus window.  It
  // fails for our own thread too (the launcher's dialog in front); the
  // character is dropped then, as for any thread we cannot attach to.
  if (target == 0 || !AttachThreadInput(self, target, TRUE)) return false;

  // Let a program that is still starting up create its windows first.  A
  // process we may not open (another user's, an elevated one) is typed into
  // without waiting.
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process_id)) {
    WaitForInputIdle(process, kIdleWaitMs);
    CloseHandle(process);
  }

  // Posting to no window would post to our own thread's queue instead.
  if (HWND focus = GetFocus()) {
    // One UTF-16 WM_CHAR, converted from code page 932 here, rather than the
    // two bytes as two ANSI WM_CHARs.  Posted ANSI characters are converted
    // by the system one message at a time with the system's ANSI code page:
    // a Unicode window (nearly every window today) would get the right
    // character only on a Japanese Windows, and only where the system joins
    // a lead byte with the trail byte of the next message.  The UTF-16
    // character reaches a Unicode window as exactly this character on any
    // system, and an ANSI window on a Japanese system still receives it as
    // the two bytes, lead byte first, because the system splits a
    // double-byte character into two WM_CHARs for ANSI window procedures.
    const char bytes[2] = {lead, trail};
    wchar_t wide = 0;
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, 2, &wide, 1) == 1) {
      PostMessageW(focus, WM_CHAR, static_cast<WPARAM>(wide), kCharKeyData);
    } else {
      // Not a character of code page 932: pass the bytes on as they are.
      PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(lead), kCharKeyData);
      PostMessageA(focus, WM_CHAR, static_cast<unsigned char>(trail), kCharKeyData);
    }
  }

  AttachThreadInput(self, target, FALSE);
  return true;
}

}  // namespace fesk::win32
