// Win32 implementations of the platform ports.  Text arrives as code page
// 932 bytes, the programs' own paths as UTF-8 (FilePath); both cross into
// Win32 through the wide functions.
#pragma once

#include <map>
#include <string>

#include "platform/ports.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

class Win32Input : public InputPort {
 public:
  std::optional<Point> CursorPos() override;
  bool KeyHeld(int virtual_key) override;
  bool ButtonsSwapped() override;
  Size ScreenSize() override;
  Monitor MonitorAt(Point point) override;
};

class Win32Clock : public ClockPort {
 public:
  void Sleep(int milliseconds) override;
  LocalTime Now() override;
};

class Win32Shell : public ShellPort {
 public:
  int Open(std::string_view file, std::string_view parameters, std::string_view directory, int show_command) override;
  int Open(const FilePath& program, std::string_view parameters, std::string_view directory, int show_command) override;
  int Open(const FilePath& program, std::string_view parameters, const FilePath& directory, int show_command) override;
  bool SetCurrentDirectory(std::string_view folder) override;
  bool SetCurrentDirectory(const FilePath& folder) override;
  // WinExec takes ANSI text in the system's code page; CreateProcessW with
  // the same command line and show state does what it does on a Windows of
  // any language.
  void Exec(const FilePath& program, std::string_view arguments, int show_command) override;
};

class Win32Paths : public PathPort {
 public:
  std::optional<FilePath> ShortForm(const FilePath& path) override;
};

// Message boxes, the one-line input box and the standard error box, owned
// by the program's main window once it exists.
class Win32Dialogs : public DialogPort {
 public:
  explicit Win32Dialogs(std::string application_title) : title_(std::move(application_title)) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons) override;
  Answer MessageBox(const PathMessage& text, std::string_view caption, Buttons buttons) override;
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view value) override;
  void ShowError(std::string_view message) override;
  void ShowError(const PathMessage& message) override;

 private:
  Answer Show(const std::wstring& text, std::string_view caption, Buttons buttons);
  void ShowErrorText(const std::wstring& text);

  std::string title_;
  HWND owner_ = nullptr;
};

// Task-tray icons of one window.  Pictures of the program's own resources
// are given as icon resource ids; a program file's icon is the one the shell
// associates with it.
struct TrayIconResources {
  int application = 1;
  int run_option = 0;
  int frames[5] = {0, 0, 0, 0, 0};
};

class Win32Tray : public TrayPort {
 public:
  Win32Tray(HINSTANCE instance, TrayIconResources resources) : instance_(instance), resources_(resources) {}
  ~Win32Tray() override;
  void SetOwner(HWND owner) { owner_ = owner; }

  void Add(int id, const TrayPicture& picture, std::string_view tip) override;
  void Modify(int id, const TrayPicture& picture, std::string_view tip) override;
  bool Balloon(int id, std::string_view title, std::string_view text) override;
  void Remove(int id) override;

  // What was added and is still there, so that the icons can be put back
  // when the shell's task bar is created anew.
  struct Shown {
    TrayPicture picture;
    std::string tip;
  };
  const std::map<int, Shown>& shown() const { return shown_; }
  void AddAllAgain();

 private:
  HICON IconFor(int id, const TrayPicture& picture);
  bool Notify(DWORD message, int id, HICON icon, std::string_view tip);

  HINSTANCE instance_;
  TrayIconResources resources_;
  HWND owner_ = nullptr;
  std::map<int, Shown> shown_;
  std::map<int, HICON> file_icons_;  // icons taken from program files, freed on removal
};

// Gives the calling thread a single-threaded COM apartment, once, for as
// long as the thread runs; called before every request to the shell, whose
// extensions may need one.
void EnterComApartment();

// Converts lone CRs (the programs' line breaks) into CR LF for display.
std::wstring DisplayText(std::string_view cp932);
// The same for a text that names a file: the path joined in as Windows
// spells it.
std::wstring DisplayText(const PathMessage& message);

// The running program's file, and its folder with the trailing backslash,
// as Windows spells them (never through code page 932).
FilePath ProgramFolder();
FilePath ProgramPath();

}  // namespace fesk::win32
