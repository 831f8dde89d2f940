// The bindings of a FormWindow: making the window for each kind of model,
// showing the model in it, and turning the user's input into the model's
// change and action.
#include "platform/win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/form_binding.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// ---- Making the windows ---------------------------------------------------

static std::unique_ptr<FormWindow::Binding> NewBinding(Control& control, BoundModel model, int page) {
  return std::make_unique<FormWindow::Binding>(control, std::move(model), page);
}

// A static control without SS_NOTIFY lets the mouse through to what lies
// below it, so its tooltip would never show: a label with a hint takes the
// mouse, as it does in the designer's forms.
static void LetLabelTakeMouse(HWND label) {
  LONG style = GetWindowLongW(label, GWL_STYLE);
  if (!(style & SS_NOTIFY)) SetWindowLongW(label, GWL_STYLE, style | SS_NOTIFY);
}

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

HWND FormWindow::BindLabel(Label& model, int page, DWORD extra_style) {
  auto binding = NewBinding(model, &model, page);
  if (!model.hint.empty()) extra_style |= SS_NOTIFY;
  binding->hwnd = MakeChild(L"STATIC", DisplayText(model.caption), SS_LEFT | SS_NOPREFIX | extra_style, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindButton(Button& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_PUSHBUTTON | WS_TABSTOP, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindCheckBox(CheckBox& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

std::vector<HWND> FormWindow::BindRadioSet(RadioSet& set, int page) {
  std::vector<HWND> windows;
  bool first = true;
  for (RadioButton* button : set.buttons()) {
    auto binding = NewBinding(*button, RadioChoice{button, &set}, page);
    binding->hwnd = MakeChild(L"BUTTON", Wide(button->caption),
                              BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP | (first ? WS_GROUP : 0), 0, *button, page);
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
                           BS_RADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0), 0, place, page);
    AddHint(item->hwnd, model.hint);
    Add(std::move(item));
  }
}

HWND FormWindow::BindScrollBar(ScrollBar& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"SCROLLBAR", L"", SBS_HORZ | WS_TABSTOP, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindSpinEdit(SpinEdit& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"EDIT", std::to_wstring(model.value), ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP,
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
  binding->hwnd = MakeChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, place, page);
  // The list shows every item without scrolling where it fits.
  SendMessageW(binding->hwnd, CB_SETMINVISIBLE, 20, 0);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

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

HWND FormWindow::BindEdit(Edit& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"EDIT", Wide(model.text), ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, model, page);
  if (model.max_length > 0) SendMessageW(binding->hwnd, EM_SETLIMITTEXT, model.max_length, 0);
  binding->shown.text = model.text;
  AddHint(binding->hwnd, model.hint);
  HWND field = Add(std::move(binding)).hwnd;
  SetWindowSubclass(field, EnterKeyProc, kEnterSubclass, reinterpret_cast<DWORD_PTR>(this));
  return field;
}

HWND FormWindow::BindListBox(ListBox& model, int page) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"LISTBOX", L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT,
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

HWND FormWindow::BindPanel(Panel& model, int page, bool raised) {
  auto binding = NewBinding(model, &model, page);
  binding->hwnd = MakeChild(L"STATIC", DisplayText(model.caption),
                            SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | (raised ? 0 : SS_SUNKEN),
                            raised ? WS_EX_DLGMODALFRAME : 0, model, page);
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
  return BindPictureWindow(model, Picture{&model, nullptr, std::move(paint), nullptr}, page);
}

HWND FormWindow::BindImage(Image& model, Painter paint, int page) {
  return BindPictureWindow(model, Picture{nullptr, &model, std::move(paint), nullptr}, page);
}

HWND FormWindow::BindPicture(Control& model, Painter paint, MousePressAction mouse_down, int page) {
  return BindPictureWindow(model, Picture{nullptr, nullptr, std::move(paint), std::move(mouse_down)}, page);
}

HWND FormWindow::BindCustom(Control& model, HWND window, std::function<void()> sync, int page) {
  auto binding = NewBinding(model, Custom{std::move(sync)}, page);
  binding->hwnd = window;
  AddHint(window, model.hint);
  return Add(std::move(binding)).hwnd;
}

// ---- Model to window ------------------------------------------------------

static void SetText(HWND window, std::optional<std::string>& shown, const std::string& wanted, bool display) {
  if (!Differs(shown, wanted)) return;
  SetWindowTextW(window, display ? DisplayText(wanted).c_str() : Wide(wanted).c_str());
  shown = wanted;
}

static void SetCheck(HWND window, std::optional<bool>& shown, bool checked) {
  if (!Differs(shown, checked)) return;
  SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  shown = checked;
}

// Items and selection of a list or drop-down list; the items are put in
// again only when they changed.
static void SyncList(FormWindow::Binding& b, const std::vector<std::string>& items, int index, UINT reset, UINT add,
                     UINT select) {
  if (Differs(b.shown.items, items)) {
    SendMessageW(b.hwnd, reset, 0, 0);
    for (const std::string& item : items) {
      SendMessageW(b.hwnd, add, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    b.shown.items = items;
    b.shown.index.reset();
  }
  if (Differs(b.shown.index, index)) {
    SendMessageW(b.hwnd, select, index, 0);
    b.shown.index = index;
  }
}

void FormWindow::SyncContent(Binding& b) {
  ShownState& shown = b.shown;
  HWND window = b.hwnd;
  std::visit(Overloaded{
                 [&](Label* model) {
                   if (Differs(shown.color, model->font_color)) {
                     shown.color = model->font_color;
                     InvalidateRect(window, nullptr, TRUE);
                   }
                   SetText(window, shown.text, model->caption, true);
                 },
                 [&](Button* model) { SetText(window, shown.text, model->caption, false); },
                 [&](CheckBox* model) {
                   SetText(window, shown.text, model->caption, false);
                   SetCheck(window, shown.checked, model->checked());
                 },
                 [&](RadioChoice choice) { SetCheck(window, shown.checked, choice.button->checked); },
                 [&](RadioItem item) { SetCheck(window, shown.checked, item.group->item_index() == item.index); },
                 [&](RadioFrame) {},
                 [&](GroupBox* model) { SetText(window, shown.text, model->caption, false); },
                 [&](ScrollBar* model) {
                   const std::pair<int, int> range{model->min, model->max};
                   if (Differs(shown.range, range)) {
                     SetScrollRange(window, SB_CTL, model->min, model->max, FALSE);
                     shown.range = range;
                     shown.position.reset();
                   }
                   if (Differs(shown.position, model->position())) {
                     SetScrollPos(window, SB_CTL, model->position(), TRUE);
                     shown.position = model->position();
                   }
                 },
                 [&](SpinEdit* model) {
                   const std::pair<int, int> range =
                       model->Bounded() ? std::pair{model->min_value, model->max_value} : std::pair{-9999, 9999};
                   if (Differs(shown.range, range)) {
                     SendMessageW(b.updown, UDM_SETRANGE32, range.first, range.second);
                     shown.range = range;
                   }
                   if (Differs(shown.position, model->value)) {
                     shown.position = model->value;
                     SetWindowTextW(window, std::to_wstring(model->value).c_str());
                   }
                 },
                 [&](ComboBox* model) {
                   SyncList(b, model->items, model->item_index, CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL);
                 },
                 [&](Edit* model) {
                   if (Differs(shown.text, model->text)) {
                     shown.text = model->text;
                     SetWindowTextW(window, Wide(model->text).c_str());
                   }
                 },
                 [&](ListBox* model) {
                   SyncList(b, model->items, model->item_index, LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL);
                 },
                 [&](Panel* model) { SetText(window, shown.text, model->caption, true); },
                 [&](Picture& picture) {
                   if (picture.shape && Differs(shown.color, picture.shape->brush)) {
                     shown.color = picture.shape->brush;
                     InvalidateRect(window, nullptr, FALSE);
                   }
                 },
                 [&](Custom& custom) {
                   if (custom.sync) custom.sync();
                 },
             },
             b.model);
}

// Where the window of a model is to lie, as {left, top, width, height} in
// the form's client area, at the window's DPI.
RECT FormWindow::WantedBounds(const Binding& binding, const Control& model) {
  RECT area = binding.page == kNoPage ? RECT{0, 0, 0, 0} : PageArea();
  const RECT place = ScaledPlace(model);
  RECT wanted{area.left + place.left, area.top + place.top, place.right - place.left, place.bottom - place.top};
  int shift = 0;  // of an auto-sized label's left edge
  // A label is at least one line of its font high: a height chosen for a
  // line at 96 DPI may round below the line of the font at another.
  if (binding.Is<Label*>()) {
    const int line = LineHeight(reinterpret_cast<HFONT>(SendMessageW(binding.hwnd, WM_GETFONT, 0, 0)));
    if (wanted.bottom > 0 && wanted.bottom < line) wanted.bottom = line;
  }
  if (binding.Is<Label*>() && auto_sized_.count(&model)) {
    const std::wstring text = DisplayText(std::get<Label*>(binding.model)->caption);
    HDC dc = GetDC(binding.hwnd);
    HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(binding.hwnd, WM_GETFONT, 0, 0)));
    RECT extent{0, 0, 0, 0};
    if (!text.empty()) DrawTextW(dc, text.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old_font);
    ReleaseDC(binding.hwnd, dc);
    const LONG_PTR alignment = GetWindowLongPtrW(binding.hwnd, GWL_STYLE) & SS_TYPEMASK;
    if (alignment == SS_RIGHT) shift = wanted.right - extent.right;
    if (alignment == SS_CENTER) shift = (wanted.right - extent.right) / 2;
    wanted.left += shift;
    wanted.right = extent.right;
    if (extent.bottom > wanted.bottom) wanted.bottom = extent.bottom;
  }
  if (!containers_.count(&model)) return wanted;
  // Inside a container: its place is added, and the window is cut to the
  // container's inside so that it never covers the container's frame.
  std::vector<const Control*> chain;
  for (auto it = containers_.find(&model); it != containers_.end(); it = containers_.find(it->second)) {
    chain.push_back(it->second);
    if (chain.size() > 8) break;
  }
  // Design units from the page's corner down the chain of containers.
  int origin_x = 0, origin_y = 0;
  RECT inside{0, 0, 0, 0};
  for (auto c = chain.rbegin(); c != chain.rend(); ++c) {
    const int left = origin_x + (*c)->left, top = origin_y + (*c)->top;
    inside = RECT{area.left + Scale(left) + 2, area.top + Scale(top) + 2, area.left + Scale(left + (*c)->width) - 2,
                  area.top + Scale(top + (*c)->height) - 2};
    origin_x = left;
    origin_y = top;
  }
  const int left = area.left + Scale(origin_x + model.left) + shift;
  const int top = area.top + Scale(origin_y + model.top);
  RECT placed{left, top, left + wanted.right, top + wanted.bottom};
  RECT cut{};
  if (!IntersectRect(&cut, &placed, &inside)) cut = RECT{placed.left, placed.top, placed.left, placed.top};
  wanted = RECT{placed.left, placed.top, cut.right - placed.left, cut.bottom - placed.top};
  if (wanted.right < 0) wanted.right = 0;
  if (wanted.bottom < 0) wanted.bottom = 0;
  return wanted;
}

int FormWindow::LineHeight(HFONT font) {
  if (font == nullptr) return 0;
  if (auto known = line_heights_.find(font); known != line_heights_.end()) return known->second;
  HDC dc = GetDC(hwnd());
  HGDIOBJ old_font = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old_font);
  ReleaseDC(hwnd(), dc);
  return line_heights_[font] = metrics.tmHeight;
}

void FormWindow::SyncBounds(Binding& binding, const Control& model) {
  ShownState& shown = binding.shown;
  // Radio items lie where their group placed them.
  {
    const RECT wanted = WantedBounds(binding, binding.item_place ? *binding.item_place : model);
    if (Differs(shown.bounds, wanted)) {
      MoveWindow(binding.hwnd, wanted.left, wanted.top, wanted.right, wanted.bottom, TRUE);
      shown.bounds = wanted;
      if (binding.updown) SendMessageW(binding.updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(binding.hwnd), 0);
    }
  }
  const bool on_page = binding.page == kNoPage || pages_ == nullptr || binding.page == *pages_->active_page;
  const bool visible = model.visible && on_page;
  if (Differs(shown.visible, visible)) {
    ShowWindow(binding.hwnd, visible ? SW_SHOWNA : SW_HIDE);
    if (binding.updown) ShowWindow(binding.updown, visible ? SW_SHOWNA : SW_HIDE);
    shown.visible = visible;
  }
  if (Differs(shown.enabled, model.enabled)) {
    EnableWindow(binding.hwnd, model.enabled);
    if (binding.updown) EnableWindow(binding.updown, model.enabled);
    shown.enabled = model.enabled;
  }
  if (Differs(shown.hint, model.hint)) {
    if (binding.Is<Label*>() && !model.hint.empty()) LetLabelTakeMouse(binding.hwnd);
    std::wstring text = DisplayText(model.hint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(binding.hwnd);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    shown.hint = model.hint;
  }
}

void FormWindow::SyncBinding(Binding& binding) {
  SyncContent(binding);
  SyncBounds(binding, binding.control);
}

// ---- Window to model ------------------------------------------------------

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
                        // No command: labels, frames and pictures take no input
                        // here, a scroll bar's comes through OnScroll, a picture's
                        // presses through RunMouseDown, and a custom control's
                        // through its program.
                        [](Label*) { return false; },
                        [](RadioFrame) { return false; },
                        [](GroupBox*) { return false; },
                        [](ScrollBar*) { return false; },
                        [](Panel*) { return false; },
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
bool FormWindow::RunMouseDown(Binding& binding, MouseButton button) {
  const Picture* picture = std::get_if<Picture>(&binding.model);
  if (picture == nullptr) return false;
  const MousePressAction& action = picture->shape   ? picture->shape->on_mouse_down
                                   : picture->image ? picture->image->on_mouse_down
                                                    : picture->mouse_down;
  if (!action) return false;
  RunAction([&action, button] { action(button); });
  AfterEvent();
  return true;
}

}  // namespace fesk::win32
