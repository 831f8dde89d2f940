#include "platform/win32/form_window.h"

#include <commctrl.h>

#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

namespace {
constexpr wchar_t kPictureClass[] = L"FeskPicture";
constexpr UINT_PTR kEnterSubclass = 1;
constexpr UINT_PTR kHitSubclass = 2;
}  // namespace

struct FormWindow::Binding {
  enum class Kind {
    kLabel, kButton, kCheckBox, kRadioButton, kRadioItem, kGroupBox, kScrollBar,
    kSpinEdit, kComboBox, kEdit, kListBox, kPanel, kPicture, kCustom
  };
  Kind kind = Kind::kLabel;
  HWND hwnd = nullptr;
  HWND updown = nullptr;
  Control* control = nullptr;
  void* model = nullptr;
  int page = kNoPage;
  int item = -1;  // radio item of a RadioGroup
  Action click, change, leave, enter_key;
  MouseDown mouse_down;
  Painter paint;
  std::function<void()> sync;  // kCustom

  // What the window shows now.
  bool synced = false;
  std::string text, hint;
  bool checked = false, shown = false, enabled = true;
  int index = -2, position = 0, low = 0, high = 0;
  RECT bounds{};
  std::vector<std::string> items;
  Color color{};
};

FormWindow::FormWindow(HINSTANCE instance) : instance_(instance) {}

FormWindow::~FormWindow() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_) DeleteObject(font_);
}

static void RegisterClasses(HINSTANCE instance, const FormStyle& style, WNDPROC form_proc,
                            WNDPROC picture_proc) {
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

HWND FormWindow::Create(const FormStyle& style, HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES |
                                                     ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                                     ICC_HOTKEY_CLASS | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClasses(instance_, style, &FormWindow::WindowProc, &FormWindow::PictureProc);
  font_ = CreateFontW(-style.font_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                      SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      FIXED_PITCH | FF_MODERN, style.font_name.c_str());

  RECT frame{0, 0, style.client_width, style.client_height};
  AdjustWindowRectEx(&frame, style.style, FALSE, style.ex_style);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
  if (style.centred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  hwnd_ = CreateWindowExW(style.ex_style, style.class_name, Wide(style.caption).c_str(),
                          style.style, x, y, width, height, owner, nullptr, instance_, this);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                             nullptr, instance_, nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 800);
  return hwnd_;
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
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT area;
      GetClientRect(window, &area);
      if (binding && binding->paint) {
        binding->paint(dc, area);
      } else if (binding && binding->kind == Binding::Kind::kPicture && binding->model) {
        HBRUSH brush = CreateSolidBrush(ToColorRef(static_cast<Shape*>(binding->model)->brush));
        FillRect(dc, &area, brush);
        DeleteObject(brush);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (binding && binding->mouse_down) {
        MouseButtonKind button = message == WM_LBUTTONDOWN   ? MouseButtonKind::kLeft
                                 : message == WM_RBUTTONDOWN ? MouseButtonKind::kRight
                                                             : MouseButtonKind::kMiddle;
        HWND form = GetAncestor(window, GA_ROOT);
        binding->mouse_down(button);
        auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(form, GWLP_USERDATA));
        if (self) self->AfterEvent();
        return 0;
      }
      break;
  }
  return DefWindowProcW(window, message, w, l);
}

// Enter in an edit field runs the field's Enter action instead of beeping.
static LRESULT CALLBACK EnterKeyProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                     DWORD_PTR data) {
  if (message == WM_GETDLGCODE && w == VK_RETURN) return DLGC_WANTALLKEYS;
  if (message == WM_CHAR && w == VK_RETURN) return 0;
  if (message == WM_KEYDOWN && w == VK_RETURN) {
    auto* binding = reinterpret_cast<FormWindow::Binding*>(data);
    if (binding->enter_key) {
      HWND form = GetAncestor(window, GA_ROOT);
      binding->enter_key();
      auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(form, GWLP_USERDATA));
      if (self) self->SyncAll();
      return 0;
    }
  }
  return DefSubclassProc(window, message, w, l);
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

HWND FormWindow::MakeChild(const wchar_t* window_class, const std::wstring& text, DWORD style,
                           DWORD ex_style, const Control& model, int page) {
  RECT area = page == kNoPage ? RECT{0, 0, 0, 0} : PageArea();
  HWND child = CreateWindowExW(ex_style, window_class, text.c_str(), style | WS_CHILD | WS_CLIPSIBLINGS,
                               area.left + model.left, area.top + model.top, model.width,
                               model.height, hwnd_, nullptr, instance_, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

void FormWindow::BindPageControl(PageControlModel& pages) {
  pages_ = &pages;
  const Control& model = *pages.control;
  tab_ = CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                         model.left, model.top, model.width, model.height, hwnd_, nullptr,
                         instance_, nullptr);
  SendMessageW(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  for (std::size_t i = 0; i < pages.pages->size(); ++i) {
    std::wstring name = Wide((*pages.pages)[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = name.data();
    SendMessageW(tab_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  AddHint(tab_, model.hint);
}

static std::unique_ptr<FormWindow::Binding> NewBinding(FormWindow::Binding::Kind kind,
                                                       Control& control, void* model, int page) {
  auto binding = std::make_unique<FormWindow::Binding>();
  binding->kind = kind;
  binding->control = &control;
  binding->model = model;
  binding->page = page;
  return binding;
}

// A static control without SS_NOTIFY lets the mouse through to what lies
// below it, so its tooltip would never show: a label with a hint takes the
// mouse, as it does in the designer's forms.
static void LetLabelTakeMouse(HWND label) {
  LONG style = GetWindowLongW(label, GWL_STYLE);
  if (!(style & SS_NOTIFY)) SetWindowLongW(label, GWL_STYLE, style | SS_NOTIFY);
}

HWND FormWindow::BindLabel(Label& model, int page, DWORD extra_style) {
  auto binding = NewBinding(Binding::Kind::kLabel, model, &model, page);
  if (!model.hint.empty()) extra_style |= SS_NOTIFY;
  binding->hwnd = MakeChild(L"STATIC", DisplayText(model.caption), SS_LEFT | SS_NOPREFIX | extra_style,
                            0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindButton(Button& model, Action click, int page) {
  auto binding = NewBinding(Binding::Kind::kButton, model, &model, page);
  binding->click = std::move(click);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_PUSHBUTTON | WS_TABSTOP, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindCheckBox(CheckBox& model, int page) {
  auto binding = NewBinding(Binding::Kind::kCheckBox, model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP, 0,
                            model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindRadioButton(RadioButton& model, Action click, int page, bool first_of_group) {
  auto binding = NewBinding(Binding::Kind::kRadioButton, model, &model, page);
  binding->click = std::move(click);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption),
                            BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP | (first_of_group ? WS_GROUP : 0),
                            0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
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

void FormWindow::BindRadioGroup(RadioGroup& model, int page) {
  auto box = NewBinding(Binding::Kind::kGroupBox, model, nullptr, page);
  box->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_GROUPBOX, 0, model, page);
  LetFrameTakeMouse(box->hwnd, model.hint);
  AddHint(box->hwnd, model.hint);
  Binding& group = Add(std::move(box));
  group.text = model.caption;
  int count = static_cast<int>(model.items.size());
  int step = count > 0 ? (model.height - 22) / count : 0;
  for (int i = 0; i < count; ++i) {
    Control place = model;
    place.left = model.left + 10;
    place.top = model.top + 18 + i * step;
    place.width = model.width - 16;
    place.height = step > 20 ? 20 : step;
    auto item = NewBinding(Binding::Kind::kRadioItem, model, &model, page);
    item->item = i;
    item->hwnd = MakeChild(L"BUTTON", Wide(model.items[static_cast<std::size_t>(i)]),
                           BS_RADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0), 0, place, page);
    item->bounds = RECT{place.left, place.top, place.width, place.height};
    AddHint(item->hwnd, model.hint);
    Add(std::move(item));
  }
}

HWND FormWindow::BindScrollBar(ScrollBar& model, int page) {
  auto binding = NewBinding(Binding::Kind::kScrollBar, model, &model, page);
  binding->hwnd = MakeChild(L"SCROLLBAR", L"", SBS_HORZ | WS_TABSTOP, 0, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindSpinEdit(SpinEdit& model, int page) {
  auto binding = NewBinding(Binding::Kind::kSpinEdit, model, &model, page);
  binding->hwnd = MakeChild(L"EDIT", std::to_wstring(model.value),
                            ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, model, page);
  if (model.max_length > 0) SendMessageW(binding->hwnd, EM_SETLIMITTEXT, model.max_length, 0);
  binding->updown = CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                    WS_CHILD | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                    0, 0, 0, 0, hwnd_, nullptr, instance_, nullptr);
  SendMessageW(binding->updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(binding->hwnd), 0);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindComboBox(ComboBox& model, int page, int dropped_height) {
  auto binding = NewBinding(Binding::Kind::kComboBox, model, &model, page);
  Control place = model;
  place.height = dropped_height;
  binding->hwnd = MakeChild(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                            place, page);
  // The list shows every item without scrolling where it fits.
  SendMessageW(binding->hwnd, CB_SETMINVISIBLE, 20, 0);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindEdit(Edit& model, Action change, Action leave, Action enter_key, int page) {
  auto binding = NewBinding(Binding::Kind::kEdit, model, &model, page);
  binding->change = std::move(change);
  binding->leave = std::move(leave);
  binding->enter_key = std::move(enter_key);
  binding->hwnd = MakeChild(L"EDIT", Wide(model.text), ES_AUTOHSCROLL | WS_TABSTOP,
                            WS_EX_CLIENTEDGE, model, page);
  if (model.max_length > 0) SendMessageW(binding->hwnd, EM_SETLIMITTEXT, model.max_length, 0);
  binding->text = model.text;
  AddHint(binding->hwnd, model.hint);
  Binding& added = Add(std::move(binding));
  SetWindowSubclass(added.hwnd, EnterKeyProc, kEnterSubclass, reinterpret_cast<DWORD_PTR>(&added));
  return added.hwnd;
}

HWND FormWindow::BindListBox(ListBox& model, Action click, int page) {
  auto binding = NewBinding(Binding::Kind::kListBox, model, &model, page);
  binding->click = std::move(click);
  binding->hwnd = MakeChild(L"LISTBOX", L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT,
                            WS_EX_CLIENTEDGE, model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindGroupBox(GroupBox& model, int page) {
  auto binding = NewBinding(Binding::Kind::kGroupBox, model, &model, page);
  binding->hwnd = MakeChild(L"BUTTON", Wide(model.caption), BS_GROUPBOX, 0, model, page);
  LetFrameTakeMouse(binding->hwnd, model.hint);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

HWND FormWindow::BindPanel(Panel& model, int page, bool raised) {
  auto binding = NewBinding(Binding::Kind::kPanel, model, &model, page);
  binding->hwnd = MakeChild(L"STATIC", DisplayText(model.caption), SS_CENTER | SS_CENTERIMAGE |
                            SS_NOTIFY | (raised ? 0 : SS_SUNKEN), raised ? WS_EX_DLGMODALFRAME : 0,
                            model, page);
  AddHint(binding->hwnd, model.hint);
  return Add(std::move(binding)).hwnd;
}

// Shapes, images and other drawn controls share one window class; a shape
// keeps its model so that its colour can be drawn and followed.
HWND FormWindow::BindPictureWindow(Control& model, Shape* shape, Painter paint, MouseDown mouse_down,
                                   int page) {
  auto binding = NewBinding(Binding::Kind::kPicture, model, shape, page);
  binding->mouse_down = std::move(mouse_down);
  binding->paint = std::move(paint);
  if (shape) binding->color = shape->brush;
  binding->hwnd = MakeChild(kPictureClass, L"", 0, 0, model, page);
  Binding& added = Add(std::move(binding));
  SetWindowLongPtrW(added.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&added));
  AddHint(added.hwnd, model.hint);
  return added.hwnd;
}

HWND FormWindow::BindShape(Shape& model, MouseDown mouse_down, int page, Painter paint) {
  return BindPictureWindow(model, &model, std::move(paint), std::move(mouse_down), page);
}

HWND FormWindow::BindImage(Image& model, Painter paint, MouseDown mouse_down, int page) {
  return BindPictureWindow(model, nullptr, std::move(paint), std::move(mouse_down), page);
}

int FormWindow::PageOfWindow(HWND window) const {
  if (window != nullptr && window == tab_ && pages_) return *pages_->active_page;
  for (const auto& binding : bindings_) {
    if (binding->hwnd == window || (binding->updown && binding->updown == window)) return binding->page;
  }
  return kNoPage;
}

HWND FormWindow::BindPicture(Control& model, Painter paint, MouseDown mouse_down, int page) {
  return BindPictureWindow(model, nullptr, std::move(paint), std::move(mouse_down), page);
}

HWND FormWindow::BindCustom(Control& model, HWND window, std::function<void()> sync, int page) {
  auto binding = NewBinding(Binding::Kind::kCustom, model, &model, page);
  binding->hwnd = window;
  binding->sync = std::move(sync);
  AddHint(window, model.hint);
  return Add(std::move(binding)).hwnd;
}

void FormWindow::SetContainer(const Control& model, const Control& container) {
  containers_[&model] = &container;
}

void FormWindow::SetAutoSize(const Label& model) { auto_sized_[&model] = true; }

Control* FormWindow::ModelOf(HWND window) const {
  Binding* binding = window ? Find(window) : nullptr;
  return binding ? binding->control : nullptr;
}

int FormWindow::BackgroundOf(const Control& model) const {
  for (const auto& binding : bindings_) {
    if (binding->control == &model) return PageBackground(binding.get());
  }
  return COLOR_BTNFACE;
}

void FormWindow::FinishLayout() {
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  // Last bound first, so that the first bound ends on top: the stacking
  // order is also the Tab order and the order radio groups are read in.
  for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it) {
    const Binding& binding = **it;
    bool frame = binding.kind == Binding::Kind::kGroupBox || binding.kind == Binding::Kind::kPanel;
    if (!frame) {
      if (binding.updown) SetWindowPos(binding.updown, HWND_TOP, 0, 0, 0, 0, kFlags);
      SetWindowPos(binding.hwnd, HWND_TOP, 0, 0, 0, 0, kFlags);
    }
  }
  for (const auto& binding : bindings_) {
    bool frame = binding->kind == Binding::Kind::kGroupBox || binding->kind == Binding::Kind::kPanel;
    if (frame) SetWindowPos(binding->hwnd, HWND_BOTTOM, 0, 0, 0, 0, kFlags);
  }
  if (tab_) SetWindowPos(tab_, HWND_BOTTOM, 0, 0, 0, 0, kFlags);
}

HWND FormWindow::WindowOf(const Control& model) const {
  for (const auto& binding : bindings_) {
    if (binding->control == &model && binding->item < 0) return binding->hwnd;
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

void FormWindow::SetHintsActive(bool active) {
  if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void FormWindow::SetHintPause(int milliseconds) {
  if (tooltip_) SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
}

void FormWindow::RepaintPictures() {
  for (const auto& binding : bindings_) {
    if (binding->kind == Binding::Kind::kPicture) InvalidateRect(binding->hwnd, nullptr, FALSE);
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

// ---- Model to window ------------------------------------------------------

void FormWindow::SyncBounds(Binding& binding, const Control& model) {
  bool on_page = binding.page == kNoPage || pages_ == nullptr || binding.page == *pages_->active_page;
  bool shown = model.visible && on_page;
  if (binding.kind == Binding::Kind::kRadioItem) {
    // Items keep the place worked out when the group was made.
  } else {
    RECT area = binding.page == kNoPage ? RECT{0, 0, 0, 0} : PageArea();
    RECT wanted{area.left + model.left, area.top + model.top, model.width, model.height};
    if (binding.kind == Binding::Kind::kLabel && auto_sized_.count(&model)) {
      const std::wstring text = DisplayText(static_cast<const Label*>(binding.model)->caption);
      HDC dc = GetDC(binding.hwnd);
      HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(binding.hwnd, WM_GETFONT, 0, 0)));
      RECT extent{0, 0, 0, 0};
      if (!text.empty()) DrawTextW(dc, text.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX);
      SelectObject(dc, old_font);
      ReleaseDC(binding.hwnd, dc);
      const LONG_PTR alignment = GetWindowLongPtrW(binding.hwnd, GWL_STYLE) & SS_TYPEMASK;
      if (alignment == SS_RIGHT) wanted.left += model.width - extent.right;
      if (alignment == SS_CENTER) wanted.left += (model.width - extent.right) / 2;
      wanted.right = extent.right;
      if (extent.bottom > wanted.bottom) wanted.bottom = extent.bottom;
    }
    if (containers_.count(&model)) {
      // Inside a container: its place is added, and the window is cut to the
      // container's inside so that it never covers the container's frame.
      int origin_x = area.left, origin_y = area.top;
      std::vector<const Control*> chain;
      for (auto it = containers_.find(&model); it != containers_.end(); it = containers_.find(it->second)) {
        chain.push_back(it->second);
        if (chain.size() > 8) break;
      }
      RECT inside{0, 0, 0, 0};
      for (auto c = chain.rbegin(); c != chain.rend(); ++c) {
        inside = RECT{origin_x + (*c)->left + 2, origin_y + (*c)->top + 2,
                      origin_x + (*c)->left + (*c)->width - 2, origin_y + (*c)->top + (*c)->height - 2};
        origin_x += (*c)->left;
        origin_y += (*c)->top;
      }
      const int shift = wanted.left - (area.left + model.left);
      RECT place{origin_x + model.left + shift, origin_y + model.top, origin_x + model.left + shift + wanted.right,
                 origin_y + model.top + wanted.bottom};
      RECT cut{};
      if (!IntersectRect(&cut, &place, &inside)) cut = RECT{place.left, place.top, place.left, place.top};
      wanted = RECT{place.left, place.top, cut.right - place.left, cut.bottom - place.top};
      if (wanted.right < 0) wanted.right = 0;
      if (wanted.bottom < 0) wanted.bottom = 0;
    }
    if (!binding.synced || memcmp(&wanted, &binding.bounds, sizeof wanted) != 0) {
      MoveWindow(binding.hwnd, wanted.left, wanted.top, wanted.right, wanted.bottom, TRUE);
      binding.bounds = wanted;
      if (binding.updown) SendMessageW(binding.updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(binding.hwnd), 0);
    }
  }
  if (!binding.synced || shown != binding.shown) {
    ShowWindow(binding.hwnd, shown ? SW_SHOWNA : SW_HIDE);
    if (binding.updown) ShowWindow(binding.updown, shown ? SW_SHOWNA : SW_HIDE);
    binding.shown = shown;
  }
  if (!binding.synced || model.enabled != binding.enabled) {
    EnableWindow(binding.hwnd, model.enabled);
    if (binding.updown) EnableWindow(binding.updown, model.enabled);
    binding.enabled = model.enabled;
  }
  if (!binding.synced || model.hint != binding.hint) {
    if (binding.kind == Binding::Kind::kLabel && !model.hint.empty()) LetLabelTakeMouse(binding.hwnd);
    std::wstring text = DisplayText(model.hint);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(binding.hwnd);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    binding.hint = model.hint;
  }
}

static void SetText(HWND window, std::string& shown, const std::string& wanted, bool display) {
  if (shown == wanted) return;
  SetWindowTextW(window, display ? DisplayText(wanted).c_str() : Wide(wanted).c_str());
  shown = wanted;
}

// Items and selection of a list or drop-down list; the items are put in
// again only when they changed.
static void SyncList(FormWindow::Binding& b, bool first, const std::vector<std::string>& items,
                     int index, UINT reset, UINT add, UINT select) {
  if (first || b.items != items) {
    SendMessageW(b.hwnd, reset, 0, 0);
    for (const std::string& item : items) {
      SendMessageW(b.hwnd, add, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    }
    b.items = items;
    first = true;
  }
  if (first || index != b.index) {
    SendMessageW(b.hwnd, select, index, 0);
    b.index = index;
  }
}

void FormWindow::SyncBinding(Binding& b) {
  bool first = !b.synced;
  switch (b.kind) {
    case Binding::Kind::kLabel: {
      auto& model = *static_cast<Label*>(b.model);
      if (first || !(b.color == model.font_color)) {
        b.color = model.font_color;
        InvalidateRect(b.hwnd, nullptr, TRUE);
      }
      if (first) b.text = "\x01";
      SetText(b.hwnd, b.text, model.caption, true);
      break;
    }
    case Binding::Kind::kButton:
      if (first) b.text = "\x01";
      SetText(b.hwnd, b.text, static_cast<Button*>(b.model)->caption, false);
      break;
    case Binding::Kind::kCheckBox: {
      auto& model = *static_cast<CheckBox*>(b.model);
      if (first) b.text = "\x01";
      SetText(b.hwnd, b.text, model.caption, false);
      if (first || model.checked() != b.checked) {
        SendMessageW(b.hwnd, BM_SETCHECK, model.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        b.checked = model.checked();
      }
      break;
    }
    case Binding::Kind::kRadioButton: {
      auto& model = *static_cast<RadioButton*>(b.model);
      if (first || model.checked != b.checked) {
        SendMessageW(b.hwnd, BM_SETCHECK, model.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        b.checked = model.checked;
      }
      break;
    }
    case Binding::Kind::kRadioItem: {
      bool checked = static_cast<RadioGroup*>(b.model)->item_index() == b.item;
      if (first || checked != b.checked) {
        SendMessageW(b.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        b.checked = checked;
      }
      break;
    }
    case Binding::Kind::kScrollBar: {
      auto& model = *static_cast<ScrollBar*>(b.model);
      if (first || model.min != b.low || model.max != b.high) {
        SetScrollRange(b.hwnd, SB_CTL, model.min, model.max, FALSE);
        b.low = model.min;
        b.high = model.max;
        first = true;
      }
      if (first || model.position() != b.position) {
        SetScrollPos(b.hwnd, SB_CTL, model.position(), TRUE);
        b.position = model.position();
      }
      break;
    }
    case Binding::Kind::kSpinEdit: {
      auto& model = *static_cast<SpinEdit*>(b.model);
      int low = model.Bounded() ? model.min_value : -9999;
      int high = model.Bounded() ? model.max_value : 9999;
      if (first || low != b.low || high != b.high) {
        SendMessageW(b.updown, UDM_SETRANGE32, low, high);
        b.low = low;
        b.high = high;
      }
      if (first || model.value != b.position) {
        b.position = model.value;
        SetWindowTextW(b.hwnd, std::to_wstring(model.value).c_str());
      }
      break;
    }
    case Binding::Kind::kComboBox: {
      auto& model = *static_cast<ComboBox*>(b.model);
      SyncList(b, first, model.items, model.item_index, CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL);
      break;
    }
    case Binding::Kind::kEdit: {
      auto& model = *static_cast<Edit*>(b.model);
      if (model.text != b.text) {
        b.text = model.text;
        SetWindowTextW(b.hwnd, Wide(model.text).c_str());
      }
      break;
    }
    case Binding::Kind::kListBox: {
      auto& model = *static_cast<ListBox*>(b.model);
      SyncList(b, first, model.items, model.item_index, LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL);
      break;
    }
    case Binding::Kind::kGroupBox:
      if (b.model) {
        if (first) b.text = "\x01";
        SetText(b.hwnd, b.text, static_cast<GroupBox*>(b.model)->caption, false);
      }
      break;
    case Binding::Kind::kPanel:
      if (first) b.text = "\x01";
      SetText(b.hwnd, b.text, static_cast<Panel*>(b.model)->caption, true);
      break;
    case Binding::Kind::kCustom:
      if (b.sync) b.sync();
      break;
    case Binding::Kind::kPicture:
      if (b.model) {
        Color brush = static_cast<Shape*>(b.model)->brush;
        if (!(brush == b.color)) {
          b.color = brush;
          InvalidateRect(b.hwnd, nullptr, FALSE);
        }
      }
      break;
  }
  SyncBounds(b, *b.control);
  b.synced = true;
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
    if (*pages_->active_page != shown_page_) {
      SendMessageW(tab_, TCM_SETCURSEL, *pages_->active_page, 0);
      shown_page_ = *pages_->active_page;
    }
  }
  for (const auto& binding : bindings_) SyncBinding(*binding);
  syncing_ = false;
}

// ---- Window to model ------------------------------------------------------

void FormWindow::OnCommand(HWND control, int code) {
  Binding* b = Find(control);
  if (b == nullptr) return;
  // Controls send many notifications (focus, edit updates, list changes made
  // by SyncAll itself); only those below are user input.
  bool input = false;
  switch (b->kind) {
    case Binding::Kind::kButton:
      if (code == BN_CLICKED && b->click) {
        b->click();
        input = true;
      }
      break;
    case Binding::Kind::kCheckBox:
      if (code == BN_CLICKED) {
        auto& model = *static_cast<CheckBox*>(b->model);
        model.SetChecked(!model.checked());
        input = true;
      }
      break;
    case Binding::Kind::kRadioButton:
      if (code == BN_CLICKED) {
        // Exclusive among the radio buttons of the same group: the ones
        // after the group's first button up to the next group.
        HWND first = b->hwnd;
        while (first && !(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) first = GetWindow(first, GW_HWNDPREV);
        for (auto& other : bindings_) {
          if (other->kind != Binding::Kind::kRadioButton) continue;
          HWND head = other->hwnd;
          while (head && !(GetWindowLongW(head, GWL_STYLE) & WS_GROUP)) head = GetWindow(head, GW_HWNDPREV);
          if (head == first) static_cast<RadioButton*>(other->model)->checked = other.get() == b;
        }
        if (b->click) b->click();
        input = true;
      }
      break;
    case Binding::Kind::kRadioItem:
      if (code == BN_CLICKED) {
        static_cast<RadioGroup*>(b->model)->SetItemIndex(b->item);
        input = true;
      }
      break;
    case Binding::Kind::kComboBox:
      if (code == CBN_SELCHANGE) {
        auto& model = *static_cast<ComboBox*>(b->model);
        model.Select(static_cast<int>(SendMessageW(b->hwnd, CB_GETCURSEL, 0, 0)));
        b->index = model.item_index;
        input = true;
      }
      break;
    case Binding::Kind::kListBox:
      if (code == LBN_SELCHANGE) {
        auto& model = *static_cast<ListBox*>(b->model);
        model.item_index = static_cast<int>(SendMessageW(b->hwnd, LB_GETCURSEL, 0, 0));
        b->index = model.item_index;
        if (b->click) b->click();
        input = true;
      }
      break;
    case Binding::Kind::kEdit:
      if (code == EN_CHANGE && !syncing_) {
        int length = GetWindowTextLengthW(b->hwnd);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(b->hwnd, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        auto& model = *static_cast<Edit*>(b->model);
        model.text = Narrow(text);
        b->text = model.text;
        if (b->change) b->change();
        input = true;
      } else if (code == EN_KILLFOCUS && b->leave) {
        b->leave();
        input = true;
      }
      break;
    case Binding::Kind::kSpinEdit:
      if ((code == EN_CHANGE && !syncing_) || code == EN_KILLFOCUS) {
        auto& model = *static_cast<SpinEdit*>(b->model);
        wchar_t digits[32] = {};
        GetWindowTextW(b->hwnd, digits, 32);
        int value = _wtoi(digits);
        if (code == EN_KILLFOCUS || model.Clamp(value) == value) {
          model.SetValue(value);
          b->position = code == EN_KILLFOCUS ? -99999 : model.value;  // re-show a clamped value
        }
        input = true;
      }
      break;
    default:
      break;
  }
  if (input) AfterEvent();
}

void FormWindow::OnScroll(HWND control, int code) {
  Binding* b = Find(control);
  if (b == nullptr || b->kind != Binding::Kind::kScrollBar) return;
  auto& model = *static_cast<ScrollBar*>(b->model);
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
  model.SetPosition(position);
  AfterEvent();
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
  if (OnMessage(message, w, l, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (l != 0) OnCommand(reinterpret_cast<HWND>(l), HIWORD(w));
      return 0;
    case WM_HSCROLL:
      if (l != 0) OnScroll(reinterpret_cast<HWND>(l), LOWORD(w));
      return 0;
    case WM_NOTIFY:
      OnNotify(reinterpret_cast<NMHDR*>(l));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Controls on a page take the page's background, the others the
      // dialog's.
      Binding* b = Find(reinterpret_cast<HWND>(l));
      HDC dc = reinterpret_cast<HDC>(w);
      SetBkMode(dc, TRANSPARENT);
      if (b && b->kind == Binding::Kind::kLabel) SetTextColor(dc, ToColorRef(b->color));
      if (b && b->kind == Binding::Kind::kSpinEdit) break;  // an editable field keeps its own
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
