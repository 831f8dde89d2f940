// The palette command dialog (window class "TForm1") and the about box
// ("TForm3"), made from their forms' layouts.  Both are shown without being
// modal; what they change is the main window's, so every event in them ends
// with the main window showing its models again.
#include <algorithm>

#include "editor/win32/main_window.h"
#include "editor/win32/resource_ids.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

namespace {

HFONT MakeFont(const std::string& name, int height, int weight = FW_NORMAL) {
  return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, Wide(name).c_str());
}

// A small fixed dialog with the editor's icon.
FormStyle SmallDialogStyle(const wchar_t* class_name, const std::string& caption, int width, int height, bool centred,
                           DWORD ex_style) {
  FormStyle style;
  style.class_name = class_name;
  style.caption = caption;
  style.client_width = width;
  style.client_height = height;
  style.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  style.ex_style = WS_EX_DLGMODALFRAME | ex_style;
  style.centred = centred;
  style.icon_resource = IDI_FESKINI;
  return style;
}

}  // namespace

// ---- Either dialog ----------------------------------------------------------------

void SmallDialogWindow::SyncShown() {
  SyncAll();
  if (FormVisible() == shown_) return;
  shown_ = FormVisible();
  ShowWindow(hwnd(), shown_ ? SW_SHOW : SW_HIDE);
  if (shown_) SetFocus(FocusOnOpening());
}

void SmallDialogWindow::AfterEvent() { main_.AfterEvent(); }

void SmallDialogWindow::RunAction(const Action& action) { main_.RunAction(action); }

bool SmallDialogWindow::OnMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CLOSE:
      main_.RunAction([this] { Close(); });
      main_.AfterEvent();
      return true;
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE) main_.NoteFormActivated(hwnd());
      return false;
  }
  return false;
}

// ---- The palette command dialog ---------------------------------------------

PaletteWindow::PaletteWindow(HINSTANCE instance, MainWindow& main, editor::PaletteCommandDialog& form, HWND owner)
    : SmallDialogWindow(instance, main), form_(form) {
  FormStyle style = SmallDialogStyle(L"TForm1", form.caption, form.client_width, form.client_height,
                                     form.centred_on_screen, form.always_on_top ? WS_EX_TOPMOST : 0);
  style.font_name = Wide(form.font_name);
  style.font_height = form.font_height;
  Create(style, owner);
  BindLayout(form_.layout, {});
  FinishLayout();
  OnDpiChanged();  // makes the heading's font
  SyncAll();
}

// As a dialog opens: the focus on the choice made, else on the first.
HWND PaletteWindow::FocusOnOpening() { return WindowOf(form_.choices[form_.choice_set.CheckedIndex().value_or(0)]); }

// The heading's own larger font, for the window's DPI.
void PaletteWindow::OnDpiChanged() {
  HFONT old = heading_font_;
  heading_font_ = MakeFont(form_.font_name, Scale(form_.heading_font_height));
  SendMessageW(WindowOf(form_.heading), WM_SETFONT, reinterpret_cast<WPARAM>(heading_font_), FALSE);
  if (old) DeleteObject(old);
}

// ---- The about box ---------------------------------------------------------------

AboutWindow::AboutWindow(HINSTANCE instance, MainWindow& main, editor::AboutBox& form, HWND owner)
    : SmallDialogWindow(instance, main), form_(form) {
  Create(SmallDialogStyle(L"TForm3", form.caption, form.client_width, form.client_height, form.centred_on_screen, 0),
         owner);
  HINSTANCE module = instance;
  BindLayout(form_.layout, {{&form_.program_icon, [module](HDC dc, const RECT& area) {
                               FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
                               // Loaded at the size it is shown at, so that it stays sharp.
                               const int size = std::min(area.right - area.left, area.bottom - area.top);
                               HICON icon = static_cast<HICON>(
                                   LoadImageW(module, MAKEINTRESOURCEW(IDI_FESKINI), IMAGE_ICON, size, size, 0));
                               DrawIconEx(dc, area.left, area.top, icon, size, size, 0, nullptr, DI_NORMAL);
                               if (icon) DestroyIcon(icon);
                             }}});
  FinishLayout();
  OnDpiChanged();  // makes the product name's font
  SyncAll();
}

// The product name's own bold font, for the window's DPI.
void AboutWindow::OnDpiChanged() {
  HFONT old = name_font_;
  name_font_ = CreateFontW(-Scale(18), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
  SendMessageW(WindowOf(form_.product_name), WM_SETFONT, reinterpret_cast<WPARAM>(name_font_), FALSE);
  if (old) DeleteObject(old);
}

}  // namespace fesk::win32
