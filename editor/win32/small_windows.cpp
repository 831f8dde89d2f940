// The palette command dialog (window class "TForm1") and the about box
// ("TForm3").  Both are
// shown without being modal; what they change is the main window's, so every
// event in them ends with the main window showing its models again.
#include <algorithm>

#include "editor/win32/control_ids.h"
#include "editor/win32/main_window.h"
#include "editor/win32/resource_ids.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

namespace ids = feskini;

namespace {

void Stack(const std::vector<HWND>& top_first) {
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  for (auto it = top_first.rbegin(); it != top_first.rend(); ++it) {
    if (*it) SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, kFlags);
  }
}

HWND WithId(HWND window, int id) {
  SetWindowLongPtrW(window, GWLP_ID, id);
  return window;
}

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

  std::vector<HWND> stack;
  std::vector<HWND> choices = BindRadioSet(form_.choice_set);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    stack.push_back(WithId(choices[i], ids::kFirstPaletteChoice + static_cast<int>(i)));
    SetContainer(form_.choices[i], form_.frame);
  }
  HWND ok = WithId(BindButton(form_.ok_button), ids::kPaletteOk);
  SetWindowLongPtrW(ok, GWL_STYLE, GetWindowLongPtrW(ok, GWL_STYLE) | WS_GROUP);
  stack.push_back(ok);
  HWND heading = WithId(BindLabel(form_.heading, kNoPage, SS_CENTER), ids::kPaletteHeading);
  SetContainer(form_.heading, form_.frame);
  OnDpiChanged();  // makes the heading's font
  stack.push_back(heading);
  stack.push_back(WithId(BindPanel(form_.heading_frame, kNoPage, true), ids::kPaletteHeadingFrame));
  SetContainer(form_.heading_frame, form_.frame);
  stack.push_back(WithId(BindPanel(form_.frame, kNoPage, false), ids::kPaletteFrame));
  Stack(stack);
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

  std::vector<HWND> stack;
  stack.push_back(WithId(BindButton(form_.ok_button), ids::kAboutOk));
  HINSTANCE module = instance;
  stack.push_back(WithId(BindImage(form_.program_icon,
                                   [module](HDC dc, const RECT& area) {
                                     FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
                                     // Loaded at the size it is shown at, so that it stays sharp.
                                     const int size = std::min(area.right - area.left, area.bottom - area.top);
                                     HICON icon = static_cast<HICON>(
                                         LoadImageW(module, MAKEINTRESOURCEW(IDI_FESKINI), IMAGE_ICON, size, size, 0));
                                     DrawIconEx(dc, area.left, area.top, icon, size, size, 0, nullptr, DI_NORMAL);
                                     if (icon) DestroyIcon(icon);
                                   }),
                         ids::kAboutIcon));
  HWND name = WithId(BindLabel(form_.product_name), ids::kAboutProductName);
  stack.push_back(name);
  OnDpiChanged();  // makes the product name's font
  stack.push_back(WithId(BindLabel(form_.comments), ids::kAboutComments));
  stack.push_back(WithId(BindLabel(form_.version), ids::kAboutVersion));
  for (const Label* label : {&form_.product_name, &form_.comments, &form_.version}) SetAutoSize(*label);
  for (Control* inside : {static_cast<Control*>(&form_.program_icon), static_cast<Control*>(&form_.product_name),
                          static_cast<Control*>(&form_.comments), static_cast<Control*>(&form_.version)}) {
    SetContainer(*inside, form_.frame);
  }
  stack.push_back(WithId(BindPanel(form_.frame, kNoPage, false), ids::kAboutFrame));
  Stack(stack);
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
