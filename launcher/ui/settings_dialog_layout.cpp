// Design-time properties of the settings dialog: captions, hints, items and
// places.  Page controls are placed in page coordinates (the page's client
// area inside the tab control).
#include <string>

#include "launcher/ui/trigger_cells.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/ui/settings_dialog.h"

namespace fesk {

namespace {

void Place(Control& c, int left, int top, int width, int height, std::string hint = {}) {
  c.SetBounds(left, top, width, height);
  if (!hint.empty()) c.hint = std::move(hint);
}

template <typename Captioned>
void WithCaption(Captioned& c, std::string caption, int left, int top, int width, int height, std::string hint = {}) {
  c.caption = std::move(caption);
  Place(c, left, top, width, height, std::move(hint));
}

// Full-width digits of the black-hole hints ("１" to "４").
constexpr const char* kWideDigits[] = {"１", "２", "３", "４"};
constexpr const char* kAxisNames[] = {"左上横軸", "左上縦軸", "右下横軸", "右下縦軸"};

void PlaceCoordinate(SpinEdit& field, int left, int top, std::string hint) {
  Place(field, left, top, 46, 22, std::move(hint));
  field.max_length = 4;
}

}  // namespace

void SettingsDialog::LayOutWindow() {
  pages.SetBounds(16, 20, 417, 245);
  pages.pages = {"動 作", "ﾏｳｽACT", "ﾏｳｽACTﾄﾘｶﾞｰ", "ﾏｳｽACTｾﾝｻｰ", "Winｻｰﾋﾞｽ", "ﾊﾞｰｼﾞｮﾝ"};
  pages.active_page = kVersionPage;
  WithCaption(ok_button, "ＯＫ", 16, 276, 89, 29, "設定情報を保存し隠します");
  WithCaption(cancel_button, "キャンセル", 112, 276, 89, 29, "設定情報を保存せずに隠します");
  WithCaption(hint_group, "ﾋﾝﾄ", 300, 268, 133, 41);
  WithCaption(hints_on, "ON", 312, 284, 50, 17);
  WithCaption(hints_off, "OFF", 368, 284, 50, 17);
  int left = 220;
  for (Image* picture : {&frame_pictures[0], &frame_pictures[1], &frame_pictures[2], &frame_pictures[3],
                         &frame_pictures[4], &run_option_picture}) {
    Place(*picture, left, 276, 33, 33);
    picture->visible = false;
    left += 4;
  }
  trail_timer.interval = 1000;
  trail_timer.enabled = true;
}

void SettingsDialog::LayOutActionPage() {
  // The left column is wide enough for "タスクトレイにアイコン表示" beside its
  // radio button in the dialog's font.
  WithCaption(function_group, "有効機能", 8, 4, 200, 128);
  WithCaption(mouse_actions_box, "マウス・アクション", 16, 22, 170, 17, "ONで[ﾏｳｽ･ｱｸｼｮﾝ]機能が有効になります");
  WithCaption(shortcut_keys_box, "ショートカット・キー", 16, 42, 170, 17, "ONで[ｼｮｰﾄｶｯﾄ･ｷｰ]機能が有効になります");
  WithCaption(screen_positions_box, "画面ポジション", 16, 62, 170, 17, "ONで[画面ﾎﾟｼﾞｼｮﾝ]機能が有効になります");
  WithCaption(window_services_box, "Windowサービス", 16, 82, 170, 17, "ONで[Windowｻｰﾋﾞｽ]機能が有効になります");
  WithCaption(program_tray_icons_box, "タスクトレイ・アイコン", 16, 102, 170, 17);
  WithCaption(tray_icon_choice, "FESKアイコン", 8, 136, 200, 72, "FESKのｱｲｺﾝ表示ﾓｰﾄﾞを選択して下さい");
  WithCaption(register_group, "プログラム登録起動", 214, 4, 187, 120);
  Place(register_picture1, 222, 28, 32, 32);
  Place(register_picture2, 222, 72, 32, 32);
  WithCaption(transfer_button, "ﾏｳｽ･ｱｸｼｮﾝ転送", 268, 24, 125, 25,
              "「FESKﾌﾟﾛｸﾞﾗﾑ登録」を開き直前のﾏｳｽ操作を自動設定します");
  transfer_button.enabled = false;  // until the first movement has been recognised
  WithCaption(editor_button, "手動設定", 268, 56, 125, 25, "「FESKﾌﾟﾛｸﾞﾗﾑ登録」を開きます");
  WithCaption(reload_button, "最新情報読込み", 268, 88, 125, 25, "｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣で設定した情報を読込みます");
  // Four boxes under the group, 20 pixels apart as in "有効機能", the last
  // ending with the icon choice beside them.
  WithCaption(start_errors_box, "ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出", 214, 130, 187, 17, "ONでﾌﾟﾛｸﾞﾗﾑ実行時ｴﾗｰを検出表示します");
  WithCaption(run_time_option_box, "実行時ｵﾌﾟｼｮﾝ指定", 214, 150, 187, 17);
  WithCaption(quiet_over_full_screen_box, "全画面表示中は休止", 214, 170, 187, 17,
              "ONで全画面表示のﾌﾟﾛｸﾞﾗﾑ(ｹﾞｰﾑ、ｽﾗｲﾄﾞｼｮｰ、動画など)が前面にある間は\r"
              "[ﾏｳｽ･ｱｸｼｮﾝ]と[画面ﾎﾟｼﾞｼｮﾝ]でﾌﾟﾛｸﾞﾗﾑを起動しません\r"
              "\r"
              "[ｼｮｰﾄｶｯﾄ･ｷｰ]はいつでも有効です");
  WithCaption(start_with_windows_box, "Windows起動時に自動起動", 214, 190, 187, 17,
              "ONでWindowsへのｻｲﾝｲﾝ時にFESKを自動起動します\r"
              "\r"
              "現在のﾕｰｻﾞｰのｽﾀｰﾄｱｯﾌﾟ(ﾚｼﾞｽﾄﾘのRunｷｰ)に登録します\r"
              "(設定画面を開くたびにﾚｼﾞｽﾄﾘの状態を表示します)");
}

void SettingsDialog::LayOutMouseActPage() {
  Place(mode_choice, 8, 4, 393, 110, "ﾏｳｽACT時の基本的な動作を設定します");
  WithCaption(unregistered_actions_box, "未定義マウス・アクション検出", 8, 124, 393, 17,
              "ONで登録されていないﾏｳｽ･ｱｸｼｮﾝを検出表示します");
  WithCaption(auto_transfer_box, "マウス・アクションをFESKプログラム登録に自動転送", 8, 150, 393, 17);
  WithCaption(transfer_note, "(ﾊﾟﾌｫｰﾏﾝｽ向上の為にﾌﾟﾛｸﾞﾗﾑ登録時のみﾁｪｯｸする)", 26, 170, 370, 13);
}

void SettingsDialog::LayOutTriggerPage() {
  for (int n = 0; n < kTriggerCount; ++n) {
    CellBounds cell = TriggerCellBounds(n);
    Place(trigger_cells[n], cell.left, cell.top, cell.width, cell.height, TriggerCellHint(n));
    trigger_cells[n].brush = TriggerCellColor(n);
  }
  const char* keys[] = {"SHIFT", "CTRL", "ALT", "ﾏｳｽ左", "ﾏｳｽ右"};
  // Row captions along the left, column captions under the bottom row (the
  // right button alone, number 14).
  const CellBounds first = TriggerCellBounds(0), last_row = TriggerCellBounds(14);
  for (int i = 0; i < 5; ++i) {
    WithCaption(row_captions[i], keys[i], 16, first.top + i * (last_row.top - first.top) / 4 + 5, 58, 13);
    WithCaption(column_captions[i], keys[i], first.left + i * (last_row.left - first.left) / 4,
                last_row.top + last_row.height + 6, 44, 13);
  }
  const char* legend[] = {"簡単", "複雑", "誤動作注意", "ﾏｳｽ3ﾎﾞﾀﾝ中"};
  const Color legend_colors[] = {colors::kBlue, colors::kYellow, colors::kRed, colors::kLime};
  for (int i = 0; i < 4; ++i) {
    Place(legend_shapes[i], 308, 60 + i * 20, 12, 12);
    legend_shapes[i].brush = legend_colors[i];
    WithCaption(legend_labels[i], legend[i], 324, 60 + i * 20, 80, 13);
  }
  mouse_action_marker.caption = "★";
  window_service_marker.caption = "●";
  for (Label* marker : {&mouse_action_marker, &window_service_marker}) {
    marker->hint = "この場所のトリガーキーを設定";
    marker->width = 14;
    marker->height = 13;
  }
  WithCaption(trigger_choice_group, "", 304, 148, 100, 60, "設定を行うﾄﾘｶﾞｰを選択して下さい");
  WithCaption(mouse_action_trigger_choice, "ﾏｳｽACT[★]", 308, 162, 94, 17);
  WithCaption(window_service_trigger_choice, "Winｻｰﾋﾞｽ[●]", 308, 184, 94, 17);
  mouse_action_trigger_choice.checked = true;
}

void SettingsDialog::LayOutSensorPage() {
  WithCaption(run_spot_box, "RUNスポット", 8, 4, 120, 17);
  for (int part = 0; part < 4; ++part) {
    PlaceCoordinate(run_spot_fields[part], 8 + part * 50, 24,
                    std::string("ﾏｳｽｱｸｼｮﾝ実行開始場所を画面解像度で設定(") + kAxisNames[part] + "の位置)");
  }
  WithCaption(black_holes_box, "ブラックフォール", 8, 52, 140, 17);
  for (int hole = 1; hole <= 4; ++hole) {
    for (int part = 0; part < 4; ++part) {
      PlaceCoordinate(black_hole_fields[hole - 1][part], 8 + part * 50, 72 + (hole - 1) * 26,
                      std::string("ﾏｳｽｱｸｼｮﾝ未実行場所") + kWideDigits[hole - 1] + "を画面解像度で設定(" +
                          kAxisNames[part] + "の位置)");
    }
  }
  WithCaption(minimum_move_caption, "最小実行値", 216, 4, 80, 13);
  Place(minimum_move_slider, 216, 20, 130, 16, "この値以上ﾏｳｽを移動するとｱｸｼｮﾝ判定を開始");
  Place(minimum_move_text, 350, 22, 56, 13);
  WithCaption(sensor_test_button, "ﾃｽﾄ表示", 216, 40, 80, 22, "実際の最小実行値を画面に表示する");
  WithCaption(neutral_caption, "ﾆｭｰﾄﾗﾙ領域：", 216, 76, 80, 13);
  Place(neutral_slider, 216, 92, 130, 16, "ﾏｳｽｱｸｼｮﾝ判定時の無視領域の大きさ([動作]確認ﾓｰﾄﾞで確認可)");
  Place(neutral_text, 350, 94, 40, 13);
  WithCaption(interval_caption, "ｲﾝﾀｰﾊﾞﾙ", 216, 124, 80, 13);
  Place(interval_slider, 216, 140, 130, 16, "ｾﾝｻｰが働くﾀｲﾐﾝｸﾞ(CPUの性能に依存)");
  Place(interval_text, 350, 142, 56, 13);
}

void SettingsDialog::LayOutServicePage() {
  const char* labels[] = {"左上に移動", "上に移動",   "右上に移動", "左に移動",
                          "右に移動",   "左下に移動", "下に移動",   "右下に移動"};
  // Around the 3 x 3 block of pictures, the centre left to the pictures.
  const int cells[8][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
  service_lists[0].items.assign(kWindowServiceItems.begin(), kWindowServiceItems.end());
  for (int i = 0; i < 8; ++i) {
    int left = 8 + cells[i][0] * 132, top = 8 + cells[i][1] * 70;
    std::string hint = std::string(labels[i]) + "した時のｱｸｼｮﾝを選択してください";
    WithCaption(direction_labels[i], labels[i], left, top, 128, 13);
    Place(service_lists[i], left, top + 16, 128, 21, hint);
  }
  Place(service_picture, 140, 78, 128, 62);
}

void SettingsDialog::LayOutVersionPage() {
  WithCaption(version_frame, "", 24, 24, 360, 100);
  Place(program_icon, 48, 48, 32, 32);
  WithCaption(product_name, "FESK", 96, 48, 80, 24);
  WithCaption(product_suffix, " for Win32", 96, 76, 120, 16);
}

}  // namespace fesk
