// Window to model: the focus the user moves, the messages the main window
// handles itself (drops, help, activation, closing).
#include "editor/win32/main_window.h"

#include <shellapi.h>

#include "editor/win32/pictures.h"
#include "editor/win32/resource_ids.h"
#include "platform/win32/dropped_files.h"
#include "platform/win32/help.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

using editor::AnimationRepaint;
using editor::Page;

void MainWindow::ControlFocused(HWND window) {
  if (!started_ || busy_ || moving_focus_) return;
  Control* model = window == tab_ ? &form_.pages : ModelOf(window);
  if (model == nullptr) return;
  focus_applied_ = model;
  if (model == form_.ActiveControl()) return;
  // The hot-key field's value is the one it shows as the focus leaves it.
  if (form_.ActiveControl() == &form_.shortcut_field) ReadHotKey();
  RunAction([this, model] { form_.FocusControl(*model); });
  AfterEvent();
}

LRESULT CALLBACK MainWindow::FocusProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  if (message == WM_SETFOCUS) {
    LRESULT result = DefSubclassProc(window, message, w, l);
    reinterpret_cast<MainWindow*>(data)->ControlFocused(window);
    return result;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &MainWindow::FocusProc, kFocusSubclass);
  return DefSubclassProc(window, message, w, l);
}

void MainWindow::OnDropFiles(HDROP drop) {
  std::vector<FilePath> paths = TakeDroppedPaths(drop);
  RunAction([this, &paths] { form_.FilesDropped(paths); });
  AfterEvent();
}

void MainWindow::NoteFormActivated(HWND window) { last_active_form_ = window; }

// A control's own help context; where it has none, that of the page control
// for a control on one of its pages (it follows the page shown) and the
// window's for any other.  A window that is part of a control (the edit of a
// drop-down list) counts as that control.
int MainWindow::HelpContextOf(HWND window) const {
  Control* model = nullptr;
  for (HWND part = window; part != nullptr && part != hwnd() && model == nullptr; part = GetParent(part)) {
    model = part == tab_ ? &form_.pages : ModelOf(part);
    window = part;
  }
  if (model == nullptr) return form_.help_context;
  if (model->help_context != 0) return model->help_context;
  if (model == &form_.pages || PageOfWindow(window) != kNoPage) return form_.pages.help_context;
  return form_.help_context;
}

// Activation gives the focus back to the form's control.  The form's
// FormActivate runs when the main window takes over from the program's
// other windows (the palette dialog, the about box), not when the user
// comes back from another program or a message box closes.
void MainWindow::OnActivate(WPARAM w, LPARAM) {
  if (LOWORD(w) == WA_INACTIVE) return;
  const bool from_other_form = last_active_form_ != nullptr && last_active_form_ != hwnd();
  last_active_form_ = hwnd();
  if (Control* control = form_.ActiveControl()) {
    HWND target = control == &form_.pages ? tab_ : WindowOf(*control);
    if (target && IsWindowVisible(target) && IsWindowEnabled(target)) {
      moving_focus_ = true;
      SetFocus(target);
      moving_focus_ = false;
      focus_applied_ = control;
    }
  } else {
    SetFocus(hwnd());
  }
  if (from_other_form && started_) PostMessageW(hwnd(), kFormActivate, 0, 0);
}

bool MainWindow::OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_ACTIVATE:
      if (HIWORD(w) != 0) return false;  // minimised
      OnActivate(w, l);
      return true;
    case WM_CLOSE: {
      RunAction([this] { form_.FormClose(); });
      AfterEvent();
      return true;
    }
    case WM_QUERYENDSESSION: {
      // Windows is ending: the same question as the close box.
      bool may_end = true;
      RunAction([this, &may_end] { may_end = form_.FormCloseQuery(); });
      AfterEvent();
      result = may_end ? TRUE : FALSE;
      return true;
    }
    case WM_ENDSESSION:
      if (w) ExitProcess(0);
      return true;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(w)); return true;
    case WM_ERASEBKGND: {
      EraseBackground(reinterpret_cast<HDC>(w));
      result = 1;
      return true;
    }
    case WM_PAINT:
      // Every repaint of the window redraws the icon preview.
      form_.FormPaint();
      if (icon_shown_ != form_.icon_preview.icon_source) SyncIconPreview();
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(l);
      if (header->hwndFrom == tree_) return OnTreeNotify(header, result);
      return false;
    }
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(l);
      const int code = HIWORD(w);
      if (control == nullptr) return false;
      if (control == hotkey_) {
        if (code == EN_CHANGE && !custom_syncing_ && !Syncing()) ReadHotKey();
        return true;
      }
      return false;
    }
    case WM_HELP: {
      // F1: the topic of the control with the focus.
      HWND focus = HelpRequestWindow(l);
      ShowHelp(hwnd(), Narrow(help_file_), HelpContextOf(focus));
      result = TRUE;
      return true;
    }
    case kDeferredSync: AfterEvent(); return true;
    case kFormActivate:
      RunAction([this] { form_.FormActivate(); });
      AfterEvent();
      return true;
  }
  return false;
}

}  // namespace fesk::win32
