#include "launcher/win32/preview_window.h"

#include "platform/win32/dpi.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

namespace {

// Design units at 96 DPI: a 9-point font, the text's margin, and how far
// from the cursor's hot spot the window stands (clear of the arrow).
constexpr int kFontHeight = 12;
constexpr int kMargin = 4;
constexpr int kCursorGap = 16;

// It comes to the front without activation and without a task-bar button;
// clicks pass through it (a layered window that is also transparent is left
// out of hit testing altogether, not only for its siblings).
constexpr DWORD kExStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_LAYERED;

// The work area of the monitor holding the point (or the nearest one).
RECT WorkAreaAt(POINT point, int& dpi) {
  HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
  dpi = DpiOfMonitor(monitor);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) return info.rcWork;
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// After the cursor on the axis when it fits, else before it; never past
// either edge.  Below and right of the cursor, a stroke along a row never
// passes over the window.
int PlaceOnAxis(int cursor, int length, int gap, int low, int high) {
  int start = cursor + gap;
  if (start + length > high) start = cursor - gap - length;
  if (start + length > high) start = high - length;
  return start < low ? low : start;
}

}  // namespace

PreviewWindow::PreviewWindow(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &PreviewWindow::Proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.lpszClassName = kPreviewWindowClass;
  RegisterClassExW(&window_class);
  hwnd_ = CreateWindowExW(kExStyle, kPreviewWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
  // Opaque: a layered window shows nothing until its attributes are set.
  if (hwnd_) SetLayeredWindowAttributes(hwnd_, 0, 255, LWA_ALPHA);
}

PreviewWindow::~PreviewWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

// Placed beside the cursor inside its monitor's work area, at that
// monitor's DPI.  Called only when the text changed, so this is the only
// redraw.
void PreviewWindow::Show(std::string_view text, Point cursor) {
  if (!hwnd_) return;
  text_ = Wide(text);
  SetWindowTextW(hwnd_, text_.c_str());
  size_ = SIZE{0, 0};  // measured anew at the cursor's monitor's DPI
  PlaceBeside(cursor);
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (!IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
}

// Moved only: the text and its picture stay as they are.
void PreviewWindow::Follow(Point cursor) {
  if (hwnd_ && IsWindowVisible(hwnd_)) PlaceBeside(cursor);
}

// A cursor moving to a monitor of another DPI makes the font and the size
// anew.
void PreviewWindow::PlaceBeside(Point cursor) {
  const POINT at{cursor.x, cursor.y};
  int dpi = kDesignDpi;
  const RECT work = WorkAreaAt(at, dpi);
  if (dpi != dpi_ || size_.cx == 0) {
    UseDpi(dpi);
    size_ = Measure();
  }
  const int gap = ScaleToDpi(kCursorGap, dpi);
  const int x = PlaceOnAxis(at.x, size_.cx, gap, work.left, work.right);
  const int y = PlaceOnAxis(at.y, size_.cy, gap, work.top, work.bottom);
  SetWindowPos(hwnd_, HWND_TOPMOST, x, y, size_.cx, size_.cy, SWP_NOACTIVATE);
}

void PreviewWindow::Hide() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_HIDE);
  text_.clear();
  SetWindowTextW(hwnd_, L"");
}

// The font is made again only when the cursor moved to a monitor of
// another DPI.
void PreviewWindow::UseDpi(int dpi) {
  if (font_ && dpi == dpi_) return;
  if (font_) DeleteObject(font_);
  dpi_ = dpi;
  font_ = CreateFontW(-ScaleToDpi(kFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                      L"ＭＳ ゴシック");
}

// The text's extent with a margin and a one-pixel frame around it.
SIZE PreviewWindow::Measure() const {
  SIZE extent{0, 0};
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old_font = SelectObject(dc, font_);
  GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
  SelectObject(dc, old_font);
  ReleaseDC(hwnd_, dc);
  const int margin = ScaleToDpi(kMargin, dpi_) + 1;
  return SIZE{extent.cx + 2 * margin, extent.cy + 2 * margin};
}

// Drawn in the colours of a tooltip: the user knows them as "about what is
// under the cursor".
void PreviewWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT area;
  GetClientRect(hwnd_, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_INFOBK));
  FrameRect(dc, &area, GetSysColorBrush(COLOR_INFOTEXT));
  HGDIOBJ old_font = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
  EndPaint(hwnd_, &paint);
}

LRESULT CALLBACK PreviewWindow::Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
  }
  auto* self = reinterpret_cast<PreviewWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCHITTEST: return HTTRANSPARENT;  // the mouse belongs to the window under it
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_PAINT:
      if (self && self->hwnd_ == window) {
        self->Paint();
        return 0;
      }
      break;
    default: break;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace fesk::win32
