// The main window's controls as designed: places, captions, hints and the
// state they start in.  Each control placed is recorded in `layout` with its
// page, in the order the window makes them, which is the order of the Tab
// key.  The layout numbers the windows for other programs (the end-to-end
// tests) to find them by: the window's own controls from 1001, the controls
// of the pages from 1101, 1201 ... in the order of the Page values.
#include "common/geometry.h"
#include "editor/main_form.h"

namespace fesk::editor {

// The upper area, the pages in the order of their tabs, then the right
// column: its controls come after the pages' ones in the Tab order.
void MainForm::BuildLayout() {
  LayOutUpperArea();
  LayOutProgramPage();
  LayOutShortCutPage();
  LayOutMouseActionPage();
  LayOutScreenPositionPage();
  LayOutGroupPage();
  LayOutRightColumn();
}

void MainForm::LayOutUpperArea() {
  layout.OnPage(kOffPages);
  Place(layout, program_list, 120, 24, 305, 122);
  Place(layout, move_up_button, 428, 24, 25, 61, "プログラムを上に移動します");
  Place(layout, move_down_button, 428, 85, 25, 61, "プログラムを下に移動します");
  WithCaption(layout, group_filter, "グループ", 38, 124, 73, 17);
  SetPlace(icon_preview, 40, 32, 48, 48, "左ﾏｳｽWｸﾘｯｸで対応するﾌﾟﾛｸﾞﾗﾑを実行します");
  layout.AddOwn(icon_preview);
  // "n ／ m": the position stands right-aligned against the stroke.
  list_position.alignment = Alignment::kRight;
  FittedLabel(layout, list_position, "0", 16, 96, 33, 13, "選択されている件数位置");
  list_position_stroke.alignment = Alignment::kCenter;
  FittedLabel(layout, list_position_stroke, "／", 52, 96, 13, 13);
  FittedLabel(layout, program_count, "0", 68, 96, 33, 13, "登録されているﾌﾟﾛｸﾞﾗﾑ件数");
  // Uncovered by the group filter, with the display group in it.
  Place(layout, display_group_panel, 120, 24, 305, 24);
  layout.Within(&display_group_panel);
  display_group_label.end_ellipsis = true;
  Place(layout, display_group_label, 8, 5, 289, 13);
  layout.Within(nullptr);
}

void MainForm::LayOutRightColumn() {
  layout.OnPage(kOffPages);
  WithCaption(layout, hint_group, "ﾋﾝﾄ", 458, 0, 82, 37);
  layout.Within(&hint_group);
  PlaceRadio(hints_on, "ON", 5, 15, 34, 17);
  PlaceRadio(hints_off, "OFF", 40, 15, 40, 17);
  layout.Add(hint_choice);
  layout.Within(nullptr);
  Place(layout, about_button, 456, 40, 81, 9);
  WithCaption(layout, new_button, "新規登録", 464, 52, 65, 25, "ﾌﾟﾛｸﾞﾗﾑを新規に登録します");
  WithCaption(layout, delete_button, "削 除", 464, 79, 65, 25, "選択されているﾌﾟﾛｸﾞﾗﾑを削除します");
  WithCaption(layout, desktop_button, "ﾃﾞｽｸﾄｯﾌﾟ", 464, 106, 65, 25, "ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録します");
  WithCaption(layout, duplicate_check_button, "重複ﾁｪｯｸ", 464, 133, 65, 25);
  WithCaption(layout, save_button, "保 存", 464, 300, 65, 25, "定義情報を保存します");
  WithCaption(layout, end_button, "終 了", 464, 336, 65, 25, "このﾌﾟﾛｸﾞﾗﾑを終了します");
  // The page control is made before all of them; it takes the number after
  // the last of them.
  pages.SetBounds(8, 152, 449, 217);
  layout.NumberPageControl();
  program_sheet.caption = "プログラム";
  program_sheet.page = Page::kProgram;
  shortcut_sheet.caption = "ｼｮｰﾄ･ｶｯﾄ";
  shortcut_sheet.page = Page::kShortCut;
  mouse_action_sheet.caption = "マウスACT";
  mouse_action_sheet.page = Page::kMouseAction;
  screen_position_sheet.caption = "画面ﾎﾟｼﾞｼｮﾝ";
  screen_position_sheet.page = Page::kScreenPosition;
  group_sheet.caption = "グループ";
  group_sheet.page = Page::kGroup;
}

// Each field after its caption.
void MainForm::LayOutProgramPage() {
  layout.OnPage(static_cast<int>(Page::kProgram));
  FittedLabel(layout, title_caption, "タイトル", 8, 12, 80, 13);
  Place(layout, title_field, 96, 8, 241, 21, "ﾀｲﾄﾙを入力して下さい");
  Place(layout, palette_button, 337, 8, 17, 20, "FESK特殊機能を設定します");
  FittedLabel(layout, command_caption, "実行ﾌﾟﾛｸﾞﾗﾑ", 8, 40, 80, 13);
  Place(layout, command_field, 96, 36, 241, 21, "実行ﾌﾟﾛｸﾞﾗﾑ、ﾌｫﾙﾀﾞ、関連ﾌｧｲﾙ名を入力して下さい");
  Place(layout, browse_button, 337, 36, 17, 20, "実行ﾌﾟﾛｸﾞﾗﾑを参照します");
  FittedLabel(layout, option_caption, "ｵﾌﾟｼｮﾝ", 8, 68, 80, 13);
  Place(layout, option_field, 96, 64, 258, 21, "ｵﾌﾟｼｮﾝを入力して下さい");
  const std::string show_state_hint = "ﾌﾟﾛｸﾞﾗﾑの実行状態を選択して下さい";
  WithCaption(layout, show_state_group, "実行状態", 96, 90, 258, 37, show_state_hint);
  layout.Within(&show_state_group);
  PlaceRadio(show_normal, "通常", 8, 14, 57, 17);
  PlaceRadio(show_maximized, "最大化", 80, 14, 65, 17);
  PlaceRadio(show_minimized, "ｱｲｺﾝ化", 160, 14, 65, 17);
  for (RadioButton* button : show_state.buttons()) button->hint = show_state_hint;
  show_normal.checked = true;
  layout.Add(show_state);
  layout.Within(nullptr);
  WithCaption(layout, tray_box, "ﾀｽｸ･ﾄﾚｲ", 360, 104, 73, 17, "ONでﾀｽｸﾄﾚｲにｱｲｺﾝを表示できます");
  FittedLabel(layout, work_folder_caption, "ﾜｰｸ･ﾌｫﾙﾀﾞ", 8, 140, 80, 13);
  Place(layout, work_folder_field, 96, 136, 258, 21, "ﾜｰｸ･ﾌｫﾙﾀﾞを入力して下さい");
  FittedLabel(layout, group_caption, "ｸﾞﾙｰﾌﾟ", 8, 168, 80, 13);
  entry_group_label.end_ellipsis = true;
  Place(layout, entry_group_label, 96, 168, 258, 13);
}

void MainForm::LayOutShortCutPage() {
  layout.OnPage(static_cast<int>(Page::kShortCut));
  FittedLabel(layout, shortcut_caption, "プログラムを実行するショートカット・キーを押してください", 16, 24, 360, 13);
  SetPlace(shortcut_field, 16, 48, 193, 19, "ﾌﾟﾛｸﾞﾗﾑを実行するｼｮｰﾄｶｯﾄｷｰを定義してください");
  layout.AddOwn(shortcut_field);
}

void MainForm::LayOutMouseActionPage() {
  layout.OnPage(static_cast<int>(Page::kMouseAction));
  // The palette squares by Quadrant (l, r, L, R), then the definition table.
  const Color palette[] = {colors::kRed, colors::kLime, colors::kBlue, colors::kYellow};
  for (int i = 0; i < 4; ++i) {
    Shape& square = quadrant_squares[static_cast<std::size_t>(i)];
    Place(layout, square, 16 + 20 * (i % 2), 16 + 20 * (i / 2), 20, 20, "ﾏｳｽ･ｱｸｼｮﾝを定義します");
    square.brush = palette[i];
  }
  for (int n = 0; n < 16; ++n) {
    Place(layout, action_cells[static_cast<std::size_t>(n)], 104 + 8 * n, 24, 9, 17,
          "ﾏｳｽ･ｱｸｼｮﾝ定義ﾃｰﾌﾞﾙ 左のﾊﾟﾚｯﾄで設定します");
  }
  // Drawn, so that the whole "▼" shows although the label is narrower than
  // the window font's glyph.
  next_cell_marker.caption = "▼";
  next_cell_marker.font_color = colors::kRed;
  SetPlace(next_cell_marker, 103, 10, 9, 13);
  layout.AddDrawn(next_cell_marker);
  FittedLabel(layout, order_caption, "操作順序:", 104, 48, 60, 13, "ﾏｳｽをこの順序で移動させるとﾌﾟﾛｸﾞﾗﾑを実行します");
  FittedLabel(layout, first_direction_line, "", 168, 48, 270, 13);
  FittedLabel(layout, second_direction_line, "", 168, 64, 270, 13);
  WithCaption(layout, backspace_button, "BS", 16, 64, 41, 21, "ﾏｳｽ･ｱｸｼｮﾝを1つ消去します");
  WithCaption(layout, clear_button, "ｸﾘｱ", 16, 90, 41, 21, "ﾏｳｽ･ｱｸｼｮﾝを全て消去します");
  WithCaption(layout, read_action_button, "ﾏｳｽACT読込", 16, 124, 81, 25);
  // The start-position boxes, RUNPOS 1 to 9, numbered from 1351: the Tab
  // key passes them by, but from one that a click gave the focus it goes on
  // to ｱｸｼｮﾝ確認.
  layout.NumberFrom(1351);
  layout.Within(&start_position_panel);
  for (int k = 0; k < 9; ++k) {
    CheckBox& box = start_positions[static_cast<std::size_t>(k)];
    box.tab_stop = false;
    Place(layout, box, 98 + 16 * (k % 3), 8 + 16 * (k / 3), 17, 17);
  }
  layout.Within(nullptr);
  layout.NumberFrom(1328);
  WithCaption(layout, confirm_button, "ｱｸｼｮﾝ確認", 376, 132, 65, 25, "ﾏｳｽ･ｱｸｼｮﾝをｱﾆﾒｰｼｮﾝします");
  // The animation's screen and the pictures on it; the frames of the pointer
  // (three, two, one and no waves) show one at a time.
  Place(layout, animation_screen, 310, 100, 57, 57, "ﾏｳｽ･ｱｸｼｮﾝを表示します");
  animation_screen.brush = colors::kGreen;
  Place(layout, pointer_waves3, 311, 101, 30, 30);
  Place(layout, program_window_picture, 314, 104, 49, 49);
  Place(layout, crossed_mouse_picture, 314, 104, 49, 49, "ﾏｳｽ･ｱｸｼｮﾝが定義されていないか、組合せが不完全です");
  Place(layout, pointer_waves2, 311, 101, 30, 30);
  Place(layout, pointer_waves1, 311, 101, 30, 30);
  Place(layout, pointer_still, 311, 101, 30, 30);
  for (Image* picture : {&pointer_waves3, &pointer_waves2, &pointer_waves1, &pointer_still, &program_window_picture}) {
    picture->visible = false;
  }
  start_position_panel.lowered = true;
  Place(layout, start_position_panel, 104, 92, 160, 64, "ﾁｪｯｸONで実行可能");
  layout.Within(&start_position_panel);
  const char* const captions[] = {"画面上での", "ﾏｳｽ･ｱｸｼｮﾝの ", "実行開始位置"};
  for (int i = 0; i < 3; ++i) {
    FittedLabel(layout, start_position_captions[static_cast<std::size_t>(i)], captions[i], 8, 8 + 16 * i, 80, 13,
                "右のﾁｪｯｸﾎﾞｯｸｽは、画面の相対位置を表わしています");
  }
  layout.Within(nullptr);
}

void MainForm::LayOutScreenPositionPage() {
  layout.OnPage(static_cast<int>(Page::kScreenPosition));
  // Screen positions 1 to 8: each flat button covers the 17 pixels of its
  // cell nearest the middle of the picture, leaving an 8-pixel band of the
  // cell's colour.
  struct PositionPlace {
    Rect cell;  // left, top, width, height
    Rect button;
    const char* hint;
  };
  static constexpr PositionPlace kPlaces[8] = {
      {{96, 8, 25, 25}, {104, 16, 17, 17}, "画面の左上隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{120, 8, 161, 25}, {120, 16, 161, 17}, "画面の上辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{280, 8, 25, 25}, {280, 16, 17, 17}, "画面の右上隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{96, 32, 25, 113}, {104, 32, 17, 113}, "画面の左辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{280, 32, 25, 113}, {280, 32, 17, 113}, "画面の右辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{96, 144, 25, 25}, {104, 144, 17, 17}, "画面の左下隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{120, 144, 161, 25}, {120, 144, 161, 17}, "画面の下辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{280, 144, 25, 25}, {280, 144, 17, 17}, "画面の右下隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
  };
  for (std::size_t i = 0; i < 8; ++i) {
    const Rect& cell = kPlaces[i].cell;
    Place(layout, position_cells[i], cell.left, cell.top, cell.right, cell.bottom);
    position_cells[i].brush = colors::kButtonFace;
  }
  layout.NumberFrom(1411);
  for (std::size_t i = 0; i < 8; ++i) {
    const Rect& button = kPlaces[i].button;
    Place(layout, position_buttons[i], button.left, button.top, button.right, button.bottom, kPlaces[i].hint);
  }
  layout.NumberFrom(1421);
  WithCaption(layout, position_cancel_button, "ｷｬﾝｾﾙ", 336, 144, 65, 25, "画面ﾎﾟｼﾞｼｮﾝ設定を取止めます");
  position_text.alignment = Alignment::kCenter;
  FittedLabel(layout, position_text, "", 128, 40, 145, 97);
}

// The buttons of mode 1 down the left and the right side of the tree, in the
// Tab order; the numbers follow the buttons' design order.
void MainForm::LayOutGroupPage() {
  layout.OnPage(static_cast<int>(Page::kGroup));
  Place(layout, mode_group, 16, 0, 409, 30, "モードを選択して下さい");
  layout.Within(&mode_group);
  PlaceRadio(mode1_choice, "表示ｸﾞﾙｰﾌﾟの選択/登録", 8, 10, 185, 17);
  mode1_choice.checked = true;
  PlaceRadio(mode2_choice, "ﾌﾟﾛｸﾞﾗﾑをｸﾞﾙｰﾌﾟに登録/移動", 200, 10, 201, 17);
  mode2_choice.hint = "プログラムのグループを登録/移動するモード";
  layout.Add(mode_choice);
  layout.Within(nullptr);
  const auto group_button = [this](Button& button, const char* caption, const char* hint, int left, int top,
                                   int width) { WithCaption(layout, button, caption, left, top, width, 23, hint); };
  group_button(add_group_button, "追 加", "選択されているｸﾞﾙｰﾌﾟの下に新規ｸﾞﾙｰﾌﾟを作成します", 16, 40, 57);
  group_button(rename_group_button, "編 集", "選択されているｸﾞﾙｰﾌﾟ名を編集します", 16, 72, 57);
  group_button(delete_group_button, "削 除", "選択されているｸﾞﾙｰﾌﾟを削除します", 16, 104, 57);
  layout.NumberFrom(1508);
  group_button(move_source_button, "移動元", "選択されているｸﾞﾙｰﾌﾟを移動元とします", 16, 144, 57);
  layout.NumberFrom(1511);
  SetPlace(group_tree, 80, 36, 241, 102, "ｸﾞﾙｰﾌﾟを選択して下さい");
  layout.AddOwn(group_tree);
  layout.NumberFrom(1507);
  group_button(sort_groups_button, "ソート", "ｸﾞﾙｰﾌﾟを昇順にソートします", 328, 40, 57);
  layout.NumberFrom(1509);
  group_button(move_target_button, "移動先", "移動元ﾟを選択したｸﾞﾙｰﾌﾟの下に移動します", 328, 144, 57);
  move_target_button.enabled = false;
  group_button(register_in_group_button, "プログラムをグループに登録", "選択しているｸﾞﾙｰﾌﾟにﾌﾟﾛｸﾞﾗﾑを登録/移動します",
               96, 144, 209);
  register_in_group_button.visible = false;
  // The move source shows in a bevel between two arrows.
  layout.NumberFrom(1512);
  SetPlace(move_source_bevel, 92, 144, 218, 22);
  layout.AddDrawn(move_source_bevel);
  layout.Within(&move_source_bevel);
  move_source_label.end_ellipsis = true;
  Place(layout, move_source_label, 4, 4, 210, 13, "現在の移動元");
  layout.Within(nullptr);
  Place(layout, move_arrow_left, 70, 141, 32, 32);
  Place(layout, move_arrow_right, 306, 141, 32, 32);
  move_source_label.visible = move_arrow_left.visible = move_arrow_right.visible = false;
  Place(layout, mode2_frame, 32, 32, 337, 110);
  mode2_frame.brush = colors::kAqua;
  mode2_frame.visible = false;
}

}  // namespace fesk::editor
