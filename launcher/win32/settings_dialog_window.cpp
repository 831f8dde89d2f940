#include "launcher/win32/settings_dialog_window.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>
// After windows.h (through the window's header).
#include <commctrl.h>

#include "launcher/core/foreground_grant.h"
#include "launcher/win32/control_ids.h"
#include "launcher/win32/resource_ids.h"
#include "platform/win32/dropped_files.h"
#include "platform/win32/help.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

namespace {
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimer2 = 2;
// Ids of the markers' hints on each trigger cell (the mouse-action marker's,
// then the Window-service marker's).
constexpr UINT_PTR kMarkerHint = 1;

// An icon filling the picture's square: 32 pixels at 96 DPI, loaded at the
// size it is shown at so that it stays sharp at any DPI.
void DrawIconResource(HINSTANCE instance, HDC dc, const RECT& area, int resource) {
  const int size = std::min(area.right - area.left, area.bottom - area.top);
  if (size <= 0) return;
  HICON icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0));
  DrawIconEx(dc, area.left, area.top, icon, size, size, 0, nullptr, DI_NORMAL);
  if (icon) DestroyIcon(icon);
}

// Pictures on the dialog's pages stand on the page's background.
void FillBackground(HDC dc, const RECT& area) { FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW)); }

// A picture that is one of the program's icons on the page's background.
FormWindow::Painter IconPainter(HINSTANCE instance, int resource) {
  return [instance, resource](HDC dc, const RECT& area) {
    FillBackground(dc, area);
    DrawIconResource(instance, dc, area, resource);
  };
}
}  // namespace

// ---- Popup -----------------------------------------------------------------

PopupWindow::PopupWindow(HINSTANCE instance, TrailPopup& form, std::function<void()> after_event)
    : form_(form), after_event_(std::move(after_event)) {
  WNDCLASSEXW popup{};
  popup.cbSize = sizeof popup;
  popup.lpfnWndProc = &PopupWindow::Proc;
  popup.hInstance = instance;
  popup.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  popup.lpszClassName = L"TFFesk2";
  RegisterClassExW(&popup);
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"TFFesk2", L"", WS_POPUP, form.left, form.top, form.width,
                          form.height, nullptr, nullptr, instance, this);
  MakeFont();
}

// The texts' font at the height the display asks for (it lays the popup out
// for the DPI of the monitor it shows on).
void PopupWindow::MakeFont() {
  if (font_ && font_height_ == form_.label_font_height) return;
  if (font_) DeleteObject(font_);
  font_height_ = form_.label_font_height;
  font_ = CreateFontW(-font_height_, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, Wide(form_.label_font).c_str());
}

PopupWindow::~PopupWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

LRESULT CALLBACK PopupWindow::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
  }
  auto* self = reinterpret_cast<PopupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, w, l);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      self->Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      MouseButton button = message == WM_LBUTTONDOWN   ? MouseButton::kLeft
                           : message == WM_RBUTTONDOWN ? MouseButton::kRight
                                                       : MouseButton::kMiddle;
      // The picture covers the popup, so every press lands on it.
      self->form_.PictureMouseDown(button);
      if (self->after_event_) self->after_event_();
      return 0;
    }
  }
  return DefWindowProcW(window, message, w, l);
}

void PopupWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  for (const DrawCommand& command : form_.picture.commands) {
    HPEN pen = CreatePen(PS_SOLID, 1, ToColorRef(command.pen));
    HBRUSH brush = CreateSolidBrush(ToColorRef(command.brush));
    HGDIOBJ old_pen = SelectObject(dc, pen), old_brush = SelectObject(dc, brush);
    const Rect& r = command.rect;
    switch (command.kind) {
      case DrawCommand::Kind::kFillRect: {
        RECT area{r.left, r.top, r.right, r.bottom};
        FillRect(dc, &area, brush);
        break;
      }
      case DrawCommand::Kind::kRectangle: Rectangle(dc, r.left, r.top, r.right, r.bottom); break;
      case DrawCommand::Kind::kLine:
        MoveToEx(dc, r.left, r.top, nullptr);
        LineTo(dc, r.right, r.bottom);
        break;
      case DrawCommand::Kind::kEllipse: Ellipse(dc, r.left, r.top, r.right, r.bottom); break;
      case DrawCommand::Kind::kText: {
        SetBkMode(dc, TRANSPARENT);
        std::wstring text = Wide(command.text);
        TextOutW(dc, r.left, r.top, text.c_str(), static_cast<int>(text.size()));
        break;
      }
    }
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
  }
  HGDIOBJ old_font = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(colors::kBlack));
  // A text wider than the popup wraps instead of running off its edge (the
  // font that stands in for ＭＳ ゴシック may be wider than the original).
  for (const Label* label : {&form_.first_text, &form_.second_text}) {
    if (!label->visible) continue;
    std::wstring text = Wide(label->caption);
    RECT area{label->left, label->top, client.right - 4, client.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  SelectObject(dc, old_font);
}

void PopupWindow::Sync() {
  if (font_height_ != form_.label_font_height) {
    MakeFont();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  RECT now;
  GetWindowRect(hwnd_, &now);
  if (now.left != form_.left || now.top != form_.top || now.right - now.left != form_.width ||
      now.bottom - now.top != form_.height) {
    SetWindowPos(hwnd_, nullptr, form_.left, form_.top, form_.width, form_.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  bool visible = IsWindowVisible(hwnd_) != FALSE;
  if (form_.show_requests != show_requests_ && form_.visible) {
    show_requests_ = form_.show_requests;
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd_, nullptr, FALSE);
    painted_commands_ = form_.picture.commands.size();
  } else if (form_.visible != visible) {
    ShowWindow(hwnd_, form_.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
  }
  if (form_.visible && painted_commands_ != form_.picture.commands.size()) {
    painted_commands_ = form_.picture.commands.size();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
}

// ---- Settings dialog -------------------------------------------------------

SettingsDialogWindow::SettingsDialogWindow(HINSTANCE instance, SettingsDialog& form, Win32Tray& tray,
                                           DesktopNoticesWindow& notices)
    : FormWindow(instance),
      form_(form),
      tray_(tray),
      popup_(instance, form.popup, [this] { AfterEvent(); }),
      notices_(notices) {
  FormStyle style;
  style.class_name = L"TFFesk1";
  style.caption = form.caption;
  style.client_width = form.client_width;
  style.client_height = form.client_height;
  style.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  style.font_name = Wide(form.font_name);
  style.icon_resource = IDI_FESK;
  Create(style, notices.hwnd());
  tray_.SetOwner(hwnd());
  notices_.SetHandler(
      [this](UINT message, WPARAM w, LPARAM l, LRESULT& result) { return OnDesktopNotice(message, w, l, result); });
  BindWindow();
  // Every sensing tick runs through the waking rule, whether the fast timer,
  // the safety timer or a key event asks for it; a tick asked for inside a
  // box of a tick returns at once (see SensingLoop::SensingTick).
  wake_.emplace(hwnd(), [this] { return form_.SensingTick(); });
}

void SettingsDialogWindow::Start() {
  form_.FormCreate();
  AfterEvent();
}

// The controls are made from the form's layout; what a control needs beyond
// its kind (a painter, an id the test driver finds it by, hints on parts of
// it, a font) is added here.
void SettingsDialogWindow::BindWindow() {
  pages_ = PageControlModel{&form_.pages, &form_.pages.pages, &form_.pages.active_page, [this] { form_.PageChange(); }};
  BindPageControl(pages_);
  BindLayout(form_.layout, MakePainters());
  for (int number = 0; number < kTriggerCount; ++number) {
    HWND cell = BoundWindowOf(form_.trigger_cells[number]);
    SetWindowLongPtrW(cell, GWLP_ID, fesk_dialog::kFirstTriggerCell + number);
    AddAreaHint(cell, kMarkerHint, form_.mouse_action_marker.hint);
    AddAreaHint(cell, kMarkerHint + 1, form_.window_service_marker.hint);
  }
  SetWindowLongPtrW(BoundWindowOf(form_.cancel_button), GWLP_ID, fesk_dialog::kCancelButton);
  MakeProductFont();
  FinishLayout();
}

// The pictures the dialog draws itself: the program's icons, the trigger
// cells with their markers and the directions of the Window services.
FormWindow::Painters SettingsDialogWindow::MakePainters() {
  HINSTANCE instance = this->instance();
  FormWindow::Painters painters{
      {&form_.register_picture1, IconPainter(instance, IDI_FRAME5)},
      {&form_.register_picture2, IconPainter(instance, IDI_FESK)},
      {&form_.program_icon, IconPainter(instance, IDI_FESK)},
      {&form_.service_picture, [this](HDC dc, const RECT& area) { PaintServicePicture(dc, area); }},
  };
  for (int number = 0; number < kTriggerCount; ++number) {
    painters[&form_.trigger_cells[number]] = [this, number](HDC dc, const RECT& area) {
      PaintTriggerCell(number, dc, area);
    };
  }
  return painters;
}

void SettingsDialogWindow::PaintTriggerCell(int number, HDC dc, const RECT& area) {
  const Shape& cell = form_.trigger_cells[number];
  HBRUSH brush = CreateSolidBrush(ToColorRef(cell.brush));
  FillRect(dc, &area, brush);
  DeleteObject(brush);
  FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  // The markers stand on the cell of their trigger.
  HGDIOBJ old_font = SelectObject(dc, font());
  SetBkMode(dc, TRANSPARENT);
  // Dark cells carry white markers, light ones black.
  int brightness = cell.brush.r * 3 + cell.brush.g * 6 + cell.brush.b;
  SetTextColor(dc, brightness < 1000 ? RGB(255, 255, 255) : RGB(0, 0, 0));
  for (const Label* marker : {&form_.mouse_action_marker, &form_.window_service_marker}) {
    if (std::optional<RECT> place = MarkerArea(*marker, number)) {
      std::wstring text = Wide(marker->caption);
      TextOutW(dc, place->left, place->top, text.c_str(), static_cast<int>(text.size()));
    }
  }
  SelectObject(dc, old_font);
}

// Where a marker stands inside trigger cell `number`, in the cell's own
// coordinates; nothing when it stands elsewhere.  With both triggers on one
// cell the Window-service marker stands beside the other.
std::optional<RECT> SettingsDialogWindow::MarkerArea(const Label& marker, int number) const {
  const Shape& cell = form_.trigger_cells[number];
  int x = marker.left - cell.left, y = marker.top - cell.top;
  if (!marker.visible || x < 0 || y < 0 || x >= cell.width || y >= cell.height) return std::nullopt;
  const Label& first = form_.mouse_action_marker;
  if (&marker == &form_.window_service_marker && first.left == marker.left && first.top == marker.top) {
    x += first.width;
  }
  return RECT{Scale(x), Scale(y), Scale(x + marker.width), Scale(y + marker.height)};
}

// The markers are painted into the cells, so their hint is an area of the
// cell they stand on (empty on every other cell).
void SettingsDialogWindow::SyncMarkers() {
  const Label* markers[] = {&form_.mouse_action_marker, &form_.window_service_marker};
  std::array<int, 4> places{markers[0]->left, markers[0]->top, markers[1]->left, markers[1]->top};
  if (places == marker_places_) return;
  marker_places_ = places;
  for (int number = 0; number < kTriggerCount; ++number) {
    HWND cell = WindowOf(form_.trigger_cells[number]);
    for (std::size_t m = 0; m < 2; ++m) {
      std::optional<RECT> area = MarkerArea(*markers[m], number);
      MoveAreaHint(cell, kMarkerHint + m, area.value_or(RECT{0, 0, 0, 0}));
    }
  }
  RepaintPictures();
}

// The directions as arrows around the centre of the block.
void SettingsDialogWindow::PaintServicePicture(HDC dc, const RECT& area) {
  FillBackground(dc, area);
  int cx = (area.right - area.left) / 2, cy = (area.bottom - area.top) / 2;
  HPEN pen = CreatePen(PS_SOLID, Scale(2), RGB(0, 0, 128));
  HGDIOBJ old = SelectObject(dc, pen);
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if (dx == 0 && dy == 0) continue;
      MoveToEx(dc, cx + dx * Scale(6), cy + dy * Scale(6), nullptr);
      LineTo(dc, cx + dx * Scale(26), cy + dy * Scale(24));
    }
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

// The product name's own large font, for the window's DPI.
void SettingsDialogWindow::MakeProductFont() {
  HFONT old = product_font_;
  product_font_ = CreateFontW(-Scale(22), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  SendMessageW(BoundWindowOf(form_.product_name), WM_SETFONT, reinterpret_cast<WPARAM>(product_font_), FALSE);
  if (old) DeleteObject(old);
}

void SettingsDialogWindow::OnDpiChanged() {
  MakeProductFont();
  marker_places_ = {-1, -1, -1, -1};  // the markers' hint areas are placed anew
  SyncMarkers();
}

// The sensing timer is set again only when its period changed or a tick
// paused it (SetTimer on a running timer starts its interval anew, so the
// next tick comes one interval after the block); an idle tick leaves it
// running untouched.
void SettingsDialogWindow::SyncTimers() {
  // Between key and button events the fast timer sleeps (WakeRule).
  Timer sensing = form_.sensing_timer;
  sensing.enabled = sensing.enabled && (!wake_ || wake_->Awake());
  const std::pair<const Timer*, UINT_PTR> timers[] = {{&sensing, kTimer1}, {&form_.trail_timer, kTimer2}};
  for (std::size_t i = 0; i < real_timers_.size(); ++i) {
    const auto [model, id] = timers[i];
    switch (SyncTimer(*model, real_timers_[i])) {
      case TimerCall::kSet: SetTimer(hwnd(), id, static_cast<UINT>(model->interval), nullptr); break;
      case TimerCall::kKill: KillTimer(hwnd(), id); break;
      case TimerCall::kNone: break;
    }
  }
}

void SettingsDialogWindow::SyncWindowState() {
  if (form_.visible != shown_) {
    ShowWindow(hwnd(), form_.visible ? SW_SHOW : SW_HIDE);
    shown_ = form_.visible;
  }
  // Shown first: a hidden window cannot become the foreground window.
  if (form_.foreground_requests != foreground_requests_) {
    foreground_requests_ = form_.foreground_requests;
    if (form_.visible) BringToFront(foreground_rights_, IdOf(hwnd()));
  }
  if (form_.accepts_dropped_files != drops_accepted_) AcceptDrops(form_.accepts_dropped_files);
  SetHintsActive(form_.options.hints);
  SetHintPause(form_.hint_hide_pause);
}

// Every tick of the sensing loop ends here.  The controls follow their
// models while the dialog is shown and once more as it is shown or hidden; a
// hidden dialog's controls are left alone (bringing some hundred of them up
// to date a hundred times a second cost the idle launcher a fifth of a
// processor under Wine).
void SettingsDialogWindow::AfterEvent() {
  if (form_.visible || shown_) {
    SyncMarkers();
    SyncAll();
  }
  SyncTimers();
  SyncWindowState();
  popup_.Sync();
}

void SettingsDialogWindow::OnTimer(UINT_PTR id) {
  if (!wake_) return;
  if (id == kTimer1) {
    // A tick delivered by a box's own message loop inside a tick returns at
    // once: the guards are described at SensingLoop::SensingTick.
    wake_->FastTick();
  } else if (id == kTimer2) {
    form_.TrailTick();
  } else if (id == Win32InputWake::kSafetyTimer) {
    // While awake the fast timer does the work; a look while asleep that
    // found nothing changed nothing either.
    wake_->SafetyTick();
    if (!wake_->Awake()) return;
  }
  AfterEvent();
}

// A drop from Explorer comes as WM_DROPFILES, with WM_COPYDATA and
// WM_COPYGLOBALDATA carrying its data; run as administrator, the launcher
// takes them from the user's normal-rights Explorer only when its window
// lets exactly these through.
void SettingsDialogWindow::AcceptDrops(bool accept) {
  constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA, not in the headers
  DragAcceptFiles(hwnd(), accept);
  for (UINT message : {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
    ChangeWindowMessageFilterEx(hwnd(), message, accept ? MSGFLT_ALLOW : MSGFLT_RESET, nullptr);
  }
  drops_accepted_ = accept;
}

// Each notice as the dialog handled it when it heard it itself: a new task
// bar gets the tray icons again, a changed setting may have swapped the
// mouse buttons, resume wakes the sensing loop; a changed display needs
// nothing (the screen is measured at every tick) beyond the default
// handling.
bool SettingsDialogWindow::OnDesktopNotice(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  if (message == notices_.taskbar_created()) {
    tray_.AddAllAgain();
    return true;
  }
  if (message == WM_SETTINGCHANGE) {
    form_.SettingChange();
    return false;
  }
  if (message == WM_POWERBROADCAST && wake_) {
    bool wake_changed = false;
    const bool handled = wake_->OnMessage(message, w, l, result, wake_changed);
    if (wake_changed) AfterEvent();
    return handled;
  }
  return false;
}

void SettingsDialogWindow::OnDropFiles(HDROP drop) {
  form_.FormDropFiles(TakeDroppedPaths(drop));
  AfterEvent();
}

bool SettingsDialogWindow::OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  // The notices window hands these over; heard here as well (Wine
  // broadcasts to owned windows too), they would be handled twice.
  if (notices_.IsNotice(message)) return false;
  bool wake_changed = false;
  const bool wake_handled = wake_ && wake_->OnMessage(message, w, l, result, wake_changed);
  if (wake_changed) AfterEvent();
  if (wake_handled) return true;
  switch (message) {
    case WM_TIMER: OnTimer(w); return true;
    case WM_DESTROY:
      // Lock and unlock notices are taken back while the window still is.
      if (wake_) wake_->WindowClosing();
      return false;
    case kTrayCallbackMessage:
      form_.TrayIconMessage(static_cast<int>(w), static_cast<int>(l));
      AfterEvent();
      return true;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(w)); return true;
    case WM_ERASEBKGND: {
      EraseBackground(reinterpret_cast<HDC>(w));
      result = 1;
      return true;
    }
    case WM_COMMAND:
      if (LOWORD(w) == IDCANCEL && l == 0) {  // Esc
        form_.Cancel();
        AfterEvent();
        return true;
      }
      return false;
    case WM_HELP: {
      // F1: the page's topic while the focus is on a page or on the tabs
      // (the page control, whose topic follows the page), else the
      // dialog's.
      HWND focus = HelpRequestWindow(l);
      HWND tabs = FindWindowExW(hwnd(), nullptr, WC_TABCONTROLW, nullptr);
      bool on_page = (focus != nullptr && focus == tabs) || PageOfWindow(focus) != kNoPage;
      int context = on_page ? form_.pages.help_context : form_.help_context;
      ShowHelp(hwnd(), form_.help_file, context);
      result = TRUE;
      return true;
    }
    case WM_CLOSE:
      if (form_.FormCloseQuery()) {
        DestroyWindow(hwnd());
        PostQuitMessage(0);
      } else {
        AfterEvent();
      }
      return true;
  }
  return false;
}

}  // namespace fesk::win32
