// The bindings of a FormWindow, model to window: after every event each
// window is brought to show its model (text, check mark, items, place,
// visibility, enabled state, hint), touching only what changed.
#include "platform/win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/form_binding.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

// A static control without SS_NOTIFY lets the mouse through to what lies
// below it, so its tooltip would never show: a label that gets a hint takes
// the mouse, as it does in the designer's forms.
static void LetLabelTakeMouse(HWND label) {
  LONG style = GetWindowLongW(label, GWL_STYLE);
  if (!(style & SS_NOTIFY)) SetWindowLongW(label, GWL_STYLE, style | SS_NOTIFY);
}

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
  if (binding.Is<Label*>() && std::get<Label*>(binding.model)->auto_size) {
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

}  // namespace fesk::win32
