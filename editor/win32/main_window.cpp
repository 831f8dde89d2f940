// The main window is made from the form's layout: one real control per
// record, in the order of the Tab key.  What a control needs beyond its
// kind is added here: the pictures' painters, the program's own controls
// (main_window_custom_controls.cpp), the move buttons' arrows, and the
// report of the focus from every control that takes it.
#include "editor/win32/main_window.h"

#include "editor/win32/pictures.h"
#include "editor/win32/resource_ids.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

using editor::AnimationRepaint;
using editor::Page;

MainWindow::MainWindow(HINSTANCE instance, editor::MainForm& form, std::wstring help_file)
    : FormWindow(instance), form_(form), help_file_(std::move(help_file)) {
  FormStyle style;
  style.class_name = L"TFFeskINI";
  style.caption = form.caption;
  style.client_width = form.client_width;
  style.client_height = form.client_height;
  style.style = WS_OVERLAPPED | WS_CAPTION | (form.system_menu ? WS_SYSMENU : 0) |
                (form.minimize_box ? WS_MINIMIZEBOX : 0) | (form.maximize_box ? WS_MAXIMIZEBOX : 0);
  style.centred = form.centred_on_screen;
  style.font_name = Wide(form.font_name);
  style.font_height = form.font_height;
  style.icon_resource = IDI_FESKINI;
  Create(style);

  // The tabs in the order of the Page values.
  for (Page page : {Page::kProgram, Page::kShortCut, Page::kMouseAction, Page::kScreenPosition, Page::kGroup}) {
    page_names_.push_back(form_.Sheet(page).caption);
  }
  active_page_ = static_cast<int>(form_.pages.active);
  pages_ = PageControlModel{&form_.pages, &page_names_, &active_page_,
                            [this] { RunAction([this] { form_.PageChange(static_cast<Page>(active_page_)); }); }};
  BindPageControl(pages_);
  tab_ = FindWindowExW(hwnd(), nullptr, WC_TABCONTROLW, nullptr);
  BindLayout(form_.layout, MakePainters(), MakeOwnControls());
  FinishLayout();
  // The form hears of every move of the focus the user makes.
  for (HWND window : FocusTakingWindows()) ReportFocus(window);
  ReportFocus(tab_);
  MakeArrowGlyphs();

  palette_ = std::make_unique<PaletteWindow>(instance, *this, form_.palette_dialog, hwnd());
  about_ = std::make_unique<AboutWindow>(instance, *this, form_.about_box, hwnd());
  form_.on_animation_repaint = [this](AnimationRepaint what) { RepaintNow(what); };
}

MainWindow::~MainWindow() {
  form_.on_animation_repaint = nullptr;
  if (icon_) DestroyIcon(icon_);
  if (arrow_up_) DeleteObject(arrow_up_);
  if (arrow_down_) DeleteObject(arrow_down_);
}

void MainWindow::RunAction(const Action& action) {
  if (!action) return;
  ++busy_;
  action();
  --busy_;
}

void MainWindow::ReportFocus(HWND window) {
  SetWindowSubclass(window, &MainWindow::FocusProc, kFocusSubclass, reinterpret_cast<DWORD_PTR>(this));
}

// The pictures the window draws itself.  Those on a page stand on the page's
// background.
FormWindow::Painters MainWindow::MakePainters() {
  auto& f = form_;
  Painters painters;
  const auto shape = [&painters](Shape& model) {
    painters[&model] = [&model](HDC dc, const RECT& area) { PaintShape(dc, area, model.brush); };
  };
  for (Shape& square : f.quadrant_squares) shape(square);
  for (Shape& cell : f.action_cells) shape(cell);
  for (Shape& cell : f.position_cells) shape(cell);
  shape(f.animation_screen);
  shape(f.mode2_frame);
  painters[&f.next_cell_marker] = [this](HDC dc, const RECT& area) {
    const Label& marker = form_.next_cell_marker;
    PaintMarker(dc, area, Wide(marker.caption).c_str(), marker.font_color, BackgroundOf(marker));
  };
  painters[&f.crossed_mouse_picture] = PaintCrossedMouse;
  painters[&f.program_window_picture] = PaintProgramWindow;
  // The pointer's frames: three, two, one and no waves.
  const std::pair<Image*, int> frames[] = {
      {&f.pointer_waves3, 3}, {&f.pointer_waves2, 2}, {&f.pointer_waves1, 1}, {&f.pointer_still, 0}};
  for (const auto& [frame, waves] : frames) {
    painters[frame] = [waves = waves](HDC dc, const RECT& area) { PaintPointerFrame(dc, area, waves); };
  }
  for (SpeedButton& button : f.position_buttons) painters[&button] = PaintFlatButton;
  painters[&f.move_source_bevel] = [this](HDC dc, const RECT& area) {
    PaintBevel(dc, area, BackgroundOf(form_.move_source_bevel));
  };
  for (Image* arrow : {&f.move_arrow_left, &f.move_arrow_right}) {
    painters[arrow] = [this, arrow](HDC dc, const RECT& area) { PaintRightTriangle(dc, area, BackgroundOf(*arrow)); };
  }
  return painters;
}

FormWindow::Makers MainWindow::MakeOwnControls() {
  return {{&form_.icon_preview, [this](int page) { return MakeIconPreview(page); }},
          {&form_.shortcut_field, [this](int page) { return MakeHotKeyField(page); }},
          {&form_.group_tree, [this](int page) { return MakeTreeView(page); }}};
}

// The arrows of the two move buttons, drawn for the window's DPI.
void MainWindow::MakeArrowGlyphs() {
  HBITMAP old_up = arrow_up_, old_down = arrow_down_;
  arrow_up_ = MakeArrowGlyph(true, Scale(16));
  arrow_down_ = MakeArrowGlyph(false, Scale(16));
  const std::pair<const Button*, HBITMAP> glyphs[] = {{&form_.move_up_button, arrow_up_},
                                                      {&form_.move_down_button, arrow_down_}};
  for (const auto& [button, glyph] : glyphs) {
    HWND window = BoundWindowOf(*button);
    AddStyle(window, BS_BITMAP);
    SendMessageW(window, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph));
  }
  if (old_up) DeleteObject(old_up);
  if (old_down) DeleteObject(old_down);
}

void MainWindow::OnDpiChanged() { MakeArrowGlyphs(); }

// ---- Start --------------------------------------------------------------------

void MainWindow::Start(const std::vector<std::string>& parameters) {
  RunAction([this, &parameters] { form_.FormCreate(parameters); });
  SyncModels();
  started_ = true;
  visible_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  // The main form becomes the active form when it is first shown.
  last_active_form_ = hwnd();
  RunAction([this] { form_.FormActivate(); });
  AfterEvent();
}

HWND MainWindow::DialogFor(HWND window) const {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root == hwnd() || (palette_ && root == palette_->hwnd()) || (about_ && root == about_->hwnd())) return root;
  return nullptr;
}

}  // namespace fesk::win32
