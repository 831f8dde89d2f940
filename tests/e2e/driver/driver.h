// The end-to-end driver: what a scenario program uses to run the real
// Fesk.exe and FeskINI.exe under Wine and Xvfb, act on them as a user would
// and look at what they did.
//
// How to write an end-to-end scenario
// ===================================
//
// A scenario is one program, tests/e2e/<scenario>.cpp, registered with one
// line in tests/e2e/CMakeLists.txt:   fesk_e2e_test(<scenario>)
// (or fesk_e2e_test(<scenario> PROGRAMS Fesk) when it drives only the
// launcher).  ctest runs it as e2e.<scenario> through
// tests/wine/run-wine-test.sh: the build's Wine prefix, a private Xvfb
// screen of 1024x768 with no window manager, LANG=ja_JP.UTF-8.  The exit
// code is the number of failed checks.
//
//   folders     MakeTestFolder(name) gives a fresh, empty folder under the
//               Windows temp folder; CopyInto(file, folder, new_name) puts
//               programs in it; WriteCp932File(path, L"...") writes Fesk.Ini
//               as the programs read it; ReadCp932File / ReadUtf8File /
//               ReadFileBytes read back.  LauncherExe(), EditorExe() and
//               RecorderExe() are the programs of the MinGW build.
//   processes   Start(exe, arguments, work_folder) -> Process (Wait, Kill,
//               ExitCode); CountProcesses(L"app.exe"); KillProcesses(...).
//   windows     WaitForTopWindow({class, caption}, timeout) -> HWND or null;
//               WaitTopWindowGone; FindTopWindows; DescribeWindows() lists
//               what is on the screen when something is not found.
//   dialogs     WaitForMessageBox(caption) -> HWND; ReadMessageBox(box) gives
//               caption, text and buttons; PressButton(box, IDOK) - press by
//               id, the Japanese locale labels them "OK" / "キャンセル".
//   controls    FindChild(window, L"Edit", L"", 2); WindowText; SetControlText;
//               ClickButton; BringToFront and ClickWindow(edit) before typing.
//   input       Gesture({VK_SHIFT, VK_CONTROL}, {{300, 300}, {500, 300}})
//               holds the keys and moves the cursor in small paced steps, so
//               the launcher's 10 ms poll sees the stroke - over the bare
//               desktop, never across a window (see Gesture); KeyDown / KeyUp /
//               PressKey / TypeText, MouseDown / MouseUp, MoveCursorTo.
//   messages    PostTrayMessage(main, 0, WM_LBUTTONDOWN); PostToWindow.
//               MoveWineTrayAway() takes Wine's own tray window out of the
//               top left corner (scenarios at screen corners need it).
//   drops       DropFiles(window, {path, ...}) runs the window's own
//               WM_DROPFILES handler in the other process (see DropFiles).
//   records     stand-in programs are copies of RecorderExe(); each run
//               appends a LaunchRecord (exe, command line, work folder) to
//               record.txt beside the copy; WaitForRecords(folder, n,
//               timeout, L"app.exe") reads them.
//   evidence    Screenshot(L"name") writes <artifacts>/name.bmp (the runner
//               turns it into name.png); Check, CheckEqual, CheckContains,
//               Log; Finish(name) ends the scenario (on failure it takes a
//               screenshot and lists the windows), kills what Start started,
//               and gives the exit code.
//
// Example: a left-to-right stroke with Shift+Ctrl starts the program
// registered for "lr".
//
//   int main() {
//     using namespace fesk::e2e;
//     std::wstring folder = MakeTestFolder(L"gesture_lr");
//     CopyInto(LauncherExe(), folder);
//     CopyInto(RecorderExe(), folder, L"app.exe");
//     WriteCp932File(folder + L"\\Fesk.Ini",
//                    L"[CMD0]\r\nDISCRIPTION=アプリ\r\nCMDLINE=" + folder +
//                    L"\\app.exe\r\nOPTION=/x\r\nACTCODE=lr\r\nRUNPOS=111111111\r\n");
//     Process fesk = Start(folder + L"\\Fesk.exe", L"", folder);
//     Check(WaitForTopWindow({L"TFFesk1", L"FESK"}, 20000) != nullptr, L"the launcher runs");
//     Gesture({VK_SHIFT, VK_CONTROL}, {{300, 400}, {600, 400}});
//     auto records = WaitForRecords(folder, 1, 10000);
//     Check(records.size() == 1, L"the stroke started app.exe once");
//     if (!records.empty()) CheckEqual(records[0].Arguments(), L"/x", L"arguments");
//     return Finish("gesture_lr");
//   }
//
// (tests/e2e/launcher_smoke.cpp is a complete one.)
//
// What Wine on Xvfb does differently, and how the driver copes:
// - Timing.  The first start of a program can take seconds, and hiding or
//   closing a window takes about 2 s (Wine waits for a window manager that
//   is not there): PressButton on a message box returns only then.  Wait
//   for what you expect (WaitForTopWindow, WaitForRecords, WaitUntil), never
//   sleep a fixed time.
// - Held keys.  A cursor move over any Wine window releases Shift, Ctrl and
//   Alt held by SendInput (see Gesture): draw strokes over the bare desktop.
//   A held mouse button stays held: a stroke that must cross a window is
//   drawn with a mouse-button trigger (launcher_full_screen.cpp).
// - The tray.  Tray icons show in a "Wine System Tray" window at the top
//   left corner; MoveWineTrayAway() clears the corner.
// - The screen.  There are no title bars (no window manager draws them), so
//   screenshots show client areas only; captions are still there to find
//   windows by.
// - Drops.  WM_DROPFILES data is not carried across processes (DropFiles).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/windows_api.h"

namespace fesk::e2e {

// ---------------------------------------------------------------- text

std::string Utf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);
std::string Cp932(std::wstring_view text);
std::wstring FromCp932(std::string_view bytes);

// ---------------------------------------------------------------- waiting

// Calls `done` every `poll_ms` until it is true or `timeout_ms` has passed;
// true when it became true.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms, int poll_ms = 20);
void Pause(int ms);

// ---------------------------------------------------------------- files

// Folder of the running program, without a trailing backslash.
std::wstring OwnFolder();
// The MinGW build folder (two levels above tests/e2e) and the programs in it.
// FESK_LAUNCHER_EXE / FESK_EDITOR_EXE, when set, name other ones.
std::wstring WinBuildFolder();
std::wstring LauncherExe();  // <build>\launcher\win32\Fesk.exe
std::wstring EditorExe();    // <build>\editor\win32\FeskINI.exe
std::wstring RecorderExe();  // recorder.exe beside the scenario

// "%TEMP%\fesk-e2e\<name>", emptied if it was left by an earlier run.
std::wstring MakeTestFolder(std::wstring_view name);
bool MakeFolders(const std::wstring& path);  // with its parents
bool RemoveTree(const std::wstring& path);
bool FileExists(const std::wstring& path);
std::wstring FileName(std::wstring_view path);  // after the last backslash
std::wstring ParentFolder(std::wstring_view path);
std::wstring FullPath(const std::wstring& path);  // resolves ".." and "."
// Equal as Windows paths: any case, a trailing backslash ignored.
bool SamePath(std::wstring_view a, std::wstring_view b);
// Copies `source` into `folder` (as `new_name`, or under its own name);
// returns the new path, or an empty string on failure.
std::wstring CopyInto(const std::wstring& source, const std::wstring& folder, std::wstring_view new_name = {});
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);
// Writes `text` in code page 932, as the programs under test read it.
bool WriteCp932File(const std::wstring& path, std::wstring_view text);
bool WriteUtf8File(const std::wstring& path, std::wstring_view text);
std::optional<std::string> ReadFileBytes(const std::wstring& path);
std::optional<std::wstring> ReadCp932File(const std::wstring& path);
std::optional<std::wstring> ReadUtf8File(const std::wstring& path);

// ---------------------------------------------------------------- processes

class Process {
 public:
  Process() = default;
  Process(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  bool started() const { return handle_ != nullptr; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return handle_; }
  bool Running() const;
  // True when the process ended within the timeout.
  bool Wait(int timeout_ms) const;
  std::optional<DWORD> ExitCode() const;  // once it has ended
  bool Kill(UINT exit_code = 1) const;

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// CreateProcessW with the command line "<exe>" <arguments> and the given
// work folder (empty: the driver's own).  Processes that are still running
// when Finish is called are killed then.
Process Start(const std::wstring& exe, std::wstring_view arguments = {}, const std::wstring& work_folder = {});
// Running processes whose exe file name is `exe_name` (any case).
int CountProcesses(std::wstring_view exe_name);
std::vector<DWORD> ProcessIds(std::wstring_view exe_name);
int KillProcesses(std::wstring_view exe_name);
// The command line without the program: what follows the first token.
std::wstring CommandLineArguments(std::wstring_view command_line);
// The arguments the running program was started with, its own name left
// out, as CommandLineToArgvW splits them.
std::vector<std::wstring> OwnArguments();

// ---------------------------------------------------------------- windows

// What a top-level window must be; empty fields match anything.  Class
// names compare without case, captions exactly (or as a part).
struct WindowQuery {
  WindowQuery() = default;
  WindowQuery(std::wstring class_name_, std::wstring caption_ = {}, DWORD process_id_ = 0)
      : class_name(std::move(class_name_)), caption(std::move(caption_)), process_id(process_id_) {}

  std::wstring class_name;
  std::wstring caption;
  DWORD process_id = 0;
  bool visible_only = false;
  bool caption_contains = false;
};

struct WindowInfo {
  HWND window = nullptr;
  std::wstring class_name;
  std::wstring caption;
  DWORD process_id = 0;
  bool visible = false;
  RECT rect{};
};

std::vector<HWND> FindTopWindows(const WindowQuery& query);
HWND FindTopWindow(const WindowQuery& query);
HWND WaitForTopWindow(const WindowQuery& query, int timeout_ms);
bool WaitTopWindowGone(HWND window, int timeout_ms);
bool WaitNoTopWindow(const WindowQuery& query, int timeout_ms);
std::vector<WindowInfo> ListTopWindows(bool visible_only = true);
// One line per window: handle, process, class, caption, rectangle.
std::wstring DescribeWindows(bool visible_only = true);
std::wstring WindowText(HWND window);  // WM_GETTEXT, also across processes
std::wstring WindowClass(HWND window);
DWORD WindowProcess(HWND window);
// SetForegroundWindow, then waits until it is the foreground window (typed
// keys go there).
bool BringToFront(HWND window, int timeout_ms = 3000);

// ---------------------------------------------------------------- controls

enum class MouseButton { kLeft, kRight, kMiddle };

// All descendants of a window, in z-order (for a dialog: its tab order).
std::vector<HWND> ChildWindows(HWND parent);
// The `index`-th descendant (0 = first) of this class (any case) whose text
// is `text` (empty: any text); null if there is none.
HWND FindChild(HWND parent, std::wstring_view class_name, std::wstring_view text = {}, int index = 0);
// WM_SETTEXT across processes (the control is told as by a program, not by
// typing: no key messages).
bool SetControlText(HWND control, std::wstring_view text);
// BM_CLICK: the button's own click, BN_CLICKED to its parent.  The button
// takes the keyboard focus, as a click with the mouse would.
bool ClickButton(HWND button);
// A real click (cursor and button input) in the middle of the window: how a
// user gives an edit box the focus before typing.
bool ClickWindow(HWND window, MouseButton button = MouseButton::kLeft);

// The tool-tip a program shows while the cursor rests on `screen_point`:
// the cursor first leaves for a spot outside every window (any tip shown
// goes), then comes to the point in small steps and rests there until a
// tool-tip of the process is visible; its text, or empty when none came.
std::wstring HintShownAt(POINT screen_point, DWORD process_id, int timeout_ms = 4000);

// ---------------------------------------------------------------- dialogs

struct DialogButton {
  int id = 0;
  std::wstring text;
};

struct MessageBoxInfo {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  std::vector<DialogButton> buttons;  // the visible ones, in tab order
  bool HasButton(int id) const;
};

// A message box (dialog class "#32770") with this caption; 0 = any process.
HWND WaitForMessageBox(std::wstring_view caption, int timeout_ms, DWORD process_id = 0);
std::optional<MessageBoxInfo> ReadMessageBox(HWND box);
// Clicks the button with this control id (IDOK, IDCANCEL, IDYES, IDNO ...).
bool PressButton(HWND dialog, int id);
// Waits for the box, reads it, presses `id` and waits until it is gone.
std::optional<MessageBoxInfo> AnswerMessageBox(std::wstring_view caption, int id, int timeout_ms, DWORD process_id = 0);

// ---------------------------------------------------------------- input

// Injected with SendInput, so that GetAsyncKeyState in other processes sees
// it; keys and buttons are held until released.  The driver's key events
// carry kDriverInputMark as their extra information, so that a window can
// tell them from the keys a program under test types (GetMessageExtraInfo).
constexpr ULONG_PTR kDriverInputMark = 0x0FE5CD71;
bool KeyDown(WORD vk);
bool KeyUp(WORD vk);
// Down, `hold_ms`, up: long enough for a 10 ms poller to see it.
bool PressKey(WORD vk, int hold_ms = 60);
// Each character as a Unicode key press (KEYEVENTF_UNICODE).
bool TypeText(std::wstring_view text);

bool MouseDown(MouseButton button);
bool MouseUp(MouseButton button);
bool Click(MouseButton button, int hold_ms = 60);

bool MoveCursorTo(POINT point);  // SetCursorPos
POINT CursorPosition();
SIZE ScreenSize();
// From `from` to `to` in `steps` equal steps, `pause_ms` after each one.
void MoveCursor(POINT from, POINT to, int steps = 10, int pause_ms = 20);

// Holds the keys for as long as it lives; releases them in reverse order.
class HeldKeys {
 public:
  HeldKeys(std::initializer_list<WORD> keys, int settle_ms = 60);
  ~HeldKeys();
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;
  void Release();

 private:
  std::vector<WORD> keys_;
};

// A stroke as a user draws it: the cursor goes to path[0], the keys go down,
// the cursor follows the path (each segment in `steps` paced steps), the
// keys come up.  `pause_ms` between steps; the launcher polls every 10 ms.
//
// Draw strokes over the bare desktop.  Under Wine every cursor move is an X
// pointer warp inside a short pointer grab; a window of any Wine program
// under the cursor then gets crossing events and a KeymapNotify, and Wine
// re-syncs Shift, Ctrl and Alt with the X keyboard, where they are not held:
// the held keys come up in the middle of the stroke.  Gesture logs a warning
// naming the windows its path crosses (see WindowsUnderPath).
void Gesture(std::initializer_list<WORD> keys, const std::vector<POINT>& path, int steps = 12, int pause_ms = 25);
// Visible top-level windows under any point the cursor takes along the path.
std::vector<HWND> WindowsUnderPath(const std::vector<POINT>& path, int steps = 12);

// ---------------------------------------------------------------- messages

// The launcher's tray callback message: WM_USER + 101, wParam = icon id,
// lParam = mouse message.
constexpr UINT kTrayCallbackMessage = WM_USER + 101;
bool PostToWindow(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0);
bool PostTrayMessage(HWND main_window, UINT icon_id, UINT mouse_message, UINT callback_message = kTrayCallbackMessage);

// Without a desktop shell Wine shows the tray icons in a window of its own,
// "Wine System Tray" (class "__winex11_standalone_tray"), at the top left
// corner of the screen, where it takes clicks and covers the corner.  Once
// the launcher's icon is there (WaitForWineTray), MoveWineTrayAway puts it
// off screen; the icons keep working.
HWND WaitForWineTray(int timeout_ms);
bool MoveWineTrayAway();

// ---------------------------------------------------------------- registry

// A string value of the prefix's registry (name null: the key's default
// value); nothing when it is missing or no string.
std::optional<std::wstring> RegistryString(HKEY root, const std::wstring& key, const wchar_t* name);
// Creates the key where needed.
bool SetRegistryString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value);
void DeleteRegistryValue(HKEY root, const std::wstring& key, const wchar_t* name);
// The DPI the programs started from now on lay themselves out for (the
// prefix's LogPixels).
bool SetDisplayDpi(int dpi);

// Sets a string value for the programs started from now on and, when it
// goes, puts the old value back or removes the value it added.
class RegistryStringOverride {
 public:
  RegistryStringOverride(HKEY root, std::wstring key, const wchar_t* name, const std::wstring& value);
  ~RegistryStringOverride();
  RegistryStringOverride(const RegistryStringOverride&) = delete;
  RegistryStringOverride& operator=(const RegistryStringOverride&) = delete;
  bool ok() const { return ok_; }

 private:
  HKEY root_;
  std::wstring key_;
  const wchar_t* name_;
  std::optional<std::wstring> old_;
  bool ok_ = false;
};

// ---------------------------------------------------------------- drops

// Delivers WM_DROPFILES with these paths (Unicode DROPFILES, drop point in
// client coordinates) to a window, whichever process owns it, so that its
// own handler runs DragQueryFileW / DragQueryPoint / DragFinish.  Wine posts
// WM_DROPFILES to another process as two plain numbers: a GlobalAlloc handle
// of ours arrives, and the target reads its own memory at that address (an
// empty or garbage file name).  So for another process's window the
// DROPFILES block is written into that process (VirtualAllocEx +
// WriteProcessMemory) and its address posted; GlobalLock there takes it as
// fixed memory and DragFinish's GlobalFree refuses it harmlessly.  The block
// (a few hundred bytes) stays allocated in the target.
bool DropFiles(HWND window, const std::vector<std::wstring>& paths, POINT client_point = {10, 10});

// ---------------------------------------------------------------- evidence

// Windows path of the artifacts folder: FESK_ARTIFACTS (a Unix path, seen
// through drive Z:) or <own folder>\artifacts; made if missing.
std::wstring ArtifactsFolder();
// Captures the whole screen into <artifacts>\<name>.bmp (24 bits); returns
// the path, or an empty string on failure.  A window that has just been
// shown is painted a little later, so the capture waits until two captures
// 100 ms apart agree (at most `settle_ms`; 0 takes the screen as it is).
std::wstring Screenshot(std::wstring_view name, int settle_ms = 2000);

// Prints a line (UTF-8) with the milliseconds since the program started.
void Log(std::wstring_view text);
void Check(bool condition, std::wstring_view what);
void CheckEqual(std::wstring_view actual, std::wstring_view expected, std::wstring_view what);
void CheckEqual(long long actual, long long expected, std::wstring_view what);
void CheckContains(std::wstring_view text, std::wstring_view part, std::wstring_view what);
int Failures();
// Ends a scenario: on failure a screenshot "<name>-failed" and the window
// list; kills the processes Start started that still run; prints the
// verdict; returns the number of failures for main to return.
int Finish(const char* name);

// ---------------------------------------------------------------- records

// One run of a recorder copy, as it wrote it to record.txt beside itself.
struct LaunchRecord {
  std::wstring exe;           // its exe file name, e.g. L"app.exe"
  std::wstring command_line;  // GetCommandLineW
  std::wstring work_folder;   // its current folder when it started
  DWORD process_id = 0;
  std::uint64_t tick = 0;  // GetTickCount64 when it ran
  std::wstring Arguments() const { return CommandLineArguments(command_line); }
};

std::wstring RecordFile(const std::wstring& folder);  // <folder>\record.txt
// The records in the order written; with `exe`, only that program's (any
// case): copies in one folder share its record.txt.
std::vector<LaunchRecord> ReadRecords(const std::wstring& folder, std::wstring_view exe = {});
std::vector<LaunchRecord> ParseRecords(std::string_view utf8);
// Waits until at least `count` records (of `exe`) exist; returns what is
// there then (possibly fewer, after the timeout).
std::vector<LaunchRecord> WaitForRecords(const std::wstring& folder, std::size_t count, int timeout_ms,
                                         std::wstring_view exe = {});

}  // namespace fesk::e2e
