// The bindings of a FormWindow: making the window for each kind of model.
// What the window shows is in form_sync.cpp, what the user does there in
// form_input.cpp.
#include "platform/win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/form_binding.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

static std::unique_ptr<FormWindow::Binding> NewBinding(Control& control, BoundModel model, int page) {
  return std::make_unique<FormWindow::Binding>(control, std::move(model), page);
}

// The Tab key stops at a control that takes the focus unless its model says
// otherwise.
static DWORD TabStop(const Control& model) { return model.tab_stop ? WS_TABSTOP : 0; }

// A group box lets the mouse through to what lies below it, so its tooltip
// would never show: one with a hint takes the mouse where no control of its
// own lies (they are stacked above it).
static LRESULT CALLBACK FrameHitProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (message == WM_NCHITTEST) return HTCLIENT;
  return DefSubclassProc(window, message, w, l);
}

static void LetFrameTakeMouse(HWND frame, const std::string& hint) {
  if (!hint.empty()) SetWindowSubclass(frame, FrameHitProc, kHitSubclass, 0);
}

// A static control without SS_NOTIFY lets the mouse through to what lies
// below it: a label with a hint or a click of its own takes the mouse, as
// it does in the designer's forms.
HWND FormWindow::BindLabel(Label& model, int page) {
  auto binding = NewBinding(model, &model, page);
  DWORD style = model.alignment == Alignment::kRight    ? SS_RIGHT
                : model.alignment == Alignment::kCenter ? SS_CENTER
                                                        : SS_LEFT;
  if (model.end_ellipsis) style |= SS_ENDELLIPSIS;
  if (!model.hint.empty() || model.on_click) style |= SS_NOTIFY;
  binding->hwnd = MakeChild(L"STATIC", DisplayText(model.caption), style | SS_NOPREFIX, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindButton(Button& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_PUSHBUTTON | TabStop(model), 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindCheckBox(CheckBox& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_CHECKBOX | BS_NOTIFY | TabStop(model), 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

std::vector<HWND> FormWindow::BindRadioSet(RadioSet& set, int page) {
  std::vector<HWND> windows;
  bool first = true;
  for (RadioButton* button : set.buttons()) {
    auto binding = NewBinding(*button, RadioChoice{button, &set}, page);
    binding->hwnd = MakeChild(L"BUTTON", Wide(button->caption),
                              BS_RADIOBUTTON | BS_NOTIFY | TabStop(*button) | (first ? WS_GROUP : 0), 0, *button, page);
    AddHint(binding->hwnd, button->hint);
    windows.push_back(Add(std::move(binding)).hwnd);
    first = false;
  }
  return windows;
}

void FormWindow::BindRadioGroup(RadioGroup& model, int page) {
  auto box = NewBinding(model, RadioFrame{&model}, page);
  box->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_GROUPBOX, 0, model, page);
  LetFrameTakeMouse(box->hwnd, model.hint);
  AddHint(box->hwnd, model.hint);
  Add(std::move(box));
  int count = static_cast<int>(model.items.size());
  int step = count > 0 ? (model.height - 22) / count : 0;
  for (int i = 0; i < count; ++i) {
    Control place = model;
    place.left = model.left + 10;
    place.top = model.top + 18 + i * step;
    place.width = model.width - 16;
    place.height = step > 20 ? 20 : step;
    auto item = NewBinding(model, RadioItem{&model, i}, page);
    item->item_place = place;
    item->hwnd = MakeChild(L"BUTTON", Wide(model.items[static_cast<std::size_t>(i)]),
                           BS_RADIOBUTTON | TabStop(model) | (i == 0 ? WS_GROUP : 0), 0, place, page);
    AddHint(item->hwnd, model.hint);
    Add(std::move(item));
  }
}

HWND FormWindow::BindScrollBar(ScrollBar& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"SCROLLBAR", L"", SBS_HORZ | TabStop(model), 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindSpinEdit(SpinEdit& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"EDIT", std::to_wstring(model.value), ES_NUMBER | ES_AUTOHSCROLL | TabStop(model),
                            WS_EX_CLIENTEDGE, model, page);
  if (model.max_length > 0) SendMessageW(binding->hwnd, EM_SETLIMITTEXT, model.max_length, 0);
  binding->updown = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                    0, 0, 0, 0, hwnd(), nullptr, instance(), nullptr);
  SendMessageW(binding->updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(binding->hwnd), 0);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindComboBox(ComboBox& model, int page, int dropped_height) {
  auto binding = NewBinding(model, &model, page);
  Control place = model;
  place.height = dropped_height;
  binding->hwnd = MakeChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | TabStop(model), 0, place, page);
  // The list shows every item without scrolling where it fits.
  SendMessageW(binding->hwnd, CB_SETMINVISIBLE, 20, 0);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindEdit(Edit& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"EDIT", Wide(model.text), ES_AUTOHSCROLL | TabStop(model), WS_EX_CLIENTEDGE, model, page);
  if (model.max_length > 0) SendMessageW(binding->hwnd, EM_SETLIMITTEXT, model.max_length, 0);
  binding->shown.text = model.text;
  AddHint(binding->hwnd, model.hint);
  HWND field = Add(std::move(binding)).hwnd;
  SetWindowSubclass(field, EnterKeyProc, kEnterSubclass, reinterpret_cast<DWORD_PTR>(this));
  return field;
}

HWND FormWindow::BindListBox(ListBox& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"LISTBOX", L"", LBS_NOTIFY | WS_VSCROLL | TabStop(model) | LBS_NOINTEGRALHEIGHT,
                            WS_EX_CLIENTEDGE, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindGroupBox(GroupBox& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_GROUPBOX, 0, model, page);
  LetFrameTakeMouse(binding->hwnd, model.hint);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindPanel(Panel& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"STATIC", DisplayText(model.caption),
                            SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | (model.lowered ? SS_SUNKEN : 0),
                            model.lowered ? 0 : WS_EX_DLGMODALFRAME, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

// Shapes, images and other drawn controls share one window class.
HWND FormWindow::BindPictureWindow(Control& model, Picture picture, int page) {
  auto binding = NewBinding(model, std::move(picture), page);
  if (const Shape* shape = std::get<Picture>(binding->model).shape) binding->shown.color = shape->brush;
  binding->hwnd = MakeChild(kPictureClass, L"", 0, 0, model, page);
  Binding& added = Add(std::move(binding));
  SetWindowLongPtrW(added.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&added));
  AddHint(added.hwnd, model.hint);
  return added.hwnd;
}

HWND FormWindow::BindShape(Shape& model, int page, Painter paint) {
  return BindPictureWindow(model, Picture{&model, nullptr, nullptr, std::move(paint)}, page);
}

HWND FormWindow::BindImage(Image& model, Painter paint, int page) {
  return BindPictureWindow(model, Picture{nullptr, &model, nullptr, std::move(paint)}, page);
}

HWND FormWindow::BindSpeedButton(SpeedButton& model, Painter paint, int page) {
  return BindPictureWindow(model, Picture{nullptr, nullptr, &model, std::move(paint)}, page);
}

HWND FormWindow::BindPicture(Control& model, Painter paint, int page) {
  return BindPictureWindow(model, Picture{nullptr, nullptr, nullptr, std::move(paint)}, page);
}

HWND FormWindow::BindCustom(Control& model, HWND window, std::function<void()> sync, int page) {
  auto binding = NewBinding(model, Custom{std::move(sync)}, page);
  binding->hwnd = window;
  AddHint(window, model.hint);
  return Add(std::move(binding)).hwnd;
}

}  // namespace fesk::win32
