// Win32 implementations of what the editor needs beyond the common ports:
// the browse dialog, the desktop import's system questions, and the order of
// group names that the sort button uses.
#pragma once

#include <functional>

#include "editor/editor_ports.h"
#include "platform/ports.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// GetOpenFileNameW over the editor's request.
class Win32FileOpenDialog : public editor::FileOpenDialogPort {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  std::optional<FilePath> Execute(const editor::FileOpenRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

class Win32Desktop : public editor::DesktopPort {
 public:
  FilePath WindowsDirectory() override;
  bool IsWindows95Family() override;
  std::optional<std::string> UserName() override;
  std::vector<std::string> FindEntries(const FilePath& pattern) override;
  bool FolderExists(const FilePath& folder) override;
  FilePath ShellDesktopFolder() override;
};

// Boxes and dialogs are modal and open in the middle of a handler.  Before
// one opens, `before_modal` lets the window show the form as it is at that
// moment, so that the user sees what the question is about (the page the
// handler switched to, the layout it changed).
class ShowingDialogs : public DialogPort {
 public:
  explicit ShowingDialogs(DialogPort& inner) : inner_(inner) {}
  void SetBeforeModal(std::function<void()> before_modal) { before_modal_ = std::move(before_modal); }

  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons) override {
    Before();
    return inner_.MessageBox(text, caption, buttons);
  }
  Answer MessageBox(const PathMessage& text, std::string_view caption, Buttons buttons) override {
    Before();
    return inner_.MessageBox(text, caption, buttons);
  }
  std::optional<std::string> InputBox(std::string_view caption, std::string_view prompt,
                                      std::string_view value) override {
    Before();
    return inner_.InputBox(caption, prompt, value);
  }
  void ShowError(std::string_view message) override {
    Before();
    inner_.ShowError(message);
  }
  void ShowError(const PathMessage& message) override {
    Before();
    inner_.ShowError(message);
  }
  void Before() {
    if (before_modal_) before_modal_();
  }

 private:
  DialogPort& inner_;
  std::function<void()> before_modal_;
};

class ShowingFileOpenDialog : public editor::FileOpenDialogPort {
 public:
  ShowingFileOpenDialog(editor::FileOpenDialogPort& inner, ShowingDialogs& dialogs)
      : inner_(inner), dialogs_(dialogs) {}
  std::optional<FilePath> Execute(const editor::FileOpenRequest& request) override {
    dialogs_.Before();
    return inner_.Execute(request);
  }

 private:
  editor::FileOpenDialogPort& inner_;
  ShowingDialogs& dialogs_;
};

// The "|"-separated filter of a request in the form the dialog takes: each
// part ended by NUL, the whole ended by one more.
std::wstring DialogFilter(std::string_view filter);

// lstrcmpA as it orders CP932 names on a Japanese Windows (see the .cpp).
int JapaneseLstrcmp(const std::string& a, const std::string& b);

}  // namespace fesk::win32
