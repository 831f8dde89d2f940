// The palette command dialog (TForm1) and the about box (TForm3).  Both are
// shown without being modal; what they change is the main window's, so every
// event in them ends with the main window showing its models again.
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
FormStyle SmallDialogStyle(const wchar_t* class_name, const std::string& caption, int width, int height,
                           bool centred, DWORD ex_style) {
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

// ---- TForm1 -------------------------------------------------------------------

PaletteWindow::PaletteWindow(HINSTANCE instance, MainWindow& main, editor::TForm1& form, HWND owner)
    : FormWindow(instance), main_(main), form_(form) {
  FormStyle style = SmallDialogStyle(L"TForm1", form.Caption, form.ClientWidth, form.ClientHeight,
                                     form.CenteredOnScreen, form.AlwaysOnTop ? WS_EX_TOPMOST : 0);
  style.font_name = Wide(form.FontName);
  style.font_height = form.FontHeight;
  Create(style, owner);

  std::vector<HWND> stack;
  std::array<RadioButton*, 10> choices = form_.Choices();
  for (int i = 0; i < 10; ++i) {
    RadioButton& choice = *choices[static_cast<std::size_t>(i)];
    stack.push_back(WithId(BindRadioButton(choice, [this, i] { form_.ChoiceClick(i); }, kNoPage, i == 0),
                           ids::kPaletteChoice1 + i));
    SetContainer(choice, form_.Panel1);
  }
  HWND ok = WithId(BindButton(form_.Button1, [this] { form_.Button1Click(); }), ids::kPaletteOk);
  SetWindowLongPtrW(ok, GWL_STYLE, GetWindowLongPtrW(ok, GWL_STYLE) | WS_GROUP);
  stack.push_back(ok);
  HWND heading = WithId(BindLabel(form_.Label1, kNoPage, SS_CENTER), ids::kPaletteLabel1);
  SetContainer(form_.Label1, form_.Panel1);
  heading_font_ = MakeFont(form.FontName, form.HeadingFontHeight);
  SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(heading_font_), FALSE);
  stack.push_back(heading);
  stack.push_back(WithId(BindPanel(form_.Panel2, kNoPage, true), ids::kPalettePanel2));
  SetContainer(form_.Panel2, form_.Panel1);
  stack.push_back(WithId(BindPanel(form_.Panel1, kNoPage, false), ids::kPalettePanel1));
  Stack(stack);
  SyncAll();
}

void PaletteWindow::SyncShown() {
  SyncAll();
  if (form_.Visible == shown_) return;
  shown_ = form_.Visible;
  ShowWindow(hwnd(), shown_ ? SW_SHOW : SW_HIDE);
  if (shown_) {
    // As a dialog opens: the focus on the choice made, else on the first.
    RadioButton* focused = form_.Choices()[0];
    for (RadioButton* choice : form_.Choices()) {
      if (choice->checked) focused = choice;
    }
    SetFocus(WindowOf(*focused));
  }
}

void PaletteWindow::AfterEvent() { main_.AfterEvent(); }

bool PaletteWindow::OnMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CLOSE:
      // The close box hides the dialog; the choice stays.
      form_.Visible = false;
      main_.AfterEvent();
      return true;
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE) main_.NoteFormActivated(hwnd());
      return false;
  }
  return false;
}

// ---- TForm3 -------------------------------------------------------------------

AboutWindow::AboutWindow(HINSTANCE instance, MainWindow& main, editor::TForm3& form, HWND owner)
    : FormWindow(instance), main_(main), form_(form) {
  Create(SmallDialogStyle(L"TForm3", form.Caption, form.ClientWidth, form.ClientHeight,
                          form.CenteredOnScreen, 0),
         owner);

  std::vector<HWND> stack;
  stack.push_back(WithId(BindButton(form_.OKButton, [this] { form_.OKButtonClick(); }), ids::kAboutOk));
  HINSTANCE module = instance;
  stack.push_back(WithId(BindImage(form_.ProgramIcon, [module](HDC dc, const RECT& area) {
                           FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
                           HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(IDI_FESKINI),
                                                                      IMAGE_ICON, 32, 32, LR_SHARED));
                           DrawIconEx(dc, area.left, area.top, icon, 32, 32, 0, nullptr, DI_NORMAL);
                         }),
                         ids::kAboutIcon));
  HWND name = WithId(BindLabel(form_.ProductName), ids::kAboutProductName);
  name_font_ = CreateFontW(-18, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
  SendMessageW(name, WM_SETFONT, reinterpret_cast<WPARAM>(name_font_), FALSE);
  stack.push_back(name);
  stack.push_back(WithId(BindLabel(form_.Comments), ids::kAboutComments));
  stack.push_back(WithId(BindLabel(form_.Version), ids::kAboutVersion));
  for (const Label* label : {&form_.ProductName, &form_.Comments, &form_.Version}) SetAutoSize(*label);
  for (Control* inside : {static_cast<Control*>(&form_.ProgramIcon), static_cast<Control*>(&form_.ProductName),
                          static_cast<Control*>(&form_.Comments), static_cast<Control*>(&form_.Version)}) {
    SetContainer(*inside, form_.Panel1);
  }
  stack.push_back(WithId(BindPanel(form_.Panel1, kNoPage, false), ids::kAboutPanel1));
  Stack(stack);
  SyncAll();
}

void AboutWindow::SyncShown() {
  SyncAll();
  if (form_.Visible == shown_) return;
  shown_ = form_.Visible;
  ShowWindow(hwnd(), shown_ ? SW_SHOW : SW_HIDE);
  if (shown_) SetFocus(WindowOf(form_.OKButton));
}

void AboutWindow::AfterEvent() { main_.AfterEvent(); }

bool AboutWindow::OnMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_CLOSE:
      form_.OKButtonClick();
      main_.AfterEvent();
      return true;
    case WM_ACTIVATE:
      if (LOWORD(w) != WA_INACTIVE) main_.NoteFormActivated(hwnd());
      return false;
  }
  return false;
}

}  // namespace fesk::win32
