// The main window's controls as designed: places, captions, hints and the
// state they start in.
#include "common/geometry.h"
#include "editor/main_form.h"

namespace fesk::editor {

void MainForm::BuildLayout() {
  // Upper area.
  program_list.SetBounds(120, 24, 305, 122);
  display_group_panel.SetBounds(120, 24, 305, 24);
  display_group_label.SetBounds(8, 5, 289, 13);
  list_position.SetBounds(16, 96, 33, 13);
  list_position.caption = "0";
  list_position.hint = "選択されている件数位置";
  list_position_stroke.SetBounds(52, 96, 13, 13);
  list_position_stroke.caption = "／";
  program_count.SetBounds(68, 96, 33, 13);
  program_count.caption = "0";
  program_count.hint = "登録されているﾌﾟﾛｸﾞﾗﾑ件数";
  icon_preview.SetBounds(40, 32, 48, 48);
  icon_preview.hint = "左ﾏｳｽWｸﾘｯｸで対応するﾌﾟﾛｸﾞﾗﾑを実行します";
  group_filter.SetBounds(38, 124, 73, 17);
  group_filter.caption = "グループ";
  move_up_button.SetBounds(428, 24, 25, 61);
  move_up_button.hint = "プログラムを上に移動します";
  move_down_button.SetBounds(428, 85, 25, 61);
  move_down_button.hint = "プログラムを下に移動します";

  // Right column.
  hint_group.SetBounds(458, 0, 82, 37);
  hint_group.caption = "ﾋﾝﾄ";
  hints_on.SetBounds(5, 15, 34, 17);
  hints_on.caption = "ON";
  hints_off.SetBounds(40, 15, 40, 17);
  hints_off.caption = "OFF";
  about_button.SetBounds(456, 40, 81, 9);
  new_button.SetBounds(464, 52, 65, 25);
  new_button.caption = "新規登録";
  new_button.hint = "ﾌﾟﾛｸﾞﾗﾑを新規に登録します";
  delete_button.SetBounds(464, 79, 65, 25);
  delete_button.caption = "削 除";
  delete_button.hint = "選択されているﾌﾟﾛｸﾞﾗﾑを削除します";
  desktop_button.SetBounds(464, 106, 65, 25);
  desktop_button.caption = "ﾃﾞｽｸﾄｯﾌﾟ";
  desktop_button.hint = "ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録します";
  duplicate_check_button.SetBounds(464, 133, 65, 25);
  duplicate_check_button.caption = "重複ﾁｪｯｸ";
  save_button.SetBounds(464, 300, 65, 25);
  save_button.caption = "保 存";
  save_button.hint = "定義情報を保存します";
  end_button.SetBounds(464, 336, 65, 25);
  end_button.caption = "終 了";
  end_button.hint = "このﾌﾟﾛｸﾞﾗﾑを終了します";

  // Pages, in the order of their tabs.
  pages.SetBounds(8, 152, 449, 217);
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

  // "プログラム": fields in tab order.
  title_caption.SetBounds(8, 12, 80, 13);
  title_caption.caption = "タイトル";
  title_field.SetBounds(96, 8, 241, 21);
  title_field.hint = "ﾀｲﾄﾙを入力して下さい";
  palette_button.SetBounds(337, 8, 17, 20);
  palette_button.hint = "FESK特殊機能を設定します";
  command_caption.SetBounds(8, 40, 80, 13);
  command_caption.caption = "実行ﾌﾟﾛｸﾞﾗﾑ";
  command_field.SetBounds(96, 36, 241, 21);
  command_field.hint = "実行ﾌﾟﾛｸﾞﾗﾑ、ﾌｫﾙﾀﾞ、関連ﾌｧｲﾙ名を入力して下さい";
  browse_button.SetBounds(337, 36, 17, 20);
  browse_button.hint = "実行ﾌﾟﾛｸﾞﾗﾑを参照します";
  option_caption.SetBounds(8, 68, 80, 13);
  option_caption.caption = "ｵﾌﾟｼｮﾝ";
  option_field.SetBounds(96, 64, 258, 21);
  option_field.hint = "ｵﾌﾟｼｮﾝを入力して下さい";
  show_state_group.SetBounds(96, 90, 258, 37);
  show_state_group.caption = "実行状態";
  show_normal.SetBounds(8, 14, 57, 17);
  show_normal.caption = "通常";
  show_maximized.SetBounds(80, 14, 65, 17);
  show_maximized.caption = "最大化";
  show_minimized.SetBounds(160, 14, 65, 17);
  show_minimized.caption = "ｱｲｺﾝ化";
  for (Control* c : {static_cast<Control*>(&show_state_group), static_cast<Control*>(&show_normal),
                     static_cast<Control*>(&show_maximized), static_cast<Control*>(&show_minimized)}) {
    c->hint = "ﾌﾟﾛｸﾞﾗﾑの実行状態を選択して下さい";
  }
  show_normal.checked = true;
  tray_box.SetBounds(360, 104, 73, 17);
  tray_box.caption = "ﾀｽｸ･ﾄﾚｲ";
  tray_box.hint = "ONでﾀｽｸﾄﾚｲにｱｲｺﾝを表示できます";
  work_folder_caption.SetBounds(8, 140, 80, 13);
  work_folder_caption.caption = "ﾜｰｸ･ﾌｫﾙﾀﾞ";
  work_folder_field.SetBounds(96, 136, 258, 21);
  work_folder_field.hint = "ﾜｰｸ･ﾌｫﾙﾀﾞを入力して下さい";
  group_caption.SetBounds(8, 168, 80, 13);
  group_caption.caption = "ｸﾞﾙｰﾌﾟ";
  entry_group_label.SetBounds(96, 168, 258, 13);

  // "マウスACT".
  const std::array<std::pair<Shape*, Color>, 4> palette = {{{&quadrant_squares[0], colors::kRed},
                                                            {&quadrant_squares[1], colors::kLime},
                                                            {&quadrant_squares[2], colors::kBlue},
                                                            {&quadrant_squares[3], colors::kYellow}}};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    Shape& square = *palette[i].first;
    square.SetBounds(16 + 20 * static_cast<int>(i % 2), 16 + 20 * static_cast<int>(i / 2), 20, 20);
    square.brush = palette[i].second;
    square.hint = "ﾏｳｽ･ｱｸｼｮﾝを定義します";
  }
  for (int n = 0; n < 16; ++n) {
    Shape& cell = action_cells[static_cast<std::size_t>(n)];
    cell.SetBounds(104 + 8 * n, 24, 9, 17);
    cell.hint = "ﾏｳｽ･ｱｸｼｮﾝ定義ﾃｰﾌﾞﾙ 左のﾊﾟﾚｯﾄで設定します";
  }
  next_cell_marker.SetBounds(103, 10, 9, 13);
  next_cell_marker.caption = "▼";
  next_cell_marker.font_color = colors::kRed;
  order_caption.SetBounds(104, 48, 60, 13);
  order_caption.caption = "操作順序:";
  order_caption.hint = "ﾏｳｽをこの順序で移動させるとﾌﾟﾛｸﾞﾗﾑを実行します";
  first_direction_line.SetBounds(168, 48, 270, 13);
  second_direction_line.SetBounds(168, 64, 270, 13);
  backspace_button.SetBounds(16, 64, 41, 21);
  backspace_button.caption = "BS";
  backspace_button.hint = "ﾏｳｽ･ｱｸｼｮﾝを1つ消去します";
  clear_button.SetBounds(16, 90, 41, 21);
  clear_button.caption = "ｸﾘｱ";
  clear_button.hint = "ﾏｳｽ･ｱｸｼｮﾝを全て消去します";
  read_action_button.SetBounds(16, 124, 81, 25);
  read_action_button.caption = "ﾏｳｽACT読込";
  confirm_button.SetBounds(376, 132, 65, 25);
  confirm_button.caption = "ｱｸｼｮﾝ確認";
  confirm_button.hint = "ﾏｳｽ･ｱｸｼｮﾝをｱﾆﾒｰｼｮﾝします";
  animation_screen.SetBounds(310, 100, 57, 57);
  animation_screen.brush = colors::kGreen;
  animation_screen.hint = "ﾏｳｽ･ｱｸｼｮﾝを表示します";
  crossed_mouse_picture.SetBounds(314, 104, 49, 49);
  crossed_mouse_picture.hint = "ﾏｳｽ･ｱｸｼｮﾝが定義されていないか、組合せが不完全です";
  for (Image* frame : {&pointer_waves3, &pointer_waves2, &pointer_waves1, &pointer_still}) {
    frame->SetBounds(311, 101, 30, 30);
    frame->visible = false;
  }
  program_window_picture.SetBounds(314, 104, 49, 49);
  program_window_picture.visible = false;
  start_position_panel.SetBounds(104, 92, 160, 64);
  start_position_panel.hint = "ﾁｪｯｸONで実行可能";
  start_position_captions[0].SetBounds(8, 8, 80, 13);
  start_position_captions[0].caption = "画面上での";
  start_position_captions[1].SetBounds(8, 24, 80, 13);
  start_position_captions[1].caption = "ﾏｳｽ･ｱｸｼｮﾝの ";
  start_position_captions[2].SetBounds(8, 40, 80, 13);
  start_position_captions[2].caption = "実行開始位置";
  for (Label& caption : start_position_captions) caption.hint = "右のﾁｪｯｸﾎﾞｯｸｽは、画面の相対位置を表わしています";
  for (int k = 0; k < 9; ++k) {
    start_positions[static_cast<std::size_t>(k)].SetBounds(98 + 16 * (k % 3), 8 + 16 * (k / 3), 17, 17);
  }

  // "ｼｮｰﾄ･ｶｯﾄ".
  shortcut_caption.SetBounds(16, 24, 360, 13);
  shortcut_caption.caption = "プログラムを実行するショートカット・キーを押してください";
  shortcut_field.SetBounds(16, 48, 193, 19);
  shortcut_field.hint = "ﾌﾟﾛｸﾞﾗﾑを実行するｼｮｰﾄｶｯﾄｷｰを定義してください";

  // "画面ﾎﾟｼﾞｼｮﾝ": each flat button covers the 17 pixels of its cell nearest
  // the middle of the picture, leaving an 8-pixel band of the cell's colour.
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
    const PositionPlace& place = kPlaces[i];
    position_cells[i].SetBounds(place.cell.left, place.cell.top, place.cell.right, place.cell.bottom);
    position_cells[i].brush = colors::kButtonFace;
    position_buttons[i].SetBounds(place.button.left, place.button.top, place.button.right, place.button.bottom);
    position_buttons[i].hint = place.hint;
  }
  position_cancel_button.SetBounds(336, 144, 65, 25);
  position_cancel_button.caption = "ｷｬﾝｾﾙ";
  position_cancel_button.hint = "画面ﾎﾟｼﾞｼｮﾝ設定を取止めます";
  position_text.SetBounds(128, 40, 145, 97);

  // "グループ".
  mode_group.SetBounds(16, 0, 409, 30);
  mode_group.hint = "モードを選択して下さい";
  mode1_choice.SetBounds(8, 10, 185, 17);
  mode1_choice.caption = "表示ｸﾞﾙｰﾌﾟの選択/登録";
  mode1_choice.checked = true;
  mode2_choice.SetBounds(200, 10, 201, 17);
  mode2_choice.caption = "ﾌﾟﾛｸﾞﾗﾑをｸﾞﾙｰﾌﾟに登録/移動";
  mode2_choice.hint = "プログラムのグループを登録/移動するモード";
  struct GroupButton {
    Button* button;
    const char* caption;
    const char* hint;
    int left, top, width;
  };
  const GroupButton group_buttons[] = {
      {&add_group_button, "追 加", "選択されているｸﾞﾙｰﾌﾟの下に新規ｸﾞﾙｰﾌﾟを作成します", 16, 40, 57},
      {&rename_group_button, "編 集", "選択されているｸﾞﾙｰﾌﾟ名を編集します", 16, 72, 57},
      {&delete_group_button, "削 除", "選択されているｸﾞﾙｰﾌﾟを削除します", 16, 104, 57},
      {&sort_groups_button, "ソート", "ｸﾞﾙｰﾌﾟを昇順にソートします", 328, 40, 57},
      {&move_source_button, "移動元", "選択されているｸﾞﾙｰﾌﾟを移動元とします", 16, 144, 57},
      {&move_target_button, "移動先", "移動元ﾟを選択したｸﾞﾙｰﾌﾟの下に移動します", 328, 144, 57},
      {&register_in_group_button, "プログラムをグループに登録", "選択しているｸﾞﾙｰﾌﾟにﾌﾟﾛｸﾞﾗﾑを登録/移動します", 96, 144,
       209},
  };
  for (const GroupButton& b : group_buttons) {
    b.button->caption = b.caption;
    b.button->hint = b.hint;
    b.button->SetBounds(b.left, b.top, b.width, 23);
  }
  move_target_button.enabled = false;
  register_in_group_button.visible = false;
  move_source_bevel.SetBounds(92, 144, 218, 22);
  move_source_label.SetBounds(96, 148, 210, 13);
  move_source_label.hint = "現在の移動元";
  move_source_label.visible = false;
  move_arrow_left.SetBounds(70, 141, 32, 32);
  move_arrow_right.SetBounds(306, 141, 32, 32);
  move_arrow_left.visible = move_arrow_right.visible = false;
  mode2_frame.SetBounds(32, 32, 337, 110);
  mode2_frame.brush = colors::kAqua;
  mode2_frame.visible = false;
  group_tree.SetBounds(80, 36, 241, 102);
  group_tree.hint = "ｸﾞﾙｰﾌﾟを選択して下さい";
}

}  // namespace fesk::editor
