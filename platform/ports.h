// What the programs need from the platform, one small interface per need.
// The Win32 layer implements them for real (platform/win32); tests use the
// scripted doubles of platform/fake.  Text is code-page-932 bytes; the
// programs' own paths are FilePath (UTF-8).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/errors.h"
#include "common/file_path.h"
#include "common/geometry.h"
#include "common/storable_path.h"

namespace fesk {

// Virtual-key codes the core polls.  The platform reads the physical mouse
// buttons under these codes, whatever the user's button setting.
namespace vk {
inline constexpr int kLeftButton = 0x01;
inline constexpr int kRightButton = 0x02;
inline constexpr int kMiddleButton = 0x04;
// The user's primary and secondary buttons as the triggers and the screen
// positions name them ("ﾏｳｽ左", "ﾏｳｽ右"): the left and right button for a
// right-handed user, swapped for a left-handed one.  The key snapshot turns
// them into the physical button.
inline constexpr int kPrimaryButton = kLeftButton;
inline constexpr int kSecondaryButton = kRightButton;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kAlt = 0x12;
}  // namespace vk

// One monitor of the desktop: its rectangle in screen pixels (right and
// bottom just outside it) and the dots per inch it shows at (96 at 100 %).
struct Monitor {
  Rect area{};
  int dpi = 96;
  friend bool operator==(const Monitor&, const Monitor&) = default;
};

// A length of 96-DPI design units at a monitor's DPI, rounded to the
// nearest pixel (as MulDiv rounds).
inline int ScaledToDpi(int design, int dpi) {
  const long long product = static_cast<long long>(design) * dpi;
  return static_cast<int>(product >= 0 ? (product + 48) / 96 : -((-product + 48) / 96));
}

// Cursor, asynchronous key state, screen size and the monitors.
class InputPort {
 public:
  virtual ~InputPort() = default;
  // Nothing when the cursor cannot be read: while the secure desktop (the
  // lock screen, a UAC prompt, Ctrl+Alt+Del) is in front the platform gives
  // no point, and every key reads as up.
  virtual std::optional<Point> CursorPos() = 0;
  // True when the high bit of the key's asynchronous state is set; key 0
  // ("no key") is never held.  Mouse buttons are the physical ones.
  virtual bool KeyHeld(int virtual_key) = 0;
  // True when the user has swapped the mouse buttons (a left-handed
  // setting): the physical right button is then the primary one.
  virtual bool ButtonsSwapped() = 0;
  // The primary screen's size.
  virtual Size ScreenSize() = 0;
  // The monitor that holds the point, or the one nearest to it; on a desktop
  // of one monitor, the primary screen.
  virtual Monitor MonitorAt(Point point) = 0;
};

struct LocalTime {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// Window-message timer: the Win32 layer starts, stops and re-times the real
// timer whenever these change and calls the form's tick handler.  A tick
// that paused the timer counts a restart: the real timer then starts again,
// its next tick one interval after the pause ended.  A tick that changes
// none of these leaves the real timer alone.
struct Timer {
  bool enabled = false;
  int interval = 1000;
  int restarts = 0;
};

// Blocking sleep and the time of day.
class ClockPort {
 public:
  virtual ~ClockPort() = default;
  virtual void Sleep(int milliseconds) = 0;
  virtual LocalTime Now() = 0;
};

// Milliseconds since some fixed moment, never going back and unaffected by
// changes of the time of day (GetTickCount64): for measuring how long
// something has lasted.
class ElapsedClock {
 public:
  virtual ~ElapsedClock() = default;
  virtual long long Milliseconds() = 0;
};

// Show commands of the shell.
namespace show {
inline constexpr int kNormal = 1;  // SW_SHOWNORMAL
inline constexpr int kMinimized = 2;
inline constexpr int kMaximized = 3;
inline constexpr int kShow = 5;
inline constexpr int kRestore = 9;
}  // namespace show

// Starting programs.
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // A shell "open" request; the result is the shell's code (32 or more is
  // success, below 32 an error code).  A registered program: every part as
  // the settings file holds it.
  virtual int Open(std::string_view file, std::string_view parameters, std::string_view directory,
                   int show_command) = 0;
  // One of the programs' own siblings, found beside the running program, with
  // parameters from the files and a folder from the files or of their own.
  virtual int Open(const FilePath& program, std::string_view parameters, std::string_view directory,
                   int show_command) = 0;
  virtual int Open(const FilePath& program, std::string_view parameters, const FilePath& directory,
                   int show_command) = 0;
  // Makes the folder the process's current directory; false on failure.
  // A registered work folder as the settings file holds it, or one of the
  // programs' own folders.
  virtual bool SetCurrentDirectory(std::string_view folder) = 0;
  virtual bool SetCurrentDirectory(const FilePath& folder) = 0;
  // WinExec of the command line "\"<program>\"<arguments>": the sibling's
  // path in quotes, so that a folder with a blank is not read up to the
  // blank, then the arguments as they are; nothing is reported back.
  virtual void Exec(const FilePath& program, std::string_view arguments, int show_command) = 0;
};

// How Windows spells a path the user hands over.
class PathPort {
 public:
  virtual ~PathPort() = default;
  // The path's short 8.3 form (GetShortPathNameW); nothing when the file or
  // folder has none (8.3 names turned off on its volume, or it is gone).
  virtual std::optional<FilePath> ShortForm(const FilePath& path) = 0;
};

enum class Buttons { kOk, kOkCancel, kYesNoCancel };
enum class Answer { kOk, kCancel, kYes, kNo };

// Modal boxes.  Multi-line texts break lines with a single CR.
class DialogPort {
 public:
  virtual ~DialogPort() = default;
  virtual Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons) = 0;
  // A box whose text names a file by its real name, whatever its characters.
  virtual Answer MessageBox(const PathMessage& text, std::string_view caption, Buttons buttons) = 0;
  // The one-line input box: the edited value on OK, nothing on Cancel.
  virtual std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                              std::string_view value) = 0;
  // The program's standard error box.
  virtual void ShowError(std::string_view message) = 0;
  virtual void ShowError(const PathMessage& message) = 0;
};

// Runs a handler and shows a FeskError in the program's standard error box,
// the way an unhandled error of an event handler reaches the user.  The
// operation that failed has stopped; the program goes on.
template <typename Handler>
bool RunGuarded(DialogPort& dialogs, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const FeskError& error) {
    if (error.path_message())
      dialogs.ShowError(*error.path_message());
    else
      dialogs.ShowError(error.what());
    return false;
  }
}

// The short forms `paths` knows, for StorableForm; null: none are known.
inline ShortFormLookup ShortFormsOf(PathPort* paths) {
  if (paths == nullptr) return {};
  return [paths](const FilePath& long_form) { return paths->ShortForm(long_form); };
}

// The text to store for a path the user hands over (StorableForm, with the
// short forms `paths` knows; null: none are known), or the box that refuses
// it and nothing.
inline std::optional<std::string> StorablePathOrRefuse(const FilePath& path, PathPort* paths, DialogPort& dialogs) {
  std::optional<std::string> storable = StorableForm(path, ShortFormsOf(paths));
  if (!storable) dialogs.MessageBox(UnstorablePathText(path), kUnstorablePathCaption, Buttons::kOk);
  return storable;
}

// Pictures of task-tray icons.
struct TrayPicture {
  enum class Kind { kApplication, kRunOption, kFrame, kProgramFile };
  Kind kind = Kind::kApplication;
  int frame = 0;     // 1-5 for kFrame (Image14 to Image18)
  std::string file;  // for kProgramFile: the file whose associated icon is shown
  friend bool operator==(const TrayPicture&, const TrayPicture&) = default;
};

// Task-tray icons of the program's main window; every icon reports clicks
// with the callback message 1125.
class TrayPort {
 public:
  virtual ~TrayPort() = default;
  virtual void Add(int id, const TrayPicture& picture, std::string_view tip) = 0;
  virtual void Modify(int id, const TrayPicture& picture, std::string_view tip) = 0;
  virtual void Remove(int id) = 0;
  // A balloon note on a shown icon: a title of at most 63 bytes and a text of
  // at most 255.  The shell shows it for a while, or queues it behind
  // another program's.  False when the shell refused it (no such icon).
  virtual bool Balloon(int id, std::string_view title, std::string_view text) = 0;
};

inline constexpr int kTrayCallbackMessage = 1125;  // WM_USER + 101

// What the platform tells of the window in front: where its client area
// lies on the screen, the whole rectangle of the monitor it is on, its
// window class and the program that owns it.  The launcher decides from
// these what kind of window it is.
struct ForegroundFacts {
  bool visible = false;
  Rect client;   // the client area, in screen pixels
  Rect monitor;  // its monitor, task bar included
  std::string class_name;
  // The file name, without its folder, of the owning process's program;
  // empty when the process cannot be asked or the name has no code-page-932
  // spelling.
  std::string program_file;
  friend bool operator==(const ForegroundFacts&, const ForegroundFacts&) = default;
};

class ForegroundPort {
 public:
  virtual ~ForegroundPort() = default;
  // The window in front now; nothing when there is none.
  virtual std::optional<ForegroundFacts> Facts() = 0;
};

// The programs Windows starts when the current user signs in (the values of
// the user's Run key), by value name.  The commands are UTF-8: the launcher
// registers its own path, in a folder of any name.
class AutoStartPort {
 public:
  virtual ~AutoStartPort() = default;
  // The command line registered under `name`; nothing when there is none.
  virtual std::optional<std::string> Command(std::string_view name) = 0;
  // False when the value could not be written.
  virtual bool Register(std::string_view name, std::string_view command) = 0;
  // False when the value is still there; true also when there was none.
  virtual bool Unregister(std::string_view name) = 0;
};

}  // namespace fesk
