#include "platform/win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/dpi.h"
#include "platform/win32/form_binding.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

FormWindow::FormWindow(HINSTANCE instance) : instance_(instance) {}

FormWindow::~FormWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_) DeleteObject(font_);
}

static void RegisterClasses(HINSTANCE instance, const FormStyle& style, WNDPROC form_proc, WNDPROC picture_proc) {
  WNDCLASSEXW form{};
  form.cbSize = sizeof form;
  form.lpfnWndProc = form_proc;
  form.hInstance = instance;
  form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(style.icon_resource));
  form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  form.lpszClassName = style.class_name;
  RegisterClassExW(&form);

  WNDCLASSEXW picture{};
  picture.cbSize = sizeof picture;
  picture.lpfnWndProc = picture_proc;
  picture.hInstance = instance;
  picture.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  picture.lpszClassName = kPictureClass;
  RegisterClassExW(&picture);
}

int FormWindow::Scale(int design) const { return ScaleToDpi(design, dpi_); }

RECT FormWindow::ScaledPlace(const Control& model) const {
  return RECT{Scale(model.left), Scale(model.top), Scale(model.left + model.width), Scale(model.top + model.height)};
}

void FormWindow::MakeFormFont() {
  if (font_) DeleteObject(font_);
  font_ = CreateFontW(-Scale(style_.font_height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                      style_.font_name.c_str());
}

HWND FormWindow::Create(const FormStyle& style, HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                     ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClasses(instance_, style, &FormWindow::WindowProc, &FormWindow::PictureProc);
  style_ = style;
  // The window opens on the primary monitor (in its middle when centred)
  // and is laid out for that monitor's DPI.
  const Monitor primary = MonitorOfPoint(Point{0, 0});
  dpi_ = primary.dpi;
  MakeFormFont();

  RECT frame{0, 0, Scale(style.client_width), Scale(style.client_height)};
  AdjustFrameForDpi(frame, style.style, style.ex_style, dpi_);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
  if (style.centred) {
    x = primary.area.left + (primary.area.right - primary.area.left - width) / 2;
    y = primary.area.top + (primary.area.bottom - primary.area.top - height) / 2;
  }
  hwnd_ = CreateWindowExW(style.ex_style, style.class_name, Wide(style.caption).c_str(), style.style, x, y, width,
                          height, owner, nullptr, instance_, this);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(800));
  // Where the window really came to lie may have another DPI.
  if (const int shown_dpi = DpiOfWindow(hwnd_); hwnd_ && shown_dpi != dpi_) ChangeDpi(shown_dpi, nullptr);
  return hwnd_;
}

// Lays the window out anew at another DPI: its font, its size (client size
// from the design units), the page control and every control.  `suggested`
// is the place the system proposes (WM_DPICHANGED); only its top-left corner
// is taken, the size is worked out from the design.
void FormWindow::ChangeDpi(int dpi, const RECT* suggested) {
  if (dpi <= 0 || hwnd_ == nullptr) return;
  HFONT old_font = font_;
  font_ = nullptr;
  dpi_ = dpi;
  MakeFormFont();
  RECT frame{0, 0, Scale(style_.client_width), Scale(style_.client_height)};
  AdjustFrameForDpi(frame, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)),
                    static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)), dpi_);
  RECT now;
  GetWindowRect(hwnd_, &now);
  const int x = suggested ? suggested->left : now.left, y = suggested ? suggested->top : now.top;
  SetWindowPos(hwnd_, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Every child that had the form's font gets the new one; a program's own
  // fonts are remade in OnDpiChanged.
  auto refont = [&](HWND child) {
    if (child && reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == old_font) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
  };
  if (tab_ && pages_) {
    refont(tab_);
    const RECT place = ScaledPlace(*pages_->control);
    MoveWindow(tab_, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
  }
  for (const auto& binding : bindings_) {
    refont(binding->hwnd);
    binding->shown.bounds.reset();
  }
  if (old_font) DeleteObject(old_font);
  line_heights_.clear();  // a handle deleted may come back for another font
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale(800));
  OnDpiChanged();
  SyncAll();
  RepaintPictures();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK FormWindow::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    reinterpret_cast<FormWindow*>(create->lpCreateParams)->hwnd_ = window;
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w, l);
  return self->Handle(message, w, l);
}

// Shapes and pictures: painted by their binding, presses reported.
LRESULT CALLBACK FormWindow::PictureProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* binding = reinterpret_cast<Binding*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const Picture* picture = binding ? std::get_if<Picture>(&binding->model) : nullptr;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      if (picture && picture->paint) {
        picture->paint(dc, area);
      } else if (picture && picture->shape) {
        HBRUSH brush = CreateSolidBrush(ToColorRef(picture->shape->brush));
        FillRect(dc, &area, brush);
        DeleteObject(brush);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (binding) {
        MouseButton button = message == WM_LBUTTONDOWN   ? MouseButton::kLeft
                             : message == WM_RBUTTONDOWN ? MouseButton::kRight
                                                         : MouseButton::kMiddle;
        auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(GetAncestor(window, GA_ROOT), GWLP_USERDATA));
        if (self && self->RunMouseDown(*binding, button)) return 0;
      }
      break;
  }
  return DefWindowProcW(window, message, w, l);
}

FormWindow::Binding& FormWindow::Add(std::unique_ptr<Binding> binding) {
  bindings_.push_back(std::move(binding));
  return *bindings_.back();
}

RECT FormWindow::PageArea() const {
  if (syncing_) return sync_page_area_;  // measured once per pass
  RECT area{0, 0, 0, 0};
  if (tab_ == nullptr) return area;
  GetWindowRect(tab_, &area);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
  RECT inner = area;
  SendMessageW(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inner));
  return inner;
}

HWND FormWindow::MakeChild(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
                           const Control& model, int page) {
  RECT area = page == kNoPage ? RECT{0, 0, 0, 0} : PageArea();
  const RECT place = ScaledPlace(model);
  HWND child = CreateWindowExW(ex_style, window_class, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS,
                               area.left + place.left, area.top + place.top, place.right - place.left,
                               place.bottom - place.top, hwnd_, nullptr, instance_, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

void FormWindow::BindPageControl(PageControlModel& pages) {
  pages_ = &pages;
  const Control& model = *pages.control;
  const RECT place = ScaledPlace(model);
  tab_ = CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, hwnd_, nullptr, instance_,
                         nullptr);
  SendMessageW(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (std::size_t i = 0; i < pages.pages->size(); ++i) {
    std::wstring name = Wide((*pages.pages)[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = name.data();
    SendMessageW(tab_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  KeepTabsOnOneRow();
  AddHint(tab_, model.hint);
}

// A single-row tab control whose tabs are wider than itself hides the
// first ones behind scroll arrows.  Where the default padding beside each
// name makes the row too wide, a narrower padding lets every tab show; a
// row that fits keeps its look.
void FormWindow::KeepTabsOnOneRow() {
  const int count = static_cast<int>(SendMessageW(tab_, TCM_GETITEMCOUNT, 0, 0));
  RECT client{}, last{};
  if (count == 0 || !GetClientRect(tab_, &client)) return;
  if (!SendMessageW(tab_, TCM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last))) return;
  if (last.right <= client.right - 2) return;
  const int padding = MulDiv(3, dpi_, 96);
  SendMessageW(tab_, TCM_SETPADDING, 0, MAKELPARAM(padding, padding));
  SendMessageW(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

int FormWindow::PageOfWindow(HWND window) const {
  if (window != nullptr && window == tab_ && pages_) return *pages_->active_page;
  for (const auto& binding : bindings_) {
    if (binding->hwnd == window || (binding->updown && binding->updown == window)) return binding->page;
  }
  return kNoPage;
}

void FormWindow::SetContainer(const Control& model, const Control& container) { containers_[&model] = &container; }

Control* FormWindow::ModelOf(HWND window) const {
  Binding* binding = window ? Find(window) : nullptr;
  return binding ? &binding->control : nullptr;
}

int FormWindow::BackgroundOf(const Control& model) const {
  for (const auto& binding : bindings_) {
    if (&binding->control == &model) return PageBackground(binding.get());
  }
  return COLOR_BTNFACE;
}

HWND FormWindow::WindowOf(const Control& model) const {
  for (const auto& binding : bindings_) {
    if (&binding->control == &model && !binding->Is<RadioItem>()) return binding->hwnd;
  }
  return nullptr;
}

void FormWindow::AddHint(HWND window, const std::string& hint) {
  if (tooltip_ == nullptr || window == nullptr) return;
  std::wstring text = DisplayText(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::AddAreaHint(HWND window, UINT_PTR id, const std::string& hint) {
  if (tooltip_ == nullptr || window == nullptr) return;
  std::wstring text = DisplayText(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = id;
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormWindow::MoveAreaHint(HWND window, UINT_PTR id, const RECT& area) {
  if (tooltip_ == nullptr || window == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window;
  tool.uId = id;
  tool.rect = area;
  SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Both run after every event, and the launcher's events are its sensing
// ticks: the tooltip hears only of a change.
void FormWindow::SetHintsActive(bool active) {
  if (tooltip_ == nullptr || hints_active_ == active) return;
  SendMessageW(tooltip_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
  hints_active_ = active;
}

void FormWindow::SetHintPause(int milliseconds) {
  if (tooltip_ == nullptr || hint_pause_ == milliseconds) return;
  SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
  hint_pause_ = milliseconds;
}

void FormWindow::RepaintPictures() {
  for (const auto& binding : bindings_) {
    if (binding->Is<Picture>()) InvalidateRect(binding->hwnd, nullptr, FALSE);
  }
}

void FormWindow::EraseBackground(HDC dc) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (tab_ != nullptr && IsWindowVisible(tab_)) {
    RECT page = PageArea();
    FillRect(dc, &page, GetSysColorBrush(COLOR_WINDOW));
  }
}

int FormWindow::PageBackground(const Binding* binding) const {
  return binding && binding->page != kNoPage && tab_ ? COLOR_WINDOW : COLOR_BTNFACE;
}

FormWindow::Binding* FormWindow::Find(HWND window) const {
  for (const auto& binding : bindings_) {
    if (binding->hwnd == window) return binding.get();
  }
  return nullptr;
}

void FormWindow::SyncAll() {
  // Changing a control can make it notify at once; those notifications must
  // not start another pass over the controls.
  if (syncing_) return;
  sync_page_area_ = PageArea();
  syncing_ = true;
  if (pages_ && tab_) {
    const Control& model = *pages_->control;
    ShowWindow(tab_, model.visible ? SW_SHOWNA : SW_HIDE);
    if (shown_page_ != *pages_->active_page) {
      SendMessageW(tab_, TCM_SETCURSEL, *pages_->active_page, 0);
      shown_page_ = *pages_->active_page;
    }
  }
  for (const auto& binding : bindings_) SyncBinding(*binding);
  syncing_ = false;
  // The controls of the page shown before are hidden now.  Group boxes draw
  // no inside of their own, so what those controls left inside a group box
  // of the page shown now would stay there unless the page is drawn again.
  if (pages_ && tab_ && controls_page_ != *pages_->active_page) {
    if (controls_page_) RedrawWindow(hwnd_, &sync_page_area_, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    controls_page_ = *pages_->active_page;
  }
}

void FormWindow::OnNotify(NMHDR* header) {
  if (tab_ && header->hwndFrom == tab_ && header->code == TCN_SELCHANGE && pages_) {
    *pages_->active_page = static_cast<int>(SendMessageW(tab_, TCM_GETCURSEL, 0, 0));
    shown_page_ = *pages_->active_page;
    if (pages_->change) pages_->change();
    AfterEvent();
  }
}

bool FormWindow::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT FormWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  LRESULT result = 0;
  if (message == WM_DPICHANGED) {
    ChangeDpi(HIWORD(w), reinterpret_cast<const RECT*>(l));
    return 0;
  }
  if (OnMessage(message, w, l, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (l != 0) OnCommand(reinterpret_cast<HWND>(l), HIWORD(w));
      return 0;
    case WM_HSCROLL:
      if (l != 0) OnScroll(reinterpret_cast<HWND>(l), LOWORD(w));
      return 0;
    case WM_NOTIFY: OnNotify(reinterpret_cast<NMHDR*>(l)); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Controls on a page take the page's background, the others the
      // dialog's.
      Binding* b = Find(reinterpret_cast<HWND>(l));
      HDC dc = reinterpret_cast<HDC>(w);
      SetBkMode(dc, TRANSPARENT);
      if (b && b->Is<Label*>()) SetTextColor(dc, ToColorRef(std::get<Label*>(b->model)->font_color));
      if (b && b->Is<SpinEdit*>()) break;  // an editable field keeps its own
      return reinterpret_cast<LRESULT>(GetSysColorBrush(PageBackground(b)));
    }
  }
  return DefWindowProcW(hwnd_, message, w, l);
}

int RunMessageLoop(const std::function<HWND()>& dialog_window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    HWND dialog = dialog_window ? dialog_window() : nullptr;
    if (dialog && IsWindowVisible(dialog) && IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace fesk::win32
