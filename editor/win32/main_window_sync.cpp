// Model to window: after every event the three windows show the models
// again, and the real focus goes where the form has it.
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

// ---- Model to window ------------------------------------------------------------

void MainWindow::SyncModels() {
  active_page_ = static_cast<int>(form_.pages.active);
  SyncAll();
}

void MainWindow::ShowModels() {
  if (in_after_event_) return;
  SyncModels();
  palette_->SyncShown();
  about_->SyncShown();
}

void MainWindow::AfterEvent() {
  if (in_after_event_) return;
  in_after_event_ = true;
  SyncModels();
  palette_->SyncShown();
  about_->SyncShown();
  SyncApplication();
  in_after_event_ = false;
  if (form_.terminated) ExitProcess(0);
  ApplyFocus();
  StartLabelEdit();
}

void MainWindow::SyncApplication() {
  SetHintsActive(form_.show_hints);
  SetHintPause(form_.hint_hide_pause);
  if (form_.accepts_dropped_files != drops_accepted_) {
    DragAcceptFiles(hwnd(), form_.accepts_dropped_files);
    drops_accepted_ = form_.accepts_dropped_files;
  }
  if (started_ && form_.visible && !visible_) {
    ShowWindow(hwnd(), SW_SHOW);
    visible_ = true;
  }
}

// The real focus follows the form's.  While another of the program's
// windows is active, only a move that a handler asked for brings the main
// window forward; another program's window is never robbed of the focus.
void MainWindow::ApplyFocus() {
  if (!started_ || !visible_ || IsIconic(hwnd())) return;
  HWND active = GetActiveWindow();
  const bool main_active = active == hwnd();
  const bool ours = DialogFor(active) != nullptr;
  Control* control = form_.ActiveControl();
  if (control == nullptr) {
    if (!main_active || busy_) return;
    // Nothing has had the focus yet: the first control of the Tab key's
    // round takes it, as in a dialog.
    for (HWND window : FocusTakingWindows()) {
      if (IsWindowVisible(window) && IsWindowEnabled(window) && (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP)) {
        Control* first = ModelOf(window);
        if (first == nullptr) continue;
        RunAction([this, first] { form_.FocusControl(*first); });
        SyncModels();
        control = form_.ActiveControl();
        break;
      }
    }
    if (control == nullptr) return;
  }
  if (!main_active && !(ours && control != focus_applied_)) return;
  HWND target = control == &form_.pages ? tab_ : WindowOf(*control);
  if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) return;
  HWND focus = GetFocus();
  focus_applied_ = control;
  if (focus == target || IsChild(target, focus)) return;
  moving_focus_ = true;
  SetFocus(target);
  moving_focus_ = false;
}

// The animation repaints its controls at once, from inside its handler.
void MainWindow::RepaintNow(AnimationRepaint what) {
  SyncModels();
  auto invalidate = [this](const Control& model) {
    if (HWND window = WindowOf(model)) InvalidateRect(window, nullptr, FALSE);
  };
  switch (what) {
    case AnimationRepaint::kMarker: invalidate(form_.next_cell_marker); break;
    case AnimationRepaint::kScreen: invalidate(form_.animation_screen); break;
    case AnimationRepaint::kFrames:
      for (const Image* frame :
           {&form_.pointer_waves3, &form_.pointer_waves2, &form_.pointer_waves1, &form_.pointer_still})
        invalidate(*frame);
      break;
    case AnimationRepaint::kPicture: invalidate(form_.program_window_picture); break;
  }
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace fesk::win32
