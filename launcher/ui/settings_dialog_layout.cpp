// Design-time properties of the settings dialog: captions, hints, items and
// places.  Page controls are placed in page coordinates (the page's client
// area inside the tab control).  Each control placed is recorded in `layout`
// with its page, in the order the window makes them (the Tab order).
#include <string>

#include "launcher/ui/trigger_cells.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/ui/settings_dialog.h"
#include "launcher/ui/settings_file_caption.h"

namespace fesk {

namespace {

// Full-width digits of the black-hole hints ("１" to "４").
constexpr const char* kWideDigits[] = {"１", "２", "３", "４"};
constexpr const char* kAxisNames[] = {"左上横軸", "左上縦軸", "右下横軸", "右下縦軸"};

void PlaceCoordinate(FormLayout& layout, SpinEdit& field, int left, int top, std::string hint) {
  Place(layout, field, left, top, 46, 22, std::move(hint));
  field.max_length = 4;
}

}  // namespace

// Laid out after the pages: the window's own controls come after the pages'
// ones in the Tab order.
void SettingsDialog::LayOutWindow() {
  layout.OnPage(kOffPages);
  pages.SetBounds(16, 20, 417, 245);
  pages.pages = {"動 作", "ﾏｳｽACT", "ﾏｳｽACTﾄﾘｶﾞｰ", "ﾏｳｽACTｾﾝｻｰ", "Winｻｰﾋﾞｽ", "休 止", "ﾊﾞｰｼﾞｮﾝ"};
  pages.active_page = kVersionPage;
  WithCaption(layout, ok_button, "ＯＫ", 16, 276, 89, 29, "設定情報を保存し隠します");
  WithCaption(layout, cancel_button, "キャンセル", 112, 276, 89, 29, "設定情報を保存せずに隠します");
  WithCaption(layout, hint_group, "ﾋﾝﾄ", 300, 268, 133, 41);
  PlaceRadio(hints_on, "ON", 312, 284, 50, 17);
  PlaceRadio(hints_off, "OFF", 368, 284, 50, 17);
  layout.Add(hint_choice);
  int left = 220;
  for (Image* picture : {&frame_pictures[0], &frame_pictures[1], &frame_pictures[2], &frame_pictures[3],
                         &frame_pictures[4], &run_option_picture}) {
    // Never shown: they only hold the tray icon's pictures, so no window.
    SetPlace(*picture, left, 276, 33, 33);
    picture->visible = false;
    left += 4;
  }
  trail_timer.interval = 1000;
  trail_timer.enabled = true;
}

void SettingsDialog::LayOutActionPage() {
  layout.OnPage(kActionPage);
  // The left column is wide enough for "タスクトレイにアイコン表示" beside its
  // radio button in the dialog's font.
  WithCaption(layout, function_group, "有効機能", 8, 4, 200, 128);
  WithCaption(layout, mouse_actions_box, "マウス・アクション", 16, 22, 170, 17, "ONで[ﾏｳｽ･ｱｸｼｮﾝ]機能が有効になります");
  WithCaption(layout, shortcut_keys_box, "ショートカット・キー", 16, 42, 170, 17,
              "ONで[ｼｮｰﾄｶｯﾄ･ｷｰ]機能が有効になります");
  WithCaption(layout, screen_positions_box, "画面ポジション", 16, 62, 170, 17, "ONで[画面ﾎﾟｼﾞｼｮﾝ]機能が有効になります");
  WithCaption(layout, window_services_box, "Windowサービス", 16, 82, 170, 17, "ONで[Windowｻｰﾋﾞｽ]機能が有効になります");
  WithCaption(layout, program_tray_icons_box, "タスクトレイ・アイコン", 16, 102, 170, 17);
  WithCaption(layout, tray_icon_choice, "FESKアイコン", 8, 136, 200, 72, "FESKのｱｲｺﾝ表示ﾓｰﾄﾞを選択して下さい");
  WithCaption(layout, register_group, "プログラム登録起動", 214, 4, 187, 120);
  Place(layout, register_picture1, 222, 28, 32, 32);
  Place(layout, register_picture2, 222, 72, 32, 32);
  WithCaption(layout, transfer_button, "ﾏｳｽ･ｱｸｼｮﾝ転送", 268, 24, 125, 25,
              "「FESKﾌﾟﾛｸﾞﾗﾑ登録」を開き直前のﾏｳｽ操作を自動設定します");
  transfer_button.enabled = false;  // until the first movement has been recognised
  WithCaption(layout, editor_button, "手動設定", 268, 56, 125, 25, "「FESKﾌﾟﾛｸﾞﾗﾑ登録」を開きます");
  WithCaption(layout, reload_button, "最新情報読込み", 268, 88, 125, 25, "｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣で設定した情報を読込みます");
  // Four boxes under the group, 20 pixels apart as in "有効機能", the last
  // ending with the icon choice beside them.
  WithCaption(layout, start_errors_box, "ﾌﾟﾛｸﾞﾗﾑ実行ｴﾗｰ検出", 214, 130, 187, 17,
              "ONでﾌﾟﾛｸﾞﾗﾑ実行時ｴﾗｰを検出表示します");
  WithCaption(layout, run_time_option_box, "実行時ｵﾌﾟｼｮﾝ指定", 214, 150, 187, 17);
  WithCaption(layout, quiet_over_full_screen_box, "全画面表示中は休止", 214, 170, 187, 17,
              "ONで全画面表示のﾌﾟﾛｸﾞﾗﾑ(ｹﾞｰﾑ、ｽﾗｲﾄﾞｼｮｰ、動画など)が前面にある間は\r"
              "[ﾏｳｽ･ｱｸｼｮﾝ]と[画面ﾎﾟｼﾞｼｮﾝ]でﾌﾟﾛｸﾞﾗﾑを起動しません\r"
              "\r"
              "[ｼｮｰﾄｶｯﾄ･ｷｰ]はいつでも有効です");
  WithCaption(layout, start_with_windows_box, "Windows起動時に自動起動", 214, 190, 187, 17,
              "ONでWindowsへのｻｲﾝｲﾝ時にFESKを自動起動します\r"
              "\r"
              "現在のﾕｰｻﾞｰのｽﾀｰﾄｱｯﾌﾟ(ﾚｼﾞｽﾄﾘのRunｷｰ)に登録します\r"
              "(設定画面を開くたびにﾚｼﾞｽﾄﾘの状態を表示します)");
}

void SettingsDialog::LayOutMouseActPage() {
  layout.OnPage(kMouseActPage);
  Place(layout, mode_choice, 8, 4, 393, 110, "ﾏｳｽACT時の基本的な動作を設定します");
  WithCaption(layout, unregistered_actions_box, "未定義マウス・アクション検出", 8, 124, 393, 17,
              "ONで登録されていないﾏｳｽ･ｱｸｼｮﾝを検出表示します");
  WithCaption(layout, auto_transfer_box, "マウス・アクションをFESKプログラム登録に自動転送", 8, 150, 393, 17);
  WithCaption(layout, transfer_note, "(ﾊﾟﾌｫｰﾏﾝｽ向上の為にﾌﾟﾛｸﾞﾗﾑ登録時のみﾁｪｯｸする)", 26, 170, 370, 13);
  // Under the note, the same 26 pixels below it as the transfer box is below
  // the box above.
  WithCaption(layout, preview_box, "実行内容を表示", 8, 192, 393, 17,
              "ONでﾏｳｽ･ｱｸｼｮﾝ中にﾄﾘｶﾞｰを離すと実行される内容をｶｰｿﾙの横に表示します\r"
              "\r"
              "(起動するﾌﾟﾛｸﾞﾗﾑのﾀｲﾄﾙ、Windowｻｰﾋﾞｽの名前、未登録)");
}

void SettingsDialog::LayOutTriggerPage() {
  layout.OnPage(kTriggerPage);
  for (int n = 0; n < kTriggerCount; ++n) {
    CellBounds cell = TriggerCellBounds(n);
    Place(layout, trigger_cells[n], cell.left, cell.top, cell.width, cell.height, TriggerCellHint(n));
    trigger_cells[n].brush = TriggerCellColor(n);
  }
  const char* keys[] = {"SHIFT", "CTRL", "ALT", "ﾏｳｽ左", "ﾏｳｽ右"};
  // Row captions along the left, column captions under the bottom row (the
  // right button alone, number 14).
  const CellBounds first = TriggerCellBounds(0), last_row = TriggerCellBounds(14);
  for (int i = 0; i < 5; ++i) {
    WithCaption(layout, row_captions[i], keys[i], 16, first.top + i * (last_row.top - first.top) / 4 + 5, 58, 13);
  }
  for (int i = 0; i < 5; ++i) {
    WithCaption(layout, column_captions[i], keys[i], first.left + i * (last_row.left - first.left) / 4,
                last_row.top + last_row.height + 6, 44, 13);
  }
  const char* legend[] = {"簡単", "複雑", "誤動作注意", "ﾏｳｽ3ﾎﾞﾀﾝ中"};
  const Color legend_colors[] = {colors::kBlue, colors::kYellow, colors::kRed, colors::kLime};
  for (int i = 0; i < 4; ++i) {
    Place(layout, legend_shapes[i], 308, 60 + i * 20, 12, 12);
    legend_shapes[i].brush = legend_colors[i];
  }
  for (int i = 0; i < 4; ++i) WithCaption(layout, legend_labels[i], legend[i], 324, 60 + i * 20, 80, 13);
  mouse_action_marker.caption = "★";
  window_service_marker.caption = "●";
  for (Label* marker : {&mouse_action_marker, &window_service_marker}) {
    marker->hint = "この場所のトリガーキーを設定";
    marker->width = 14;
    marker->height = 13;
  }
  WithCaption(layout, trigger_choice_group, "", 304, 148, 100, 60, "設定を行うﾄﾘｶﾞｰを選択して下さい");
  PlaceRadio(mouse_action_trigger_choice, "ﾏｳｽACT[★]", 308, 162, 94, 17);
  PlaceRadio(window_service_trigger_choice, "Winｻｰﾋﾞｽ[●]", 308, 184, 94, 17);
  layout.Add(trigger_choice);
  mouse_action_trigger_choice.checked = true;
}

void SettingsDialog::LayOutSensorPage() {
  layout.OnPage(kSensorPage);
  WithCaption(layout, run_spot_box, "RUNスポット", 8, 4, 120, 17);
  for (int part = 0; part < 4; ++part) {
    PlaceCoordinate(layout, run_spot_fields[part], 8 + part * 50, 24,
                    std::string("ﾏｳｽｱｸｼｮﾝ実行開始場所を画面解像度で設定(") + kAxisNames[part] + "の位置)");
  }
  WithCaption(layout, black_holes_box, "ブラックフォール", 8, 52, 140, 17);
  for (int hole = 1; hole <= 4; ++hole) {
    for (int part = 0; part < 4; ++part) {
      PlaceCoordinate(layout, black_hole_fields[hole - 1][part], 8 + part * 50, 72 + (hole - 1) * 26,
                      std::string("ﾏｳｽｱｸｼｮﾝ未実行場所") + kWideDigits[hole - 1] + "を画面解像度で設定(" +
                          kAxisNames[part] + "の位置)");
    }
  }
  // The values beside the sliders take the width their text needs in the
  // font the window really has: rounded at some scales, the designed width
  // is a pixel short and the unit wraps out of sight.
  for (Label* text : {&minimum_move_text, &neutral_text, &interval_text}) text->auto_size = true;
  WithCaption(layout, minimum_move_caption, "最小実行値", 216, 4, 80, 13);
  Place(layout, minimum_move_slider, 216, 20, 130, 16, "この値以上ﾏｳｽを移動するとｱｸｼｮﾝ判定を開始");
  Place(layout, minimum_move_text, 350, 22, 56, 13);
  WithCaption(layout, sensor_test_button, "ﾃｽﾄ表示", 216, 40, 80, 22, "実際の最小実行値を画面に表示する");
  WithCaption(layout, neutral_caption, "ﾆｭｰﾄﾗﾙ領域：", 216, 76, 80, 13);
  Place(layout, neutral_slider, 216, 92, 130, 16, "ﾏｳｽｱｸｼｮﾝ判定時の無視領域の大きさ([動作]確認ﾓｰﾄﾞで確認可)");
  Place(layout, neutral_text, 350, 94, 40, 13);
  WithCaption(layout, interval_caption, "ｲﾝﾀｰﾊﾞﾙ", 216, 124, 80, 13);
  Place(layout, interval_slider, 216, 140, 130, 16, "ｾﾝｻｰが働くﾀｲﾐﾝｸﾞ(CPUの性能に依存)");
  Place(layout, interval_text, 350, 142, 56, 13);
}

void SettingsDialog::LayOutServicePage() {
  layout.OnPage(kServicePage);
  const char* labels[] = {"左上に移動", "上に移動",   "右上に移動", "左に移動",
                          "右に移動",   "左下に移動", "下に移動",   "右下に移動"};
  // Around the 3 x 3 block of pictures, the centre left to the pictures.
  const int cells[8][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}};
  service_lists[0].items.assign(kWindowServiceItems.begin(), kWindowServiceItems.end());
  for (int i = 0; i < 8; ++i) {
    int left = 8 + cells[i][0] * 132, top = 8 + cells[i][1] * 70;
    std::string hint = std::string(labels[i]) + "した時のｱｸｼｮﾝを選択してください";
    WithCaption(layout, direction_labels[i], labels[i], left, top, 128, 13);
    Place(layout, service_lists[i], left, top + 16, 128, 21, hint);
  }
  Place(layout, service_picture, 140, 78, 128, 62);
}

// The list on the left, on the right what fills it: a name typed or picked
// from the programs of the open windows, and the two buttons.
void SettingsDialog::LayOutQuietPage() {
  layout.OnPage(kQuietPage);
  WithCaption(layout, quiet_group, "ﾏｳｽACTと画面ﾎﾟｼﾞｼｮﾝを休止するﾌﾟﾛｸﾞﾗﾑ", 8, 4, 393, 204);
  Place(layout, quiet_program_list, 16, 24, 180, 176,
        "このﾌﾟﾛｸﾞﾗﾑのｳｨﾝﾄﾞｳが前面にある間は\r"
        "[ﾏｳｽ･ｱｸｼｮﾝ]と[画面ﾎﾟｼﾞｼｮﾝ]でﾌﾟﾛｸﾞﾗﾑを起動しません");
  WithCaption(layout, quiet_field_caption, "ﾌﾟﾛｸﾞﾗﾑ名", 204, 24, 189, 13);
  Place(layout, quiet_program_field, 204, 40, 189, 22, "休止するﾌﾟﾛｸﾞﾗﾑのﾌｧｲﾙ名(例 mspaint.exe)");
  WithCaption(layout, open_programs_caption, "開いているｳｨﾝﾄﾞｳから選択", 204, 70, 189, 13);
  Place(layout, open_program_list, 204, 86, 189, 21, "開いているｳｨﾝﾄﾞｳのﾌﾟﾛｸﾞﾗﾑを選択します");
  WithCaption(layout, add_quiet_program_button, "追加", 204, 118, 92, 25, "ﾌﾟﾛｸﾞﾗﾑ名を一覧に追加します");
  WithCaption(layout, remove_quiet_program_button, "削除", 301, 118, 92, 25, "一覧で選択したﾌﾟﾛｸﾞﾗﾑを削除します");
  WithCaption(layout, quiet_note, "Windowｻｰﾋﾞｽも休止します\r\n[ｼｮｰﾄｶｯﾄ･ｷｰ]はいつでも有効です", 204, 156, 189, 40);
}

void SettingsDialog::LayOutVersionPage() {
  layout.OnPage(kVersionPage);
  WithCaption(layout, version_frame, "", 24, 24, 360, 100);
  Place(layout, program_icon, 48, 48, 32, 32);
  WithCaption(layout, product_name, "FESK", 96, 48, 80, 24);
  WithCaption(layout, product_suffix, " for Win32", 96, 76, 120, 16);
  WithCaption(layout, settings_file_label, SettingsFileCaption(env_.settings_path, env_.paths), 24, 136, 360, 54,
              "FESKとFESKﾌﾟﾛｸﾞﾗﾑ登録が使う設定ﾌｧｲﾙ\r(ﾌﾟﾛｸﾞﾗﾑのﾌｫﾙﾀﾞに書き込めない時は%APPDATA%\\Fesk)");
}

}  // namespace fesk
