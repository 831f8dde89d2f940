// The bindings of a FormWindow, window to model: what the user does in a
// window goes into its model, and the model's action runs.
#include "platform/win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/form_binding.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

// Enter in an edit field runs the field's Enter action instead of beeping.
LRESULT CALLBACK FormWindow::EnterKeyProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  if (message == WM_GETDLGCODE && w == VK_RETURN) return DLGC_WANTALLKEYS;
  if (message == WM_CHAR && w == VK_RETURN) return 0;
  if (message == WM_KEYDOWN && w == VK_RETURN) {
    auto* form = reinterpret_cast<FormWindow*>(data);
    if (form->RunEnterKey(window)) return 0;
  }
  return DefSubclassProc(window, message, w, l);
}

bool FormWindow::RunEnterKey(HWND field) {
  Binding* binding = Find(field);
  if (binding == nullptr || !binding->Is<Edit*>()) return false;
  Edit& model = *std::get<Edit*>(binding->model);
  if (!model.on_enter_key) return false;
  RunAction(model.on_enter_key);
  AfterEvent();
  return true;
}

void FormWindow::ReadEditText(Binding& b, Edit& model) {
  int length = GetWindowTextLengthW(b.hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(b.hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  model.text = Narrow(text);
  b.shown.text = model.text;
  RunAction(model.on_change);
}

// A number typed is taken while it is in range; on leaving the field it is
// brought into range and shown again.
void FormWindow::ReadSpinEdit(Binding& b, SpinEdit& model, int code) {
  wchar_t digits[32] = {};
  GetWindowTextW(b.hwnd, digits, 32);
  int value = _wtoi(digits);
  if (code == EN_KILLFOCUS || model.Clamp(value) == value) {
    RunAction([&] { model.SetValue(value); });
    if (code == EN_KILLFOCUS) {
      b.shown.position.reset();
    } else {
      b.shown.position = model.value;
    }
  }
}

// A click on a label or panel, single or double, runs its click action;
// false when it has none.
bool FormWindow::RunClick(const Action& on_click, int code) {
  if ((code != STN_CLICKED && code != STN_DBLCLK) || !on_click) return false;
  RunAction(on_click);
  return true;
}

// Controls send many notifications (focus, edit updates, list changes made
// by SyncAll itself); only those below are user input.  True when the
// notification was input.
bool FormWindow::OnInput(Binding& b, int code) {
  return std::visit(Overloaded{
                        [&](Button* model) {
                          if (code != BN_CLICKED || !model->on_click) return false;
                          RunAction(model->on_click);
                          return true;
                        },
                        [&](CheckBox* model) {
                          if (code != BN_CLICKED) return false;
                          RunAction([model] { model->SetChecked(!model->checked()); });
                          return true;
                        },
                        [&](RadioChoice choice) {
                          if (code != BN_CLICKED) return false;
                          choice.set->Check(*choice.button);
                          RunAction(choice.button->on_click);
                          return true;
                        },
                        [&](RadioItem item) {
                          if (code != BN_CLICKED) return false;
                          RunAction([item] { item.group->SetItemIndex(item.index); });
                          return true;
                        },
                        [&](ComboBox* model) {
                          if (code != CBN_SELCHANGE) return false;
                          const int index = static_cast<int>(SendMessageW(b.hwnd, CB_GETCURSEL, 0, 0));
                          RunAction([model, index] { model->Select(index); });
                          b.shown.index = model->item_index;
                          return true;
                        },
                        [&](ListBox* model) {
                          if (code != LBN_SELCHANGE) return false;
                          model->item_index = static_cast<int>(SendMessageW(b.hwnd, LB_GETCURSEL, 0, 0));
                          b.shown.index = model->item_index;
                          RunAction(model->on_click);
                          return true;
                        },
                        [&](Edit* model) {
                          if (code != EN_CHANGE || syncing_) return false;
                          ReadEditText(b, *model);
                          return true;
                        },
                        [&](SpinEdit* model) {
                          if (!((code == EN_CHANGE && !syncing_) || code == EN_KILLFOCUS)) return false;
                          ReadSpinEdit(b, *model, code);
                          return true;
                        },
                        [&](Label* model) { return RunClick(model->on_click, code); },
                        [&](Panel* model) { return RunClick(model->on_click, code); },
                        // No command: frames and pictures take no input here,
                        // a scroll bar's comes through OnScroll, a picture's
                        // presses through RunMouseDown, and a custom control's
                        // through its program.
                        [](RadioFrame) { return false; },
                        [](GroupBox*) { return false; },
                        [](ScrollBar*) { return false; },
                        [](const Picture&) { return false; },
                        [](const Custom&) { return false; },
                    },
                    b.model);
}

void FormWindow::OnCommand(HWND control, int code) {
  Binding* b = Find(control);
  if (b != nullptr && OnInput(*b, code)) AfterEvent();
}

void FormWindow::OnScroll(HWND control, int code) {
  Binding* b = Find(control);
  if (b == nullptr || !b->Is<ScrollBar*>()) return;
  ScrollBar& model = *std::get<ScrollBar*>(b->model);
  int position = model.position();
  switch (code) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= 5; break;
    case SB_PAGERIGHT: position += 5; break;
    case SB_LEFT: position = model.min; break;
    case SB_RIGHT: position = model.max; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(control, SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    default: return;
  }
  RunAction([&model, position] { model.SetPosition(position); });
  AfterEvent();
}

// A press on a drawn control runs its mouse action; false when it has none.
// A flat button takes every press, and a press of the left button clicks it.
bool FormWindow::RunMouseDown(Binding& binding, MouseButton button) {
  const Picture* picture = std::get_if<Picture>(&binding.model);
  if (picture == nullptr) return false;
  if (picture->button) {
    if (button == MouseButton::kLeft) RunAction(picture->button->on_click);
    AfterEvent();
    return true;
  }
  const MousePressAction* action = picture->shape   ? &picture->shape->on_mouse_down
                                   : picture->image ? &picture->image->on_mouse_down
                                                    : nullptr;
  if (action == nullptr || !*action) return false;
  RunAction([action, button] { (*action)(button); });
  AfterEvent();
  return true;
}

}  // namespace fesk::win32
