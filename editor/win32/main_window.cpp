// The main window is built: one real control per model, in the order of
// the Tab key, each with its control id.
#include "editor/win32/main_window.h"

#include <algorithm>
#include <stdexcept>

#include <shellapi.h>

#include "editor/win32/control_ids.h"
#include "editor/win32/pictures.h"
#include "editor/win32/resource_ids.h"
#include "platform/win32/dropped_files.h"
#include "platform/win32/help.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

using editor::AnimationRepaint;
using editor::Page;
namespace ids = feskini;

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
  Remember(tab_, ids::kPages, true);

  BindUpperArea();
  BindRightColumn();
  BindProgramPage();
  BindShortCutPage();
  BindMouseActionPage();
  BindScreenPositionPage();
  BindGroupPage();
  StackControls();
  // Captions take the room their text needs in the font the window really
  // has, which may be wider than the one the places were chosen for.
  for (const Label* label :
       {&form_.title_caption, &form_.command_caption, &form_.option_caption, &form_.work_folder_caption,
        &form_.group_caption, &form_.list_position, &form_.list_position_stroke, &form_.program_count,
        &form_.shortcut_caption, &form_.order_caption, &form_.first_direction_line, &form_.second_direction_line,
        &form_.start_position_captions[0], &form_.start_position_captions[1], &form_.start_position_captions[2],
        &form_.position_text}) {
    SetAutoSize(*label);
  }

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

HWND MainWindow::Remember(HWND window, int id, bool focusable) {
  if (window == nullptr) return window;
  SetWindowLongPtrW(window, GWLP_ID, id);
  if (focusable) {
    focusable_[window] = true;
    SetWindowSubclass(window, &MainWindow::FocusProc, kFocusSubclass, reinterpret_cast<DWORD_PTR>(this));
  }
  return window;
}

// ---- Building the window ----------------------------------------------------

void MainWindow::BindUpperArea() {
  auto& f = form_;
  Remember(BindListBox(f.program_list), ids::kProgramList, true);
  Remember(BindPanel(f.display_group_panel, kNoPage, true), ids::kDisplayGroupPanel);
  Remember(BindLabel(f.display_group_label, kNoPage, SS_NOTIFY | SS_ENDELLIPSIS), ids::kDisplayGroupLabel);
  SetContainer(f.display_group_label, f.display_group_panel);
  // "n ／ m": the position stands right-aligned against the stroke.
  Remember(BindLabel(f.list_position, kNoPage, SS_RIGHT), ids::kListPosition);
  Remember(BindLabel(f.list_position_stroke, kNoPage, SS_CENTER), ids::kListPositionStroke);
  Remember(BindLabel(f.program_count), ids::kProgramCount);
  MakeIconPreview();
  Remember(BindCheckBox(f.group_filter), ids::kGroupFilter, true);
  HWND up = Remember(BindButton(f.move_up_button), ids::kMoveUpButton, true);
  HWND down = Remember(BindButton(f.move_down_button), ids::kMoveDownButton, true);
  AddStyle(up, BS_BITMAP);
  AddStyle(down, BS_BITMAP);
  MakeArrowGlyphs();
}

// The arrows of the two move buttons, drawn for the window's DPI.
void MainWindow::MakeArrowGlyphs() {
  HBITMAP old_up = arrow_up_, old_down = arrow_down_;
  arrow_up_ = MakeArrowGlyph(true, Scale(16));
  arrow_down_ = MakeArrowGlyph(false, Scale(16));
  SendMessageW(WindowOf(form_.move_up_button), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrow_up_));
  SendMessageW(WindowOf(form_.move_down_button), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrow_down_));
  if (old_up) DeleteObject(old_up);
  if (old_down) DeleteObject(old_down);
}

void MainWindow::OnDpiChanged() { MakeArrowGlyphs(); }

void MainWindow::BindRightColumn() {
  auto& f = form_;
  Remember(BindGroupBox(f.hint_group), ids::kHintGroup);
  std::vector<HWND> hints = BindRadioSet(f.hint_choice);
  Remember(hints[0], ids::kHintsOn, true);
  Remember(hints[1], ids::kHintsOff, true);
  SetContainer(f.hints_on, f.hint_group);
  SetContainer(f.hints_off, f.hint_group);
  const std::pair<Button*, int> column[] = {
      {&f.about_button, ids::kAboutButton},
      {&f.new_button, ids::kNewButton},
      {&f.delete_button, ids::kDeleteButton},
      {&f.desktop_button, ids::kDesktopButton},
      {&f.duplicate_check_button, ids::kDuplicateCheckButton},
      {&f.save_button, ids::kSaveButton},
      {&f.end_button, ids::kEndButton},
  };
  for (const auto& [button, id] : column) Remember(BindButton(*button), id, true);
}

void MainWindow::BindProgramPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kProgram);
  Remember(BindLabel(f.title_caption, page), ids::kTitleCaption);
  Remember(BindEdit(f.title_field, page), ids::kTitleField, true);
  Remember(BindButton(f.palette_button, page), ids::kPaletteButton, true);
  Remember(BindLabel(f.command_caption, page), ids::kCommandCaption);
  Remember(BindEdit(f.command_field, page), ids::kCommandField, true);
  Remember(BindButton(f.browse_button, page), ids::kBrowseButton, true);
  Remember(BindLabel(f.option_caption, page), ids::kOptionCaption);
  Remember(BindEdit(f.option_field, page), ids::kOptionField, true);
  Remember(BindGroupBox(f.show_state_group, page), ids::kShowStateGroup);
  // The show state is stored when a button gains or loses the focus; a
  // click only moves the check mark.
  std::vector<HWND> states = BindRadioSet(f.show_state, page);
  const int state_ids[] = {ids::kShowNormal, ids::kShowMaximized, ids::kShowMinimized};
  for (std::size_t i = 0; i < states.size(); ++i) {
    Remember(states[i], state_ids[i], true);
    SetContainer(*f.show_state.buttons()[i], f.show_state_group);
  }
  Remember(BindCheckBox(f.tray_box, page), ids::kTrayBox, true);
  Remember(BindLabel(f.work_folder_caption, page), ids::kWorkFolderCaption);
  Remember(BindEdit(f.work_folder_field, page), ids::kWorkFolderField, true);
  Remember(BindLabel(f.group_caption, page), ids::kGroupCaption);
  Remember(BindLabel(f.entry_group_label, page, SS_NOTIFY | SS_ENDELLIPSIS), ids::kEntryGroupLabel);
}

void MainWindow::BindShortCutPage() {
  const int page = static_cast<int>(Page::kShortCut);
  Remember(BindLabel(form_.shortcut_caption, page), ids::kShortcutCaption);
  MakeHotKeyField();
}

void MainWindow::BindMouseActionPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kMouseAction);
  auto shape_painter = [](Shape& shape) {
    return [&shape](HDC dc, const RECT& area) { PaintShape(dc, area, shape.brush); };
  };
  for (std::size_t i = 0; i < f.quadrant_squares.size(); ++i) {
    Shape& square = f.quadrant_squares[i];
    Remember(BindShape(square, page, shape_painter(square)), ids::kFirstQuadrantSquare + static_cast<int>(i));
  }
  for (std::size_t n = 0; n < f.action_cells.size(); ++n) {
    Shape& cell = f.action_cells[n];
    Remember(BindShape(cell, page, shape_painter(cell)), ids::kFirstActionCell + static_cast<int>(n));
  }
  // The marker is a whole "▼" even though its label is narrower than the
  // window font's glyph.
  const int background = COLOR_WINDOW;
  Remember(BindPicture(
               f.next_cell_marker,
               [this, background](HDC dc, const RECT& area) {
                 PaintMarker(dc, area, Wide(form_.next_cell_marker.caption).c_str(), form_.next_cell_marker.font_color,
                             background);
               },
               nullptr, page),
           ids::kNextCellMarker);
  Remember(BindLabel(f.order_caption, page), ids::kOrderCaption);
  Remember(BindLabel(f.first_direction_line, page), ids::kFirstDirectionLine);
  Remember(BindLabel(f.second_direction_line, page), ids::kSecondDirectionLine);
  Remember(BindButton(f.backspace_button, page), ids::kBackspaceButton, true);
  Remember(BindButton(f.clear_button, page), ids::kClearButton, true);
  Remember(BindButton(f.read_action_button, page), ids::kReadActionButton, true);
  Remember(BindButton(f.confirm_button, page), ids::kConfirmButton, true);
  Remember(BindShape(f.animation_screen, page, shape_painter(f.animation_screen)), ids::kAnimationScreen);
  Remember(BindImage(
               f.crossed_mouse_picture, [](HDC dc, const RECT& area) { PaintCrossedMouse(dc, area); }, page),
           ids::kCrossedMousePicture);
  // The pointer's frames: three, two, one and no waves.
  const std::tuple<Image*, int, int> frames[] = {{&f.pointer_waves3, 3, ids::kPointerWaves3},
                                                 {&f.pointer_waves2, 2, ids::kPointerWaves2},
                                                 {&f.pointer_waves1, 1, ids::kPointerWaves1},
                                                 {&f.pointer_still, 0, ids::kPointerStill}};
  for (const auto& [frame, waves, id] : frames) {
    const int drawn = waves;
    Remember(BindImage(
                 *frame, [drawn](HDC dc, const RECT& area) { PaintPointerFrame(dc, area, drawn); }, page),
             id);
  }
  Remember(BindImage(
               f.program_window_picture, [](HDC dc, const RECT& area) { PaintProgramWindow(dc, area); }, page),
           ids::kProgramWindowPicture);
  Remember(BindPanel(f.start_position_panel, page, false), ids::kStartPositionPanel);
  const int caption_ids[] = {ids::kStartPositionCaption1, ids::kStartPositionCaption2, ids::kStartPositionCaption3};
  for (std::size_t i = 0; i < f.start_position_captions.size(); ++i) {
    Remember(BindLabel(f.start_position_captions[i], page), caption_ids[i]);
    SetContainer(f.start_position_captions[i], f.start_position_panel);
  }
  for (std::size_t k = 0; k < f.start_positions.size(); ++k) {
    CheckBox& box = f.start_positions[k];
    Remember(BindCheckBox(box, page), ids::kFirstStartPosition + static_cast<int>(k), true);
    SetContainer(box, f.start_position_panel);
  }
}

void MainWindow::BindScreenPositionPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kScreenPosition);
  for (std::size_t i = 0; i < f.position_cells.size(); ++i) {
    Shape& cell = f.position_cells[i];
    Remember(BindShape(cell, page, [&cell](HDC dc, const RECT& area) { PaintShape(dc, area, cell.brush); }),
             ids::kFirstPositionCell + static_cast<int>(i));
    // A flat button: it takes no focus and answers the left button.
    editor::SpeedButton& button = f.position_buttons[i];
    Remember(BindPicture(
                 button, [](HDC dc, const RECT& area) { PaintFlatButton(dc, area); },
                 [&button](MouseButton pressed) {
                   if (pressed == MouseButton::kLeft && button.on_click) button.on_click();
                 },
                 page),
             ids::kFirstPositionButton + static_cast<int>(i));
  }
  Remember(BindButton(f.position_cancel_button, page), ids::kPositionCancelButton, true);
  Remember(BindLabel(f.position_text, page, SS_CENTER), ids::kPositionText);
}

void MainWindow::BindGroupPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kGroup);
  Remember(BindGroupBox(f.mode_group, page), ids::kModeGroup);
  std::vector<HWND> modes = BindRadioSet(f.mode_choice, page);
  Remember(modes[0], ids::kMode1Choice, true);
  Remember(modes[1], ids::kMode2Choice, true);
  SetContainer(f.mode1_choice, f.mode_group);
  SetContainer(f.mode2_choice, f.mode_group);
  const std::pair<Button*, int> group_buttons[] = {
      {&f.add_group_button, ids::kAddGroupButton},
      {&f.rename_group_button, ids::kRenameGroupButton},
      {&f.delete_group_button, ids::kDeleteGroupButton},
      {&f.sort_groups_button, ids::kSortGroupsButton},
      {&f.move_source_button, ids::kMoveSourceButton},
      {&f.move_target_button, ids::kMoveTargetButton},
      {&f.register_in_group_button, ids::kRegisterInGroupButton},
  };
  for (const auto& [button, id] : group_buttons) Remember(BindButton(*button, page), id, true);
  MakeTreeView();
  const int background = BackgroundOf(f.add_group_button);
  Remember(BindPicture(
               f.move_source_bevel, [background](HDC dc, const RECT& area) { PaintBevel(dc, area, background); },
               nullptr, page),
           ids::kMoveSourceBevel);
  Remember(BindLabel(f.move_source_label, page, SS_ENDELLIPSIS), ids::kMoveSourceLabel);
  for (const auto& [arrow, id] :
       {std::pair{&f.move_arrow_left, ids::kMoveArrowLeft}, std::pair{&f.move_arrow_right, ids::kMoveArrowRight}}) {
    Remember(BindImage(
                 *arrow, [background](HDC dc, const RECT& area) { PaintRightTriangle(dc, area, background); }, page),
             id);
  }
  Remember(BindShape(f.mode2_frame, page,
                     [this](HDC dc, const RECT& area) { PaintShape(dc, area, form_.mode2_frame.brush); }),
           ids::kMode2Frame);
}

// The stacking order is the Tab order and decides which control lies on top:
// a control bound but left out of it would keep its place of creation
// unnoticed, so that stops the editor at creation, like a listed control
// that was never made (BoundWindowOf).
void MainWindow::CheckStackingOrder(const std::vector<const Control*>& order) const {
  for (const Control* bound : BoundControls()) {
    if (std::find(order.begin(), order.end(), bound) == order.end()) {
      throw std::logic_error("a control of the editor is missing from its stacking order");
    }
  }
}

void MainWindow::StackControls() {
  auto& f = form_;
  std::vector<const Control*> order = {
      &f.program_list, &f.move_up_button, &f.move_down_button, &f.group_filter, &f.icon_preview,
      // "プログラム"
      &f.title_field, &f.palette_button, &f.command_field, &f.browse_button, &f.option_field, &f.show_normal,
      &f.show_maximized, &f.show_minimized, &f.tray_box, &f.work_folder_field,
      // "ｼｮｰﾄ･ｶｯﾄ"
      &f.shortcut_field,
      // "マウスACT"
      &f.backspace_button, &f.clear_button, &f.read_action_button};
  for (const CheckBox& box : f.start_positions) order.push_back(&box);
  order.insert(
      order.end(),
      {&f.confirm_button,
       // "画面ﾎﾟｼﾞｼｮﾝ"
       &f.position_cancel_button,
       // "グループ"
       &f.mode1_choice, &f.mode2_choice, &f.add_group_button, &f.rename_group_button, &f.delete_group_button,
       &f.move_source_button, &f.group_tree, &f.sort_groups_button, &f.move_target_button, &f.register_in_group_button,
       // right column
       &f.hints_on, &f.hints_off, &f.about_button, &f.new_button, &f.delete_button, &f.desktop_button,
       &f.duplicate_check_button, &f.save_button, &f.end_button,
       // captions and pictures
       &f.next_cell_marker, &f.order_caption, &f.first_direction_line, &f.second_direction_line,
       &f.start_position_captions[0], &f.start_position_captions[1], &f.start_position_captions[2], &f.pointer_waves3,
       &f.pointer_waves2, &f.pointer_waves1, &f.pointer_still, &f.program_window_picture, &f.crossed_mouse_picture,
       &f.list_position, &f.list_position_stroke, &f.program_count, &f.display_group_label, &f.title_caption,
       &f.command_caption, &f.option_caption, &f.work_folder_caption, &f.group_caption, &f.entry_group_label,
       &f.shortcut_caption, &f.position_text, &f.move_source_label, &f.move_arrow_left, &f.move_arrow_right});
  for (const editor::SpeedButton& button : f.position_buttons) order.push_back(&button);
  for (const Shape& square : f.quadrant_squares) order.push_back(&square);
  for (const Shape& cell : f.action_cells) order.push_back(&cell);
  order.push_back(&f.animation_screen);
  for (const Shape& cell : f.position_cells) order.push_back(&cell);
  order.insert(order.end(), {&f.mode2_frame, &f.move_source_bevel, &f.start_position_panel, &f.display_group_panel,
                             &f.hint_group, &f.show_state_group, &f.mode_group});

  CheckStackingOrder(order);
  stacking_.clear();
  for (const Control* model : order) {
    HWND window = BoundWindowOf(*model);
    stacking_.push_back(window);
    // The start-position boxes are left out of the Tab key's round.
    if (!form_.TakesTabFocus(*model)) AddStyle(window, 0, WS_TABSTOP);
  }
  for (const Control* after_group :
       {static_cast<const Control*>(&f.tray_box), static_cast<const Control*>(&f.add_group_button),
        static_cast<const Control*>(&f.about_button)}) {
    AddStyle(WindowOf(*after_group), WS_GROUP);
  }
  stacking_.push_back(tab_);
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, kFlags);
}

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
