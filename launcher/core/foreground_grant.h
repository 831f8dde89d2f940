// How the launcher gets a window in front although Windows' foreground
// lock refuses it the foreground (it polls and never receives input).
//
// Every way begins with one mouse input that changes nothing, which makes the
// launcher the process that received the last input event: Windows then
// lets it set the foreground or hand that right on.  No key is tapped for
// it: Alt opens menu bars and Ctrl is a trigger here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foreground_rights.h"
#include "platform/ports.h"

namespace fesk {

// Before a program starts: the launcher takes the right and lets any
// process use it, so the program's window opens in front of the active one.
void GrantForegroundToNextStart(ForegroundRightsPort& rights);

// Before one of the launcher's own boxes (a question, an error, the
// run-time option box): the box asks to be put in front as it opens, which
// the lock grants only to the process that received the last input event.
// The dialog gets the same grant before it is put in front.
void GrantForegroundToOwnBox(ForegroundRightsPort& rights);

// Puts the launcher's own window in front, checking that it became the
// foreground window; only when it did not, joins its input with the window
// in front for a second try, and never with a hung one (the launcher would
// hang with it).  True when the window is in front.
bool BringToFront(ForegroundRightsPort& rights, WindowId window);

// The shell through which every start of the launcher goes (strokes,
// shortcut keys, screen positions, tray icons, the palette, the run-time
// option box, the editor and the Window services): each start is preceded
// by the grant.
class ForegroundGrantingShell final : public ShellPort {
 public:
  ForegroundGrantingShell(ShellPort& shell, ForegroundRightsPort& rights) : shell_(shell), rights_(rights) {}

  int Open(std::string_view file, std::string_view parameters, std::string_view directory, int show_command) override {
    GrantForegroundToNextStart(rights_);
    return shell_.Open(file, parameters, directory, show_command);
  }
  int Open(const FilePath& program, std::string_view parameters, std::string_view directory,
           int show_command) override {
    GrantForegroundToNextStart(rights_);
    return shell_.Open(program, parameters, directory, show_command);
  }
  int Open(const FilePath& program, std::string_view parameters, const FilePath& directory, int show_command) override {
    GrantForegroundToNextStart(rights_);
    return shell_.Open(program, parameters, directory, show_command);
  }
  bool SetCurrentDirectory(std::string_view folder) override { return shell_.SetCurrentDirectory(folder); }
  bool SetCurrentDirectory(const FilePath& folder) override { return shell_.SetCurrentDirectory(folder); }
  void Exec(const FilePath& program, std::string_view arguments, int show_command) override {
    GrantForegroundToNextStart(rights_);
    shell_.Exec(program, arguments, show_command);
  }

 private:
  ShellPort& shell_;
  ForegroundRightsPort& rights_;
};

// The boxes the launcher shows (confirmations, reports of unregistered
// movements, work folders, starts and the LINK key, the run-time option
// box, the settings dialog's questions): each one is granted the
// foreground just before it opens.  Without the grant a box may open behind
// the active window; it has no task-bar button of its own and the launcher
// waits for it, so the launcher would look dead.
class ForegroundGrantingDialogs final : public DialogPort {
 public:
  ForegroundGrantingDialogs(DialogPort& dialogs, ForegroundRightsPort& rights) : dialogs_(dialogs), rights_(rights) {}

  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons) override {
    GrantForegroundToOwnBox(rights_);
    return dialogs_.MessageBox(text, caption, buttons);
  }
  Answer MessageBox(const PathMessage& text, std::string_view caption, Buttons buttons) override {
    GrantForegroundToOwnBox(rights_);
    return dialogs_.MessageBox(text, caption, buttons);
  }
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view value) override {
    GrantForegroundToOwnBox(rights_);
    return dialogs_.InputBox(caption, prompt, value);
  }
  void ShowError(std::string_view message) override {
    GrantForegroundToOwnBox(rights_);
    dialogs_.ShowError(message);
  }
  void ShowError(const PathMessage& message) override {
    GrantForegroundToOwnBox(rights_);
    dialogs_.ShowError(message);
  }

 private:
  DialogPort& dialogs_;
  ForegroundRightsPort& rights_;
};

}  // namespace fesk
